#include "WordTile.h"

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

} // namespace orvela
