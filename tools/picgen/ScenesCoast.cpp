// The coast: the Riviera and a Breton beach.

#include "Draw.h"
#include "Scenes.h"

#include <cmath>

namespace picgen {

namespace {

// A sailing boat: hull and two white sails.
void sailboat(QPainter& p, QPointF waterline, double h, const QColor& hull) {
    PainterScope scope(p);
    const double x = waterline.x();
    const double y = waterline.y();
    p.fillPath(polygonPath({QPointF(x - h * 0.45, y - h * 0.12), QPointF(x + h * 0.5, y - h * 0.12),
                            QPointF(x + h * 0.35, y), QPointF(x - h * 0.35, y)}),
               hull);
    p.fillPath(polygonPath({QPointF(x, y - h), QPointF(x, y - h * 0.16),
                            QPointF(x + h * 0.42, y - h * 0.16)}),
               QColor(252, 252, 250));
    p.fillPath(polygonPath({QPointF(x - 2, y - h * 0.85), QPointF(x - 2, y - h * 0.16),
                            QPointF(x - h * 0.32, y - h * 0.16)}),
               QColor(236, 236, 240));
}

// A beach parasol with coloured stripes, its pole standing at foot.
void parasol(QPainter& p, QPointF foot, double h, const QColor& a, const QColor& b) {
    PainterScope scope(p);
    p.setPen(roundPen(QColor(240, 240, 240), std::max(1.0, h * 0.04)));
    p.drawLine(foot, foot - QPointF(0, h));
    p.setPen(Qt::NoPen);
    const double r = h * 0.62;
    const QPointF top = foot - QPointF(0, h);
    for (int k = 0; k < 6; ++k) {
        const double x0 = top.x() - r + k * r / 3;
        const double x1 = x0 + r / 3;
        QPainterPath seg;
        seg.moveTo(top.x(), top.y() - h * 0.1);
        seg.lineTo(x0, top.y() + h * 0.2);
        seg.quadTo((x0 + x1) / 2, top.y() + h * 0.26, x1, top.y() + h * 0.2);
        seg.closeSubpath();
        p.fillPath(seg, k % 2 ? b : a);
    }
}

// A sun lounger seen from the side.
void lounger(QPainter& p, QPointF foot, double w, const QColor& cushion) {
    PainterScope scope(p);
    p.setPen(roundPen(QColor(240, 240, 240), std::max(1.0, w * 0.04)));
    p.drawLine(foot, foot - QPointF(0, w * 0.18));
    p.drawLine(foot + QPointF(w, 0), foot + QPointF(w, -w * 0.18));
    p.setPen(roundPen(cushion, std::max(1.5, w * 0.1)));
    p.drawLine(foot + QPointF(0, -w * 0.2), foot + QPointF(w * 0.7, -w * 0.2));
    p.drawLine(foot + QPointF(w * 0.7, -w * 0.2), foot + QPointF(w, -w * 0.45));
}

// A row of houses along a quay, each in its own warm colour.
void harbourHouses(QPainter& p, double baseY, std::uint32_t seed) {
    static const QColor walls[] = {QColor(240, 196, 110), QColor(236, 150, 120),
                                   QColor(250, 222, 150), QColor(226, 120, 90),
                                   QColor(244, 232, 200), QColor(230, 176, 140)};
    static const QColor shutters[] = {QColor(60, 130, 110), QColor(70, 110, 170),
                                      QColor(170, 70, 60)};
    PainterScope scope(p);
    Rng rng(seed);
    for (double x = -10; x < kWidth;) {
        const double w = rng.uniform(44, 70);
        const double h = rng.uniform(80, 140);
        const QColor wall = walls[rng.below(6)];
        p.fillRect(QRectF(x, baseY - h, w, h),
                   verticalGradient(baseY - h, baseY, wall, wall.darker(110)));
        p.fillPath(polygonPath({QPointF(x - 2, baseY - h), QPointF(x + w / 2, baseY - h - 12),
                                QPointF(x + w + 2, baseY - h)}),
                   QColor(196, 96, 64));
        const QColor sh = shutters[rng.below(3)];
        for (double wy = baseY - h + 14; wy < baseY - 26; wy += 28)
            for (double wx = x + 8; wx < x + w - 14; wx += 20) {
                p.fillRect(QRectF(wx, wy, 12, 16), QColor(60, 50, 50));
                p.fillRect(QRectF(wx - 3, wy, 3, 16), sh);
                p.fillRect(QRectF(wx + 12, wy, 3, 16), sh);
            }
        x += w;
    }
}

} // namespace

void sceneBayOfAngels(QPainter& p) {
    daySky(p, 200);
    cloud(p, {480, 60}, 26);
    // Blue mountains far away, the sea, and the curving shore with the town.
    p.fillPath(
        polygonPath({QPointF(-10, 200), QPointF(80, 150), QPointF(160, 170), QPointF(260, 130),
                     QPointF(360, 170), QPointF(460, 150), QPointF(560, 180), QPointF(650, 170),
                     QPointF(650, 204), QPointF(-10, 204)}),
        verticalGradient(130, 204, QColor(150, 170, 200), QColor(120, 140, 180)));
    sea(p, 200, kHeight, QColor(60, 130, 200), QColor(40, 170, 190), 2);
    QPainterPath land;
    land.moveTo(650, 198);
    land.cubicTo(420, 206, 220, 240, 60, 340);
    land.lineTo(-10, 400);
    land.lineTo(-10, 196);
    land.closeSubpath();
    p.fillPath(land, verticalGradient(190, 400, QColor(120, 160, 80), QColor(80, 130, 60)));
    // Beach and promenade along the shore.
    {
        PainterScope scope(p);
        p.setBrush(Qt::NoBrush);
        QPainterPath shore;
        shore.moveTo(650, 200);
        shore.cubicTo(420, 208, 220, 242, 60, 342);
        shore.lineTo(-10, 402);
        p.setPen(QPen(QColor(240, 222, 170), 10));
        p.drawPath(shore);
        p.setPen(QPen(QColor(255, 255, 255, 200), 2));
        p.drawPath(shore.translated(3, 7));
    }
    // Houses along the shore, smaller towards the far end.
    Rng rng(2);
    for (int i = 0; i < 22; ++i) {
        const double t = i / 21.0;
        const double x = 610 - 600 * t;
        const double y = 196 + 150 * t * t + 2;
        const double s = 8 + 42 * t;
        PainterScope scope(p);
        const QColor wall = mix(QColor(250, 240, 220), QColor(240, 200, 150), rng.uniform(0, 1));
        p.fillRect(QRectF(x - s * 0.6, y - s * 1.3, s * 1.2, s * 1.3), wall);
        p.fillRect(QRectF(x - s * 0.65, y - s * 1.4, s * 1.3, s * 0.15), QColor(200, 100, 70));
        for (double wy = y - s * 1.15; wy < y - s * 0.2; wy += s * 0.32)
            p.fillRect(QRectF(x - s * 0.4, wy, s * 0.8, s * 0.1), wall.darker(160));
    }
    sailboat(p, {420, 300}, 70, QColor(250, 250, 250));
    sailboat(p, {560, 250}, 36, QColor(200, 60, 60));
    palmTree(p, {80, 420}, 300, 0.12);
    palmTree(p, {170, 420}, 220, -0.05);
}

void sceneMorgatBeach(QPainter& p) {
    daySky(p, 210);
    cloud(p, {140, 60}, 26);
    gull(p, {300, 80}, 10);
    gull(p, {340, 100}, 7);
    sea(p, 210, kHeight, QColor(40, 110, 170), QColor(60, 190, 190), 18);
    // A far headland on the left and the high cliffs on the right, with a sea cave.
    p.fillPath(
        polygonPath({QPointF(-10, 212), QPointF(40, 196), QPointF(140, 200), QPointF(200, 212)}),
        QColor(110, 130, 120));
    const QPainterPath cliff =
        polygonPath({QPointF(340, 212), QPointF(400, 176), QPointF(470, 150), QPointF(560, 140),
                     QPointF(650, 150), QPointF(650, 360), QPointF(560, 340), QPointF(480, 320),
                     QPointF(400, 300), QPointF(360, 280)});
    {
        PainterScope scope(p);
        p.fillPath(cliff, verticalGradient(140, 360, QColor(170, 130, 110), QColor(110, 84, 74)));
        p.setClipPath(cliff);
        p.fillRect(QRectF(300, 130, 360, 40),
                   verticalGradient(130, 170, QColor(120, 160, 80), QColor(140, 120, 110)));
        p.setPen(QPen(QColor(90, 66, 58), 1.5));
        for (double x = 350; x < 650; x += 26)
            p.drawLine(QPointF(x, 180), QPointF(x + 14, 340));
        p.setClipping(false);
        p.fillPath(archPath(QRectF(490, 264, 56, 66)), QColor(40, 30, 30));
    }
    sailboat(p, {220, 262}, 60, QColor(30, 60, 120));
    // The sandy beach curving round the bay, with foam at the water's edge.
    QPainterPath sand;
    sand.moveTo(-10, 320);
    sand.cubicTo(160, 330, 330, 360, 650, 420);
    sand.lineTo(650, kHeight);
    sand.lineTo(-10, kHeight);
    sand.closeSubpath();
    p.fillPath(sand, verticalGradient(320, kHeight, QColor(240, 220, 170), QColor(226, 200, 146)));
    {
        PainterScope scope(p);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(QColor(255, 255, 255, 220), 3));
        QPainterPath foam;
        foam.moveTo(-10, 318);
        foam.cubicTo(160, 328, 330, 358, 650, 418);
        p.drawPath(foam);
        p.setPen(roundPen(QColor(255, 255, 255, 140), 2));
        p.drawPath(foam.translated(0, -8));
    }
    parasol(p, {130, 400}, 70, QColor(220, 40, 50), QColor(250, 250, 250));
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 120, 200));
        p.drawRect(QRectF(150, 392, 70, 18));
        p.setBrush(QColor(120, 110, 100));
        p.drawEllipse(QPointF(420, 380), 24, 10);
        p.drawEllipse(QPointF(450, 386), 14, 7);
    }
}

void sceneSaintTropez(QPainter& p) {
    fillSky(p, 300, QColor(70, 150, 220), QColor(220, 236, 246));
    cloud(p, {560, 50}, 20);
    hills(p, 190, 20, 1.5, QColor(100, 150, 80));
    harbourHouses(p, 296, 28);
    // The bell tower with its wrought-iron cage.
    const QColor ochre(236, 168, 80);
    p.fillRect(QRectF(390, 100, 40, 200), cylinderGradient(390, 430, ochre));
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 240));
        p.drawEllipse(QPointF(410, 130), 11, 11);
        p.setPen(QPen(QColor(40, 40, 40), 1.5));
        p.drawLine(QPointF(410, 130), QPointF(410, 123));
        p.drawLine(QPointF(410, 130), QPointF(415, 132));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 40, 40), 2));
        QPainterPath cage;
        cage.moveTo(392, 100);
        cage.cubicTo(392, 70, 428, 70, 428, 100);
        cage.moveTo(410, 100);
        cage.lineTo(410, 58);
        cage.moveTo(401, 100);
        cage.cubicTo(400, 80, 420, 80, 419, 100);
        p.drawPath(cage);
        p.fillRect(QRectF(388, 96, 44, 6), ochre.darker(130));
    }
    p.fillRect(QRectF(0, 294, kWidth, 14), QColor(210, 196, 170));
    sea(p, 308, kHeight, QColor(50, 130, 190), QColor(30, 100, 160), 28);
    {
        // Coloured reflections of the houses.
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        Rng rng(281);
        for (double x = 0; x < kWidth; x += 18) {
            p.setBrush(QColor(240, 180, 110, 30 + rng.below(40)));
            p.drawRect(QRectF(x, 312, 8, rng.uniform(20, 60)));
        }
    }
    // Fishing boats at their moorings.
    const QColor hulls[] = {QColor(220, 60, 50), QColor(40, 90, 170), QColor(250, 250, 250),
                            QColor(40, 150, 120)};
    for (int k = 0; k < 4; ++k) {
        const double x = 250 + k * 100;
        const double y = 350 + (k % 2) * 16;
        PainterScope scope(p);
        p.fillPath(polygonPath({QPointF(x - 40, y - 14), QPointF(x + 44, y - 14),
                                QPointF(x + 30, y), QPointF(x - 30, y)}),
                   hulls[k]);
        p.setPen(QPen(QColor(80, 60, 40), 2));
        p.drawLine(QPointF(x, y - 14), QPointF(x, y - 70));
    }
    // The painter's easel with the picture in progress.
    PainterScope scope(p);
    p.setPen(roundPen(QColor(140, 96, 56), 6));
    p.drawLine(QPointF(100, 120), QPointF(40, 440));
    p.drawLine(QPointF(100, 120), QPointF(170, 440));
    p.drawLine(QPointF(100, 140), QPointF(110, 440));
    p.setPen(Qt::NoPen);
    const QRectF canvas(20, 150, 170, 130);
    p.fillRect(canvas.adjusted(-4, -4, 4, 4), QColor(120, 80, 50));
    p.fillRect(canvas, QColor(250, 248, 240));
    p.fillRect(QRectF(canvas.left(), canvas.top(), canvas.width(), 50), QColor(120, 180, 230));
    for (int k = 0; k < 6; ++k)
        p.fillRect(QRectF(canvas.left() + 6 + k * 27, canvas.top() + 40 - (k % 3) * 8, 24,
                          40 + (k % 3) * 8),
                   mix(QColor(240, 180, 90), QColor(230, 120, 100), (k % 3) / 2.0));
    p.fillRect(QRectF(canvas.left(), canvas.top() + 80, canvas.width(), 50), QColor(50, 120, 190));
    p.fillRect(QRectF(10, 280, 190, 8), QColor(120, 80, 50));
}

void sceneNiceBeaches(QPainter& p) {
    daySky(p, 190);
    cloud(p, {260, 60}, 24);
    sea(p, 190, 330, QColor(40, 110, 190), QColor(50, 180, 200), 29);
    sailboat(p, {420, 230}, 40, QColor(250, 250, 250));
    // The shore with the promenade, a hotel with a pink dome and palms.
    p.fillPath(polygonPath({QPointF(-10, 150), QPointF(120, 150), QPointF(250, 200),
                            QPointF(200, 260), QPointF(-10, 330)}),
               QColor(236, 232, 222));
    {
        PainterScope scope(p);
        const QColor wall(250, 246, 236);
        p.fillRect(QRectF(0, 110, 130, 120), verticalGradient(110, 230, wall, wall.darker(110)));
        windowRow(p, 0, 130, 124, QSizeF(8, 12), 7, QColor(150, 150, 150), QColor(100, 120, 150),
                  false);
        windowRow(p, 0, 130, 150, QSizeF(8, 12), 7, QColor(150, 150, 150), QColor(100, 120, 150),
                  false);
        windowRow(p, 0, 130, 176, QSizeF(8, 12), 7, QColor(150, 150, 150), QColor(100, 120, 150),
                  false);
        p.fillRect(QRectF(116, 100, 40, 130), cylinderGradient(116, 156, wall));
        dome(p, {136, 102}, 46, 40, QColor(240, 140, 150), true);
    }
    palmTree(p, {175, 240}, 110, 0.05);
    palmTree(p, {230, 218}, 90, -0.05);
    // Pebble beach with rows of parasols and loungers.
    QPainterPath beach;
    beach.moveTo(-10, 330);
    beach.lineTo(240, 240);
    beach.cubicTo(400, 300, 560, 312, 650, 316);
    beach.lineTo(650, kHeight);
    beach.lineTo(-10, kHeight);
    beach.closeSubpath();
    p.fillPath(beach, verticalGradient(240, kHeight, QColor(222, 214, 200), QColor(196, 186, 170)));
    {
        PainterScope scope(p);
        p.setClipPath(beach);
        pebbles(p, QRectF(0, 240, kWidth, 240), 500, QColor(206, 198, 184), 290);
    }
    const QColor blue(40, 100, 190);
    const QColor orange(240, 130, 40);
    for (int row = 0; row < 3; ++row) {
        const double t = row / 2.0;
        const double y = 310 + 62 * t;
        const double s = 40 + 40 * t;
        for (int k = 0; k < 5; ++k) {
            const double x = 270 + row * -40 + k * (80 + 30 * t);
            if (x > kWidth + 40) continue;
            lounger(p, {x + s * 0.2, y + s * 0.2}, s * 0.9, row == 1 ? orange : blue);
            parasol(p, {x, y + s * 0.1}, s, row == 1 ? orange : blue, QColor(250, 250, 250));
        }
    }
}

} // namespace picgen
