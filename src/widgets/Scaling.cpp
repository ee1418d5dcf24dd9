#include "Scaling.h"

#include <QFont>
#include <QFontMetrics>
#include <QWidget>
#include <cmath>

namespace orvela {

int scaled(int v, int percent) {
    return static_cast<int>(std::lround(v * percent / 100.0));
}

int layoutUnit(int percent) {
    QFont font = pointFont(12, true);
    if (percent > 0 && percent != 100) scaleFont(font, percent);
    return std::max(1, QFontMetrics(font).horizontalAdvance(QLatin1Char('L')));
}

void scaleFont(QFont& font, int percent) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, scaled(font.pixelSize(), percent)));
    else if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(1.0, font.pointSizeF() * percent / 100.0));
}

namespace {

void scaleTree(QWidget* w, int percent, bool isTop) {
    QRect g = w->geometry();
    if (isTop)
        w->resize(scaled(g.width(), percent), scaled(g.height(), percent));
    else
        w->setGeometry(scaled(g.x(), percent), scaled(g.y(), percent), scaled(g.width(), percent),
                       scaled(g.height(), percent));
    // A window's font is scaled whether it was set or inherited; a child's only when it has one
    // of its own (the others inherit the scaled font).
    if (isTop || (w->testAttribute(Qt::WA_SetFont) &&
                  (w->font().resolveMask() & QFont::SizeResolved))) {
        QFont f = w->font();
        scaleFont(f, percent);
        w->setFont(f);
    }
    for (QObject* child : w->children())
        if (auto* cw = qobject_cast<QWidget*>(child); cw && !cw->isWindow())
            scaleTree(cw, percent, false);
}

} // namespace

void scaleWindow(QWidget* window, int percent) {
    if (percent == 100 || percent <= 0) return;
    scaleTree(window, percent, true);
}

} // namespace orvela
