#include "NatureBeasts.h"

#include "NatureShapes.h"

#include <cmath>

namespace picgen::nature {

void sceneBackground(QPainter& p, Scene scene) {
    switch (scene) {
    case Scene::Woodland: woodland(p); break;
    case Scene::Savanna:
        fillSky(p, 150, QColor(150, 200, 240), QColor(245, 230, 200));
        fillGround(p, 150, QColor(215, 195, 120), QColor(190, 165, 90));
        break;
    case Scene::Farm:
        meadow(p);
        p.setPen(QPen(QColor(150, 110, 70), 3));
        for (int x = 10; x < 320; x += 40) p.drawLine(QPointF(x, 120), QPointF(x, 152));
        p.drawLine(QPointF(0, 128), QPointF(320, 128));
        p.drawLine(QPointF(0, 142), QPointF(320, 142));
        break;
    case Scene::Studio: plainLight(p); break;
    case Scene::Meadow:
    default: meadow(p); break;
    }
}

void drawBeast(QPainter& p, const BeastLook& b) {
    sceneBackground(p, b.scene);
    const double s = b.size;
    const double rx = 62 * s * b.length, ry = 30 * s;
    const double legLength = 70 * s * b.legs;
    const double ground = 212;
    const QPointF body(175, ground - legLength - ry * 0.6);
    const QColor head = b.head.alpha() > 0 ? b.head : b.body;
    const QColor legColour = b.legsColour.alpha() > 0 ? b.legsColour : b.body;

    // Legs (the far pair darker), hooves or paws.
    for (int far = 1; far >= 0; --far)
        for (double x : {-rx * 0.6, rx * 0.6}) {
            const QPointF top = body + QPointF(x + (far ? 10 * s : 0), ry * 0.2);
            const QColor c = far ? legColour.darker(125) : legColour;
            line(p, top, QPointF(top.x(), ground - (far ? 4 : 0)), c, 14 * s);
            if (b.horns != Horns::None || b.mane)
                line(p, QPointF(top.x(), ground - 4 - (far ? 4 : 0)), QPointF(top.x(), ground - (far ? 4 : 0)), QColor(50, 40, 30), 14 * s);
        }

    // Tail.
    const QPointF rump = body + QPointF(rx * 0.92, -ry * 0.3);
    switch (b.tail) {
    case Tail::Bushy: fill(p, curve({rump, rump + QPointF(45 * s, 20 * s), rump + QPointF(70 * s, 45 * s), rump + QPointF(40 * s, 40 * s), rump + QPointF(5 * s, 12 * s)}), b.body); 
        if (b.whiteTailTip) fill(p, oval(rump + QPointF(66 * s, 44 * s), 8 * s, 6 * s), QColor(245, 245, 240));
        break;
    case Tail::Thin: stroke(p, curve({rump, rump + QPointF(30 * s, 10 * s), rump + QPointF(45 * s, 40 * s)}, false), b.body, 4 * s); break;
    case Tail::Short: fill(p, oval(rump + QPointF(4 * s, 0), 8 * s, 6 * s), b.body.lighter(110)); break;
    case Tail::Tuft:
        stroke(p, curve({rump, rump + QPointF(15 * s, 25 * s), rump + QPointF(18 * s, 60 * s)}, false), b.body, 4 * s);
        fill(p, oval(rump + QPointF(18 * s, 64 * s), 6 * s, 10 * s), b.markings);
        break;
    case Tail::Curly: stroke(p, curve({rump, rump + QPointF(12 * s, -8 * s), rump + QPointF(18 * s, 4 * s), rump + QPointF(10 * s, 8 * s)}, false), b.body.darker(110), 3 * s); break;
    case Tail::Horse: fill(p, curve({rump, rump + QPointF(20 * s, 10 * s), rump + QPointF(28 * s, 70 * s), rump + QPointF(12 * s, 60 * s)}), b.markings); break;
    case Tail::Flat: fill(p, curve({rump + QPointF(0, 15 * s), rump + QPointF(50 * s, 35 * s), rump + QPointF(55 * s, 55 * s), rump + QPointF(10 * s, 35 * s)}), QColor(60, 50, 45)); break;
    case Tail::Long: stroke(p, curve({rump, rump + QPointF(40 * s, -10 * s), rump + QPointF(60 * s, -40 * s), rump + QPointF(50 * s, -60 * s)}, false), b.body, 5 * s); break;
    }

    // Body.
    fill(p, oval(body, rx, ry), b.body);
    if (b.belly.alpha() > 0) fill(p, curve({body + QPointF(-rx * 0.7, ry * 0.4), body + QPointF(0, ry * 0.95), body + QPointF(rx * 0.7, ry * 0.4), body + QPointF(0, ry * 0.55)}), b.belly, 0);
    if (b.woolly) {
        p.setPen(QPen(b.body.darker(115), 1.5));
        p.setBrush(b.body);
        for (int i = 0; i < 22; ++i)
            p.drawEllipse(body + QPointF(-rx * 0.85 + (i % 8) * rx * 0.24, -ry * 0.7 + (i / 8) * ry * 0.6), 11 * s, 10 * s);
    }
    if (b.stripes) {
        p.setPen(QPen(b.markings, 5 * s, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 9; ++i) {
            const double x = body.x() - rx * 0.8 + i * rx * 0.2;
            p.drawLine(QPointF(x, body.y() - ry * 0.9), QPointF(x + 6 * s, body.y() + ry * 0.6));
        }
    }
    if (b.spots) {
        p.setPen(Qt::NoPen);
        p.setBrush(b.markings);
        for (int i = 0; i < 16; ++i)
            p.drawEllipse(body + QPointF(-rx * 0.75 + (i % 6) * rx * 0.3, -ry * 0.6 + (i / 6) * ry * 0.5), 6 * s, 5 * s);
    }
    if (b.spines) {
        p.setPen(QPen(QColor(70, 55, 40), 2));
        for (int i = 0; i < 40; ++i) {
            const double a = 3.3 + i * 0.07;
            const QPointF base = body + QPointF(std::cos(a) * rx * 0.9, std::sin(a) * ry * 0.9);
            p.drawLine(base, base + QPointF(std::cos(a) * 14 * s + 6, std::sin(a) * 14 * s));
        }
    }
    if (b.udder) fill(p, oval(body + QPointF(rx * 0.45, ry * 0.95), 12 * s, 8 * s), QColor(240, 170, 170));

    // Neck and head.
    QPointF headCentre = body + QPointF(-rx * 1.05, -ry * 0.7);
    const double hr = 24 * s;
    if (b.neck > 0) {
        headCentre = body + QPointF(-rx * 0.95 - b.neck * 10 * s, -ry - b.neck * 45 * s);
        stroke(p, curve({body + QPointF(-rx * 0.6, -ry * 0.2), headCentre + QPointF(10 * s, 10 * s)}, false), b.body, 26 * s);
        if (b.spots)
            for (int i = 0; i < 4; ++i) {
                p.setBrush(b.markings);
                p.setPen(Qt::NoPen);
                const double t = (i + 0.5) / 4;
                p.drawEllipse(body + QPointF(-rx * 0.6, -ry * 0.2) + (headCentre - body - QPointF(-rx * 0.6, -ry * 0.2)) * t, 5 * s, 4 * s);
            }
    } else {
        fill(p, curve({body + QPointF(-rx * 0.6, -ry * 0.8), headCentre + QPointF(8 * s, -6 * s), headCentre + QPointF(6 * s, 18 * s), body + QPointF(-rx * 0.7, ry * 0.3)}), b.body, 0);
    }
    if (b.mane) fill(p, oval(headCentre + QPointF(10 * s, 2 * s), hr * 1.7, hr * 1.6), b.markings);

    // Ears behind the head.
    const QPointF earBase = headCentre + QPointF(6 * s, -hr * 0.7);
    switch (b.ears) {
    case Ears::Pointed: fill(p, curve({earBase + QPointF(-8 * s, 4 * s), earBase + QPointF(-2 * s, -24 * s), earBase + QPointF(10 * s, 4 * s)}), head.darker(110)); break;
    case Ears::Tufted:
        fill(p, curve({earBase + QPointF(-8 * s, 4 * s), earBase + QPointF(-2 * s, -24 * s), earBase + QPointF(10 * s, 4 * s)}), head.darker(110));
        line(p, earBase + QPointF(-2 * s, -24 * s), earBase + QPointF(-2 * s, -36 * s), QColor(30, 30, 30), 3 * s);
        break;
    case Ears::Round: fill(p, oval(earBase + QPointF(2 * s, -4 * s), 9 * s, 9 * s), head.darker(115)); break;
    case Ears::Long: fill(p, curve({earBase + QPointF(-4 * s, 4 * s), earBase + QPointF(4 * s, -44 * s), earBase + QPointF(14 * s, -40 * s), earBase + QPointF(10 * s, 4 * s)}), head.darker(105)); break;
    case Ears::Floppy: fill(p, curve({earBase + QPointF(0, 0), earBase + QPointF(14 * s, 6 * s), earBase + QPointF(14 * s, 34 * s), earBase + QPointF(2 * s, 26 * s)}), head.darker(140)); break;
    case Ears::Small: fill(p, oval(earBase + QPointF(4 * s, 0), 5 * s, 4 * s), head.darker(115)); break;
    }
    // Horns and antlers.
    const QPointF crown = headCentre + QPointF(2 * s, -hr * 0.8);
    const QColor horn(230, 220, 190), antler(150, 115, 75);
    switch (b.horns) {
    case Horns::Antlers:
        stroke(p, curve({crown, crown + QPointF(10 * s, -30 * s), crown + QPointF(30 * s, -55 * s)}, false), antler, 5 * s);
        for (double t : {0.3, 0.55, 0.8}) line(p, crown + QPointF(10 * s + t * 20 * s, -30 * s * t - 25 * s * t), crown + QPointF(t * 20 * s, -30 * s * t - 45 * s * t), antler, 4 * s);
        stroke(p, curve({crown, crown + QPointF(-6 * s, -28 * s), crown + QPointF(-20 * s, -52 * s)}, false), antler.darker(115), 4 * s);
        break;
    case Horns::Palmate:
        fill(p, curve({crown, crown + QPointF(20 * s, -14 * s), crown + QPointF(55 * s, -30 * s), crown + QPointF(50 * s, -8 * s), crown + QPointF(15 * s, 2 * s)}), antler);
        fill(p, curve({crown, crown + QPointF(-12 * s, -18 * s), crown + QPointF(-35 * s, -36 * s), crown + QPointF(-34 * s, -14 * s)}), antler.darker(110));
        break;
    case Horns::Cow:
    case Horns::Bull:
        stroke(p, curve({crown + QPointF(-4 * s, 2 * s), crown + QPointF(-14 * s, -8 * s), crown + QPointF(-12 * s, -20 * s)}, false), horn, (b.horns == Horns::Bull ? 6 : 4) * s);
        stroke(p, curve({crown + QPointF(6 * s, 2 * s), crown + QPointF(18 * s, -8 * s), crown + QPointF(16 * s, -20 * s)}, false), horn.darker(110), (b.horns == Horns::Bull ? 6 : 4) * s);
        break;
    case Horns::Goat: stroke(p, curve({crown, crown + QPointF(8 * s, -22 * s), crown + QPointF(26 * s, -30 * s)}, false), QColor(120, 110, 90), 5 * s); break;
    case Horns::Ram: stroke(p, curve({crown, crown + QPointF(16 * s, -14 * s), crown + QPointF(26 * s, 4 * s), crown + QPointF(14 * s, 18 * s), crown + QPointF(6 * s, 8 * s)}, false), QColor(200, 185, 150), 7 * s); break;
    case Horns::None: break;
    }
    fill(p, oval(headCentre, hr, hr * 0.85), head);
    // Snout.
    const QPointF snoutTip = headCentre + QPointF(-hr * 0.6 - 18 * s * b.snout, hr * 0.25);
    fill(p, curve({headCentre + QPointF(-hr * 0.5, -hr * 0.35), snoutTip + QPointF(0, -8 * s), snoutTip + QPointF(-3 * s, 4 * s), snoutTip + QPointF(4 * s, 10 * s), headCentre + QPointF(-hr * 0.2, hr * 0.7)}), head, 0);
    if (b.faceStripes) {
        fill(p, oval(headCentre + QPointF(-hr * 0.4, 0), hr * 0.9, hr * 0.35), QColor(245, 245, 240), 0);
        stroke(p, curve({snoutTip + QPointF(4 * s, -6 * s), headCentre + QPointF(0, -hr * 0.45), headCentre + QPointF(hr * 0.8, -hr * 0.3)}, false), QColor(20, 20, 20), 6 * s);
    }
    if (b.trunk) {
        stroke(p, curve({headCentre + QPointF(-hr * 0.6, hr * 0.2), headCentre + QPointF(-hr * 1.1, hr * 1.6), headCentre + QPointF(-hr * 1.0, hr * 3.0), headCentre + QPointF(-hr * 1.4, hr * 3.4)}, false), head, 12 * s);
        stroke(p, curve({headCentre + QPointF(-hr * 0.5, hr * 0.7), headCentre + QPointF(-hr * 1.0, hr * 1.2), headCentre + QPointF(-hr * 1.3, hr * 0.9)}, false), QColor(250, 248, 235), 4 * s);
    }
    if (b.tusks)
        fill(p, curve({snoutTip + QPointF(10 * s, 6 * s), snoutTip + QPointF(2 * s, -10 * s), snoutTip + QPointF(14 * s, 2 * s)}), QColor(245, 240, 220), 1);
    if (b.beard) fill(p, curve({headCentre + QPointF(-hr * 0.5, hr * 0.6), headCentre + QPointF(-hr * 0.6, hr * 1.5), headCentre + QPointF(-hr * 0.2, hr * 0.7)}), head.darker(120));
    if (!b.trunk) {
        p.setPen(Qt::NoPen);
        p.setBrush(b.nose);
        p.drawEllipse(snoutTip + QPointF(-1 * s, -2 * s), 4 * s, 3.5 * s);
        line(p, snoutTip + QPointF(2 * s, 6 * s), snoutTip + QPointF(12 * s, 7 * s), head.darker(170), 1.5);
    }
    eye(p, headCentre + QPointF(-hr * 0.3, -hr * 0.2), std::max(2.0, 3.5 * s));
}

void drawBat(QPainter& p) {
    fillSky(p, 240, QColor(20, 30, 70), QColor(70, 80, 130));
    moon(p, QPointF(260, 50), 22);
    const QColor wing(60, 45, 45), fur(110, 80, 60);
    for (int side : {-1, 1}) {
        const double s = side;
        fill(p, curve({{160, 110}, {160 + s * 40, 70}, {160 + s * 90, 60}, {160 + s * 130, 80}, {160 + s * 110, 110},
                       {160 + s * 90, 100}, {160 + s * 75, 125}, {160 + s * 55, 115}, {160 + s * 35, 135}}), wing);
        for (double a : {90.0, 75.0, 55.0}) line(p, {160 + s * 40, 72}, {160 + s * a, 120 - a / 3}, wing.lighter(160), 1.2);
        fill(p, curve({{160 + s * 6, 92}, {160 + s * 14, 68}, {160 + s * 20, 90}}), fur.darker(120));
    }
    fill(p, oval({160, 118}, 20, 30), fur);
    fill(p, oval({160, 96}, 15, 13), fur);
    eye(p, {154, 94}, 2.5);
    eye(p, {166, 94}, 2.5);
    fill(p, curve({{154, 104}, {160, 110}, {166, 104}}), QColor(230, 180, 170), 0.8);
}

void drawSeal(QPainter& p) {
    waterScene(p);
    fill(p, curve({{0, 190}, {90, 160}, {230, 170}, {320, 200}, {320, 240}, {0, 240}}), QColor(130, 125, 115));
    const QColor fur(140, 140, 150);
    fill(p, curve({{90, 120}, {140, 110}, {220, 140}, {270, 170}, {300, 160}, {290, 185}, {220, 180}, {130, 175}, {85, 150}}), fur);
    p.setPen(Qt::NoPen);
    p.setBrush(fur.darker(130));
    for (int i = 0; i < 12; ++i) p.drawEllipse(QPointF(120 + (i * 37) % 150, 135 + (i * 13) % 35), 3, 2);
    fill(p, oval({95, 118}, 26, 22), fur);
    fill(p, curve({{140, 165}, {150, 195}, {130, 198}, {128, 172}}), fur.darker(120));
    eye(p, {88, 112}, 4.5);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(72, 122), 3, 3);
    p.setPen(QPen(QColor(240, 240, 240), 1));
    for (int i = -1; i <= 1; ++i) p.drawLine(QPointF(74, 126), QPointF(55, 122 + i * 6));
}

void drawMole(QPainter& p) {
    meadow(p);
    fill(p, curve({{200, 160}, {230, 120}, {280, 120}, {300, 165}}), QColor(120, 85, 55));
    const QColor fur(50, 45, 50);
    fill(p, oval({160, 175}, 62, 32), fur);
    fill(p, curve({{100, 168}, {62, 172}, {58, 180}, {100, 188}}), QColor(230, 160, 160));
    for (int side : {-1, 1}) {
        fill(p, oval({115, 195 + side * 2.0}, 18, 12), QColor(235, 170, 165));
        for (int f = 0; f < 5; ++f) line(p, {100.0, 190.0 + f * 3}, {92.0, 190.0 + f * 3}, QColor(240, 230, 220), 2);
    }
    fill(p, oval({205, 200}, 10, 6), QColor(235, 170, 165));
    eye(p, {108, 168}, 1.6);
}

void drawMonkey(QPainter& p) {
    fillSky(p, 240, QColor(120, 190, 140), QColor(60, 120, 70));
    for (int i = 0; i < 6; ++i) fill(p, oval({30.0 + i * 55, 30.0 + (i % 2) * 20}, 40, 26), QColor(50, 120, 50));
    line(p, {0, 60}, {320, 90}, QColor(110, 80, 50), 8);
    const QColor fur(120, 80, 50), skin(225, 185, 150);
    stroke(p, curve({{190, 170}, {240, 180}, {260, 140}, {240, 120}}, false), fur, 6);
    line(p, {140, 120}, {120, 70}, fur, 12);
    line(p, {180, 120}, {200, 74}, fur, 12);
    fill(p, oval({160, 150}, 30, 38), fur);
    fill(p, oval({160, 158}, 18, 24), skin);
    line(p, {145, 180}, {135, 215}, fur, 12);
    line(p, {175, 180}, {185, 215}, fur, 12);
    fill(p, oval({160, 100}, 24, 22), fur);
    fill(p, oval({136, 100}, 8, 9), skin);
    fill(p, oval({184, 100}, 8, 9), skin);
    fill(p, oval({160, 106}, 16, 14), skin);
    eye(p, {153, 100}, 3);
    eye(p, {167, 100}, 3);
    line(p, {154, 113}, {166, 113}, QColor(120, 70, 50), 1.5);
}

void drawSquirrel(QPainter& p) {
    woodland(p);
    const QColor fur(190, 90, 40);
    fill(p, curve({{200, 170}, {250, 150}, {270, 90}, {245, 45}, {215, 60}, {235, 100}, {215, 140}}), fur.lighter(110));
    fill(p, oval({170, 160}, 30, 36), fur);
    fill(p, oval({160, 168}, 16, 24), QColor(245, 235, 220), 0);
    fill(p, oval({150, 118}, 22, 19), fur);
    fill(p, curve({{148, 104}, {152, 80}, {162, 102}}), fur.darker(110));
    line(p, {152, 80}, {152, 72}, fur.darker(130), 3);
    fill(p, curve({{132, 118}, {122, 126}, {136, 130}}), fur, 0);
    eye(p, {142, 114}, 3.5);
    fill(p, oval({146, 150}, 9, 8), QColor(150, 100, 50));
    line(p, {160, 150}, {148, 148}, fur.darker(120), 5);
    line(p, {165, 195}, {150, 205}, fur.darker(120), 7);
    line(p, {180, 195}, {190, 205}, fur.darker(120), 7);
}

void drawSmallRodent(QPainter& p, const QColor& fur, const QColor& patches, bool guineaPig) {
    plainLight(p);
    fill(p, oval({160, 205}, 110, 12), QColor(210, 200, 170), 0);
    fill(p, oval({170, 160}, guineaPig ? 75 : 60, guineaPig ? 45 : 45), fur);
    if (patches.alpha() > 0) {
        fill(p, oval({200, 150}, 30, 28), patches, 0);
        fill(p, oval({120, 150}, 20, 22), patches, 0);
    }
    fill(p, oval({105, 160}, 30, 28), fur);
    if (!guineaPig) fill(p, oval({96, 170}, 20, 14), QColor(250, 245, 235), 0);
    fill(p, oval({110, 132}, 9, 8), QColor(230, 170, 170));
    if (guineaPig) fill(p, curve({{110, 126}, {126, 124}, {124, 138}}), fur.darker(120));
    eye(p, {92, 152}, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 120, 120));
    p.drawEllipse(QPointF(77, 164), 4, 3);
    p.setPen(QPen(QColor(90, 80, 70), 1));
    for (int i = -1; i <= 1; ++i) p.drawLine(QPointF(80, 166), QPointF(58, 160 + i * 8));
    for (double x : {110.0, 140.0, 200.0, 225.0}) fill(p, oval({x, 203}, 9, 5), QColor(235, 180, 170));
}

} // namespace picgen::nature
