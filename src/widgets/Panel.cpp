#include "Panel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace orvela {

Panel::Panel(QWidget* parent, QColor color, int bevel)
    : QWidget(parent), color_(color), bevel_(bevel) {}

void Panel::setColor(const QColor& c) {
    if (c == color_) return;
    color_ = c;
    update();
}

void Panel::setBevel(int width) {
    bevel_ = width;
    update();
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    if (bevel_ <= 0) return;
    QColor light = color_.lighter(170);
    QColor dark = color_.darker(250);
    if (color_.value() < 40) light = QColor(96, 96, 160);
    for (int i = 0; i < bevel_; ++i) {
        QRect r = rect().adjusted(i, i, -i - 1, -i - 1);
        p.setPen(light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
}

Shape::Shape(QWidget* parent, Kind kind, QColor brush, QColor pen)
    : QWidget(parent), kind_(kind), brush_(brush), pen_(pen) {}

void Shape::setBrushColor(const QColor& c) {
    if (c == brush_) return;
    brush_ = c;
    update();
}

void Shape::setPenColor(const QColor& c) {
    pen_ = c;
    update();
}

void Shape::setKind(Kind k) {
    kind_ = k;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(brush_);
    p.setPen(QPen(pen_, 1));
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (kind_) {
    case Rectangle: p.drawRect(r); break;
    case RoundRect: {
        qreal radius = std::min(r.width(), r.height()) / 4.0;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case Circle: {
        qreal d = std::min(r.width(), r.height());
        p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
        break;
    }
    }
}

void Shape::mousePressEvent(QMouseEvent* e) {
    Q_EMIT pressed();
    e->accept();
}

AutoLabel::AutoLabel(QWidget* parent, const QString& text) : QLabel(text, parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    if (!text.isEmpty()) adjustSize();
}

void AutoLabel::setText(const QString& text) {
    QLabel::setText(text);
    if (autoSize_) adjustSize();
}

void AutoLabel::setTextColor(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

void AutoLabel::setBackground(const QColor& c) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
}

void AutoLabel::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    // An empty label keeps its size: measuring it would load a font that may never be shown.
    if (autoSize_ && e->type() == QEvent::FontChange && !text().isEmpty()) adjustSize();
}

} // namespace orvela
