// Paris: the basilica on its hill, museum statues and a food shop.

#include "Draw.h"
#include "Landmarks.h"
#include "Scenes.h"

#include <QRadialGradient>
#include <cmath>

namespace picgen {

namespace {

const QColor kMarble(246, 244, 238);

QLinearGradient marble(double left, double right) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, QColor(255, 255, 252));
    g.setColorAt(0.45, kMarble);
    g.setColorAt(1, QColor(186, 184, 182));
    return g;
}

void plinth(QPainter& p, double cx, double top, double width, double height) {
    const QColor stone(120, 112, 108);
    p.fillRect(QRectF(cx - width / 2, top, width, height),
               cylinderGradient(cx - width / 2, cx + width / 2, stone));
    p.fillRect(QRectF(cx - width * 0.58, top - height * 0.06, width * 1.16, height * 0.08),
               stone.lighter(115));
    p.fillRect(QRectF(cx - width * 0.58, top + height * 0.92, width * 1.16, height * 0.08),
               stone.lighter(110));
}

// The Venus de Milo: a woman without arms, draped from the hips down, feet at (cx, by), height s.
void venusDeMilo(QPainter& p, double cx, double by, double s) {
    PainterScope scope(p);
    auto P = [&](double dx, double dy) { return QPointF(cx + dx * s, by - dy * s); };
    const QLinearGradient g = marble(cx - s * 0.2, cx + s * 0.2);
    const QColor fold(172, 170, 166);
    // Upper body: shoulders, waist and hips, with the stumps of the arms.
    QPainterPath torso;
    torso.moveTo(P(-0.15, 0.8));
    torso.quadTo(P(-0.1, 0.66), P(-0.1, 0.6));
    torso.quadTo(P(-0.12, 0.54), P(-0.15, 0.5));
    torso.lineTo(P(0.16, 0.5));
    torso.quadTo(P(0.12, 0.56), P(0.1, 0.62));
    torso.quadTo(P(0.1, 0.7), P(0.15, 0.8));
    torso.quadTo(P(0.0, 0.84), P(-0.15, 0.8));
    torso.closeSubpath();
    p.fillPath(torso, g);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(P(-0.165, 0.74), s * 0.04, s * 0.075);
    p.drawEllipse(P(0.165, 0.775), s * 0.04, s * 0.04);
    // Drapery from the hips to the feet, with a rolled edge across the hips.
    QPainterPath drape;
    drape.moveTo(P(-0.17, 0.53));
    drape.quadTo(P(-0.24, 0.25), P(-0.21, 0));
    drape.lineTo(P(0.22, 0));
    drape.quadTo(P(0.24, 0.28), P(0.17, 0.47));
    drape.closeSubpath();
    p.fillPath(drape, g);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(fold, std::max(1.0, s * 0.02)));
    p.drawLine(P(-0.17, 0.53), P(0.17, 0.47));
    p.setPen(QPen(fold, std::max(0.8, s * 0.008)));
    for (int k = 0; k < 6; ++k) {
        QPainterPath line;
        line.moveTo(P(-0.13 + 0.055 * k, 0.5 - 0.01 * k));
        line.quadTo(P(-0.17 + 0.075 * k, 0.25), P(-0.15 + 0.065 * k, 0.02));
        p.drawPath(line);
    }
    // Neck and head turned a little, hair gathered in a knot.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(P(-0.03, 0.87), P(0.03, 0.8)), kMarble.darker(106));
    p.setBrush(kMarble.darker(112));
    p.drawEllipse(P(-0.05, 0.94), s * 0.035, s * 0.035);
    p.setBrush(g);
    p.drawEllipse(P(0.0, 0.92), s * 0.06, s * 0.075);
}

// The Winged Victory: a headless figure striding forward on a ship's bow, wings spread back.
void wingedVictory(QPainter& p, double cx, double by, double s) {
    PainterScope scope(p);
    auto P = [&](double dx, double dy) { return QPointF(cx + dx * s, by - dy * s); };
    const QColor stone(150, 146, 142);
    const QColor fold(172, 170, 166);
    // The bow of the ship she stands on.
    p.fillPath(polygonPath({P(-0.28, 0), P(0.24, 0), P(0.34, 0.15), P(-0.24, 0.15)}),
               verticalGradient(by - 0.15 * s, by, stone.lighter(115), stone.darker(110)));
    const QLinearGradient g = marble(cx - s * 0.25, cx + s * 0.25);
    // Two wings rising from the shoulders and sweeping back.
    for (int w = 0; w < 2; ++w) {
        const double off = w * 0.06;
        QPainterPath wing;
        wing.moveTo(P(0.0 + off, 0.74));
        wing.cubicTo(P(-0.08 + off, 0.92), P(-0.22 + off, 1.0), P(-0.36 + off, 1.0));
        wing.cubicTo(P(-0.32 + off, 0.86), P(-0.3 + off, 0.72), P(-0.22 + off, 0.56));
        wing.quadTo(P(-0.1 + off, 0.6), P(0.0 + off, 0.74));
        p.fillPath(wing, w == 0 ? QBrush(QColor(206, 204, 198)) : QBrush(g));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(fold, std::max(0.8, s * 0.008)));
        for (int f = 0; f < 4; ++f) {
            const QPointF a = P(-0.04 - 0.07 * f + off, 0.8 + 0.04 * f);
            p.drawLine(a, a + QPointF(-0.1 * s, 0.16 * s));
        }
        p.setPen(Qt::NoPen);
    }
    // Body in wind-blown drapery, striding to the right; the head is lost.
    QPainterPath body;
    body.moveTo(P(-0.16, 0.15));
    body.quadTo(P(-0.12, 0.4), P(-0.06, 0.56));
    body.lineTo(P(-0.04, 0.76));
    body.quadTo(P(0.04, 0.82), P(0.1, 0.76));
    body.lineTo(P(0.1, 0.56));
    body.quadTo(P(0.18, 0.38), P(0.26, 0.15));
    body.closeSubpath();
    p.fillPath(body, g);
    p.setBrush(g);
    p.drawEllipse(P(0.03, 0.8), s * 0.03, s * 0.025);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(fold, std::max(0.8, s * 0.008)));
    for (int k = 0; k < 5; ++k) {
        QPainterPath line;
        line.moveTo(P(-0.04 + 0.03 * k, 0.56));
        line.quadTo(P(-0.08 + 0.07 * k, 0.36), P(-0.12 + 0.08 * k, 0.17));
        p.drawPath(line);
    }
}

// A fruit crate seen from the front with its fruit heaped on top.
void fruitCrate(QPainter& p, const QRectF& r, const QColor& fruit, std::uint32_t seed) {
    PainterScope scope(p);
    p.fillRect(r,
               verticalGradient(r.top(), r.bottom(), QColor(196, 150, 96), QColor(150, 108, 66)));
    p.setPen(QPen(QColor(120, 84, 50), 1));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.setPen(Qt::NoPen);
    Rng rng(seed);
    const double rad = r.width() / 9;
    for (int row = 0; row < 2; ++row) {
        for (double x = r.left() + rad; x < r.right() - rad * 0.5; x += rad * 1.9) {
            const QPointF c(x + (row ? rad : 0) + rng.uniform(-1, 1),
                            r.top() - rad * (0.4 + 1.1 * row));
            if (c.x() > r.right() - rad * 0.6) continue;
            QRadialGradient g(c + QPointF(-rad * 0.35, -rad * 0.35), rad * 1.4);
            g.setColorAt(0, fruit.lighter(140));
            g.setColorAt(1, fruit.darker(120));
            p.setBrush(g);
            p.drawEllipse(c, rad, rad);
        }
    }
}

} // namespace

void sceneSacreCoeurAndVenus(QPainter& p) {
    daySky(p, 330);
    cloud(p, {420, 60}, 26);
    cloud(p, {90, 70}, 20);
    // Montmartre hill with the city at its foot.
    QPainterPath hill;
    hill.moveTo(-20, 340);
    hill.quadTo(220, 170, 470, 340);
    hill.closeSubpath();
    p.fillPath(hill, verticalGradient(200, 340, QColor(110, 170, 80), QColor(70, 130, 60)));
    const QColor white(246, 243, 234);
    // The basilica: bell tower, body, the tall main dome and two small ones.
    p.fillRect(QRectF(300, 118, 26, 110), cylinderGradient(300, 326, white));
    dome(p, {313, 120}, 26, 22, white, false);
    p.fillRect(QRectF(150, 176, 160, 52), verticalGradient(176, 228, white, white.darker(110)));
    p.fillRect(QRectF(196, 124, 68, 54), cylinderGradient(196, 264, white));
    windowRow(p, 196, 264, 136, QSizeF(7, 18), 5, white.darker(130), QColor(120, 120, 140), true);
    dome(p, {230, 126}, 72, 76, white, true);
    for (double dx : {168.0, 292.0}) {
        p.fillRect(QRectF(dx - 14, 158, 28, 20), cylinderGradient(dx - 14, dx + 14, white));
        dome(p, {dx, 160}, 30, 28, white, false);
    }
    for (int k = 0; k < 3; ++k)
        p.fillPath(archPath(QRectF(186 + k * 30, 196, 22, 32)), QColor(120, 110, 110));
    for (int i = 0; i < 5; ++i)
        bush(p, {130 + 60.0 * i, 250 + 18 * std::abs(i - 2.0)}, 18, QColor(60, 130, 55));
    parisRooftops(p, 352, 40, 61, QColor(200, 190, 176));
    fillGround(p, 350, QColor(206, 196, 170), QColor(176, 166, 142));
    // The Venus de Milo on her plinth.
    plinth(p, 520, 336, 120, 60);
    venusDeMilo(p, 520, 338, 230);
}

void sceneLouvreStatues(QPainter& p) {
    daySky(p, 300);
    cloud(p, {540, 60}, 24);
    // The palace wings around the courtyard.
    const QColor stone(236, 222, 190);
    p.fillRect(QRectF(0, 150, kWidth, 160), verticalGradient(150, 310, stone, stone.darker(112)));
    p.fillPath(
        polygonPath({QPointF(0, 150), QPointF(0, 126), QPointF(kWidth, 126), QPointF(kWidth, 150)}),
        QColor(96, 110, 130));
    windowRow(p, 0, kWidth, 132, QSizeF(8, 12), 24, QColor(200, 190, 170), QColor(80, 90, 110),
              true);
    windowRow(p, 0, kWidth, 170, QSizeF(12, 36), 24, stone.darker(130), QColor(110, 130, 160),
              true);
    windowRow(p, 0, kWidth, 240, QSizeF(12, 40), 24, stone.darker(130), QColor(110, 130, 160),
              true);
    // The centre pavilion with its square dome.
    p.fillRect(QRectF(260, 110, 120, 200),
               verticalGradient(110, 310, stone.lighter(104), stone.darker(110)));
    p.fillPath(
        polygonPath({QPointF(256, 112), QPointF(280, 60), QPointF(360, 60), QPointF(384, 112)}),
        QColor(90, 104, 126));
    colonnade(p, 264, 376, 150, 300, 6, stone.lighter(104));
    fillGround(p, 300, QColor(226, 214, 186), QColor(196, 184, 158));
    // The glass pyramid.
    {
        PainterScope scope(p);
        const QPainterPath pyr =
            polygonPath({QPointF(170, 338), QPointF(320, 190), QPointF(470, 338)});
        p.fillPath(pyr, verticalGradient(190, 338, QColor(200, 225, 240, 230),
                                         QColor(110, 150, 180, 230)));
        p.setClipPath(pyr);
        p.setPen(QPen(QColor(70, 80, 90), 1.0));
        for (double d = -300; d < 300; d += 15) {
            p.drawLine(QPointF(320 + d, 338), QPointF(320 + d - 160, 178));
            p.drawLine(QPointF(320 + d, 338), QPointF(320 + d + 160, 178));
        }
        p.setClipping(false);
        p.setPen(QPen(QColor(60, 70, 80), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(pyr);
        p.drawLine(QPointF(320, 190), QPointF(320, 338));
    }
    // Statues on plinths in front.
    plinth(p, 105, 300, 110, 90);
    wingedVictory(p, 105, 302, 210);
    plinth(p, 540, 300, 100, 90);
    venusDeMilo(p, 540, 302, 190);
}

void sceneMadeleineShop(QPainter& p) {
    daySky(p, 270);
    cloud(p, {560, 50}, 22);
    // La Madeleine: a temple with columns all round, at the end of the square.
    const QColor stone(214, 206, 186);
    p.fillRect(QRectF(346, 240, 260, 26), verticalGradient(240, 266, stone, stone.darker(110)));
    p.fillRect(QRectF(366, 136, 220, 106), stone.darker(122));
    colonnade(p, 360, 592, 140, 242, 8, stone);
    p.fillRect(QRectF(352, 120, 248, 22), verticalGradient(120, 142, stone, stone.darker(112)));
    pediment(p, 348, 604, 121, 44, stone);
    fillGround(p, 266, QColor(190, 186, 180), QColor(150, 146, 140));
    roundTree(p, {620, 300}, 120, QColor(70, 140, 60));
    // The house with the shop on its ground floor.
    const QColor house(238, 226, 200);
    p.fillRect(QRectF(0, 40, 340, 360), verticalGradient(40, 400, house, house.darker(110)));
    p.fillRect(QRectF(-4, 30, 348, 14), QColor(110, 120, 140));
    for (double top : {60.0, 130.0}) {
        windowRow(p, 0, 340, top, QSizeF(30, 52), 5, QColor(250, 250, 250), QColor(110, 130, 160),
                  false);
        p.setPen(QPen(QColor(40, 40, 44), 2));
        p.drawLine(QPointF(0, top + 52), QPointF(340, top + 52));
        p.setPen(Qt::NoPen);
    }
    const QColor green(28, 82, 60);
    p.fillRect(QRectF(0, 230, 340, 170), green);
    p.fillRect(QRectF(14, 250, 200, 120), QColor(244, 234, 210));
    // Shelves with bottles and jars in the window.
    for (double shelf : {290.0, 330.0, 368.0}) {
        p.fillRect(QRectF(14, shelf, 200, 3), QColor(120, 90, 60));
        for (double x = 22; x < 206; x += 14) {
            const bool bottle = static_cast<int>(x) % 28 < 14;
            const QColor c = bottle ? QColor(60, 110, 60) : QColor(200, 120, 60);
            const double h = bottle ? 30 : 18;
            p.fillRect(QRectF(x, shelf - h, 9, h), c);
            if (bottle) p.fillRect(QRectF(x + 3, shelf - h - 7, 3, 8), c);
        }
    }
    p.fillRect(QRectF(240, 250, 80, 150), QColor(120, 70, 40));
    p.fillRect(QRectF(250, 262, 60, 60), QColor(200, 180, 140));
    // Striped awning.
    for (int i = 0; i < 12; ++i) {
        const double x0 = -10 + i * 31.0;
        const QColor c = i % 2 ? QColor(250, 250, 245) : QColor(200, 30, 40);
        QPainterPath stripe = polygonPath(
            {QPointF(x0 + 6, 226), QPointF(x0 + 37, 226), QPointF(x0 + 31, 262), QPointF(x0, 262)});
        stripe.addEllipse(QPointF(x0 + 15.5, 262), 15.5, 7);
        stripe.setFillRule(Qt::WindingFill);
        p.fillPath(stripe, c);
    }
    // The market stall: crates of fruit, cheese and bread.
    p.fillRect(QRectF(20, 372, 420, 10), QColor(130, 90, 56));
    fruitCrate(p, QRectF(30, 340, 70, 34), QColor(250, 150, 30), 1);
    fruitCrate(p, QRectF(108, 340, 70, 34), QColor(210, 40, 40), 2);
    fruitCrate(p, QRectF(186, 340, 70, 34), QColor(246, 220, 60), 3);
    fruitCrate(p, QRectF(264, 340, 70, 34), QColor(120, 60, 140), 4);
    fruitCrate(p, QRectF(342, 340, 70, 34), QColor(120, 190, 70), 5);
    {
        PainterScope scope(p);
        p.setPen(Qt::NoPen);
        // Cheese wheel and a basket of long loaves.
        p.setBrush(QColor(240, 200, 110));
        p.drawRect(QRectF(430, 336, 70, 28));
        p.drawEllipse(QPointF(465, 364), 35, 9);
        p.setBrush(QColor(252, 226, 150));
        p.drawEllipse(QPointF(465, 336), 35, 9);
        p.setBrush(QColor(160, 110, 60));
        p.drawRect(QRectF(520, 340, 70, 42));
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(532 + k * 14, 338);
            p.rotate(-20 + k * 8);
            p.setBrush(QColor(214, 160, 80));
            p.drawRoundedRect(QRectF(-6, -62, 12, 70), 6, 6);
            p.restore();
        }
    }
}

} // namespace picgen
