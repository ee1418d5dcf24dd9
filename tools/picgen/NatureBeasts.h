#pragma once
// Four-legged animals drawn from a description of their looks (facing left), and a few animals of
// their own shape.

#include <QColor>

class QPainter;

namespace picgen::nature {

enum class Ears { Pointed, Round, Long, Floppy, Small, Tufted };
enum class Tail { Bushy, Thin, Short, Tuft, Curly, Horse, Flat, Long };
enum class Horns { None, Antlers, Palmate, Cow, Goat, Ram, Bull };
enum class Scene { Meadow, Woodland, Savanna, Farm, Studio };

struct BeastLook {
    Scene scene = Scene::Meadow;
    double size = 1.0;
    double length = 1.0; // body length
    double legs = 0.8;   // leg length
    double snout = 1.0;
    double neck = 0;     // 0 short; 2 giraffe
    QColor body, belly = Qt::transparent, head = Qt::transparent, legsColour = Qt::transparent;
    QColor nose = QColor(30, 30, 30);
    Ears ears = Ears::Pointed;
    Tail tail = Tail::Thin;
    Horns horns = Horns::None;
    bool mane = false;
    bool stripes = false;
    bool spots = false;
    bool woolly = false;
    bool trunk = false;
    bool beard = false;
    bool faceStripes = false; // the badger's white face with black stripes
    bool spines = false;      // the hedgehog
    bool udder = false;
    bool whiteTailTip = false; // the fox
    bool tusks = false;        // the wild boar
    QColor markings = QColor(40, 30, 20);
};

void drawBeast(QPainter& p, const BeastLook& look);

void drawBat(QPainter& p);
void drawSeal(QPainter& p);
void drawMole(QPainter& p);
void drawMonkey(QPainter& p);
void drawSquirrel(QPainter& p);
void drawSmallRodent(QPainter& p, const QColor& fur, const QColor& patches, bool guineaPig);

void sceneBackground(QPainter& p, Scene scene);

} // namespace picgen::nature
