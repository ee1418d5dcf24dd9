#pragma once
// The reward pictures shown at the end of a run.

#include <QPixmap>

class QLabel;
class QWidget;

namespace orvela {

class Shell;

// The next reward picture of the run-wide order (BILD\FRA<nnn>.BMP), its caption set in the
// shared state; a null pixmap when the picture is missing or cannot be read.
QPixmap nextRewardPicture(Shell& shell);

// Shows the next reward picture in `picture` with its caption in `caption` on `captionPanel`, a
// panel over the picture's top left corner with the layout unit `u` as its margin. With pictures
// off (PictureSetting not 1 or 3) or the picture missing, the picture is hidden, and no picture
// is taken from the order when they are off. True when a picture is shown.
bool showNextRewardPicture(Shell& shell, QLabel* picture, QWidget* captionPanel, QLabel* caption,
                           int u);

} // namespace orvela
