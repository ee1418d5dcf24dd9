#include "WordTile.h"

#include "Scaling.h"

#include <QMouseEvent>

namespace orvela {

WordTile::WordTile(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setLineWidth(2);
    setAutoFillBackground(true);
    setHighlighted(false);
}

void WordTile::setHighlighted(bool on) {
    setFrameShadow(on ? QFrame::Sunken : QFrame::Raised);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, on ? QColor(255, 255, 0) : QColor(128, 255, 0));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

void WordTile::mouseMoveEvent(QMouseEvent* e) {
    Q_EMIT hovered();
    QLabel::mouseMoveEvent(e);
}

void WordTile::enterEvent(QEnterEvent* e) {
    Q_EMIT hovered();
    QLabel::enterEvent(e);
}

void WordTile::mousePressEvent(QMouseEvent* e) {
    Q_EMIT pressed(e->button());
    e->accept();
}

void makeWordTiles(QWidget* panel, std::span<WordTile*> tiles,
                   const std::function<void(int)>& hovered,
                   const std::function<void(int, Qt::MouseButton)>& pressed) {
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        auto* t = new WordTile(panel);
        t->setObjectName(QStringLiteral("Panel%1").arg(k + 1));
        t->setFont(pointFont(16, true));
        t->hide();
        QObject::connect(t, &WordTile::hovered, panel, [hovered, k] { hovered(k); });
        QObject::connect(t, &WordTile::pressed, panel,
                         [pressed, k](Qt::MouseButton b) { pressed(k, b); });
        tiles[i] = t;
    }
}

} // namespace orvela
