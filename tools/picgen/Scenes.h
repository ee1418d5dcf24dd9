#pragma once
// One drawing function per picture subject. Each draws the whole kWidth x kHeight canvas (see
// Draw.h) with antialiasing switched on by the caller.

#include <QImage>

class QPainter;

namespace picgen {

using SceneFunction = void (*)(QPainter&);

// The subject drawn for picture n (1..30): the start-picture subject or the reward-picture one
// (they differ for a few numbers). Null for any other n.
SceneFunction sceneFor(int n, bool startPicture);

// The scene of picture n drawn on a new kWidth x kHeight image.
QImage renderScene(int n, bool startPicture);

// Paris (ScenesParis.cpp)
void sceneArcDeTriomphe(QPainter& p);
void sceneEiffelAndNotreDame(QPainter& p);
void scenePantheon(QPainter& p);
void sceneMoulinRouge(QPainter& p);
void sceneChampDeMars(QPainter& p);
void sceneParisSkyline(QPainter& p);

// Paris: art and everyday life (ScenesParisLife.cpp)
void sceneSacreCoeurAndVenus(QPainter& p);
void sceneLouvreStatues(QPainter& p);
void sceneMadeleineShop(QPainter& p);

// Versailles and Fontainebleau (ScenesVersailles.cpp)
void sceneVersaillesFountain(QPainter& p);
void sceneVersaillesGarden(QPainter& p);
void sceneVersaillesPalace(QPainter& p);
void sceneLatonaFountain(QPainter& p);
void sceneFontainebleau(QPainter& p);

// Castles and strongholds (ScenesCastles.cpp)
void sceneMontSaintMichel(QPainter& p);
void sceneChateauDordogne(QPainter& p);
void sceneCarcassonne(QPainter& p);
void sceneFortLaLatte(QPainter& p);

// Countryside (ScenesCountry.cpp)
void sceneMontBlanc(QPainter& p);
void sceneCountryHouse(QPainter& p);
void sceneWarCemetery(QPainter& p);
void sceneMushroomCave(QPainter& p);
void sceneCheeses(QPainter& p);

// The south (ScenesSouth.cpp)
void sceneCamargueBulls(QPainter& p);
void scenePontDuGard(QPainter& p);
void sceneVineyard(QPainter& p);

// The coast (ScenesCoast.cpp)
void sceneBayOfAngels(QPainter& p);
void sceneMorgatBeach(QPainter& p);
void sceneSaintTropez(QPainter& p);
void sceneNiceBeaches(QPainter& p);

// People (ScenesPeople.cpp)
void sceneFrenchman(QPainter& p);
void sceneMusketeers(QPainter& p);
void sceneNapoleon(QPainter& p);
void sceneCyrano(QPainter& p);

} // namespace picgen
