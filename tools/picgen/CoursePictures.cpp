#include "CoursePictures.h"

#include "NatureLists.h"

#include <QFileInfo>
#include <QPainter>
#include <cstdio>
#include <map>

namespace picgen {

namespace {

struct NatureFile {
    int program;
    const char* folder; // below BILD
    std::vector<nature::Drawing> (*drawings)();
};

const NatureFile kNatureFiles[] = {
    {21410, "VAXTER", nature::wildPlantDrawings},   {21420, "VAXTER", nature::gardenPlantDrawings},
    {21430, "VAXTER", nature::treeDrawings},        {21440, "VAXTER", nature::fruitDrawings},
    {21510, "DJUR", nature::birdDrawings},          {21520, "DJUR", nature::mammalDrawings},
    {21530, "DJUR", nature::farmAnimalDrawings},    {21540, "DJUR", nature::fishAndReptileDrawings},
    {21550, "DJUR", nature::insectDrawings},
};

const std::vector<nature::Drawing>& drawingsOf(int program) {
    static std::map<int, std::vector<nature::Drawing>> cache;
    auto it = cache.find(program);
    if (it == cache.end()) {
        std::vector<nature::Drawing> list;
        for (const NatureFile& f : kNatureFiles)
            if (f.program == program) list = f.drawings();
        it = cache.emplace(program, std::move(list)).first;
    }
    return it->second;
}

const char* const kBodyStems[] = {"KROPPEN", "HUVUDET", "HALS", "NJURE", "MAGE", "MUN", "SKELETT"};

} // namespace

int natureItemCount(int program) { return static_cast<int>(drawingsOf(program).size()); }

QImage naturePicture(int program, int item) {
    const std::vector<nature::Drawing>& list = drawingsOf(program);
    if (item < 1 || item > static_cast<int>(list.size())) return {};
    QImage image(kNatureWidth, kNatureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    list[static_cast<std::size_t>(item - 1)](p);
    return image;
}

bool saveBmp(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) return true;
    std::fprintf(stderr, "orvela-picgen: cannot write %s\n", QDir::toNativeSeparators(path).toLocal8Bit().constData());
    return false;
}

bool writeCoursePictures(const QDir& dir) {
    for (const char* stem : kBodyStems)
        if (!saveBmp(bodyPicture(QString::fromLatin1(stem)),
                     dir.filePath(QStringLiteral("KROPP/%1.BMP").arg(QString::fromLatin1(stem)))))
            return false;
    for (const NatureFile& f : kNatureFiles) {
        // "F" + the first four digits of the program + the item number with two digits.
        const QString stem = QStringLiteral("%1/F%2").arg(QString::fromLatin1(f.folder)).arg(f.program / 10);
        for (int n = 1; n <= natureItemCount(f.program); ++n)
            if (!saveBmp(naturePicture(f.program, n), dir.filePath(stem + QStringLiteral("%1.BMP").arg(n, 2, 10, QLatin1Char('0')))))
                return false;
    }
    return saveBmp(franceMap(QSize(540, 500)), dir.filePath(QStringLiteral("FRANCE.BMP"))) &&
           saveBmp(franceMap(QSize(320, 296)), dir.filePath(QStringLiteral("FRANCE2.BMP"))) &&
           saveBmp(franceFlag(QSize(450, 300)), dir.filePath(QStringLiteral("FRAN_FL.BMP")));
}

} // namespace picgen
