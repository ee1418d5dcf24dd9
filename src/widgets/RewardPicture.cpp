#include "RewardPicture.h"

#include "QtText.h"
#include "Shell.h"

#include <QLabel>
#include <QString>

namespace orvela {

QPixmap nextRewardPicture(Shell& shell) {
    const int n = shell.haemta_Bildslumptal();
    QPixmap pm;
    if (std::optional<fs::path> file = shell.paths().find(Shell::pictureFileName("FRA", n)))
        pm.load(QString::fromStdString(file->string()));
    return pm;
}

bool showNextRewardPicture(Shell& shell, QLabel* picture, QWidget* captionPanel, QLabel* caption,
                           int u) {
    captionPanel->hide();
    const int setting = shell.state().PictureSetting;
    const QPixmap pm = setting == 1 || setting == 3 ? nextRewardPicture(shell) : QPixmap();
    if (pm.isNull()) {
        picture->hide();
        return false;
    }
    picture->setPixmap(pm);
    picture->show();
    caption->setText(toQString(shell.state().PictureCaption));
    caption->adjustSize();
    captionPanel->setGeometry(picture->x(), picture->y(), caption->width() + 2 * u,
                              caption->height() + u / 2);
    caption->setGeometry(0, 0, captionPanel->width(), captionPanel->height());
    captionPanel->show();
    captionPanel->raise();
    return true;
}

} // namespace orvela
