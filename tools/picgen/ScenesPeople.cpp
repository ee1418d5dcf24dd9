// People: a Frenchman with his beret, the three musketeers, Napoléon and Cyrano.

#include "Draw.h"
#include "Landmarks.h"
#include "Scenes.h"

#include <QPainterPathStroker>
#include <QRadialGradient>
#include <cmath>

namespace picgen {

namespace {

const QColor kSkin(242, 204, 170);
const QColor kHairBrown(80, 52, 34);

QRadialGradient skinShade(QPointF centre, double radius) {
    QRadialGradient g(centre + QPointF(-radius * 0.3, -radius * 0.35), radius * 1.5);
    g.setColorAt(0, kSkin.lighter(108));
    g.setColorAt(1, kSkin.darker(118));
    return g;
}

// Eyes, brows, nose and mouth of a face seen from the front.
void faceFront(QPainter& p, QPointF c, double r, bool smile) {
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    for (int side : {-1, 1})
        p.drawEllipse(c + QPointF(side * r * 0.36, -r * 0.08), r * 0.13, r * 0.1);
    p.setBrush(QColor(50, 60, 90));
    for (int side : {-1, 1})
        p.drawEllipse(c + QPointF(side * r * 0.34, -r * 0.07), r * 0.07, r * 0.08);
    p.setBrush(QColor(240, 150, 140, 90));
    for (int side : {-1, 1})
        p.drawEllipse(c + QPointF(side * r * 0.52, r * 0.3), r * 0.16, r * 0.1);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(kHairBrown, r * 0.06));
    for (int side : {-1, 1})
        p.drawLine(c + QPointF(side * r * 0.5, -r * 0.3), c + QPointF(side * r * 0.2, -r * 0.28));
    p.setPen(roundPen(kSkin.darker(135), r * 0.045));
    QPainterPath nose;
    nose.moveTo(c + QPointF(0, -r * 0.05));
    nose.quadTo(c + QPointF(r * 0.12, r * 0.28), c + QPointF(-r * 0.04, r * 0.3));
    p.drawPath(nose);
    p.setPen(roundPen(QColor(170, 70, 70), r * 0.05));
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(-r * 0.2, r * 0.55));
    mouth.quadTo(c + QPointF(0, r * (smile ? 0.68 : 0.56)), c + QPointF(r * 0.2, r * 0.55));
    p.drawPath(mouth);
}

// A moustache with curled ends under the nose at c, half width w.
void moustache(QPainter& p, QPointF c, double w, const QColor& colour) {
    QPainterPath m;
    for (int side : {-1, 1}) {
        m.moveTo(c);
        m.cubicTo(c + QPointF(side * w * 0.4, -w * 0.2), c + QPointF(side * w * 0.9, w * 0.3),
                  c + QPointF(side * w, -w * 0.15));
        m.cubicTo(c + QPointF(side * w * 0.95, w * 0.45), c + QPointF(side * w * 0.4, w * 0.35),
                  c + QPointF(0, w * 0.2));
        m.closeSubpath();
    }
    m.setFillRule(Qt::WindingFill);
    p.fillPath(m, colour);
}

// A wide felt hat with a large curling feather. `at` is the middle of the brim.
void plumedHat(QPainter& p, QPointF at, double w, double tilt, const QColor& felt,
               const QColor& plume, bool plumeToLeft) {
    PainterScope scope(p);
    p.translate(at);
    p.rotate(tilt);
    if (plumeToLeft) p.scale(-1, 1);
    p.setPen(Qt::NoPen);
    QPainterPath crown;
    crown.moveTo(-w * 0.26, 0);
    crown.lineTo(-w * 0.22, -w * 0.3);
    crown.quadTo(0, -w * 0.42, w * 0.22, -w * 0.3);
    crown.lineTo(w * 0.26, 0);
    crown.closeSubpath();
    p.fillPath(crown, cylinderGradient(-w * 0.26, w * 0.26, felt));
    p.fillRect(QRectF(-w * 0.25, -w * 0.08, w * 0.5, w * 0.06), felt.lighter(160));
    p.setBrush(felt.darker(110));
    p.drawEllipse(QPointF(0, 0), w * 0.52, w * 0.12);
    // Feather from the band sweeping up and over to the back.
    QPainterPath feather;
    feather.moveTo(w * 0.2, -w * 0.08);
    feather.cubicTo(w * 0.1, -w * 0.6, -w * 0.5, -w * 0.6, -w * 0.7, -w * 0.1);
    feather.cubicTo(-w * 0.55, -w * 0.38, -w * 0.05, -w * 0.42, w * 0.2, -w * 0.08);
    p.fillPath(feather, plume);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(plume.darker(130), std::max(0.8, w * 0.015)));
    QPainterPath rib;
    rib.moveTo(w * 0.2, -w * 0.08);
    rib.cubicTo(w * 0.05, -w * 0.5, -w * 0.45, -w * 0.52, -w * 0.68, -w * 0.12);
    p.drawPath(rib);
}

// A rapier from the hand towards the point, with a golden cup guard.
void rapier(QPainter& p, QPointF hand, QPointF point) {
    PainterScope scope(p);
    p.setPen(roundPen(QColor(225, 228, 235), 3));
    p.drawLine(hand, point);
    p.setPen(roundPen(QColor(150, 154, 162), 1));
    p.drawLine(hand, point);
    const QPointF d = (point - hand) / std::hypot(point.x() - hand.x(), point.y() - hand.y());
    const QPointF n(-d.y(), d.x());
    p.setPen(roundPen(QColor(214, 170, 60), 3));
    p.drawLine(hand + d * 8 - n * 12, hand + d * 8 + n * 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 184, 70));
    p.drawEllipse(hand + d * 10, 8, 8);
}

// One musketeer: blue tabard with the white cross, boots, plumed hat, one arm raised with the
// sword. x is the middle of the figure, feet the ground line.
void musketeer(QPainter& p, double x, double feet, QPointF raisedHand, const QColor& plume,
               const QColor& breeches, bool plumeToLeft) {
    PainterScope scope(p);
    const QColor blue(30, 80, 176);
    const QColor boot(96, 62, 36);
    const bool raiseRight = raisedHand.x() > x;
    const QPointF raisedShoulder(x + (raiseRight ? 38 : -38), feet - 206);
    const QPointF otherShoulder(x + (raiseRight ? -38 : 38), feet - 206);
    // Arms behind the body.
    p.setPen(roundPen(blue.darker(120), 18));
    p.drawLine(raisedShoulder, raisedHand);
    p.drawLine(otherShoulder, QPointF(otherShoulder.x() + (raiseRight ? -14 : 14), feet - 120));
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    p.drawEllipse(raisedHand, 8, 8);
    p.drawEllipse(QPointF(otherShoulder.x() + (raiseRight ? -14 : 14), feet - 118), 7, 7);
    // Boots and breeches.
    p.fillRect(QRectF(x - 30, feet - 120, 60, 50), breeches);
    for (int side : {-1, 1}) {
        p.fillRect(QRectF(x + side * 18 - 11, feet - 72, 22, 72), boot);
        p.fillRect(QRectF(x + side * 18 - 15, feet - 78, 30, 14), boot.lighter(115));
        p.setBrush(boot.darker(120));
        p.drawEllipse(QPointF(x + side * 18 + side * 6, feet - 3), 16, 6);
    }
    // The tabard with its white cross and silver edge.
    const QPainterPath tabard =
        polygonPath({QPointF(x - 42, feet - 210), QPointF(x + 42, feet - 210),
                     QPointF(x + 50, feet - 100), QPointF(x - 50, feet - 100)});
    p.fillPath(tabard, cylinderGradient(x - 50, x + 50, blue));
    p.fillRect(QRectF(x - 7, feet - 196, 14, 80), QColor(250, 250, 250));
    p.fillRect(QRectF(x - 30, feet - 170, 60, 14), QColor(250, 250, 250));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 224, 232), 3));
    p.drawPath(tabard);
    // Lace collar, head, face and hat.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 252, 248));
    p.drawEllipse(QPointF(x, feet - 212), 30, 10);
    const QPointF head(x, feet - 244);
    p.setBrush(kHairBrown);
    p.drawEllipse(head + QPointF(0, 6), 27, 30);
    p.setBrush(skinShade(head, 24));
    p.drawEllipse(head, 22, 26);
    faceFront(p, head, 24, true);
    moustache(p, head + QPointF(0, 9), 14, kHairBrown);
    p.fillPath(polygonPath({head + QPointF(-4, 20), head + QPointF(4, 20), head + QPointF(0, 32)}),
               kHairBrown);
    plumedHat(p, head + QPointF(0, -18), 100, plumeToLeft ? 8 : -8, QColor(60, 44, 56), plume,
              plumeToLeft);
}

} // namespace

void sceneFrenchman(QPainter& p) {
    daySky(p, 330);
    cloud(p, {100, 60}, 24);
    parisRooftops(p, 336, 70, 91, QColor(190, 196, 214));
    eiffelTower(p, {548, 340}, 270, QColor(140, 110, 96));
    fillGround(p, 334, QColor(180, 176, 170), QColor(140, 136, 130));
    // Striped shirt.
    PainterScope scope(p);
    QPainterPath torso;
    torso.moveTo(130, 480);
    torso.lineTo(150, 320);
    torso.quadTo(160, 275, 215, 265);
    torso.lineTo(365, 265);
    torso.quadTo(420, 275, 430, 320);
    torso.lineTo(450, 480);
    torso.closeSubpath();
    p.fillPath(torso, QColor(250, 250, 248));
    p.setClipPath(torso);
    for (double y = 272; y < kHeight; y += 22)
        p.fillRect(QRectF(100, y, 380, 10), QColor(30, 50, 120));
    p.setClipping(false);
    // Neck, red scarf and head.
    p.fillRect(QRectF(266, 220, 48, 50), kSkin.darker(108));
    p.fillPath(polygonPath({QPointF(250, 262), QPointF(330, 262), QPointF(290, 306)}),
               QColor(210, 30, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 24, 34));
    p.drawEllipse(QPointF(290, 268), 12, 9);
    const QPointF head(290, 170);
    p.setBrush(kSkin.darker(105));
    p.drawEllipse(head + QPointF(-56, 6), 11, 16);
    p.drawEllipse(head + QPointF(56, 6), 11, 16);
    p.setBrush(skinShade(head, 60));
    p.drawEllipse(head, 56, 66);
    p.setBrush(kHairBrown);
    p.drawEllipse(head + QPointF(-50, -22), 10, 22);
    p.drawEllipse(head + QPointF(50, -22), 10, 22);
    faceFront(p, head, 60, true);
    moustache(p, head + QPointF(0, 24), 34, QColor(60, 40, 28));
    // The beret, tilted, with its little stalk.
    p.save();
    p.translate(head + QPointF(-6, -58));
    p.rotate(-8);
    p.setBrush(QColor(30, 30, 40));
    p.drawEllipse(QPointF(0, 0), 74, 26);
    p.setBrush(QColor(60, 60, 74));
    p.drawEllipse(QPointF(-16, -8), 34, 10);
    p.setPen(roundPen(QColor(30, 30, 40), 4));
    p.drawLine(QPointF(4, -24), QPointF(6, -34));
    p.restore();
    // A long loaf under his arm.
    p.save();
    p.translate(300, 392);
    p.rotate(-28);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 156, 76));
    p.drawRoundedRect(QRectF(-190, -18, 380, 36), 18, 18);
    p.setPen(roundPen(QColor(244, 210, 140), 4));
    for (double x = -150; x < 160; x += 46)
        p.drawLine(QPointF(x, 8), QPointF(x + 26, -8));
    p.restore();
    // His striped sleeve, the arm bent round the loaf.
    QPainterPath arm;
    arm.moveTo(404, 282);
    arm.quadTo(440, 320, 426, 356);
    arm.lineTo(388, 356);
    QPainterPathStroker stroker;
    stroker.setWidth(42);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath sleeve = stroker.createStroke(arm);
    p.fillPath(sleeve, QColor(250, 250, 248));
    p.setClipPath(sleeve);
    for (double y = 262; y < 400; y += 22)
        p.fillRect(QRectF(360, y, 110, 10), QColor(30, 50, 120));
    p.setClipping(false);
    p.setPen(Qt::NoPen);
    p.setBrush(skinShade(QPointF(376, 352), 18));
    p.drawEllipse(QPointF(376, 352), 18, 16);
}

void sceneMusketeers(QPainter& p) {
    eveningSky(p, 330);
    hills(p, 320, 14, 0.8, QColor(90, 110, 80));
    fillGround(p, 330, QColor(170, 150, 120), QColor(130, 110, 86));
    const QPointF meet(320, 46);
    musketeer(p, 150, 400, QPointF(218, 128), QColor(250, 250, 250), QColor(160, 40, 40), true);
    musketeer(p, 490, 400, QPointF(422, 128), QColor(250, 220, 80), QColor(90, 90, 100), false);
    musketeer(p, 320, 410, QPointF(330, 112), QColor(230, 60, 60), QColor(200, 180, 140), false);
    rapier(p, QPointF(218, 128), QPointF(218, 128) + (meet - QPointF(218, 128)) * 1.35);
    rapier(p, QPointF(422, 128), QPointF(422, 128) + (meet - QPointF(422, 128)) * 1.35);
    rapier(p, QPointF(330, 112), QPointF(330, 112) + (meet - QPointF(330, 112)) * 1.5);
}

void sceneNapoleon(QPainter& p) {
    fillSky(p, kHeight, QColor(246, 220, 168), QColor(186, 126, 86));
    flagOnPole(p, {520, 480}, 440, 100);
    PainterScope scope(p);
    // Coat, white waistcoat, red collar and golden epaulettes.
    const QColor coat(32, 48, 110);
    QPainterPath body;
    body.moveTo(100, 480);
    body.lineTo(124, 330);
    body.quadTo(146, 280, 220, 266);
    body.lineTo(380, 266);
    body.quadTo(454, 280, 476, 330);
    body.lineTo(500, 480);
    body.closeSubpath();
    p.fillPath(body, cylinderGradient(100, 500, coat));
    p.fillPath(
        polygonPath({QPointF(262, 268), QPointF(338, 268), QPointF(324, 480), QPointF(276, 480)}),
        QColor(246, 244, 236));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 170, 60));
    for (double y = 300; y < 470; y += 30) {
        p.drawEllipse(QPointF(256, y), 4, 4);
        p.drawEllipse(QPointF(344, y), 4, 4);
    }
    p.fillRect(QRectF(262, 242, 76, 28), QColor(250, 250, 246));
    p.fillPath(polygonPath({QPointF(240, 270), QPointF(262, 240), QPointF(282, 272)}),
               QColor(190, 30, 40));
    p.fillPath(polygonPath({QPointF(360, 270), QPointF(338, 240), QPointF(318, 272)}),
               QColor(190, 30, 40));
    for (int side : {-1, 1}) {
        const QPointF e(300 + side * 128, 290);
        p.setPen(QPen(QColor(214, 170, 60), 2.5));
        for (double dx = -30; dx <= 30; dx += 6)
            p.drawLine(e + QPointF(dx, 6), e + QPointF(dx * 1.1, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(232, 188, 70));
        p.drawEllipse(e, 40, 14);
    }
    // His hand tucked into the waistcoat.
    p.setPen(QPen(coat.lighter(118), 46, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(170, 318), QPointF(244, 378));
    p.setPen(QPen(QColor(190, 30, 40), 46, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(244, 378), QPointF(262, 392));
    p.setPen(QPen(QColor(250, 250, 246), 46, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(262, 392), QPointF(268, 397));
    // Head with the famous forelock.
    const QPointF head(300, 182);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin.darker(105));
    p.drawEllipse(head + QPointF(-50, 8), 10, 15);
    p.drawEllipse(head + QPointF(50, 8), 10, 15);
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(head + QPointF(0, -12), 55, 56);
    p.setBrush(skinShade(head, 56));
    p.drawEllipse(head, 50, 62);
    faceFront(p, head, 54, false);
    QPainterPath forelock;
    forelock.moveTo(head + QPointF(-24, -58));
    forelock.cubicTo(head + QPointF(0, -62), head + QPointF(16, -48), head + QPointF(6, -28));
    forelock.cubicTo(head + QPointF(2, -44), head + QPointF(-8, -50), head + QPointF(-24, -58));
    p.fillPath(forelock, QColor(60, 40, 30));
    // The bicorne, worn sideways, with the tricolour cockade.
    QPainterPath hat;
    hat.moveTo(150, 142);
    hat.cubicTo(180, 50, 420, 50, 450, 142);
    hat.cubicTo(390, 112, 210, 112, 150, 142);
    hat.closeSubpath();
    p.fillPath(hat, verticalGradient(60, 142, QColor(60, 60, 66), QColor(16, 16, 20)));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 110, 90), 2));
    QPainterPath brim;
    brim.moveTo(152, 141);
    brim.cubicTo(210, 113, 390, 113, 448, 141);
    p.drawPath(brim);
    p.setPen(Qt::NoPen);
    const QPointF cockade(372, 100);
    p.setBrush(QColor(220, 40, 50));
    p.drawEllipse(cockade, 15, 15);
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(cockade, 10, 10);
    p.setBrush(QColor(20, 50, 150));
    p.drawEllipse(cockade, 5.5, 5.5);
}

void sceneCyrano(QPainter& p) {
    nightSky(p, kHeight, 10);
    moon(p, {540, 80}, 38);
    // Roxane's balcony in a wall to the right.
    p.fillRect(QRectF(450, 160, 200, 330), QColor(70, 50, 86));
    p.fillPath(archPath(QRectF(490, 200, 90, 130)), QColor(255, 214, 130));
    p.fillRect(QRectF(476, 322, 118, 10), QColor(50, 34, 60));
    {
        PainterScope scope(p);
        p.setPen(QPen(QColor(50, 34, 60), 3));
        for (double x = 480; x <= 590; x += 10)
            p.drawLine(QPointF(x, 332), QPointF(x, 362));
        p.drawLine(QPointF(476, 362), QPointF(594, 362));
    }
    PainterScope scope(p);
    // Long dark hair behind the head.
    QPainterPath hair;
    hair.moveTo(250, 130);
    hair.cubicTo(184, 130, 176, 230, 184, 336);
    hair.lineTo(246, 336);
    hair.cubicTo(236, 260, 242, 200, 262, 160);
    hair.closeSubpath();
    p.fillPath(hair, QColor(60, 40, 30));
    // Doublet with lace collar.
    const QColor red(150, 30, 44);
    QPainterPath body;
    body.moveTo(130, 480);
    body.lineTo(156, 360);
    body.quadTo(190, 318, 262, 314);
    body.quadTo(350, 316, 380, 356);
    body.lineTo(410, 480);
    body.closeSubpath();
    p.fillPath(body, cylinderGradient(130, 410, red));
    rapier(p, QPointF(214, 376), QPointF(40, 430));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 240));
    p.drawEllipse(QPointF(262, 324), 64, 18);
    // The head in profile with its famous nose.
    QPainterPath face;
    face.moveTo(232, 312);
    face.cubicTo(205, 260, 200, 200, 215, 165);
    face.cubicTo(235, 120, 300, 110, 320, 150);
    face.lineTo(326, 180);
    face.cubicTo(360, 188, 410, 204, 440, 224);
    face.cubicTo(450, 232, 442, 242, 426, 240);
    face.cubicTo(396, 238, 360, 240, 334, 244);
    face.lineTo(330, 252);
    face.cubicTo(337, 256, 335, 263, 329, 265);
    face.lineTo(331, 273);
    face.cubicTo(333, 286, 322, 293, 306, 293);
    face.cubicTo(290, 293, 276, 300, 272, 312);
    face.closeSubpath();
    p.fillPath(face, skinShade(QPointF(290, 200), 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSkin.darker(140), 1.5));
    p.drawPath(face);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin.darker(112));
    p.drawEllipse(QPointF(254, 210), 10, 16);
    p.setBrush(QColor(40, 40, 60));
    p.drawEllipse(QPointF(306, 196), 4.5, 5.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(60, 40, 30), 4));
    p.drawLine(QPointF(294, 182), QPointF(316, 180));
    p.setPen(Qt::NoPen);
    QPainterPath tache;
    tache.moveTo(332, 246);
    tache.cubicTo(352, 254, 372, 246, 378, 230);
    tache.cubicTo(370, 252, 350, 262, 330, 254);
    tache.closeSubpath();
    p.fillPath(tache, QColor(60, 40, 30));
    p.fillPath(polygonPath({QPointF(322, 276), QPointF(332, 278), QPointF(318, 300)}),
               QColor(60, 40, 30));
    plumedHat(p, QPointF(262, 146), 240, -12, QColor(96, 60, 44), QColor(250, 250, 248), true);
}

} // namespace picgen
