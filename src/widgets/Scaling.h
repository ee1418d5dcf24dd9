#pragma once
// Scaling a window by ScalePercent: its geometry and the geometry and font sizes of all its
// children grow or shrink by the same factor. Windows call it in their creation when the
// program's ScalePercent is not 100.
//
// One rule holds for everything a window sizes: fonts, controls and the margins between them all
// grow with ScalePercent. The layout unit (LayoutUnit, the margin and spacing of every window) is
// therefore measured in the scaled font, so that a caption keeps its margin inside its button and
// a grid's text can grow with its cells on a large screen.

class QWidget;
class QFont;

namespace orvela {

void scaleWindow(QWidget* window, int percent);
// A font scaled by percent (pixel or point size, whichever it is given in).
void scaleFont(QFont& font, int percent);
// v * percent / 100, rounded.
int scaled(int v, int percent);
// The layout unit at a scale: the width of the letter "L" in Arial bold 12 point scaled by
// percent, as every font of a window is.
int layoutUnit(int percent);

} // namespace orvela

#include <QFont>
#include <QString>

namespace orvela {
// A font given in pixels, as the windows are designed ("Arial bold 20 px").
inline QFont pixelFont(int pixelSize, bool bold = false, const QString& family = QStringLiteral("Arial")) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}
// A font given in points ("size 12").
inline QFont pointFont(int pointSize, bool bold = false, const QString& family = QStringLiteral("Arial")) {
    QFont f(family);
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}
} // namespace orvela
