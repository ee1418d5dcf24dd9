#pragma once
// Birds drawn from a description of their looks: a perching bird, a bird on the ground or on the
// water, a tall wader, a woodpecker on a trunk, and owls seen from the front.

#include <QColor>

class QPainter;

namespace picgen::nature {

enum class BirdPose { Perched, Ground, Swimming, Wader, Trunk };
enum class Beak { Short, Thin, Hooked, Duck, Dagger, Cone };

struct BirdLook {
    BirdPose pose = BirdPose::Perched;
    double size = 1.0;
    QColor back, belly, head, wing, tailColour;
    QColor cap = Qt::transparent;    // crown patch
    QColor cheek = Qt::transparent;  // cheek patch
    QColor breast = Qt::transparent; // throat and breast patch
    QColor mask = Qt::transparent;   // a stripe through the eye
    QColor beak = QColor(60, 50, 40);
    Beak beakKind = Beak::Short;
    double beakLength = 1.0;
    double neck = 0;       // long necks (swan, stork)
    double tail = 1.0;     // tail length
    bool forkedTail = false;
    bool crest = false;
    bool wingBars = false; // white bars or patches on the wing
    bool speckled = false; // spotted breast
    QColor wattle = Qt::transparent; // red comb or face
    QColor legs = QColor(90, 70, 60);
    QColor eyeColour = QColor(20, 20, 20);
};

void drawBird(QPainter& p, const BirdLook& look);

struct OwlLook {
    QColor body, face, breastStreaks;
    QColor eyes;
    bool earTufts = false;
    double size = 1.0;
};

void drawOwl(QPainter& p, const OwlLook& look);

} // namespace picgen::nature
