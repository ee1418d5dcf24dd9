// Castles, walled towns and the abbey on its rock.

#include "Draw.h"
#include "Scenes.h"

#include <cmath>

namespace picgen {

namespace {

const QColor kSlate(84, 94, 120);
const QColor kGranite(150, 132, 124);

// A curtain wall with battlements.
void curtainWall(QPainter& p, double left, double right, double top, double bottom,
                 const QColor& stone) {
    p.fillRect(QRectF(left, top, right - left, bottom - top),
               verticalGradient(top, bottom, stone.lighter(104), stone.darker(115)));
    stoneCourses(p, QRectF(left, top, right - left, bottom - top), 9, stone.darker(118));
    crenellations(p, left, right, top, 7, 7, stone);
}

// A small house with a steep roof.
void house(QPainter& p, double x, double bottom, double w, double h, const QColor& wall,
           const QColor& roof) {
    p.fillRect(QRectF(x, bottom - h, w, h), wall);
    p.fillPath(polygonPath({QPointF(x - 2, bottom - h), QPointF(x + w / 2, bottom - h - w * 0.6),
                            QPointF(x + w + 2, bottom - h)}),
               roof);
    p.fillRect(QRectF(x + w * 0.35, bottom - h * 0.7, w * 0.3, h * 0.3), wall.darker(200));
}

// Rocky headland or cliff: a jagged outline filled with stone and topped with grass.
void rock(QPainter& p, const QPainterPath& outline, const QColor& stone, double grassTop,
          double grassDepth) {
    PainterScope scope(p);
    p.fillPath(outline,
               verticalGradient(grassTop, grassTop + 200, stone.lighter(110), stone.darker(130)));
    p.setClipPath(outline);
    p.fillRect(QRectF(0, grassTop - 80, kWidth, grassDepth + 80),
               verticalGradient(grassTop - 80, grassTop + grassDepth, QColor(110, 160, 70),
                                QColor(80, 130, 60)));
    p.setPen(QPen(stone.darker(140), 1.2));
    Rng rng(7);
    for (int i = 0; i < 40; ++i) {
        const QPointF a(rng.uniform(0, kWidth), rng.uniform(grassTop + grassDepth, kHeight));
        p.drawLine(a, a + QPointF(rng.uniform(-14, 14), rng.uniform(8, 26)));
    }
}

} // namespace

void sceneMontSaintMichel(QPainter& p) {
    daySky(p, 300);
    cloud(p, {110, 70}, 28);
    cloud(p, {540, 110}, 22);
    // Sea far out, then wet sand with shining channels.
    p.fillRect(QRectF(0, 296, kWidth, 12), QColor(110, 160, 200));
    fillGround(p, 306, QColor(214, 200, 170), QColor(190, 170, 130));
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 205, 225, 200));
        Rng rng(3);
        for (int i = 0; i < 14; ++i) {
            const double y = rng.uniform(318, 470);
            const double w = 40 + (y - 300) * 0.9;
            p.drawEllipse(QPointF(rng.uniform(0, kWidth), y), w, 2 + (y - 300) * 0.03);
        }
    }
    const QColor stone(204, 192, 168);
    // The rock with trees on its shady side.
    const QPainterPath mount =
        polygonPath({QPointF(150, 336), QPointF(190, 302), QPointF(228, 264), QPointF(258, 228),
                     QPointF(286, 204), QPointF(352, 198), QPointF(384, 216), QPointF(420, 252),
                     QPointF(462, 298), QPointF(500, 336)});
    p.fillPath(mount, verticalGradient(198, 336, QColor(150, 140, 120), QColor(110, 104, 92)));
    bush(p, {440, 292}, 26, QColor(60, 110, 60));
    bush(p, {414, 264}, 18, QColor(60, 110, 60));
    // The abbey: the tall halls on the north side, the buildings round the church, the church
    // on the summit and its spire with the golden angel.
    p.fillRect(QRectF(340, 160, 70, 96), verticalGradient(160, 256, stone, stone.darker(115)));
    windowRow(p, 340, 410, 176, QSizeF(6, 28), 6, stone.darker(130), QColor(70, 70, 80), true);
    {
        PainterScope scope(p);
        p.setPen(QPen(stone.darker(125), 2));
        for (double x = 340; x <= 410; x += 14)
            p.drawLine(QPointF(x, 160), QPointF(x, 256));
    }
    p.fillRect(QRectF(246, 176, 60, 60), verticalGradient(176, 236, stone, stone.darker(112)));
    p.fillPath(polygonPath({QPointF(242, 178), QPointF(276, 160), QPointF(310, 178)}), kSlate);
    p.fillRect(QRectF(268, 126, 104, 50), verticalGradient(126, 176, stone.lighter(106), stone));
    windowRow(p, 268, 372, 140, QSizeF(6, 20), 7, stone.darker(130), QColor(70, 70, 80), true);
    p.fillPath(
        polygonPath({QPointF(264, 128), QPointF(284, 106), QPointF(356, 106), QPointF(376, 128)}),
        kSlate);
    p.fillRect(QRectF(306, 86, 28, 26), cylinderGradient(306, 334, stone));
    p.fillPath(polygonPath({QPointF(302, 88), QPointF(320, 22), QPointF(338, 88)}),
               cylinderGradient(302, 338, kSlate));
    {
        PainterScope scope(p);
        p.setPen(roundPen(QColor(230, 186, 60), 3));
        p.drawLine(QPointF(320, 24), QPointF(320, 10));
        p.drawLine(QPointF(314, 16), QPointF(326, 14));
    }
    // The village climbing the slope.
    const QColor walls(222, 212, 192);
    house(p, 200, 304, 22, 18, walls, kSlate);
    house(p, 226, 290, 20, 20, walls, kSlate);
    house(p, 250, 268, 18, 18, walls, kSlate);
    house(p, 226, 262, 16, 14, walls, kSlate);
    house(p, 272, 250, 18, 18, walls, kSlate);
    house(p, 252, 304, 24, 18, walls, kSlate);
    house(p, 282, 286, 20, 18, walls, kSlate);
    house(p, 308, 270, 18, 16, walls, kSlate);
    // Ramparts at the foot of the rock.
    curtainWall(p, 170, 480, 312, 340, stone);
    for (double x : {190.0, 290.0, 400.0, 470.0})
        roundTower(p, x, 342, 22, 40, 0, stone, kSlate);
    // The causeway.
    p.fillPath(
        polygonPath({QPointF(380, 340), QPointF(400, 340), QPointF(640, 470), QPointF(580, 480)}),
        QColor(170, 166, 160));
}

void sceneChateauDordogne(QPainter& p) {
    daySky(p, 240);
    cloud(p, {90, 60}, 26);
    cloud(p, {560, 90}, 20);
    hills(p, 238, 20, 1.0, QColor(90, 150, 80));
    // The limestone cliff above the river: a pale rock face with overhangs and bushes.
    const QColor lime(226, 200, 150);
    const QPainterPath cliff =
        polygonPath({QPointF(170, 344), QPointF(182, 300), QPointF(176, 272), QPointF(200, 246),
                     QPointF(236, 236), QPointF(460, 236), QPointF(500, 244), QPointF(512, 270),
                     QPointF(504, 296), QPointF(522, 344)});
    p.fillPath(cliff, cylinderGradient(170, 522, lime));
    {
        PainterScope scope(p);
        p.setClipPath(cliff);
        p.setPen(Qt::NoPen);
        p.setBrush(lime.darker(135));
        p.drawRect(QRectF(170, 268, 360, 5));
        p.drawRect(QRectF(170, 306, 360, 4));
        p.setBrush(lime.darker(190));
        p.drawEllipse(QPointF(290, 290), 26, 10);
        p.drawEllipse(QPointF(420, 322), 16, 7);
        p.setPen(QPen(lime.darker(125), 1.5));
        Rng rng(22);
        for (int i = 0; i < 24; ++i) {
            const double x = rng.uniform(180, 510);
            const double y = rng.uniform(246, 330);
            p.drawLine(QPointF(x, y), QPointF(x + rng.uniform(-3, 3), y + rng.uniform(10, 24)));
        }
    }
    bush(p, {200, 300}, 14, QColor(70, 130, 55));
    bush(p, {480, 280}, 12, QColor(70, 130, 55));
    bush(p, {350, 336}, 16, QColor(70, 130, 55));
    // The château: main house with a steep roof, a round tower and a square tower.
    const QColor stone(236, 222, 190);
    const QColor roof(118, 96, 84);
    p.fillRect(QRectF(260, 168, 180, 74), verticalGradient(168, 242, stone, stone.darker(110)));
    p.fillPath(
        polygonPath({QPointF(254, 170), QPointF(286, 112), QPointF(414, 112), QPointF(446, 170)}),
        verticalGradient(112, 170, roof.lighter(115), roof));
    windowRow(p, 280, 420, 182, QSizeF(14, 22), 4, stone.darker(130), QColor(90, 110, 140), false);
    windowRow(p, 280, 420, 214, QSizeF(14, 22), 4, stone.darker(130), QColor(90, 110, 140), false);
    for (double dx : {320.0, 380.0}) {
        p.fillRect(QRectF(dx - 8, 138, 16, 18), stone);
        p.fillPath(polygonPath({QPointF(dx - 10, 140), QPointF(dx, 128), QPointF(dx + 10, 140)}),
                   roof);
    }
    roundTower(p, 252, 244, 48, 100, 70, stone, roof);
    p.fillRect(QRectF(436, 150, 40, 92), cylinderGradient(436, 476, stone));
    p.fillPath(polygonPath({QPointF(432, 152), QPointF(456, 96), QPointF(480, 152)}),
               cylinderGradient(432, 480, roof));
    // Woods around the cliff and the river below.
    for (int i = 0; i < 6; ++i) {
        roundTree(p, {30 + 30.0 * i, 340 - 4.0 * i}, 90 - 6 * i, QColor(60, 120, 50));
        roundTree(p, {610 - 26.0 * i, 340 - 4.0 * i}, 90 - 6 * i, QColor(70, 130, 55));
    }
    sea(p, 338, kHeight, QColor(90, 150, 130), QColor(50, 110, 100), 22);
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        // Shimmering reflection of the pale cliff.
        Rng rng(221);
        for (double y = 346; y < 400; y += 7) {
            p.setBrush(QColor(236, 214, 160, 90 - static_cast<int>(y - 346)));
            p.drawRect(QRectF(200 + rng.uniform(-8, 8), y, 300 + rng.uniform(-20, 20), 3));
        }
        p.setBrush(QColor(210, 40, 40));
        p.drawPath(polygonPath(
            {QPointF(120, 384), QPointF(190, 384), QPointF(200, 378), QPointF(110, 378)}));
    }
}

void sceneCarcassonne(QPainter& p) {
    daySky(p, 260);
    cloud(p, {520, 50}, 26);
    cloud(p, {80, 80}, 20);
    hills(p, 300, 18, 2.0, QColor(120, 170, 80));
    const QColor stone(214, 196, 160);
    // Inner wall with its towers, higher up.
    curtainWall(p, 60, 580, 168, 240, stone.darker(104));
    for (double x : {70.0, 160.0, 250.0, 400.0, 490.0, 575.0})
        roundTower(p, x, 240, 38, 90, 56, stone, kSlate);
    // The church roof behind the walls.
    p.fillRect(QRectF(300, 140, 60, 30), stone);
    p.fillPath(polygonPath({QPointF(296, 142), QPointF(330, 116), QPointF(364, 142)}),
               QColor(170, 90, 70));
    // Outer wall, lower and in front.
    curtainWall(p, 0, kWidth, 238, 300, stone);
    for (double x : {30.0, 130.0, 470.0, 580.0})
        roundTower(p, x, 300, 40, 80, 0, stone, kSlate);
    // The gate between two towers.
    roundTower(p, 280, 306, 48, 110, 64, stone, kSlate);
    roundTower(p, 360, 306, 48, 110, 64, stone, kSlate);
    p.fillRect(QRectF(296, 230, 48, 76), stone.darker(106));
    p.fillPath(archPath(QRectF(304, 258, 32, 48)), QColor(70, 56, 50));
    fillGround(p, 306, QColor(130, 178, 86), QColor(90, 150, 66));
    p.fillPath(polygonPath({QPointF(304, 306), QPointF(336, 306), QPointF(420, kHeight),
                            QPointF(260, kHeight)}),
               QColor(206, 190, 150));
    for (double x : {80.0, 140.0, 500.0, 560.0})
        cypress(p, {x, 360 + std::abs(x - 320) * 0.05}, 90, QColor(40, 90, 50));
}

void sceneFortLaLatte(QPainter& p) {
    daySky(p, 250);
    cloud(p, {100, 60}, 26);
    cloud(p, {470, 110}, 18);
    gull(p, {520, 70}, 12);
    gull(p, {560, 90}, 9);
    gull(p, {120, 150}, 8);
    sea(p, 250, kHeight, QColor(40, 110, 170), QColor(20, 70, 130), 30);
    // The headland of pink granite, topped with grass and gorse.
    QPainterPath cape;
    cape.moveTo(-10, 300);
    cape.lineTo(60, 262);
    cape.lineTo(150, 250);
    cape.lineTo(470, 250);
    cape.lineTo(520, 280);
    cape.lineTo(540, 330);
    cape.lineTo(500, 350);
    cape.lineTo(430, 362);
    cape.lineTo(300, 372);
    cape.lineTo(150, 376);
    cape.lineTo(-10, 380);
    cape.closeSubpath();
    rock(p, cape, kGranite, 252, 14);
    flowers(p, QRectF(20, 256, 140, 12), 20, 9);
    // Foam where the waves break on the rocks.
    {
        PainterScope scope(p);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(QColor(255, 255, 255, 200), 3));
        for (double x = 10; x < 520; x += 36) {
            QPainterPath foam;
            const double y = x < 430 ? 382 - x * 0.02 : 362 - (x - 430) * 0.4;
            foam.moveTo(x, y);
            foam.quadTo(x + 12, y + 6, x + 26, y);
            p.drawPath(foam);
        }
    }
    const QColor stone(156, 140, 130);
    // Curtain wall with a gatehouse.
    curtainWall(p, 160, 440, 196, 254, stone);
    roundTower(p, 176, 256, 40, 80, 50, stone, kSlate);
    roundTower(p, 240, 256, 34, 70, 0, stone, kSlate);
    p.fillPath(archPath(QRectF(256, 220, 26, 36)), QColor(60, 50, 46));
    // The keep: a tall round tower with a turret on top.
    roundTower(p, 380, 256, 84, 170, 0, stone, kSlate);
    roundTower(p, 400, 82, 18, 30, 26, stone, kSlate);
    roundTower(p, 455, 256, 30, 90, 44, stone, kSlate);
}

} // namespace picgen
