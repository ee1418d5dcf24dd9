#include "RewardPicture.h"

#include "Shell.h"

#include <QString>

namespace orvela {

QPixmap nextRewardPicture(Shell& shell) {
    const int n = shell.haemta_Bildslumptal();
    QPixmap pm;
    if (std::optional<fs::path> file = shell.paths().find(Shell::pictureFileName("FRA", n)))
        pm.load(QString::fromStdString(file->string()));
    return pm;
}

} // namespace orvela
