// The birds of the birds' file (FRA21510), in the order of its items.

#include "NatureBirds.h"
#include "NatureLists.h"

namespace picgen::nature {

namespace {

const QColor kBlack(35, 35, 40), kWhite(245, 245, 242), kGrey(140, 140, 145), kBrown(130, 95, 60);
const QColor kOrangeBeak(235, 150, 40), kYellow(250, 215, 60);

// A bird: pose, size, then back, belly, head and wing colours; `more` sets the rest.
Drawing bird(BirdPose pose, double size, QColor back, QColor belly, QColor head, QColor wing,
             std::function<void(BirdLook&)> more = {}) {
    BirdLook b;
    b.pose = pose;
    b.size = size;
    b.back = back;
    b.belly = belly;
    b.head = head;
    b.wing = wing;
    b.tailColour = back;
    if (more) more(b);
    return [b](QPainter& p) { drawBird(p, b); };
}

Drawing owl(OwlLook o) {
    return [o](QPainter& p) { drawOwl(p, o); };
}

} // namespace

std::vector<Drawing> birdDrawings() {
    using P = BirdPose;
    return {
        // 1 le grand-duc
        owl({QColor(165, 115, 65), QColor(205, 165, 115), QColor(90, 60, 30), QColor(245, 140, 20), true, 1.1}),
        // 2 la grive litorne
        bird(P::Ground, 0.9, QColor(140, 90, 60), QColor(235, 215, 170), QColor(130, 130, 145), QColor(140, 90, 60),
             [](BirdLook& b) { b.speckled = true; b.tailColour = kBlack; b.beak = kYellow; b.breast = QColor(225, 175, 90); }),
        // 3 la mésange bleue
        bird(P::Perched, 0.62, QColor(130, 155, 90), kYellow, kWhite, QColor(70, 130, 210),
             [](BirdLook& b) { b.cap = QColor(60, 120, 225); b.mask = QColor(30, 40, 90); b.tailColour = QColor(70, 120, 200); b.wingBars = true; }),
        // 4 le pinson
        bird(P::Perched, 0.75, QColor(150, 110, 80), QColor(220, 150, 130), QColor(110, 130, 165), QColor(60, 50, 50),
             [](BirdLook& b) { b.wingBars = true; b.beakKind = Beak::Cone; b.breast = QColor(200, 110, 90); b.beak = QColor(150, 150, 160); }),
        // 5 le bouvreuil
        bird(P::Perched, 0.8, QColor(130, 130, 140), QColor(235, 85, 70), QColor(235, 85, 70), kBlack,
             [](BirdLook& b) { b.cap = kBlack; b.wingBars = true; b.beakKind = Beak::Cone; b.tailColour = kBlack; b.beak = kBlack; }),
        // 6 le faisan
        bird(P::Ground, 1.0, QColor(170, 95, 45), QColor(185, 100, 45), QColor(30, 95, 70), QColor(185, 135, 75),
             [](BirdLook& b) { b.tail = 2.6; b.tailColour = QColor(150, 105, 55); b.wattle = QColor(220, 30, 30); b.beak = QColor(210, 200, 160); }),
        // 7 le gobe-mouche noir
        bird(P::Perched, 0.6, kBlack, kWhite, kBlack, kBlack,
             [](BirdLook& b) { b.wingBars = true; b.beakKind = Beak::Thin; b.breast = kWhite; }),
        // 8 le goéland cendré
        bird(P::Swimming, 1.0, QColor(160, 170, 180), kWhite, kWhite, QColor(150, 160, 170),
             [](BirdLook& b) { b.tailColour = kBlack; b.beak = kYellow; b.beakLength = 1.4; b.beakKind = Beak::Thin; }),
        // 9 le moineau
        bird(P::Ground, 0.7, QColor(140, 100, 65), QColor(200, 200, 195), QColor(140, 140, 145), QColor(150, 105, 65),
             [](BirdLook& b) { b.cap = QColor(125, 125, 130); b.breast = QColor(190, 190, 185); b.cheek = QColor(230, 230, 225); b.mask = QColor(120, 70, 40); b.beakKind = Beak::Cone; b.wingBars = true; }),
        // 10 le coucou
        bird(P::Perched, 0.95, QColor(120, 125, 135), QColor(235, 235, 225), QColor(120, 125, 135), QColor(100, 105, 115),
             [](BirdLook& b) { b.tail = 1.7; b.speckled = true; b.breast = QColor(120, 125, 135); b.eyeColour = QColor(230, 170, 20); b.beakKind = Beak::Thin; }),
        // 11 le canard colvert
        bird(P::Swimming, 1.05, QColor(120, 110, 100), QColor(190, 190, 190), QColor(30, 120, 60), QColor(110, 100, 90),
             [](BirdLook& b) { b.beakKind = Beak::Duck; b.beak = kYellow; b.breast = QColor(110, 60, 40); b.wingBars = true; }),
        // 12 le pic épeiche
        bird(P::Trunk, 0.8, kBlack, kWhite, kWhite, kBlack,
             [](BirdLook& b) { b.cap = kBlack; b.wingBars = true; b.tailColour = kBlack; b.beakKind = Beak::Dagger; b.wattle = Qt::transparent; b.cheek = kWhite; b.breast = QColor(230, 60, 60); }),
        // 13 la chouette hulotte
        owl({QColor(140, 100, 70), QColor(185, 150, 110), QColor(80, 55, 35), QColor(30, 25, 25), false, 1.0}),
        // 14 le choucas
        bird(P::Ground, 0.85, kBlack, QColor(55, 55, 60), QColor(120, 125, 135), kBlack,
             [](BirdLook& b) { b.cap = kBlack; b.eyeColour = QColor(220, 225, 235); b.beak = kBlack; }),
        // 15 le merle
        bird(P::Ground, 0.9, kBlack, QColor(40, 40, 45), kBlack, kBlack,
             [](BirdLook& b) { b.beak = kOrangeBeak; b.tail = 1.3; b.beakKind = Beak::Thin; }),
        // 16 le grand corbeau
        bird(P::Ground, 1.25, QColor(20, 20, 30), QColor(30, 30, 40), QColor(20, 20, 30), QColor(25, 25, 35),
             [](BirdLook& b) { b.beak = kBlack; b.beakLength = 1.8; b.beakKind = Beak::Hooked; }),
        // 17 la corneille (mantelée)
        bird(P::Ground, 1.1, QColor(150, 150, 155), QColor(160, 160, 165), kBlack, kBlack,
             [](BirdLook& b) { b.tailColour = kBlack; b.breast = kBlack; b.beak = kBlack; b.beakLength = 1.5; }),
        // 18 l'hirondelle
        bird(P::Perched, 0.7, QColor(30, 40, 90), QColor(245, 230, 215), QColor(30, 40, 90), QColor(30, 40, 90),
             [](BirdLook& b) { b.forkedTail = true; b.tail = 1.5; b.cheek = QColor(180, 60, 40); b.beakKind = Beak::Thin; b.beakLength = 0.6; }),
        // 19 le rossignol
        bird(P::Perched, 0.75, QColor(150, 110, 75), QColor(225, 210, 185), QColor(150, 110, 75), QColor(145, 100, 65),
             [](BirdLook& b) { b.tailColour = QColor(170, 90, 50); b.tail = 1.3; b.beakKind = Beak::Thin; }),
        // 20 la perdrix grise
        bird(P::Ground, 0.95, QColor(130, 115, 95), QColor(170, 165, 160), QColor(215, 130, 70), QColor(140, 110, 80),
             [](BirdLook& b) { b.tail = 0.5; b.breast = QColor(150, 150, 155); b.beakKind = Beak::Cone; b.beak = QColor(150, 150, 140); }),
        // 21 le pigeon ramier
        bird(P::Ground, 1.0, QColor(130, 135, 150), QColor(190, 160, 170), QColor(130, 135, 155), QColor(125, 130, 145),
             [](BirdLook& b) { b.cheek = kWhite; b.breast = QColor(180, 140, 155); b.wingBars = true; b.beak = QColor(230, 180, 60); }),
        // 22 le rouge-gorge
        bird(P::Perched, 0.7, QColor(140, 115, 75), QColor(235, 230, 220), QColor(140, 115, 75), QColor(135, 110, 70),
             [](BirdLook& b) { b.breast = QColor(240, 110, 40); b.cheek = QColor(240, 110, 40); b.beakKind = Beak::Thin; }),
        // 23 la bergeronnette grise
        bird(P::Ground, 0.7, QColor(130, 135, 140), kWhite, kWhite, QColor(60, 60, 65),
             [](BirdLook& b) { b.cap = kBlack; b.breast = kBlack; b.tail = 1.9; b.tailColour = kBlack; b.wingBars = true; b.beakKind = Beak::Thin; }),
        // 24 le cygne tuberculé
        bird(P::Swimming, 1.2, kWhite, kWhite, kWhite, QColor(235, 235, 232),
             [](BirdLook& b) { b.neck = 1.3; b.beak = kOrangeBeak; b.beakKind = Beak::Duck; b.mask = kBlack; }),
        // 25 la pie
        bird(P::Ground, 0.95, kBlack, kWhite, kBlack, kBlack,
             [](BirdLook& b) { b.tail = 2.2; b.tailColour = QColor(30, 60, 80); b.wingBars = true; b.breast = kBlack; b.beak = kBlack; }),
        // 26 le pic noir
        bird(P::Trunk, 1.0, kBlack, QColor(40, 40, 45), kBlack, kBlack,
             [](BirdLook& b) { b.cap = QColor(220, 30, 30); b.beakKind = Beak::Dagger; b.beak = QColor(220, 215, 190); b.eyeColour = QColor(230, 230, 220); }),
        // 27 l'étourneau
        bird(P::Ground, 0.8, QColor(40, 50, 55), QColor(50, 60, 65), QColor(45, 60, 70), QColor(50, 55, 60),
             [](BirdLook& b) { b.speckled = true; b.beak = kYellow; b.beakKind = Beak::Dagger; b.beakLength = 0.6; b.tail = 0.6; }),
        // 28 l'alouette des champs
        bird(P::Ground, 0.75, QColor(160, 130, 90), QColor(235, 220, 190), QColor(160, 130, 90), QColor(150, 120, 80),
             [](BirdLook& b) { b.crest = true; b.speckled = true; b.beakKind = Beak::Cone; }),
        // 29 la cigogne blanche
        bird(P::Wader, 1.0, kWhite, kWhite, kWhite, kBlack,
             [](BirdLook& b) { b.neck = 0.7; b.beak = QColor(225, 50, 30); b.beakKind = Beak::Dagger; b.beakLength = 1.6; b.legs = QColor(225, 60, 40); }),
        // 30 la mésange charbonnière
        bird(P::Perched, 0.68, QColor(110, 140, 80), QColor(245, 215, 50), kBlack, QColor(90, 110, 120),
             [](BirdLook& b) { b.cheek = kWhite; b.breast = kBlack; b.wingBars = true; b.tailColour = QColor(80, 90, 100); }),
        // 31 le grand tétras
        bird(P::Ground, 1.25, QColor(60, 60, 65), QColor(40, 40, 45), QColor(50, 50, 55), QColor(110, 85, 60),
             [](BirdLook& b) { b.tail = 1.3; b.tailColour = kBlack; b.wattle = QColor(220, 30, 30); b.breast = QColor(30, 90, 70); b.beak = QColor(225, 220, 200); b.beakKind = Beak::Hooked; }),
        // 32 le vanneau huppé
        bird(P::Ground, 0.85, QColor(30, 90, 70), kWhite, kWhite, QColor(30, 80, 70),
             [](BirdLook& b) { b.crest = true; b.cap = kBlack; b.breast = kBlack; b.legs = QColor(200, 120, 100); b.beakKind = Beak::Thin; }),
        // 33 la grue cendrée
        bird(P::Wader, 1.0, QColor(150, 155, 165), QColor(160, 165, 175), kBlack, QColor(120, 125, 135),
             [](BirdLook& b) { b.neck = 0.9; b.cap = QColor(220, 40, 40); b.cheek = kWhite; b.tailColour = QColor(70, 70, 75); b.beakKind = Beak::Dagger; b.beak = QColor(200, 190, 160); b.legs = kBlack; }),
        // 34 l'aigle royal
        bird(P::Perched, 1.3, QColor(110, 75, 40), QColor(110, 75, 45), QColor(200, 150, 70), QColor(95, 65, 35),
             [](BirdLook& b) { b.beakKind = Beak::Hooked; b.beak = QColor(60, 60, 60); b.beakLength = 1.2; b.legs = kYellow; b.eyeColour = QColor(150, 90, 20); }),
    };
}

} // namespace picgen::nature
