#pragma once
// The reward pictures shown at the end of a run.

#include <QPixmap>

namespace orvela {

class Shell;

// The next reward picture of the run-wide order (BILD\FRA<nnn>.BMP), its caption set in the
// shared state; a null pixmap when the picture is missing or cannot be read.
QPixmap nextRewardPicture(Shell& shell);

} // namespace orvela
