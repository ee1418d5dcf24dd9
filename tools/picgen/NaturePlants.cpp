// Wild flowers (FRA21410), cultivated plants (FRA21420), trees and bushes (FRA21430) and fruit and
// berries (FRA21440), in the order of their files' items.

#include "NatureLists.h"
#include "NatureShapes.h"

#include <cmath>
#include <numbers>

namespace picgen::nature {

namespace {

constexpr double kPi = std::numbers::pi;
const QColor kLeaf(70, 140, 60), kStem(60, 120, 50);

void gardenBackground(QPainter& p) {
    fillSky(p, 185, QColor(170, 215, 245), QColor(230, 242, 250));
    fillGround(p, 185, QColor(130, 175, 90), QColor(100, 150, 70));
}

void leaf(QPainter& p, QPointF base, double angle, double length, const QColor& c = kLeaf) {
    PainterScope scope(p);
    p.translate(base);
    p.rotate(angle);
    fill(p, curve({{0, 0}, {length * 0.5, -length * 0.22}, {length, 0}, {length * 0.5, length * 0.22}}), c, 1);
    line(p, {0, 0}, {length * 0.9, 0}, c.darker(130), 1);
}

// A flower head of `petals` petals round a centre.
void flowerHead(QPainter& p, QPointF c, double r, int petals, const QColor& petal, const QColor& centre, double petalWidth = 0.35, double centreR = 0.3) {
    for (int i = 0; i < petals; ++i) {
        PainterScope scope(p);
        p.translate(c);
        p.rotate(360.0 * i / petals);
        fill(p, oval({r * 0.55, 0}, r * 0.5, r * petalWidth), petal, 1);
    }
    fill(p, oval(c, r * centreR, r * centreR), centre, 1);
}

void stemWithLeaves(QPainter& p, QPointF top, QPointF base, double leafLength = 30) {
    stroke(p, curve({base, (base + top) / 2 + QPointF(6, 0), top}, false), kStem, 4);
    leaf(p, base + (top - base) * 0.3, -30, leafLength);
    leaf(p, base + (top - base) * 0.5, 200, leafLength);
}

// A simple flower: one to three heads on stems.
Drawing flower(int heads, int petals, QColor petal, QColor centre, double size, double petalWidth = 0.35, double centreR = 0.3) {
    return [=](QPainter& p) {
        gardenBackground(p);
        const QPointF tops[3] = {{160, 85}, {95, 115}, {230, 110}};
        for (int i = heads - 1; i >= 0; --i) {
            stemWithLeaves(p, tops[i], QPointF(tops[i].x() + 5, 225));
            flowerHead(p, tops[i], 45 * size * (i == 0 ? 1.0 : 0.8), petals, petal, centre, petalWidth, centreR);
        }
    };
}

// Bell-shaped flowers hanging from an arching stem.
Drawing bells(QColor bell, int count, double size, bool upright) {
    return [=](QPainter& p) {
        gardenBackground(p);
        if (upright) {
            stroke(p, curve({{160, 230}, {162, 130}, {160, 30}}, false), kStem, 5);
            for (int i = 0; i < count; ++i) {
                const QPointF at(160 + ((i % 2) ? 18 : -18), 50 + i * 140.0 / count);
                fill(p, curve({at + QPointF(0, -12 * size), at + QPointF(16 * size, 14 * size), at + QPointF(0, 10 * size), at + QPointF(-16 * size, 14 * size)}), bell);
            }
            leaf(p, {160, 200}, 200, 60);
            leaf(p, {162, 190}, -20, 60);
            return;
        }
        const QPainterPath arch = curve({{110, 225}, {120, 110}, {170, 60}, {240, 80}}, false);
        stroke(p, arch, kStem, 3);
        leaf(p, {110, 225}, -80, 150, kLeaf.lighter(105));
        leaf(p, {115, 225}, -105, 140);
        for (int i = 0; i < count; ++i) {
            const QPointF at = arch.pointAtPercent(0.45 + 0.55 * i / std::max(1, count - 1));
            line(p, at, at + QPointF(0, 10), kStem, 1.5);
            const QPointF b = at + QPointF(0, 10);
            fill(p, curve({b, b + QPointF(10 * size, 6 * size), b + QPointF(12 * size, 22 * size), b + QPointF(0, 18 * size), b + QPointF(-12 * size, 22 * size), b + QPointF(-10 * size, 6 * size)}), bell);
        }
    };
}

void tree(QPainter& p, const QColor& leaves, int crown, const QColor& bark = QColor(110, 80, 55), const QColor& fruit = Qt::transparent) {
    meadow(p);
    const QPointF base(160, 215);
    // crown: 0 round, 1 tall oval, 2 cone, 3 weeping, 4 column, 5 broad, 6 bush, 7 palm, 8 pine (high crown)
    if (crown == 7) {
        palmTree(p, base, 190, 0.15);
        return;
    }
    const double trunkTop = crown == 6 ? 200 : crown == 8 ? 70 : 130;
    p.fillRect(QRectF(150, trunkTop, 20, base.y() - trunkTop), cylinderGradient(150, 170, bark));
    if (bark.lightness() > 200) {
        p.setPen(QPen(QColor(30, 30, 30), 2));
        for (int y = static_cast<int>(trunkTop) + 8; y < 210; y += 14) p.drawLine(QPointF(152, y), QPointF(160, y + 2));
    }
    switch (crown) {
    case 0: for (QPointF c : {QPointF(160, 90), QPointF(120, 110), QPointF(200, 110), QPointF(160, 125)}) fill(p, oval(c, 55, 45), leaves); break;
    case 1: fill(p, oval({160, 90}, 50, 80), leaves); break;
    case 2: fill(p, QPainterPath(polygonPath({{160, 10}, {225, 190}, {95, 190}})), leaves);
        for (int i = 0; i < 4; ++i)
            fill(p, QPainterPath(polygonPath({{160, 10.0 + i * 40}, {200 + i * 8.0, 80.0 + i * 40}, {120 - i * 8.0, 80.0 + i * 40}})), leaves.lighter(106));
        break;
    case 3: fill(p, oval({160, 90}, 75, 50), leaves);
        p.setPen(QPen(leaves.darker(120), 3));
        for (int i = 0; i < 16; ++i) p.drawLine(QPointF(90 + i * 9, 90), QPointF(85 + i * 10, 190));
        break;
    case 4: fill(p, oval({160, 100}, 28, 95), leaves); break;
    case 5: for (QPointF c : {QPointF(160, 80), QPointF(100, 105), QPointF(220, 105), QPointF(130, 120), QPointF(190, 120)}) fill(p, oval(c, 60, 40), leaves); break;
    case 6: for (QPointF c : {QPointF(160, 150), QPointF(120, 170), QPointF(200, 170), QPointF(140, 130), QPointF(185, 130)}) fill(p, oval(c, 45, 35), leaves); break;
    case 8: fill(p, curve({{90, 80}, {130, 40}, {200, 35}, {240, 75}, {200, 95}, {120, 95}}), leaves); break;
    }
    if (fruit.alpha() > 0) {
        p.setPen(QPen(fruit.darker(150), 1));
        p.setBrush(fruit);
        for (int i = 0; i < 12; ++i) p.drawEllipse(QPointF(110 + (i * 37) % 100, 80 + (i * 23) % 70), 6, 6);
    }
}

// ---- fruit and vegetables on a plate
void plate(QPainter& p) {
    plainLight(p);
    fill(p, oval({160, 205}, 130, 24), QColor(250, 250, 250));
    fill(p, oval({160, 203}, 100, 16), QColor(240, 240, 238), 0);
}

void roundFruit(QPainter& p, QPointF c, double r, const QColor& skin, bool stalk = true, bool leafToo = true) {
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.35), r * 1.3);
    g.setColorAt(0, skin.lighter(140));
    g.setColorAt(1, skin.darker(115));
    p.setBrush(g);
    p.setPen(QPen(skin.darker(160), 1.2));
    p.drawEllipse(c, r, r * 0.95);
    if (stalk) line(p, c + QPointF(0, -r * 0.85), c + QPointF(4, -r * 1.2), QColor(100, 70, 40), 3);
    if (leafToo) leaf(p, c + QPointF(3, -r * 1.1), -30, r * 0.7);
}

void berries(QPainter& p, QPointF c, int count, double r, const QColor& colour, double spread) {
    for (int i = 0; i < count; ++i) {
        const double a = i * 2.4, d = spread * std::sqrt(i + 0.5) / std::sqrt(count);
        roundFruit(p, c + QPointF(std::cos(a) * d, std::sin(a) * d * 0.8), r, colour, false, false);
    }
}

} // namespace

std::vector<Drawing> wildPlantDrawings() {
    const QColor white(250, 250, 245), yellow(250, 215, 40), gold(240, 190, 20);
    return {
        // 1 la marguerite
        flower(3, 22, white, yellow, 1.0, 0.16, 0.28),
        // 2 le pissenlit
        [=](QPainter& p) {
            flower(2, 40, yellow, gold, 0.9, 0.12, 0.25)(p);
            line(p, {255, 225}, {255, 100}, kStem, 3);
            p.setPen(QPen(QColor(255, 255, 255, 220), 1));
            for (int i = 0; i < 40; ++i) p.drawLine(QPointF(255, 90), QPointF(255 + 26 * std::cos(i * 0.157), 90 + 26 * std::sin(i * 0.157)));
        },
        // 3 le coquelicot
        flower(3, 4, QColor(225, 30, 25), QColor(30, 30, 30), 1.0, 0.55, 0.22),
        // 4 le bleuet
        flower(3, 9, QColor(60, 100, 220), QColor(40, 50, 120), 0.8, 0.22, 0.3),
        // 5 la pâquerette
        [=](QPainter& p) {
            meadow(p);
            for (QPointF c : {QPointF(70, 180), QPointF(150, 200), QPointF(240, 175), QPointF(110, 215), QPointF(200, 220), QPointF(280, 210)}) {
                line(p, c, c + QPointF(0, 20), kStem, 2);
                flowerHead(p, c, 20, 20, white, yellow, 0.14, 0.3);
                p.setPen(QPen(QColor(240, 130, 150), 1));
            }
        },
        // 6 le trèfle
        [=](QPainter& p) {
            gardenBackground(p);
            for (int k = 0; k < 2; ++k) {
                const QPointF c(110 + k * 100, 90 + k * 20);
                stroke(p, curve({c + QPointF(0, 20), c + QPointF(4, 80), c + QPointF(0, 140)}, false), kStem, 3);
                for (int i = 0; i < 24; ++i) fill(p, oval(c + QPointF(10 * std::cos(i * 0.8), 12 * std::sin(i * 0.8) - 4), 8, 8), QColor(220, 120, 170), 0.8);
                for (int i = 0; i < 3; ++i) {
                    const double a = -kPi / 2 + i * 2 * kPi / 3;
                    fill(p, oval(c + QPointF(30 * std::cos(a), 80 + 20 * std::sin(a)), 14, 12), kLeaf);
                }
            }
        },
        // 7 le muguet
        bells(white, 7, 1.0, false),
        // 8 la violette
        flower(3, 5, QColor(120, 60, 170), QColor(250, 220, 80), 0.7, 0.45, 0.18),
        // 9 la campanule
        bells(QColor(110, 120, 220), 4, 1.6, false),
        // 10 le bouton d'or
        flower(3, 5, QColor(250, 220, 30), QColor(220, 180, 20), 0.7, 0.5, 0.25),
        // 11 l'ortie
        [](QPainter& p) {
            gardenBackground(p);
            stroke(p, curve({{160, 230}, {162, 120}, {160, 25}}, false), kStem, 5);
            for (int i = 0; i < 6; ++i) {
                const double y = 50 + i * 28;
                for (int side : {-1, 1}) {
                    PainterScope scope(p);
                    p.translate(160, y);
                    p.rotate(side > 0 ? -20 : 200);
                    QPolygonF saw;
                    for (int t = 0; t <= 10; ++t) saw << QPointF(t * 6, -((t % 2) ? 14 : 10) * std::sin(t * kPi / 10));
                    for (int t = 10; t >= 0; --t) saw << QPointF(t * 6, ((t % 2) ? 14 : 10) * std::sin(t * kPi / 10));
                    fill(p, polygonPath({}).united([&] { QPainterPath path; path.addPolygon(saw); return path; }()), QColor(60, 130, 50));
                }
            }
        },
        // 12 le chardon
        [](QPainter& p) {
            gardenBackground(p);
            stroke(p, curve({{160, 230}, {160, 120}, {160, 80}}, false), kStem, 5);
            for (int i = 0; i < 3; ++i) leaf(p, {160, 200.0 - i * 35}, i % 2 ? 200 : -20, 55, QColor(90, 140, 80));
            fill(p, oval({160, 95}, 24, 26), QColor(90, 140, 80));
            p.setPen(QPen(QColor(90, 140, 80).darker(130), 1));
            for (int i = 0; i < 16; ++i) p.drawLine(QPointF(160, 95), QPointF(160 + 30 * std::cos(i * 0.4 + 0.3), 100 + 24 * std::sin(i * 0.4 + 0.3)));
            for (int i = 0; i < 30; ++i) line(p, {160, 75}, {160 + 30 * std::cos(-kPi * i / 29), 72 + 26 * std::sin(-kPi * i / 29)}, QColor(180, 60, 170), 3);
        },
        // 13 la fougère
        [](QPainter& p) {
            woodland(p);
            for (int f = 0; f < 3; ++f) {
                const double tilt = -35 + f * 35;
                PainterScope scope(p);
                p.translate(160, 225);
                p.rotate(tilt);
                line(p, {0, 0}, {0, -180}, kStem, 3);
                for (int i = 1; i < 18; ++i) {
                    const double y = -i * 10, len = 45 * std::sin(i * kPi / 18);
                    leaf(p, {0, y}, -15, len, QColor(60, 150, 60));
                    leaf(p, {0, y}, 195, len, QColor(60, 150, 60));
                }
            }
        },
        // 14 la primevère
        [](QPainter& p) {
            gardenBackground(p);
            for (int i = 0; i < 4; ++i) leaf(p, {160, 220}, 200 + i * 45, 60, QColor(110, 160, 70));
            stroke(p, curve({{160, 220}, {160, 90}}, false), kStem, 4);
            for (int i = 0; i < 6; ++i) {
                const QPointF at(130 + i * 12, 85 + (i % 2) * 16);
                line(p, {160, 90}, at, kStem, 2);
                flowerHead(p, at + QPointF(0, 8), 12, 5, QColor(250, 220, 60), QColor(240, 150, 30), 0.45, 0.25);
            }
        },
        // 15 l'anémone des bois
        [=](QPainter& p) {
            woodland(p);
            for (QPointF c : {QPointF(90, 150), QPointF(170, 130), QPointF(250, 160)}) {
                line(p, c, c + QPointF(0, 80), kStem, 3);
                for (int i = 0; i < 3; ++i) leaf(p, c + QPointF(0, 30), 120 + i * 120, 30, QColor(60, 130, 60));
                flowerHead(p, c, 30, 6, white, yellow, 0.35, 0.2);
            }
        },
        // 16 la bruyère
        [](QPainter& p) {
            meadow(p);
            for (int s = 0; s < 9; ++s) {
                const QPointF base(40 + s * 30, 225);
                stroke(p, curve({base, base + QPointF(4, -60), base + QPointF(-2, -110 + (s % 3) * 15)}, false), QColor(90, 70, 50), 2);
                for (int i = 0; i < 10; ++i) fill(p, oval(base + QPointF((i % 2 ? 5 : -4), -50 - i * 6 + (s % 3) * 15), 4, 3), QColor(200, 110, 190), 0.5);
            }
        },
        // 17 le nénuphar
        [=](QPainter& p) {
            waterScene(p);
            for (QPointF c : {QPointF(80, 190), QPointF(250, 200), QPointF(170, 215)}) {
                fill(p, oval(c, 45, 14), QColor(60, 140, 60));
                line(p, c, c + QPointF(40, -6), QColor(110, 160, 200), 2);
            }
            flowerHead(p, {160, 170}, 40, 12, QColor(250, 245, 250), QColor(250, 210, 60), 0.3, 0.25);
        },
        // 18 la digitale
        bells(QColor(200, 80, 170), 9, 1.3, true),
    };
}

std::vector<Drawing> gardenPlantDrawings() {
    return {
        // 1 la pomme de terre
        [](QPainter& p) { plate(p); for (QPointF c : {QPointF(120, 180), QPointF(190, 175), QPointF(155, 150)}) { fill(p, oval(c, 36, 26), QColor(200, 160, 100)); p.setBrush(QColor(150, 110, 60)); p.setPen(Qt::NoPen); p.drawEllipse(c + QPointF(8, -6), 2, 2); p.drawEllipse(c + QPointF(-12, 6), 2, 2); } },
        // 2 la carotte
        [](QPainter& p) { plate(p); for (int i = 0; i < 3; ++i) { PainterScope sc(p); p.translate(110 + i * 50, 190); p.rotate(-70 + i * 10); fill(p, curve({{0, -12}, {140, 0}, {0, 12}}), QColor(240, 130, 30)); for (int l = -1; l <= 1; ++l) leaf(p, {0, 0}, 180 + l * 20, 50, QColor(60, 150, 50)); } },
        // 3 le chou
        [](QPainter& p) { gardenBackground(p); for (int i = 0; i < 6; ++i) leaf(p, {160, 180}, 180 + i * 36, 90, QColor(110, 170, 110)); fill(p, oval({160, 160}, 55, 50), QColor(190, 225, 170)); for (int i = 0; i < 3; ++i) stroke(p, curve({{120.0 + i * 20, 120}, {130.0 + i * 20, 160}, {125.0 + i * 20, 200}}, false), QColor(150, 190, 140), 2); },
        // 4 le chou-fleur
        [](QPainter& p) { gardenBackground(p); for (int i = 0; i < 7; ++i) leaf(p, {160, 170}, 160 + i * 36, 95, QColor(80, 150, 80)); for (int i = 0; i < 14; ++i) fill(p, oval({125.0 + (i % 5) * 18, 130.0 + (i / 5) * 18}, 17, 15), QColor(250, 245, 225), 1); },
        // 5 la tomate
        [](QPainter& p) { plate(p); roundFruit(p, {120, 165}, 38, QColor(225, 40, 30), true, false); roundFruit(p, {200, 170}, 34, QColor(225, 40, 30), true, false); for (QPointF c : {QPointF(120, 130), QPointF(200, 138)}) for (int i = 0; i < 5; ++i) leaf(p, c, i * 72, 14, QColor(60, 140, 50)); },
        // 6 le concombre
        [](QPainter& p) { plate(p); for (int i = 0; i < 2; ++i) { fill(p, curve({{60.0, 160.0 + i * 30}, {160, 145.0 + i * 30}, {260, 160.0 + i * 30}, {160, 178.0 + i * 30}}), QColor(60, 130, 50)); p.setBrush(QColor(180, 220, 150)); p.setPen(Qt::NoPen); for (int d = 0; d < 8; ++d) p.drawEllipse(QPointF(90 + d * 22, 158 + i * 30 + (d % 2) * 6), 1.5, 1.5); } },
        // 7 l'oignon
        [](QPainter& p) { plate(p); for (QPointF c : {QPointF(120, 165), QPointF(200, 170)}) { fill(p, curve({c + QPointF(0, -55), c + QPointF(38, 0), c + QPointF(0, 32), c + QPointF(-38, 0)}), QColor(200, 140, 70)); p.setPen(QPen(QColor(160, 100, 50), 1)); p.drawLine(c + QPointF(0, -50), c + QPointF(0, 30)); p.drawLine(c + QPointF(-15, -25), c + QPointF(-10, 25)); line(p, c + QPointF(0, 30), c + QPointF(0, 38), QColor(230, 220, 190), 3); } },
        // 8 le petit pois
        [](QPainter& p) { plate(p); PainterScope sc(p); p.translate(160, 165); p.rotate(-10); fill(p, curve({{-110, 0}, {0, -34}, {110, 0}, {0, 30}}), QColor(110, 180, 70)); for (int i = 0; i < 6; ++i) roundFruit(p, {-75.0 + i * 30, 0}, 14, QColor(120, 200, 70), false, false); },
        // 9 la laitue
        [](QPainter& p) { gardenBackground(p); for (int r = 0; r < 3; ++r) for (int i = 0; i < 8; ++i) leaf(p, {160, 170}, i * 45 + r * 20, 80 - r * 20, QColor(120 + r * 30, 200, 90 + r * 20)); },
        // 10 le maïs
        [](QPainter& p) { plainLight(p); PainterScope sc(p); p.translate(160, 120); p.rotate(-25); fill(p, oval({0, 0}, 42, 100), QColor(245, 200, 50)); p.setPen(QPen(QColor(210, 160, 30), 1)); for (int y = -90; y < 90; y += 10) p.drawLine(QPointF(-38, y), QPointF(38, y)); for (int x = -30; x <= 30; x += 10) p.drawLine(QPointF(x, -90), QPointF(x, 90)); leaf(p, {0, 100}, -100, 140, QColor(120, 170, 80)); leaf(p, {0, 100}, -80, 140, QColor(100, 160, 70)); },
        // 11 le blé
        [](QPainter& p) { fillSky(p, 240, QColor(150, 200, 240), QColor(240, 230, 200)); for (int s = 0; s < 7; ++s) { const QPointF top(60 + s * 33, 60 + (s % 3) * 12); line(p, top, top + QPointF(0, 180), QColor(210, 170, 80), 3); for (int i = 0; i < 8; ++i) for (int side : {-1, 1}) fill(p, oval(top + QPointF(side * 5, i * 7), 5, 7), QColor(225, 180, 80), 0.7); line(p, top, top + QPointF(-4, -25), QColor(220, 180, 90), 1); } },
        // 12 le tournesol
        flower(1, 26, QColor(250, 200, 20), QColor(110, 70, 30), 1.5, 0.18, 0.45),
        // 13 la rose
        [](QPainter& p) { gardenBackground(p); stemWithLeaves(p, {160, 95}, {165, 230}, 35); for (int r = 3; r >= 0; --r) for (int i = 0; i < 5; ++i) { PainterScope sc(p); p.translate(160, 90); p.rotate(i * 72 + r * 30); fill(p, oval({8.0 + r * 4, 0}, 14.0 + r * 5, 12.0 + r * 4), QColor(220 - r * 15, 30, 60)); } },
        // 14 la tulipe
        [](QPainter& p) { gardenBackground(p); for (int k = 0; k < 3; ++k) { const QPointF top(90 + k * 70, 90 + (k % 2) * 20); line(p, top, top + QPointF(4, 140), kStem, 4); leaf(p, top + QPointF(4, 130), -70, 80); fill(p, curve({top + QPointF(-22, -30), top + QPointF(-8, -10), top + QPointF(0, -34), top + QPointF(8, -10), top + QPointF(22, -30), top + QPointF(20, 10), top + QPointF(-20, 10)}), k == 1 ? QColor(250, 200, 30) : QColor(230, 40, 50)); } },
        // 15 le radis
        [](QPainter& p) { plate(p); for (int i = 0; i < 4; ++i) { const QPointF c(90 + i * 45, 170 + (i % 2) * 10); roundFruit(p, c, 20, QColor(220, 40, 70), false, false); line(p, c + QPointF(0, 18), c + QPointF(2, 34), QColor(245, 240, 240), 2); leaf(p, c + QPointF(0, -18), -100, 50, QColor(70, 150, 60)); } },
        // 16 le poireau
        [](QPainter& p) { plainLight(p); PainterScope sc(p); p.translate(40, 130); p.rotate(-8); p.fillRect(QRectF(0, -14, 140, 28), verticalGradient(-14, 14, QColor(250, 250, 240), QColor(220, 225, 200))); for (int i = -1; i <= 1; ++i) leaf(p, {140, 0}, i * 12, 130, QColor(60, 120 + i * 20, 60)); for (int i = 0; i < 6; ++i) line(p, {0, 0}, {-14, -10.0 + i * 4}, QColor(230, 220, 200), 1.5); },
        // 17 le poivron
        [](QPainter& p) { plate(p); for (int k = 0; k < 2; ++k) { const QPointF c(115 + k * 90, 165); fill(p, curve({c + QPointF(-35, -30), c + QPointF(0, -40), c + QPointF(35, -30), c + QPointF(38, 20), c + QPointF(15, 40), c + QPointF(-15, 40), c + QPointF(-38, 20)}), k ? QColor(240, 200, 30) : QColor(220, 40, 30)); line(p, c + QPointF(0, -38), c + QPointF(4, -56), QColor(60, 120, 50), 6); } },
        // 18 la citrouille
        [](QPainter& p) { meadow(p); for (int i = -2; i <= 2; ++i) fill(p, oval({160.0 + i * 28, 160}, 42, 50), QColor(240, 130, 20)); line(p, {160, 112}, {166, 92}, QColor(90, 110, 50), 8); leaf(p, {170, 100}, -20, 50); },
    };
}

std::vector<Drawing> treeDrawings() {
    return {
        // 1 le chêne
        [](QPainter& p) { tree(p, QColor(80, 130, 50), 5, QColor(100, 80, 60), QColor(150, 110, 50)); },
        // 2 le bouleau
        [](QPainter& p) { tree(p, QColor(130, 180, 70), 1, QColor(245, 245, 240)); },
        // 3 le sapin
        [](QPainter& p) { tree(p, QColor(30, 90, 50), 2); },
        // 4 le pin
        [](QPainter& p) { tree(p, QColor(50, 110, 60), 8, QColor(170, 90, 50)); },
        // 5 l'érable
        [](QPainter& p) {
            tree(p, QColor(220, 90, 30), 0);
            PainterScope sc(p);
            p.translate(265, 195);
            fill(p, polygonPath({{0, -26}, {6, -10}, {22, -16}, {14, 0}, {24, 6}, {4, 6}, {2, 20}, {-2, 20}, {-4, 6}, {-24, 6}, {-14, 0}, {-22, -16}, {-6, -10}}), QColor(200, 60, 30));
        },
        // 6 le hêtre
        [](QPainter& p) { tree(p, QColor(90, 150, 60), 0, QColor(150, 150, 145)); },
        // 7 le tilleul
        [](QPainter& p) { tree(p, QColor(110, 160, 60), 1, QColor(110, 90, 70), QColor(230, 220, 120)); },
        // 8 le saule pleureur
        [](QPainter& p) { tree(p, QColor(140, 180, 80), 3); },
        // 9 le peuplier
        [](QPainter& p) { tree(p, QColor(80, 140, 60), 4); },
        // 10 le marronnier
        [](QPainter& p) {
            tree(p, QColor(60, 120, 50), 0);
            for (QPointF c : {QPointF(125, 95), QPointF(195, 100), QPointF(160, 70)}) fill(p, QPainterPath(polygonPath({c + QPointF(0, -18), c + QPointF(7, 6), c + QPointF(-7, 6)})), QColor(250, 245, 235), 1);
            roundFruit(p, {255, 205}, 11, QColor(120, 60, 30), false, false);
        },
        // 11 le pommier
        [](QPainter& p) { tree(p, QColor(90, 150, 60), 0, QColor(110, 80, 55), QColor(220, 40, 30)); },
        // 12 le cerisier
        [](QPainter& p) {
            tree(p, QColor(250, 220, 230), 0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(240, 170, 190));
            for (int i = 0; i < 40; ++i) p.drawEllipse(QPointF(90 + (i * 47) % 150, 60 + (i * 29) % 90), 4, 4);
        },
        // 13 le noisetier
        [](QPainter& p) {
            tree(p, QColor(90, 150, 70), 6);
            for (QPointF c : {QPointF(120, 150), QPointF(190, 140), QPointF(160, 175)}) roundFruit(p, c, 8, QColor(170, 120, 60), false, false);
        },
        // 14 le lilas
        [](QPainter& p) {
            tree(p, QColor(80, 140, 70), 6);
            for (QPointF c : {QPointF(120, 135), QPointF(190, 125), QPointF(155, 160), QPointF(215, 165)})
                for (int i = 0; i < 12; ++i) fill(p, oval(c + QPointF((i % 3) * 6 - 6, (i / 3) * 7 - 10), 4, 4), QColor(180, 130, 210), 0.5);
        },
        // 15 le rosier
        [](QPainter& p) {
            tree(p, QColor(60, 120, 50), 6);
            for (QPointF c : {QPointF(120, 140), QPointF(190, 130), QPointF(160, 170), QPointF(215, 170), QPointF(105, 180)})
                for (int r = 2; r >= 0; --r) fill(p, oval(c, 6.0 + r * 4, 5.0 + r * 4), QColor(230 - r * 20, 40, 70), 0.8);
        },
        // 16 le genévrier
        [](QPainter& p) {
            tree(p, QColor(40, 100, 70), 4, QColor(110, 80, 60), QColor(60, 70, 130));
        },
        // 17 le palmier
        [](QPainter& p) { tree(p, QColor(60, 140, 60), 7); },
    };
}

std::vector<Drawing> fruitDrawings() {
    return {
        // 1 la pomme
        [](QPainter& p) { plate(p); roundFruit(p, {160, 150}, 50, QColor(210, 40, 30)); },
        // 2 la poire
        [](QPainter& p) { plate(p); fill(p, curve({{160, 70}, {185, 110}, {210, 175}, {160, 200}, {110, 175}, {135, 110}}), QColor(200, 200, 70)); line(p, {160, 72}, {166, 50}, QColor(100, 70, 40), 4); leaf(p, {164, 58}, -20, 30); },
        // 3 la banane
        [](QPainter& p) { plate(p); for (int i = 0; i < 3; ++i) stroke(p, curve({{70.0, 110.0 + i * 14}, {160, 185.0 + i * 8}, {260, 110.0 + i * 14}}, false), QColor(245 - i * 10, 215, 50), 22); line(p, {62, 112}, {52, 108}, QColor(90, 70, 40), 6); },
        // 4 l'orange
        [](QPainter& p) { plate(p); roundFruit(p, {125, 155}, 45, QColor(245, 140, 20)); PainterScope sc(p); fill(p, oval({220, 170}, 40, 32), QColor(250, 170, 60)); for (int i = 0; i < 8; ++i) line(p, {220, 170}, {220 + 34 * std::cos(i * kPi / 4), 170 + 27 * std::sin(i * kPi / 4)}, QColor(250, 230, 190), 2); },
        // 5 le citron
        [](QPainter& p) { plate(p); for (QPointF c : {QPointF(125, 160), QPointF(205, 165)}) fill(p, curve({c + QPointF(-50, 0), c + QPointF(-30, -30), c + QPointF(30, -30), c + QPointF(50, 0), c + QPointF(30, 30), c + QPointF(-30, 30)}), QColor(250, 230, 50)); },
        // 6 la fraise
        [](QPainter& p) { plate(p); for (QPointF c : {QPointF(120, 160), QPointF(200, 165)}) { fill(p, curve({c + QPointF(-35, -25), c + QPointF(35, -25), c + QPointF(12, 30), c + QPointF(0, 40), c + QPointF(-12, 30)}), QColor(225, 30, 40)); p.setPen(Qt::NoPen); p.setBrush(QColor(250, 220, 100)); for (int i = 0; i < 12; ++i) p.drawEllipse(c + QPointF(-20 + (i % 4) * 13, -12 + (i / 4) * 14), 1.5, 2); for (int i = 0; i < 5; ++i) leaf(p, c + QPointF(0, -27), 180 + i * 45, 22, QColor(60, 150, 50)); } },
        // 7 la framboise
        [](QPainter& p) { plate(p); for (QPointF c : {QPointF(120, 160), QPointF(200, 160)}) berries(p, c, 22, 8, QColor(220, 50, 90), 30); },
        // 8 la cerise
        [](QPainter& p) { plate(p); stroke(p, curve({{130, 170}, {150, 90}, {170, 70}}, false), QColor(90, 120, 50), 3); stroke(p, curve({{200, 175}, {185, 100}, {170, 70}}, false), QColor(90, 120, 50), 3); roundFruit(p, {130, 172}, 22, QColor(180, 20, 30), false, false); roundFruit(p, {200, 177}, 22, QColor(180, 20, 30), false, false); leaf(p, {170, 70}, -20, 40); },
        // 9 le raisin
        [](QPainter& p) { plate(p); line(p, {160, 60}, {160, 80}, QColor(100, 80, 40), 4); leaf(p, {162, 66}, -10, 45); for (int row = 0; row < 6; ++row) for (int i = 0; i <= 5 - row; ++i) roundFruit(p, {160 - (5 - row) * 11.0 + i * 22, 85.0 + row * 20}, 11, QColor(110, 40, 120), false, false); },
        // 10 la prune
        [](QPainter& p) { plate(p); roundFruit(p, {125, 160}, 32, QColor(100, 40, 110)); roundFruit(p, {195, 165}, 30, QColor(120, 50, 130), true, false); },
        // 11 la pêche
        [](QPainter& p) { plate(p); roundFruit(p, {160, 150}, 48, QColor(250, 160, 100)); stroke(p, curve({{150, 110}, {140, 150}, {150, 195}}, false), QColor(230, 120, 80), 2); },
        // 12 l'ananas
        [](QPainter& p) { plate(p); fill(p, oval({160, 150}, 42, 60), QColor(220, 160, 40)); PainterScope clip(p); p.setClipPath(oval({160, 150}, 42, 60)); p.setPen(QPen(QColor(160, 110, 30), 1.5)); for (int i = -4; i <= 4; ++i) { p.drawLine(QPointF(130 + i * 12, 100), QPointF(190 + i * 12, 200)); p.drawLine(QPointF(190 + i * 12, 100), QPointF(130 + i * 12, 200)); } p.setClipping(false); for (int i = 0; i < 7; ++i) leaf(p, {160, 95}, -150 + i * 20, 60, QColor(60, 130, 70)); },
        // 13 la myrtille
        [](QPainter& p) { plate(p); berries(p, {160, 165}, 18, 13, QColor(60, 70, 140), 55); },
        // 14 l'airelle
        [](QPainter& p) { plate(p); berries(p, {160, 165}, 22, 10, QColor(200, 30, 40), 50); for (int i = 0; i < 4; ++i) leaf(p, {110.0 + i * 30, 130}, -40 + i * 20, 26, QColor(40, 110, 50)); },
        // 15 la groseille
        [](QPainter& p) { plate(p); for (int k = 0; k < 2; ++k) { const QPointF top(110 + k * 90, 80); stroke(p, curve({top, top + QPointF(10, 50), top + QPointF(20, 110)}, false), QColor(100, 120, 50), 2); for (int i = 0; i < 7; ++i) roundFruit(p, top + QPointF(4 + i * 3 + (i % 2) * 10, 20 + i * 14), 9, QColor(230, 30, 40), false, false); } },
        // 16 la mûre
        [](QPainter& p) { plate(p); for (QPointF c : {QPointF(120, 160), QPointF(200, 160)}) berries(p, c, 22, 8, QColor(40, 20, 50), 30); },
        // 17 le melon
        [](QPainter& p) { plate(p); fill(p, oval({130, 150}, 60, 50), QColor(200, 190, 90)); p.setPen(QPen(QColor(170, 160, 80), 1)); for (int i = 0; i < 6; ++i) p.drawLine(QPointF(80 + i * 20, 120), QPointF(90 + i * 20, 190)); fill(p, curve({{195, 140}, {270, 140}, {255, 175}, {210, 175}}), QColor(250, 180, 90)); },
        // 18 la pastèque
        [](QPainter& p) { plate(p); PainterScope sc(p); fill(p, curve({{60, 160}, {160, 50}, {260, 160}}), QColor(40, 130, 50)); fill(p, curve({{72, 158}, {160, 62}, {248, 158}}), QColor(235, 60, 70)); p.setPen(Qt::NoPen); p.setBrush(QColor(30, 30, 30)); for (int i = 0; i < 10; ++i) p.drawEllipse(QPointF(110 + (i * 37) % 110, 110 + (i * 17) % 40), 3, 5); },
    };
}

} // namespace picgen::nature
