// Fish and reptiles (FRA21540) and insects and spiders (FRA21550), in the order of their files'
// items.

#include "NatureLists.h"
#include "NatureShapes.h"

#include <cmath>

namespace picgen::nature {

namespace {

struct FishLook {
    double length = 1.0, height = 1.0;
    QColor back, belly;
    QColor marks = Qt::transparent;
    int markKind = 0; // 0 none, 1 spots, 2 vertical bars, 3 wavy stripes, 4 spots on the belly side
    QColor fins = Qt::transparent;
    bool pointedSnout = false, barbel = false, teeth = false, forkedTail = true, tallFin = false;
};

void drawFish(QPainter& p, const FishLook& f) {
    underwater(p);
    const double rx = 95 * f.length, ry = 32 * f.height;
    const QPointF c(165, 115);
    const QColor fins = f.fins.alpha() > 0 ? f.fins : f.back.lighter(115);
    // Tail, fins.
    const QPointF root = c + QPointF(rx * 0.9, 0);
    if (f.forkedTail)
        fill(p, curve({root, root + QPointF(35, -32), root + QPointF(22, 0), root + QPointF(35, 32)}), fins);
    else
        fill(p, curve({root, root + QPointF(32, -26), root + QPointF(36, 0), root + QPointF(32, 26)}), fins);
    if (f.tallFin)
        fill(p, curve({c + QPointF(-rx * 0.1, -ry * 0.8), c + QPointF(0, -ry * 2.4), c + QPointF(rx * 0.25, -ry * 0.8)}), fins);
    else
        fill(p, curve({c + QPointF(-rx * 0.25, -ry * 0.85), c + QPointF(0, -ry * 1.45), c + QPointF(rx * 0.35, -ry * 0.8)}), fins);
    fill(p, curve({c + QPointF(rx * 0.2, ry * 0.8), c + QPointF(rx * 0.35, ry * 1.3), c + QPointF(rx * 0.5, ry * 0.7)}), fins);
    // Body.
    const QPointF nose = c + QPointF(-rx * (f.pointedSnout ? 1.15 : 1.0), f.pointedSnout ? 4 : 0);
    QPainterPath body = curve({nose, c + QPointF(-rx * 0.5, -ry), c + QPointF(rx * 0.4, -ry * 0.8), root,
                               c + QPointF(rx * 0.4, ry * 0.8), c + QPointF(-rx * 0.5, ry)});
    fill(p, body, f.belly);
    {
        PainterScope scope(p);
        p.setClipPath(body);
        p.fillRect(QRectF(0, 0, 320, c.y() + 2), f.back);
        p.fillRect(QRectF(0, c.y() - 8, 320, 14), mix(f.back, f.belly, 0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(f.marks);
        if (f.markKind == 1 || f.markKind == 4)
            for (int i = 0; i < 24; ++i)
                p.drawEllipse(c + QPointF(-rx * 0.6 + (i % 8) * rx * 0.2, (f.markKind == 4 ? -ry * 0.1 : -ry * 0.7) + (i / 8) * ry * 0.35), 3.5, 3.5);
        if (f.markKind == 2)
            for (int i = 0; i < 6; ++i) p.drawRect(QRectF(c.x() - rx * 0.5 + i * rx * 0.25, c.y() - ry, 9, ry * 1.5));
        if (f.markKind == 3) {
            p.setPen(QPen(f.marks, 3));
            p.setBrush(Qt::NoBrush);
            for (int i = 0; i < 5; ++i)
                p.drawPath(curve({c + QPointF(-rx * 0.2 + i * rx * 0.2, -ry), c + QPointF(-rx * 0.1 + i * rx * 0.2, -ry * 0.6), c + QPointF(-rx * 0.2 + i * rx * 0.2, -ry * 0.3)}, false));
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(f.back.darker(150), 1.5));
    p.drawPath(body);
    p.drawArc(QRectF(c.x() - rx * 0.75, c.y() - ry * 0.6, ry * 1.0, ry * 1.2), -60 * 16, 120 * 16);
    fill(p, oval(c + QPointF(-rx * 0.72, -ry * 0.25), 7, 7), QColor(240, 220, 120));
    eye(p, c + QPointF(-rx * 0.72, -ry * 0.25), 4);
    if (f.barbel) line(p, nose + QPointF(6, 6), nose + QPointF(8, 22), f.back.darker(130), 2);
    if (f.teeth) {
        p.setPen(QPen(Qt::white, 1.5));
        for (int i = 0; i < 6; ++i) p.drawLine(nose + QPointF(8 + i * 6, 8), nose + QPointF(11 + i * 6, 13));
    }
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) p.drawEllipse(nose + QPointF(-12 - i * 6, -14 - i * 16), 3 + i, 3 + i);
}

Drawing fish(FishLook f) {
    return [f](QPainter& p) { drawFish(p, f); };
}

void snake(QPainter& p, const QColor& body, const QColor& pattern, bool zigzag, bool water) {
    if (water)
        underwater(p);
    else
        meadow(p);
    QPainterPath path = curve({{50, 120}, {100, 90}, {150, 130}, {200, 170}, {250, 140}, {290, 170}, {300, 200}}, false);
    stroke(p, path, body.darker(150), 22);
    stroke(p, path, body, 19);
    if (pattern.alpha() > 0) {
        p.setPen(QPen(pattern, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        if (zigzag) {
            QPolygonF zz;
            for (int i = 0; i <= 40; ++i) {
                const QPointF at = path.pointAtPercent(i / 40.0);
                zz << at + QPointF(0, (i % 2) ? -6 : 6);
            }
            p.drawPolyline(zz);
        } else {
            p.setPen(QPen(pattern, 3, Qt::DashLine));
            p.drawPath(path);
        }
    }
    fill(p, oval({46, 118}, 20, 13), body);
    eye(p, {40, 113}, 3, QColor(200, 60, 30));
    line(p, {27, 121}, {12, 124}, QColor(200, 40, 40), 2);
    line(p, {12, 124}, {6, 119}, QColor(200, 40, 40), 1.5);
    line(p, {12, 124}, {6, 129}, QColor(200, 40, 40), 1.5);
}

void lizardLike(QPainter& p, const QColor& body, double length, bool crocodile) {
    if (crocodile) {
        waterScene(p);
    } else {
        meadow(p);
        fill(p, curve({{0, 190}, {120, 165}, {260, 170}, {320, 185}, {320, 240}, {0, 240}}), QColor(170, 160, 150));
    }
    const double k = length;
    const QPointF c(170, 160);
    stroke(p, curve({c + QPointF(40 * k, 0), c + QPointF(90 * k, 10), c + QPointF(140 * k, 0)}, false), body, 12 * k);
    for (int side : {-1, 1})
        for (double x : {-30.0, 30.0}) {
            line(p, c + QPointF(x * k, 5), c + QPointF(x * k - 12, 28 + side * 2), body.darker(110), 7 * k);
            line(p, c + QPointF(x * k - 12, 28), c + QPointF(x * k - 22, 30), body.darker(110), 3);
        }
    fill(p, oval(c, 55 * k, 16 * k), body);
    p.setPen(Qt::NoPen);
    p.setBrush(body.darker(130));
    for (int i = 0; i < 10; ++i) p.drawEllipse(c + QPointF(-40 * k + i * 9 * k, -6 * k), 3 * k, 3 * k);
    const QPointF head = c + QPointF(-60 * k, -4 * k);
    if (crocodile) {
        fill(p, curve({head + QPointF(10, -12), head + QPointF(-70, -4), head + QPointF(-72, 8), head + QPointF(10, 12)}), body);
        p.setPen(QPen(Qt::white, 2));
        for (int i = 0; i < 9; ++i) p.drawLine(head + QPointF(-62 + i * 7, 3), head + QPointF(-60 + i * 7, 8));
        eye(p, head + QPointF(0, -10), 4, QColor(200, 170, 40));
    } else {
        fill(p, oval(head, 20 * k, 11 * k), body);
        eye(p, head + QPointF(-5, -4), 3);
    }
}

void turtle(QPainter& p) {
    meadow(p);
    const QColor shell(120, 100, 60), skin(150, 150, 100);
    for (double x : {120.0, 210.0}) fill(p, oval({x, 180}, 14, 20), skin);
    fill(p, oval({90, 150}, 22, 16), skin);
    eye(p, {80, 146}, 3);
    fill(p, oval({170, 150}, 75, 45), shell);
    p.setPen(QPen(shell.darker(150), 2));
    p.setBrush(shell.lighter(115));
    for (int i = -1; i <= 1; ++i) p.drawPolygon(QPolygonF({QPointF(170 + i * 45 - 18, 130), QPointF(170 + i * 45, 115), QPointF(170 + i * 45 + 18, 130), QPointF(170 + i * 45 + 12, 155), QPointF(170 + i * 45 - 12, 155)}));
    line(p, {245, 160}, {262, 165}, skin, 6);
}

// ---- insects
void insectScene(QPainter& p) {
    fillSky(p, 240, QColor(200, 230, 190), QColor(150, 200, 130));
    fill(p, curve({{-10, 250}, {40, 170}, {120, 150}, {200, 175}, {260, 150}, {330, 180}, {330, 250}}), QColor(100, 160, 70), 0);
}

void legs(QPainter& p, QPointF c, int pairs, double span, const QColor& colour) {
    for (int i = 0; i < pairs; ++i) {
        const double x = c.x() - span * 0.4 + i * span * 0.8 / std::max(1, pairs - 1);
        for (int side : {-1, 1}) {
            const QPointF knee(x + (i - pairs / 2.0) * 8, c.y() + side * span * 0.45);
            line(p, QPointF(x, c.y()), knee, colour, 2.5);
            line(p, knee, knee + QPointF((i - pairs / 2.0) * 10, side * span * 0.3), colour, 2);
        }
    }
}

void antennae(QPainter& p, QPointF head, const QColor& colour, double length = 40, bool clubbed = false) {
    for (int side : {-1, 1}) {
        stroke(p, curve({head, head + QPointF(-length * 0.5, side * length * 0.4), head + QPointF(-length, side * length * 0.6)}, false), colour, 2);
        if (clubbed) fill(p, oval(head + QPointF(-length, side * length * 0.6), 4, 4), colour);
    }
}

// A winged insect seen from above, head to the left: abdomen stripes, wings.
void flyer(QPainter& p, const QColor& body, const QColor& stripes, const QColor& wings, double length, double wingLength, bool longBody) {
    insectScene(p);
    const QPointF c(165, 125);
    legs(p, c, 3, 80, QColor(40, 35, 30));
    for (int side : {-1, 1}) {
        fill(p, curve({c + QPointF(-10, 0), c + QPointF(20, side * wingLength * 0.9), c + QPointF(30 + wingLength * 0.6, side * wingLength * 0.7), c + QPointF(25, side * 8)}), wings, 1);
        if (longBody) fill(p, curve({c + QPointF(-12, 0), c + QPointF(-5, side * wingLength * 0.9), c + QPointF(8 + wingLength * 0.4, side * wingLength * 0.8), c + QPointF(6, side * 6)}), wings, 1);
    }
    const double ab = 40 * length;
    fill(p, oval(c + QPointF(ab * (longBody ? 1.4 : 0.9), 0), ab * (longBody ? 1.5 : 1.0), longBody ? 7 : 18), body);
    if (stripes.alpha() > 0) {
        p.setPen(QPen(stripes, 6));
        for (int i = 0; i < 4; ++i) p.drawLine(c + QPointF(12 + i * 14 * length, -14), c + QPointF(12 + i * 14 * length, 14));
    }
    fill(p, oval(c, 16, 14), body.darker(115));
    fill(p, oval(c + QPointF(-22, 0), 12, 12), body.darker(130));
    for (int side : {-1, 1}) eye(p, c + QPointF(-26, side * 7), 4, QColor(60, 20, 20));
    antennae(p, c + QPointF(-30, 0), QColor(30, 30, 30), 26);
}

void butterfly(QPainter& p) {
    insectScene(p);
    const QPointF c(160, 120);
    for (int side : {-1, 1}) {
        fill(p, curve({c, c + QPointF(-70, side * 90), c + QPointF(-10, side * 100), c + QPointF(10, side * 10)}), QColor(240, 140, 30));
        fill(p, curve({c, c + QPointF(60, side * 80), c + QPointF(80, side * 30), c + QPointF(10, side * 5)}), QColor(230, 120, 30));
        fill(p, oval(c + QPointF(-30, side * 60), 12, 12), QColor(30, 30, 30), 0);
        fill(p, oval(c + QPointF(-30, side * 60), 5, 5), QColor(250, 250, 240), 0);
        fill(p, oval(c + QPointF(40, side * 45), 8, 8), QColor(40, 60, 160), 0);
    }
    fill(p, oval(c + QPointF(10, 0), 36, 7), QColor(50, 40, 35));
    fill(p, oval(c + QPointF(-30, 0), 8, 8), QColor(50, 40, 35));
    antennae(p, c + QPointF(-36, 0), QColor(30, 30, 30), 40, true);
}

void beetle(QPainter& p, const QColor& shell, const QColor& spots, bool ladybird) {
    insectScene(p);
    const QPointF c(170, 125);
    legs(p, c, 3, 100, QColor(30, 30, 30));
    fill(p, oval(c, 60, ladybird ? 52 : 42), shell);
    line(p, c + QPointF(-58, 0), c + QPointF(58, 0), shell.darker(170), 2);
    if (spots.alpha() > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(spots);
        for (QPointF s : {QPointF(-20, -25), QPointF(15, -30), QPointF(0, -10), QPointF(-20, 25), QPointF(15, 30), QPointF(35, -12), QPointF(35, 14)})
            p.drawEllipse(c + s, 8, 8);
    }
    fill(p, oval(c + QPointF(-62, 0), 18, 22), QColor(30, 30, 30));
    if (ladybird) {
        fill(p, oval(c + QPointF(-66, -10), 5, 5), Qt::white, 0);
        fill(p, oval(c + QPointF(-66, 10), 5, 5), Qt::white, 0);
    } else {
        stroke(p, curve({c + QPointF(-75, -6), c + QPointF(-105, -30), c + QPointF(-95, -8)}, false), shell.darker(120), 6);
    }
    antennae(p, c + QPointF(-76, 0), QColor(30, 30, 30), 24, true);
}

void spider(QPainter& p, bool tick) {
    insectScene(p);
    if (!tick) {
        p.setPen(QPen(QColor(255, 255, 255, 180), 1));
        p.setBrush(Qt::NoBrush);
        const QPointF hub(160, 120);
        for (int i = 0; i < 12; ++i) p.drawLine(hub, hub + QPointF(200 * std::cos(i * 0.5236), 200 * std::sin(i * 0.5236)));
        for (int r = 20; r < 200; r += 18) p.drawEllipse(hub, r, r * 0.9);
    }
    const QPointF c(160, 120);
    const QColor body = tick ? QColor(90, 50, 40) : QColor(60, 45, 35);
    for (int i = 0; i < 4; ++i)
        for (int side : {-1, 1}) {
            const double a = (-60 + i * 40) * 3.14159 / 180;
            const QPointF knee = c + QPointF(std::sin(a) * 45, side * std::cos(a) * 45) + QPointF(0, side * -10);
            line(p, c, knee, body, tick ? 3 : 4);
            line(p, knee, knee + QPointF(std::sin(a) * 35, side * 35), body, tick ? 2 : 3);
        }
    fill(p, oval(c + QPointF(30, 0), tick ? 40 : 38, tick ? 30 : 30), tick ? QColor(120, 60, 45) : body.lighter(120));
    if (!tick) {
        p.setPen(QPen(QColor(240, 230, 210), 3));
        p.drawLine(c + QPointF(15, 0), c + QPointF(45, 0));
        p.drawLine(c + QPointF(30, -12), c + QPointF(30, 12));
    }
    fill(p, oval(c + QPointF(-12, 0), tick ? 12 : 20, tick ? 10 : 18), body);
    for (int side : {-1, 1}) eye(p, c + QPointF(tick ? -20 : -26, side * 5), 2.5);
}

void caterpillar(QPainter& p) {
    insectScene(p);
    for (int i = 9; i >= 0; --i) {
        const QPointF at(250 - i * 18, 130 + 12 * std::sin(i * 0.8));
        fill(p, oval(at, 14, 16), i == 9 ? QColor(60, 120, 40) : QColor(110, 180, 60));
        fill(p, oval(at + QPointF(0, -8), 3, 3), QColor(240, 220, 60), 0);
    }
    eye(p, {82, 122}, 3);
    antennae(p, {80, 118}, QColor(40, 60, 30), 14);
}

void grasshopper(QPainter& p, const QColor& body, bool cricket) {
    insectScene(p);
    const QPointF c(170, 130);
    line(p, c + QPointF(10, 6), c + QPointF(60, -40), body.darker(120), 8);
    line(p, c + QPointF(60, -40), c + QPointF(80, 30), body.darker(120), 4);
    line(p, c + QPointF(-20, 8), c + QPointF(-30, 40), body.darker(130), 3);
    line(p, c + QPointF(-5, 8), c + QPointF(0, 40), body.darker(130), 3);
    fill(p, curve({c + QPointF(-40, -6), c + QPointF(0, -16), c + QPointF(90, -8), c + QPointF(95, 4), c + QPointF(0, 14), c + QPointF(-40, 10)}), body);
    fill(p, curve({c + QPointF(-20, -10), c + QPointF(60, -20), c + QPointF(100, -10), c + QPointF(30, -4)}), cricket ? body.darker(140) : body.lighter(120));
    fill(p, oval(c + QPointF(-48, 0), 16, 14), body);
    eye(p, c + QPointF(-54, -4), 4);
    antennae(p, c + QPointF(-60, -4), body.darker(150), cricket ? 90 : 60);
}

} // namespace

std::vector<Drawing> fishAndReptileDrawings() {
    const QColor silver(200, 205, 215), white(240, 240, 235);
    return {
        // 1 le saumon
        fish({1.0, 0.9, QColor(90, 110, 140), silver, QColor(40, 40, 60), 1, Qt::transparent, false, false, false, true, false}),
        // 2 la truite
        fish({0.9, 0.9, QColor(120, 120, 80), QColor(235, 215, 175), QColor(200, 50, 40), 1, Qt::transparent, false, false, false, false, false}),
        // 3 le brochet
        fish({1.2, 0.7, QColor(90, 120, 60), QColor(225, 225, 180), QColor(215, 220, 150), 4, QColor(150, 110, 60), true, false, true, false, false}),
        // 4 la perche
        fish({0.85, 1.15, QColor(100, 130, 60), QColor(235, 225, 170), QColor(40, 50, 30), 2, QColor(230, 90, 50), false, false, false, true, true}),
        // 5 le hareng
        fish({0.85, 0.8, QColor(60, 100, 140), silver, Qt::transparent, 0, Qt::transparent, false, false, false, true, false}),
        // 6 la morue
        fish({1.0, 1.0, QColor(140, 130, 90), white, QColor(100, 90, 60), 1, Qt::transparent, false, true, false, false, false}),
        // 7 l'anguille
        [](QPainter& p) { snake(p, QColor(70, 80, 50), Qt::transparent, false, true); },
        // 8 la carpe
        fish({0.95, 1.3, QColor(150, 120, 60), QColor(225, 190, 110), Qt::transparent, 0, QColor(170, 110, 60), false, true, false, false, false}),
        // 9 le maquereau
        fish({0.95, 0.8, QColor(40, 120, 110), white, QColor(20, 40, 40), 3, Qt::transparent, true, false, false, true, false}),
        // 10 le requin
        fish({1.3, 0.8, QColor(110, 120, 135), white, Qt::transparent, 0, QColor(100, 110, 125), true, false, true, true, true}),
        // 11 le poisson rouge
        fish({0.7, 1.1, QColor(245, 120, 30), QColor(250, 170, 60), Qt::transparent, 0, QColor(245, 140, 40), false, false, false, true, false}),
        // 12 le thon
        fish({1.1, 1.2, QColor(40, 50, 110), silver, QColor(240, 210, 60), 0, QColor(230, 200, 60), true, false, false, true, false}),
        // 13 le serpent (la couleuvre à collier)
        [](QPainter& p) { snake(p, QColor(90, 110, 70), QColor(30, 30, 30), false, false); },
        // 14 la vipère
        [](QPainter& p) { snake(p, QColor(160, 140, 110), QColor(30, 25, 20), true, false); },
        // 15 le lézard
        [](QPainter& p) { lizardLike(p, QColor(110, 150, 60), 1.0, false); },
        // 16 la tortue
        [](QPainter& p) { turtle(p); },
        // 17 le crocodile
        [](QPainter& p) { lizardLike(p, QColor(80, 100, 50), 1.25, true); },
    };
}

std::vector<Drawing> insectDrawings() {
    return {
        // 1 le papillon
        [](QPainter& p) { butterfly(p); },
        // 2 l'abeille
        [](QPainter& p) { flyer(p, QColor(200, 140, 40), QColor(50, 35, 25), QColor(230, 240, 250, 170), 0.8, 40, false); },
        // 3 la guêpe
        [](QPainter& p) { flyer(p, QColor(250, 215, 30), QColor(25, 25, 25), QColor(220, 225, 240, 160), 1.0, 44, false); },
        // 4 la fourmi
        [](QPainter& p) {
            insectScene(p);
            const QPointF c(160, 125);
            legs(p, c, 3, 90, QColor(40, 25, 20));
            fill(p, oval(c + QPointF(55, 0), 38, 26), QColor(60, 30, 25));
            fill(p, oval(c, 22, 12), QColor(70, 35, 28));
            fill(p, oval(c + QPointF(-42, 0), 20, 18), QColor(70, 35, 28));
            antennae(p, c + QPointF(-58, 0), QColor(40, 25, 20), 40);
        },
        // 5 l'araignée
        [](QPainter& p) { spider(p, false); },
        // 6 la coccinelle
        [](QPainter& p) { beetle(p, QColor(220, 30, 30), QColor(20, 20, 20), true); },
        // 7 la mouche
        [](QPainter& p) { flyer(p, QColor(60, 65, 70), Qt::transparent, QColor(210, 220, 235, 160), 0.7, 42, false); },
        // 8 le moustique
        [](QPainter& p) {
            flyer(p, QColor(110, 100, 90), QColor(60, 55, 50), QColor(225, 230, 240, 150), 0.8, 36, true);
            line(p, {139, 125}, {95, 128}, QColor(40, 35, 30), 2);
        },
        // 9 la libellule
        [](QPainter& p) { flyer(p, QColor(40, 120, 190), Qt::transparent, QColor(190, 220, 245, 150), 1.4, 75, true); },
        // 10 la sauterelle
        [](QPainter& p) { grasshopper(p, QColor(110, 180, 60), false); },
        // 11 le grillon
        [](QPainter& p) { grasshopper(p, QColor(60, 45, 35), true); },
        // 12 le bourdon
        [](QPainter& p) {
            flyer(p, QColor(40, 35, 30), QColor(250, 210, 40), QColor(220, 225, 240, 150), 0.9, 38, false);
            fill(p, oval({215, 125}, 14, 16), QColor(245, 245, 240), 0);
        },
        // 13 le scarabée
        [](QPainter& p) { beetle(p, QColor(40, 90, 60), Qt::transparent, false); },
        // 14 la chenille
        [](QPainter& p) { caterpillar(p); },
        // 15 le cafard
        [](QPainter& p) {
            beetle(p, QColor(130, 70, 35), Qt::transparent, true);
            antennae(p, {94, 125}, QColor(90, 50, 25), 80);
        },
        // 16 la tique
        [](QPainter& p) { spider(p, true); },
        // 17 le pou
        [](QPainter& p) {
            plainLight(p);
            const QPointF c(160, 120);
            legs(p, c, 3, 90, QColor(150, 120, 90));
            fill(p, oval(c + QPointF(30, 0), 55, 38), QColor(215, 190, 150));
            p.setPen(QPen(QColor(170, 140, 100), 2));
            for (int i = 0; i < 5; ++i) p.drawLine(c + QPointF(5 + i * 12, -30), c + QPointF(5 + i * 12, 30));
            fill(p, oval(c + QPointF(-35, 0), 18, 16), QColor(200, 170, 130));
            antennae(p, c + QPointF(-50, 0), QColor(150, 120, 90), 20);
        },
    };
}

} // namespace picgen::nature
