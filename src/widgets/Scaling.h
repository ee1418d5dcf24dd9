#pragma once
// Scaling a window by ScalePercent: its geometry and the geometry and font sizes of all its
// children grow or shrink by the same factor. Windows call it in their creation when the
// program's ScalePercent is not 100.

class QWidget;
class QFont;

namespace orvela {

void scaleWindow(QWidget* window, int percent);
// A font scaled by percent (pixel or point size, whichever it is given in).
void scaleFont(QFont& font, int percent);
// v * percent / 100, rounded.
int scaled(int v, int percent);

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
