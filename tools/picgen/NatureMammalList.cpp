// The mammals (FRA21520) and the farm and pet animals (FRA21530), in the order of their files'
// items.

#include "NatureBeasts.h"
#include "NatureBirds.h"
#include "NatureLists.h"

namespace picgen::nature {

namespace {

Drawing beast(Scene scene, double size, QColor body, std::function<void(BeastLook&)> more = {}) {
    BeastLook b;
    b.scene = scene;
    b.size = size;
    b.body = body;
    if (more) more(b);
    return [b](QPainter& p) { drawBeast(p, b); };
}

Drawing farmBird(double size, QColor back, QColor belly, QColor head, QColor wing, std::function<void(BirdLook&)> more) {
    BirdLook b;
    b.pose = BirdPose::Ground;
    b.size = size;
    b.back = back;
    b.belly = belly;
    b.head = head;
    b.wing = wing;
    b.tailColour = back;
    more(b);
    return [b](QPainter& p) { drawBird(p, b); };
}

const QColor kWhite(245, 245, 240), kBlack(35, 35, 40);

} // namespace

std::vector<Drawing> mammalDrawings() {
    using S = Scene;
    return {
        // 1 l'ours brun
        beast(S::Woodland, 1.3, QColor(110, 70, 40), [](BeastLook& b) { b.length = 0.95; b.legs = 0.55; b.ears = Ears::Round; b.tail = Tail::Short; b.snout = 0.9; }),
        // 2 le loup
        beast(S::Woodland, 1.0, QColor(130, 125, 115), [](BeastLook& b) { b.belly = QColor(210, 205, 195); b.tail = Tail::Bushy; b.snout = 1.3; b.legs = 0.9; }),
        // 3 le renard
        beast(S::Meadow, 0.85, QColor(215, 110, 40), [](BeastLook& b) { b.belly = kWhite; b.tail = Tail::Bushy; b.whiteTailTip = true; b.snout = 1.4; b.legsColour = QColor(50, 35, 30); b.length = 1.1; }),
        // 4 l'élan
        beast(S::Woodland, 1.2, QColor(80, 60, 45), [](BeastLook& b) { b.horns = Horns::Palmate; b.legs = 1.1; b.snout = 1.6; b.ears = Ears::Long; b.tail = Tail::Short; b.legsColour = QColor(170, 160, 150); }),
        // 5 le cerf
        beast(S::Woodland, 1.05, QColor(150, 95, 55), [](BeastLook& b) { b.horns = Horns::Antlers; b.legs = 1.05; b.snout = 1.2; b.tail = Tail::Short; b.neck = 0.3; }),
        // 6 le chevreuil
        beast(S::Meadow, 0.85, QColor(175, 110, 60), [](BeastLook& b) { b.legs = 1.05; b.snout = 1.0; b.tail = Tail::Short; b.neck = 0.3; b.ears = Ears::Long; }),
        // 7 le lièvre
        beast(S::Meadow, 0.7, QColor(160, 125, 85), [](BeastLook& b) { b.ears = Ears::Long; b.tail = Tail::Short; b.legs = 0.5; b.snout = 0.5; b.length = 0.9; }),
        // 8 l'écureuil
        [](QPainter& p) { drawSquirrel(p); },
        // 9 le hérisson
        beast(S::Meadow, 0.8, QColor(120, 95, 70), [](BeastLook& b) { b.spines = true; b.legs = 0.2; b.ears = Ears::Small; b.tail = Tail::Short; b.snout = 1.2; b.head = QColor(190, 160, 120); }),
        // 10 le blaireau
        beast(S::Woodland, 0.95, QColor(130, 130, 135), [](BeastLook& b) { b.faceStripes = true; b.legs = 0.35; b.legsColour = kBlack; b.ears = Ears::Small; b.tail = Tail::Short; b.snout = 1.1; }),
        // 11 le sanglier
        beast(S::Woodland, 1.0, QColor(70, 55, 45), [](BeastLook& b) { b.legs = 0.55; b.snout = 1.5; b.tail = Tail::Thin; b.tusks = true; b.nose = QColor(90, 60, 50); }),
        // 12 le lynx
        beast(S::Woodland, 0.95, QColor(200, 155, 100), [](BeastLook& b) { b.spots = true; b.markings = QColor(110, 70, 40); b.ears = Ears::Tufted; b.tail = Tail::Short; b.snout = 0.5; b.legs = 1.0; }),
        // 13 la taupe
        [](QPainter& p) { drawMole(p); },
        // 14 la chauve-souris
        [](QPainter& p) { drawBat(p); },
        // 15 l'éléphant
        beast(S::Savanna, 1.35, QColor(150, 150, 155), [](BeastLook& b) { b.trunk = true; b.ears = Ears::Floppy; b.legs = 0.8; b.length = 0.9; b.tail = Tail::Thin; b.snout = 0.3; }),
        // 16 le lion
        beast(S::Savanna, 1.0, QColor(215, 170, 95), [](BeastLook& b) { b.mane = true; b.markings = QColor(150, 90, 40); b.tail = Tail::Tuft; b.ears = Ears::Round; b.snout = 0.7; b.legs = 0.85; }),
        // 17 la girafe
        beast(S::Savanna, 0.8, QColor(235, 195, 120), [](BeastLook& b) { b.neck = 2.2; b.legs = 1.4; b.spots = true; b.markings = QColor(150, 90, 45); b.horns = Horns::Cow; b.tail = Tail::Tuft; b.snout = 1.0; }),
        // 18 le singe
        [](QPainter& p) { drawMonkey(p); },
        // 19 le castor
        beast(S::Meadow, 0.85, QColor(120, 80, 50), [](BeastLook& b) { b.tail = Tail::Flat; b.legs = 0.3; b.ears = Ears::Small; b.snout = 0.6; b.nose = QColor(40, 30, 30); }),
        // 20 le phoque
        [](QPainter& p) { drawSeal(p); },
    };
}

std::vector<Drawing> farmAnimalDrawings() {
    using S = Scene;
    return {
        // 1 le chien
        beast(S::Meadow, 0.9, QColor(190, 140, 80), [](BeastLook& b) { b.ears = Ears::Floppy; b.tail = Tail::Thin; b.snout = 1.1; b.belly = kWhite; }),
        // 2 le chat
        beast(S::Studio, 0.8, QColor(150, 150, 150), [](BeastLook& b) { b.stripes = true; b.markings = QColor(80, 80, 85); b.tail = Tail::Long; b.snout = 0.3; b.nose = QColor(230, 150, 150); }),
        // 3 le cheval
        beast(S::Farm, 1.0, QColor(140, 85, 45), [](BeastLook& b) { b.legs = 1.15; b.neck = 0.7; b.snout = 1.7; b.tail = Tail::Horse; b.markings = QColor(40, 30, 25); b.mane = false; }),
        // 4 la vache
        beast(S::Farm, 1.1, kWhite, [](BeastLook& b) { b.spots = true; b.markings = kBlack; b.horns = Horns::Cow; b.tail = Tail::Tuft; b.udder = true; b.snout = 1.1; b.nose = QColor(230, 160, 160); }),
        // 5 le cochon
        beast(S::Farm, 0.95, QColor(245, 180, 180), [](BeastLook& b) { b.legs = 0.45; b.tail = Tail::Curly; b.snout = 0.8; b.nose = QColor(220, 120, 130); }),
        // 6 le mouton
        beast(S::Farm, 0.95, QColor(240, 236, 225), [](BeastLook& b) { b.woolly = true; b.head = QColor(60, 55, 55); b.legsColour = QColor(60, 55, 55); b.legs = 0.65; b.ears = Ears::Floppy; b.tail = Tail::Short; }),
        // 7 la chèvre
        beast(S::Farm, 0.85, QColor(235, 232, 225), [](BeastLook& b) { b.horns = Horns::Goat; b.beard = true; b.tail = Tail::Short; b.snout = 1.0; }),
        // 8 la poule
        farmBird(0.95, QColor(190, 120, 60), QColor(200, 130, 70), QColor(200, 130, 70), QColor(170, 100, 50), [](BirdLook& b) { b.wattle = QColor(220, 30, 30); b.beakKind = Beak::Cone; b.beak = QColor(230, 190, 80); b.legs = QColor(230, 190, 80); b.tail = 0.7; }),
        // 9 le coq
        farmBird(1.1, QColor(170, 60, 30), QColor(40, 60, 50), QColor(230, 160, 50), QColor(150, 70, 30), [](BirdLook& b) { b.wattle = QColor(230, 20, 20); b.crest = false; b.tail = 1.8; b.tailColour = QColor(30, 80, 60); b.beakKind = Beak::Cone; b.beak = QColor(230, 190, 80); b.legs = QColor(230, 190, 80); }),
        // 10 le lapin
        beast(S::Meadow, 0.6, QColor(235, 232, 228), [](BeastLook& b) { b.ears = Ears::Long; b.tail = Tail::Short; b.legs = 0.35; b.snout = 0.4; b.nose = QColor(230, 150, 150); }),
        // 11 l'âne
        beast(S::Farm, 0.95, QColor(140, 135, 130), [](BeastLook& b) { b.ears = Ears::Long; b.legs = 1.0; b.neck = 0.5; b.snout = 1.5; b.tail = Tail::Tuft; b.belly = QColor(220, 215, 210); b.markings = QColor(60, 55, 50); }),
        // 12 le canard
        farmBird(0.9, kWhite, kWhite, kWhite, QColor(235, 235, 230), [](BirdLook& b) { b.beakKind = Beak::Duck; b.beak = QColor(240, 160, 40); b.legs = QColor(240, 160, 40); b.pose = BirdPose::Swimming; }),
        // 13 l'oie
        farmBird(1.15, QColor(225, 225, 220), kWhite, kWhite, QColor(210, 210, 205), [](BirdLook& b) { b.neck = 0.8; b.beakKind = Beak::Duck; b.beak = QColor(240, 140, 40); b.legs = QColor(240, 140, 40); }),
        // 14 le cobaye
        [](QPainter& p) { drawSmallRodent(p, QColor(200, 130, 70), QColor(250, 248, 240), true); },
        // 15 le hamster
        [](QPainter& p) { drawSmallRodent(p, QColor(215, 160, 90), Qt::transparent, false); },
        // 16 le taureau
        beast(S::Farm, 1.2, QColor(60, 40, 30), [](BeastLook& b) { b.horns = Horns::Bull; b.tail = Tail::Tuft; b.snout = 1.0; b.legs = 0.75; b.length = 1.05; }),
        // 17 la dinde
        farmBird(1.15, QColor(80, 60, 50), QColor(70, 50, 45), QColor(150, 180, 220), QColor(110, 80, 60), [](BirdLook& b) { b.wattle = QColor(220, 30, 30); b.tail = 1.2; b.tailColour = QColor(120, 90, 60); b.beakKind = Beak::Cone; b.speckled = true; b.legs = QColor(210, 150, 140); }),
    };
}

} // namespace picgen::nature
