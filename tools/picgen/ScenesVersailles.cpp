// Versailles: fountains, gardens and the palace; and the palace of Fontainebleau.

#include "Draw.h"
#include "Landmarks.h"
#include "Scenes.h"

#include <QTransform>
#include <cmath>

namespace picgen {

namespace {

constexpr double kPi = 3.14159265358979;

const QColor kSand(226, 208, 164);
const QColor kBox(44, 110, 50);

// A round basin seen at an angle: stone rim and water.
void basin(QPainter& p, QPointF c, double rx, double ry) {
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 232, 222));
    p.drawEllipse(c, rx + 8, ry + 4);
    p.setBrush(QColor(180, 176, 168));
    p.drawEllipse(c + QPointF(0, 3), rx + 8, ry + 4);
    p.setBrush(QColor(236, 232, 222));
    p.drawEllipse(c, rx + 6, ry + 2);
    QLinearGradient water(0, c.y() - ry, 0, c.y() + ry);
    water.setColorAt(0, QColor(70, 140, 200));
    water.setColorAt(1, QColor(120, 190, 230));
    p.setBrush(water);
    p.drawEllipse(c, rx, ry);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    for (double f : {0.35, 0.6, 0.85})
        p.drawEllipse(c, rx * f, ry * f);
}

// Rows of dark trees on both sides of a view, like the groves of a formal garden.
void grove(QPainter& p, double top, double bottom, double innerLeft, double innerRight) {
    PainterScope scope(p);
    const QColor leaves(40, 100, 50);
    p.fillPath(polygonPath({QPointF(-10, top), QPointF(innerLeft, top + 18),
                            QPointF(innerLeft, bottom), QPointF(-10, bottom)}),
               leaves.darker(110));
    p.fillPath(polygonPath({QPointF(kWidth + 10, top), QPointF(innerRight, top + 18),
                            QPointF(innerRight, bottom), QPointF(kWidth + 10, bottom)}),
               leaves.darker(110));
    for (double x = -10; x < innerLeft; x += 24) {
        const double t = (x + 10) / (innerLeft + 10);
        bush(p, {x, top + 18 * t + 4}, 18, leaves);
    }
    for (double x = kWidth + 10; x > innerRight; x -= 24) {
        const double t = (kWidth + 10 - x) / (kWidth + 10 - innerRight);
        bush(p, {x, top + 18 * t + 4}, 18, leaves);
    }
}

// Embroidery of clipped box on sand, drawn in a unit square mapped onto a ground quadrilateral.
void parterre(QPainter& p, const QPolygonF& ground, bool mirrored) {
    QTransform t;
    QPolygonF unit;
    unit << QPointF(0, 0) << QPointF(1, 0) << QPointF(1, 1) << QPointF(0, 1);
    if (!QTransform::quadToQuad(unit, ground, t)) return;
    PainterScope scope(p);
    QPainterPath sand;
    sand.addPolygon(ground);
    p.fillPath(sand, kSand);
    QPainterPath border;
    border.addRect(QRectF(0.04, 0.04, 0.92, 0.92));
    QPainterPath scrolls;
    for (int k = 0; k < 2; ++k) {
        const double y = 0.3 + 0.4 * k;
        const double s = mirrored ? -1 : 1;
        const double cx = 0.5;
        scrolls.moveTo(cx, y - 0.12);
        scrolls.cubicTo(cx + s * 0.3, y - 0.2, cx + s * 0.4, y + 0.1, cx + s * 0.2, y + 0.08);
        scrolls.cubicTo(cx + s * 0.08, y + 0.06, cx + s * 0.12, y - 0.04, cx + s * 0.2, y - 0.02);
        scrolls.moveTo(cx, y - 0.12);
        scrolls.cubicTo(cx - s * 0.3, y - 0.2, cx - s * 0.4, y + 0.1, cx - s * 0.2, y + 0.08);
        scrolls.cubicTo(cx - s * 0.08, y + 0.06, cx - s * 0.12, y - 0.04, cx - s * 0.2, y - 0.02);
        scrolls.addEllipse(QPointF(cx, y + 0.08), 0.05, 0.05);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(kBox, 4));
    p.drawPath(t.map(border));
    p.setPen(roundPen(kBox, 3));
    p.drawPath(t.map(scrolls));
    p.setPen(roundPen(QColor(210, 50, 70), 2));
    QPainterPath inner;
    inner.addRect(QRectF(0.09, 0.09, 0.82, 0.82));
    p.drawPath(t.map(inner));
}

// Allée running to the far end of the garden, with the Grand Canal at the horizon.
void gardenVista(QPainter& p, double horizon) {
    daySky(p, horizon);
    cloud(p, {130, 60}, 28);
    cloud(p, {500, 80}, 22);
    p.fillRect(QRectF(0, horizon - 14, kWidth, 18), QColor(70, 120, 90));
    fillGround(p, horizon, QColor(120, 170, 90), QColor(90, 150, 70));
    p.fillPath(polygonPath({QPointF(300, horizon + 2), QPointF(340, horizon + 2),
                            QPointF(360, horizon + 20), QPointF(280, horizon + 20)}),
               QColor(150, 200, 230));
}

} // namespace

void sceneVersaillesFountain(QPainter& p) {
    daySky(p, 250);
    cloud(p, {520, 70}, 28);
    cloud(p, {110, 110}, 22);
    versaillesPalace(p, 150, 490, 252, 44);
    grove(p, 150, 260, 150, 490);
    fillGround(p, 250, kSand, kSand.darker(112));
    for (double x : {60.0, 130.0, 510.0, 580.0})
        coneTopiary(p, {x, 300}, 80);
    basin(p, {320, 332}, 230, 50);
    // Jets from the rim arching towards the middle.
    for (int k = 0; k < 9; ++k) {
        const double a = kPi * (0.1 + 0.8 * k / 8.0);
        const QPointF from(320 - std::cos(a) * 222, 332 + std::sin(a) * 46);
        arcingJet(p, from, QPointF(320 - std::cos(a) * 60, 332 + std::sin(a) * 14), 14);
    }
    // The rock with a gilded figure and the tall jet.
    p.fillPath(polygonPath({QPointF(290, 338), QPointF(298, 300), QPointF(320, 290),
                            QPointF(342, 300), QPointF(350, 338)}),
               QColor(160, 150, 130));
    goldFigure(p, {320, 294}, 50);
    waterJet(p, {330, 250}, 200, 200);
}

void sceneVersaillesGarden(QPainter& p) {
    gardenVista(p, 170);
    // The long lawn and the canal beyond it, with groves on both sides.
    p.fillPath(
        polygonPath({QPointF(296, 172), QPointF(344, 172), QPointF(420, 270), QPointF(220, 270)}),
        QColor(120, 190, 90));
    for (double t = 0; t <= 1.0; t += 0.1) {
        const double y = 178 + 90 * t;
        bush(p, {280 - 70 * t - 20, y}, 10 + 14 * t, QColor(40, 105, 50));
        bush(p, {360 + 70 * t + 20, y}, 10 + 14 * t, QColor(40, 105, 50));
    }
    fillGround(p, 270, kSand, kSand.darker(108));
    // Two embroidered parterres and a round basin between them.
    QPolygonF left;
    left << QPointF(40, 290) << QPointF(280, 290) << QPointF(250, 470) << QPointF(-120, 470);
    QPolygonF right;
    right << QPointF(360, 290) << QPointF(600, 290) << QPointF(760, 470) << QPointF(390, 470);
    parterre(p, left, false);
    parterre(p, right, true);
    basin(p, {320, 300}, 40, 10);
    waterJet(p, {320, 300}, 90, 60);
    for (int i = 0; i < 4; ++i) {
        const double t = i / 3.0;
        coneTopiary(p, {30 - 110 * t + 20 * (1 - t), 296 + 150 * t}, 50 + 60 * t);
        coneTopiary(p, {610 + 110 * t - 20 * (1 - t), 296 + 150 * t}, 50 + 60 * t);
    }
}

void sceneVersaillesPalace(QPainter& p) {
    daySky(p, 240);
    cloud(p, {120, 60}, 26);
    cloud(p, {500, 50}, 20);
    versaillesPalace(p, -20, 660, 250, 120);
    fillGround(p, 250, kSand, kSand.darker(110));
    // The two water parterres reflecting the sky, with bronze figures on their rims.
    for (int side : {-1, 1}) {
        const double cx = 320 + side * 150;
        QPainterPath pool = polygonPath({QPointF(cx - 120, 268), QPointF(cx + 120, 268),
                                         QPointF(cx + 150, 318), QPointF(cx - 150, 318)});
        p.fillPath(pool, QColor(236, 232, 222));
        QPainterPath water = polygonPath({QPointF(cx - 112, 272), QPointF(cx + 112, 272),
                                          QPointF(cx + 140, 314), QPointF(cx - 140, 314)});
        p.fillPath(water, verticalGradient(272, 314, QColor(130, 180, 230), QColor(80, 140, 200)));
        for (int k = 0; k < 4; ++k) {
            const double fx = cx - 90 + k * 60;
            PainterScope scope(p);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(70, 70, 60));
            p.drawEllipse(QPointF(fx, 266), 6, 7);
            p.drawRect(QRectF(fx - 8, 266, 16, 6));
        }
    }
    // Flower parterres in front.
    QPolygonF left;
    left << QPointF(20, 332) << QPointF(300, 332) << QPointF(290, 480) << QPointF(-60, 480);
    QPolygonF right;
    right << QPointF(340, 332) << QPointF(620, 332) << QPointF(700, 480) << QPointF(350, 480);
    parterre(p, left, false);
    parterre(p, right, true);
    flowers(p, QRectF(20, 340, 260, 60), 60, 16);
    flowers(p, QRectF(360, 340, 260, 60), 60, 17);
    for (double x : {10.0, 315.0, 630.0})
        coneTopiary(p, {x, 350}, 70);
}

void sceneLatonaFountain(QPainter& p) {
    gardenVista(p, 200);
    // Royal walk with trees on both sides.
    p.fillPath(
        polygonPath({QPointF(290, 202), QPointF(350, 202), QPointF(470, 270), QPointF(170, 270)}),
        QColor(130, 196, 96));
    for (double t = 0; t <= 1.0; t += 0.08) {
        const double y = 196 + 70 * t;
        bush(p, {270 - 150 * t - 10, y}, 12 + 20 * t, QColor(40, 105, 50));
        bush(p, {370 + 150 * t + 10, y}, 12 + 20 * t, QColor(40, 105, 50));
    }
    fillGround(p, 268, kSand, kSand.darker(110));
    basin(p, {320, 350}, 290, 60);
    // The tiers of red and white marble, largest first.
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    const QColor rose(196, 120, 112);
    for (int k = 0; k < 4; ++k) {
        const double rx = 190 - 42 * k;
        const double ry = 34 - 6 * k;
        const double top = 330 - 26 * k;
        const double h = 20;
        QPainterPath side;
        side.moveTo(320 - rx, top);
        side.lineTo(320 - rx, top + h);
        side.arcTo(QRectF(320 - rx, top + h - ry, 2 * rx, 2 * ry), 180, 180);
        side.lineTo(320 + rx, top);
        side.closeSubpath();
        p.fillPath(side, cylinderGradient(320 - rx, 320 + rx, rose));
        p.setBrush(QColor(244, 240, 232));
        p.drawEllipse(QPointF(320, top), rx, ry);
        p.setBrush(QColor(110, 170, 215));
        p.drawEllipse(QPointF(320, top), rx - 7, ry - 3);
    }
    goldFigure(p, {320, 262}, 62);
    // Gilded frogs on each rim spitting water towards the middle.
    for (int k = 0; k < 4; ++k) {
        const double rx = 190 - 42 * k;
        const double ry = 34 - 6 * k;
        const double top = 330 - 26 * k;
        for (int j = 0; j < 7; ++j) {
            const double a = kPi * (0.08 + 0.84 * j / 6.0);
            const QPointF at(320 - std::cos(a) * rx, top + std::sin(a) * ry);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(214, 170, 60));
            p.drawEllipse(at, 4, 3);
            arcingJet(p, at,
                      QPointF(320 - std::cos(a) * rx * 0.55, top - 18 + std::sin(a) * ry * 0.4), 8);
        }
    }
    for (int j = 0; j < 12; ++j) {
        const double a = kPi * (0.05 + 0.9 * j / 11.0);
        arcingJet(p, QPointF(320 - std::cos(a) * 300, 350 + std::sin(a) * 64),
                  QPointF(320 - std::cos(a) * 205, 340 + std::sin(a) * 38), 12);
    }
}

void sceneFontainebleau(QPainter& p) {
    daySky(p, 300);
    cloud(p, {110, 50}, 26);
    cloud(p, {470, 40}, 20);
    const QColor stone(236, 222, 196);
    const QColor brick(204, 150, 126);
    const QColor slate(82, 96, 122);
    auto wing = [&](double l, double r, double top, double roofTop) {
        p.fillPath(polygonPath({QPointF(l - 4, top), QPointF(l + 14, roofTop),
                                QPointF(r - 14, roofTop), QPointF(r + 4, top)}),
                   verticalGradient(roofTop, top, slate.lighter(115), slate));
        p.fillRect(QRectF(l, top, r - l, 320 - top), stone);
        const int n = std::max(1, static_cast<int>((r - l) / 36));
        const double step = (r - l) / n;
        for (int i = 0; i < n; ++i)
            p.fillRect(QRectF(l + step * i + step * 0.1, top + 4, step * 0.8, 320 - top - 8),
                       brick);
        windowRow(p, l, r, top + 10, QSizeF(step * 0.4, (320 - top) * 0.3), n, stone,
                  QColor(110, 130, 160), false);
        windowRow(p, l, r, top + (320 - top) * 0.55, QSizeF(step * 0.4, (320 - top) * 0.32), n,
                  stone, QColor(110, 130, 160), false);
        // Dormers.
        for (int i = 0; i < n; ++i) {
            const double dx = l + step * (i + 0.5);
            const double dy = top - (top - roofTop) * 0.45;
            p.fillRect(QRectF(dx - 6, dy, 12, 14), stone);
            p.fillPath(
                polygonPath({QPointF(dx - 8, dy), QPointF(dx, dy - 10), QPointF(dx + 8, dy)}),
                slate.darker(110));
        }
    };
    wing(0, 250, 200, 140);
    wing(390, 640, 200, 140);
    wing(-10, 100, 170, 70);
    wing(540, 650, 170, 70);
    wing(250, 390, 160, 50);
    for (double cx : {60.0, 160.0, 480.0, 580.0})
        p.fillRect(QRectF(cx, 120, 10, 40), stone.darker(105));
    fillGround(p, 320, kSand, kSand.darker(112));
    // The horseshoe staircase in front of the middle pavilion.
    PainterScope scope(p);
    const QPointF c(320, 352);
    QPainterPath outer;
    outer.moveTo(c.x() - 160, c.y());
    outer.arcTo(QRectF(c.x() - 160, c.y() - 96, 320, 192), 180, -180);
    outer.closeSubpath();
    QPainterPath inner;
    inner.moveTo(c.x() - 100, c.y() + 1);
    inner.arcTo(QRectF(c.x() - 100, c.y() - 50, 200, 100), 180, -180);
    inner.closeSubpath();
    const QPainterPath stairs = outer.subtracted(inner);
    p.fillPath(stairs, verticalGradient(256, 352, stone.lighter(106), stone.darker(112)));
    p.fillPath(inner, verticalGradient(302, 352, stone.darker(112), stone.darker(125)));
    p.fillPath(archPath(QRectF(304, 318, 32, 34)), QColor(90, 70, 60));
    p.setPen(QPen(stone.darker(135), 1.2));
    for (int k = 1; k < 18; ++k) {
        const double a = kPi * k / 18.0;
        p.drawLine(QPointF(c.x() - std::cos(a) * 100, c.y() - std::sin(a) * 50),
                   QPointF(c.x() - std::cos(a) * 160, c.y() - std::sin(a) * 96));
    }
    // Balustrade along the outer edge.
    p.setPen(QPen(stone.darker(150), 2));
    for (int k = 0; k <= 24; ++k) {
        const double a = kPi * k / 24.0;
        const QPointF foot(c.x() - std::cos(a) * 160, c.y() - std::sin(a) * 96);
        p.drawLine(foot, foot - QPointF(0, 10));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(stone.darker(150), 3));
    p.drawArc(QRectF(c.x() - 160, c.y() - 106, 320, 192), 0, 180 * 16);
}

} // namespace picgen
