#include "Scenes.h"

#include "Draw.h"

#include <QPainter>
#include <array>

namespace picgen {

namespace {

struct Subjects {
    SceneFunction start;
    SceneFunction reward; // null: the same as start
};

// Picture numbers 1..30 in order, after their captions.
constexpr std::array<Subjects, 30> kSubjects = {{
    {sceneArcDeTriomphe, nullptr},
    {sceneBayOfAngels, sceneFrenchman},
    {sceneVersaillesFountain, nullptr},
    {sceneMontBlanc, sceneEiffelAndNotreDame},
    {sceneCountryHouse, nullptr},
    {sceneVersaillesGarden, nullptr},
    {scenePantheon, nullptr},
    {sceneMoulinRouge, sceneMusketeers},
    {sceneNapoleon, nullptr},
    {sceneCyrano, nullptr},
    {sceneChampDeMars, sceneLatonaFountain},
    {sceneSacreCoeurAndVenus, nullptr},
    {sceneLouvreStatues, nullptr},
    {sceneMadeleineShop, nullptr},
    {sceneParisSkyline, nullptr},
    {sceneVersaillesPalace, nullptr},
    {sceneLatonaFountain, sceneFontainebleau},
    {sceneMorgatBeach, nullptr},
    {sceneMontSaintMichel, nullptr},
    {sceneWarCemetery, nullptr},
    {sceneMushroomCave, nullptr},
    {sceneChateauDordogne, nullptr},
    {sceneCheeses, nullptr},
    {sceneCarcassonne, nullptr},
    {sceneCamargueBulls, nullptr},
    {scenePontDuGard, nullptr},
    {sceneVineyard, nullptr},
    {sceneSaintTropez, nullptr},
    {sceneNiceBeaches, nullptr},
    {sceneFortLaLatte, nullptr},
}};

} // namespace

SceneFunction sceneFor(int n, bool startPicture) {
    if (n < 1 || n > static_cast<int>(kSubjects.size())) return nullptr;
    const Subjects& s = kSubjects[static_cast<std::size_t>(n - 1)];
    return (startPicture || s.reward == nullptr) ? s.start : s.reward;
}

QImage renderScene(int n, bool startPicture) {
    QImage image(static_cast<int>(kWidth), static_cast<int>(kHeight), QImage::Format_RGB32);
    image.fill(Qt::white);
    const SceneFunction scene = sceneFor(n, startPicture);
    if (scene == nullptr) return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    scene(p);
    return image;
}

} // namespace picgen
