#include "FunctionBox.h"

#include <QMouseEvent>

namespace orvela {

FunctionBox::FunctionBox(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    setMouseTracking(true);
    // The text stays black while the boxes are disabled between a drop and the next pointing.
    QPalette pal = palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(g, QPalette::WindowText, Qt::black);
        pal.setColor(g, QPalette::Text, Qt::black);
    }
    setPalette(pal);
    setBoxColor(QColor(255, 255, 0));
}

void FunctionBox::setLines(const QString& line1, const QString& line2) {
    setText(line2.isEmpty() ? line1 : line1 + QLatin1Char('\n') + line2);
}

void FunctionBox::setBoxColor(const QColor& c) {
    if (c == color_) return;
    color_ = c;
    QPalette pal = palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(g, QPalette::Window, c);
    setPalette(pal);
}

void FunctionBox::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() != Qt::NoButton) {
        e->ignore();
        return;
    }
    Q_EMIT hovered();
    e->accept();
}

} // namespace orvela
