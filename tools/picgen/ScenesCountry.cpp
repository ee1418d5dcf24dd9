// Mountains, countryside, a war cemetery, a mushroom cave and cheeses.

#include "Draw.h"
#include "Scenes.h"

#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <tuple>

namespace picgen {

namespace {

// A cheese cylinder: top face, rind side, seen a little from above.
void cheeseWheel(QPainter& p, QPointF topCentre, double rx, double ry, double h, const QColor& rind,
                 const QColor& paste) {
    PainterScope scope(p);
    QPainterPath side;
    side.moveTo(topCentre.x() - rx, topCentre.y());
    side.lineTo(topCentre.x() - rx, topCentre.y() + h);
    side.arcTo(QRectF(topCentre.x() - rx, topCentre.y() + h - ry, 2 * rx, 2 * ry), 180, 180);
    side.lineTo(topCentre.x() + rx, topCentre.y());
    side.closeSubpath();
    p.fillPath(side, cylinderGradient(topCentre.x() - rx, topCentre.x() + rx, rind));
    p.setPen(Qt::NoPen);
    p.setBrush(paste);
    p.drawEllipse(topCentre, rx, ry);
}

// A poppy: four red petals round a black heart.
void poppy(QPainter& p, QPointF c, double r) {
    PainterScope scope(p);
    p.setPen(QPen(QColor(60, 120, 50), std::max(0.8, r * 0.2)));
    p.drawLine(c, c + QPointF(r * 0.3, r * 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    for (int k = 0; k < 4; ++k) {
        const double a = k * 3.14159265 / 2 + 0.4;
        p.drawEllipse(c + QPointF(std::cos(a) * r * 0.5, std::sin(a) * r * 0.4), r * 0.65,
                      r * 0.55);
    }
    p.setBrush(QColor(30, 20, 20));
    p.drawEllipse(c, r * 0.25, r * 0.25);
}

// A white headstone cross.
void cross(QPainter& p, QPointF foot, double h, const QColor& colour) {
    const double w = h * 0.16;
    p.fillRect(QRectF(foot.x() - w / 2, foot.y() - h, w, h), colour);
    p.fillRect(QRectF(foot.x() - h * 0.32, foot.y() - h * 0.78, h * 0.64, w), colour);
    p.fillRect(QRectF(foot.x() + w / 2, foot.y() - h, w * 0.3, h), colour.darker(115));
}

} // namespace

void sceneMontBlanc(QPainter& p) {
    fillSky(p, 320, QColor(30, 96, 196), QColor(176, 214, 244));
    cloud(p, {520, 60}, 20);
    // The range: rock below, snow above, with the rounded summit of Mont Blanc in the middle.
    const QPointF ridge[] = {{-10, 230}, {60, 190},  {110, 160}, {150, 176}, {200, 118},
                             {262, 66},  {330, 104}, {380, 92},  {430, 148}, {480, 128},
                             {540, 178}, {600, 160}, {650, 200}};
    QPainterPath range;
    range.moveTo(-10, 330);
    for (const QPointF& pt : ridge)
        range.lineTo(pt);
    range.lineTo(650, 330);
    range.closeSubpath();
    p.fillPath(range, verticalGradient(60, 330, QColor(130, 130, 146), QColor(96, 100, 116)));
    QPainterPath snow;
    snow.moveTo(ridge[0]);
    for (const QPointF& pt : ridge)
        snow.lineTo(pt);
    for (int i = static_cast<int>(std::size(ridge)) - 1; i >= 0; --i) {
        const double drop = 40 + 30 * std::sin(i * 1.7);
        snow.lineTo(ridge[i].x() + 6, std::min(260.0, ridge[i].y() + drop));
    }
    snow.closeSubpath();
    p.fillPath(snow, verticalGradient(60, 260, QColor(255, 255, 255), QColor(214, 226, 240)));
    // Shadowed faces to the right of each summit.
    {
        PainterScope scope(p);
        p.setClipPath(range);
        for (std::size_t i = 1; i + 1 < std::size(ridge); ++i) {
            if (ridge[i].y() > ridge[i - 1].y() || ridge[i].y() > ridge[i + 1].y()) continue;
            p.fillPath(polygonPath({ridge[i], ridge[i + 1], QPointF(ridge[i].x() + 20, 330)}),
                       QColor(60, 80, 140, 60));
        }
    }
    // Green slopes with fir woods, a meadow with flowers and a chalet.
    hills(p, 300, 16, 0.5, QColor(90, 150, 70));
    for (double x = -10; x < kWidth + 10; x += 18)
        firTree(p, {x, 306 + 8 * std::sin(x * 0.05)}, 44 + 10 * std::sin(x * 0.13),
                QColor(30, 90, 50));
    fillGround(p, 320, QColor(110, 176, 70), QColor(80, 150, 50));
    flowers(p, QRectF(0, 330, kWidth, 140), 140, 12);
    const QColor wood(140, 86, 48);
    p.fillRect(QRectF(440, 318, 90, 32), QColor(230, 224, 210));
    p.fillRect(QRectF(440, 290, 90, 30), wood);
    p.fillPath(polygonPath({QPointF(428, 292), QPointF(485, 262), QPointF(542, 292)}),
               wood.darker(140));
    windowRow(p, 440, 530, 296, QSizeF(12, 14), 3, QColor(250, 250, 250), QColor(120, 150, 180),
              false);
    p.fillRect(QRectF(476, 326, 16, 24), wood.darker(120));
}

void sceneCountryHouse(QPainter& p) {
    daySky(p, 280);
    sun(p, {560, 70}, 28);
    cloud(p, {150, 70}, 28);
    hills(p, 270, 22, 2.5, QColor(120, 170, 90));
    fillGround(p, 300, QColor(120, 180, 80), QColor(84, 150, 56));
    // Stone house with a tiled roof and blue shutters.
    const QColor stone(226, 200, 158);
    const QColor tile(196, 92, 60);
    p.fillRect(QRectF(150, 200, 280, 150), verticalGradient(200, 350, stone, stone.darker(110)));
    stoneCourses(p, QRectF(150, 200, 280, 150), 12, stone.darker(112));
    p.fillRect(QRectF(360, 120, 22, 50), stone.darker(110));
    p.fillPath(
        polygonPath({QPointF(130, 204), QPointF(200, 140), QPointF(380, 140), QPointF(450, 204)}),
        verticalGradient(140, 204, tile.lighter(110), tile.darker(110)));
    {
        PainterScope scope(p);
        p.setPen(QPen(tile.darker(130), 1.2));
        for (double y = 150; y < 204; y += 10) {
            const double t = (y - 140) / 64;
            p.drawLine(QPointF(200 - 70 * t, y), QPointF(380 + 70 * t, y));
        }
    }
    const QColor shutter(70, 120, 190);
    auto window = [&](double cx, double top) {
        p.fillRect(QRectF(cx - 30, top, 14, 40), shutter);
        p.fillRect(QRectF(cx + 16, top, 14, 40), shutter);
        windowPane(p, QRectF(cx - 16, top, 32, 40), QColor(250, 250, 250), QColor(120, 150, 180),
                   false);
        p.fillRect(QRectF(cx - 18, top + 40, 36, 5), stone.darker(120));
    };
    window(210, 220);
    window(290, 220);
    window(370, 220);
    window(210, 290);
    window(370, 290);
    p.fillPath(archPath(QRectF(270, 280, 40, 70)), QColor(130, 80, 50));
    bush(p, {168, 344}, 22, QColor(60, 130, 60));
    flowers(p, QRectF(150, 330, 40, 20), 10, 3);
    bush(p, {420, 344}, 20, QColor(60, 130, 60));
    flowers(p, QRectF(400, 330, 40, 20), 10, 4);
    roundTree(p, {530, 360}, 220, QColor(70, 140, 60));
    // Path to the door and a fence.
    p.fillPath(polygonPath({QPointF(276, 350), QPointF(304, 350), QPointF(360, kHeight),
                            QPointF(220, kHeight)}),
               QColor(222, 200, 150));
    {
        PainterScope scope(p);
        p.setPen(QPen(QColor(250, 250, 245), 3));
        for (double x = 10; x < 220; x += 16)
            p.drawLine(QPointF(x, 362), QPointF(x, 390));
        for (double x = 370; x < 640; x += 16)
            p.drawLine(QPointF(x, 362), QPointF(x, 390));
        p.drawLine(QPointF(0, 370), QPointF(224, 370));
        p.drawLine(QPointF(366, 370), QPointF(640, 370));
    }
    flowers(p, QRectF(0, 390, kWidth, 80), 70, 8);
}

void sceneWarCemetery(QPainter& p) {
    daySky(p, 250);
    cloud(p, {130, 70}, 30);
    cloud(p, {480, 50}, 22);
    for (double x = -10; x < kWidth + 10; x += 26)
        bush(p, {x, 244}, 20, QColor(50, 110, 55));
    fillGround(p, 250, QColor(120, 180, 80), QColor(70, 150, 50));
    // The great cross on its steps.
    p.fillRect(QRectF(280, 246, 80, 8), QColor(232, 230, 222));
    p.fillRect(QRectF(290, 238, 60, 8), QColor(240, 238, 232));
    cross(p, {320, 240}, 130, QColor(246, 245, 240));
    {
        PainterScope scope(p);
        p.setPen(roundPen(QColor(90, 80, 60), 3));
        p.drawLine(QPointF(320, 150), QPointF(320, 220));
        p.drawLine(QPointF(312, 162), QPointF(328, 162));
    }
    // Rows of white crosses, smaller towards the back.
    for (int row = 0; row < 7; ++row) {
        const double t = row / 6.0;
        const double y = 262 + 130 * t * t + 20 * t;
        const double h = 10 + 40 * t;
        const double gap = 26 + 64 * t;
        for (double x = std::fmod(row * 13.0, gap) - gap; x < kWidth + gap; x += gap) {
            if (row < 3 && std::abs(x - 320) < 50) continue;
            cross(p, {x, y}, h, QColor(250, 250, 248));
        }
    }
    Rng rng(20);
    for (int i = 0; i < 40; ++i) {
        const double y = rng.uniform(380, 470);
        poppy(p, {rng.uniform(0, kWidth), y}, 4 + (y - 380) * 0.06);
    }
    for (int i = 0; i < 14; ++i) {
        const double x = i < 7 ? rng.uniform(0, 80) : rng.uniform(560, 640);
        poppy(p, {x, rng.uniform(300, 380)}, 4);
    }
}

void sceneMushroomCave(QPainter& p) {
    p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(70, 54, 42));
    const QPointF vanish(320, 200);
    // Nested arches of rock that make the gallery run into the dark.
    for (int k = 0; k < 7; ++k) {
        const double s = 1.0 - k * 0.14;
        const QRectF r(vanish.x() - 340 * s, vanish.y() - 210 * s, 680 * s, 480 * s);
        QPainterPath arch;
        arch.moveTo(r.left(), r.bottom());
        arch.lineTo(r.left(), r.top() + r.height() * 0.4);
        arch.arcTo(QRectF(r.left(), r.top(), r.width(), r.height() * 0.8), 180, -180);
        arch.lineTo(r.right(), r.bottom());
        arch.closeSubpath();
        p.fillPath(arch, mix(QColor(156, 128, 98), QColor(36, 28, 24), k / 6.0));
    }
    // Floor.
    p.fillPath(polygonPath({QPointF(290, 232), QPointF(350, 232), QPointF(kWidth + 100, kHeight),
                            QPointF(-100, kHeight)}),
               verticalGradient(232, kHeight, QColor(60, 48, 40), QColor(120, 96, 74)));
    // Two long beds of compost covered with mushrooms.
    for (int side : {-1, 1}) {
        QPolygonF bed;
        bed << QPointF(320 + side * 20, 236) << QPointF(320 + side * 70, 236)
            << QPointF(320 + side * 420, kHeight) << QPointF(320 + side * 110, kHeight);
        QPainterPath bedPath;
        bedPath.addPolygon(bed);
        p.fillPath(bedPath,
                   verticalGradient(236, kHeight, QColor(70, 50, 36), QColor(110, 80, 54)));
        QPolygonF unit;
        unit << QPointF(0, 0) << QPointF(1, 0) << QPointF(1, 1) << QPointF(0, 1);
        QTransform t;
        QTransform::quadToQuad(unit, bed, t);
        Rng rng(side > 0 ? 41 : 42);
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 26; ++row) {
            const double v = std::pow(row / 25.0, 1.6);
            for (int col = 0; col < 7; ++col) {
                const QPointF at =
                    t.map(QPointF((col + rng.uniform(0.1, 0.9)) / 7.0, v + rng.uniform(0, 0.02)));
                const double r = 1.5 + 14 * v;
                p.setBrush(QColor(225, 215, 196));
                p.drawRect(QRectF(at.x() - r * 0.25, at.y() - r * 0.5, r * 0.5, r * 0.6));
                QRadialGradient cap(at + QPointF(-r * 0.3, -r * 0.9), r * 1.4);
                cap.setColorAt(0, QColor(255, 255, 252));
                cap.setColorAt(1, QColor(206, 196, 180));
                p.setBrush(cap);
                QPainterPath c;
                c.moveTo(at.x() - r, at.y() - r * 0.4);
                c.arcTo(QRectF(at.x() - r, at.y() - r * 1.2, 2 * r, 1.6 * r), 180, -180);
                c.closeSubpath();
                p.drawPath(c);
            }
        }
    }
    // Lamps hanging along the gallery.
    PainterScope scope(p);
    for (int k = 0; k < 5; ++k) {
        const double s = 1.0 - k * 0.2;
        const QPointF bulb(vanish.x(), vanish.y() - 150 * s + 40 * s);
        p.setPen(QPen(QColor(30, 24, 20), 1));
        p.drawLine(QPointF(bulb.x(), vanish.y() - 210 * s), bulb);
        QRadialGradient glow(bulb, 90 * s);
        glow.setColorAt(0, QColor(255, 220, 140, 150));
        glow.setColorAt(1, QColor(255, 220, 140, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(bulb, 90 * s, 90 * s);
        p.setBrush(QColor(255, 246, 200));
        p.drawEllipse(bulb, 6 * s, 7 * s);
    }
}

void sceneCheeses(QPainter& p) {
    daySky(p, 250);
    cloud(p, {480, 60}, 24);
    // The green volcano cones of Auvergne.
    const QColor grass(100, 160, 70);
    for (const auto& [cx, h, w] : {std::tuple{130.0, 110.0, 240.0}, std::tuple{360.0, 140.0, 300.0},
                                   std::tuple{560.0, 90.0, 220.0}}) {
        QPainterPath puy;
        puy.moveTo(cx - w / 2, 260);
        puy.cubicTo(cx - w * 0.25, 260 - h * 0.6, cx - w * 0.18, 260 - h, cx - w * 0.1, 260 - h);
        puy.lineTo(cx + w * 0.1, 260 - h);
        puy.cubicTo(cx + w * 0.18, 260 - h, cx + w * 0.25, 260 - h * 0.6, cx + w / 2, 260);
        puy.closeSubpath();
        p.fillPath(puy, cylinderGradient(cx - w / 2, cx + w / 2, grass.darker(105)));
    }
    fillGround(p, 256, QColor(120, 180, 80), QColor(90, 160, 60));
    // The wooden table.
    const QColor wood(170, 118, 72);
    p.fillRect(QRectF(0, 292, kWidth, kHeight - 292),
               verticalGradient(292, kHeight, wood.lighter(110), wood.darker(115)));
    {
        PainterScope scope(p);
        p.setPen(QPen(wood.darker(140), 1.5));
        for (double y = 318; y < kHeight; y += 34)
            p.drawLine(QPointF(0, y), QPointF(kWidth, y));
    }
    // The board and the cheeses on it.
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 80, 46));
        p.drawEllipse(QPointF(320, 362), 300, 62);
        p.setBrush(QColor(196, 150, 96));
        p.drawEllipse(QPointF(320, 356), 296, 58);
    }
    cheeseWheel(p, {230, 260}, 120, 30, 78, QColor(214, 170, 96), QColor(236, 196, 120));
    cheeseWheel(p, {470, 300}, 60, 16, 44, QColor(240, 236, 220), QColor(246, 244, 232));
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        Rng rng(23);
        for (int i = 0; i < 30; ++i) {
            p.setBrush(QColor(70, 110, 120, 200));
            p.drawEllipse(QPointF(rng.uniform(420, 520), rng.uniform(292, 340)), 3, 2);
        }
    }
    cheeseWheel(p, {110, 346}, 62, 16, 24, QColor(170, 150, 130), QColor(226, 206, 170));
    // A wedge with holes in front.
    {
        PainterScope scope(p);
        const QColor yellow(250, 214, 90);
        p.fillPath(polygonPath({QPointF(330, 344), QPointF(470, 360), QPointF(470, 396),
                                QPointF(330, 380)}),
                   yellow.darker(108));
        p.fillPath(polygonPath({QPointF(330, 344), QPointF(470, 360), QPointF(400, 336)}),
                   yellow.lighter(110));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 170, 60));
        for (const QPointF& h : {QPointF(360, 362), QPointF(400, 372), QPointF(440, 378),
                                 QPointF(380, 352), QPointF(420, 350)})
            p.drawEllipse(h, 6, 4.5);
    }
    // Grapes and a knife.
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k <= 3 - row; ++k) {
                const QPointF c(530 + k * 12 + row * 6, 330 + row * 11);
                QRadialGradient g(c - QPointF(2, 2), 8);
                g.setColorAt(0, QColor(170, 110, 190));
                g.setColorAt(1, QColor(90, 40, 110));
                p.setBrush(g);
                p.drawEllipse(c, 6.5, 6.5);
            }
        p.setBrush(QColor(200, 204, 210));
        p.drawPath(polygonPath(
            {QPointF(120, 392), QPointF(230, 398), QPointF(230, 404), QPointF(130, 400)}));
        p.setBrush(QColor(100, 60, 36));
        p.drawRoundedRect(QRectF(230, 396, 54, 10), 4, 4);
    }
}

} // namespace picgen
