// The body pictures of the picture questions: the body, the face, the throat in section, the
// kidneys, the digestion, the teeth and the skeleton, each with the parts the questions ask about
// numbered in the order of the questions.

#include "CoursePictures.h"
#include "Draw.h"

#include <QFont>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>

namespace picgen {

namespace {

const QColor kSkin(238, 200, 165);
const QColor kSkinLine(150, 100, 70);
const QColor kBone(245, 240, 222);
const QColor kBoneLine(120, 110, 90);
const QColor kBackground(250, 248, 240);

// A thick rounded stroke with a darker outline: a limb, a bone or a tube.
void limb(QPainter& p, QPointF a, QPointF b, double width, const QColor& fill, const QColor& line) {
    p.setPen(roundPen(line, width + 3));
    p.drawLine(a, b);
    p.setPen(roundPen(fill, width));
    p.drawLine(a, b);
}

void tube(QPainter& p, const QPainterPath& path, double width, const QColor& fill, const QColor& line) {
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(line, width + 3));
    p.drawPath(path);
    p.setPen(roundPen(fill, width));
    p.drawPath(path);
}

void blob(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& line, double width = 2) {
    p.setPen(QPen(line, width));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath ellipse(QPointF c, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath smooth(std::initializer_list<QPointF> points, bool closed) {
    // A curve through the points (Catmull-Rom turned into cubic Béziers).
    std::vector<QPointF> pts(points);
    QPainterPath path(pts.front());
    const std::size_t n = pts.size();
    const std::size_t segments = closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const QPointF p0 = pts[(i + n - (closed || i > 0 ? 1 : 0)) % n];
        const QPointF p1 = pts[i];
        const QPointF p2 = pts[(i + 1) % n];
        const QPointF p3 = pts[(closed || i + 2 < n) ? (i + 2) % n : n - 1];
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    if (closed) path.closeSubpath();
    return path;
}

// ---- the body
void body(QPainter& p) {
    // Legs and arms behind the trunk.
    for (int side : {-1, 1}) {
        const double s = side;
        limb(p, {240 + s * 38, 360}, {240 + s * 40, 470}, 54, kSkin, kSkinLine);
        limb(p, {240 + s * 40, 470}, {240 + s * 42, 555}, 42, kSkin, kSkinLine);
        blob(p, ellipse({240 + s * 52, 568}, 30, 14), kSkin, kSkinLine);
        limb(p, {240 + s * 68, 185}, {240 + s * 105, 290}, 38, kSkin, kSkinLine);
        limb(p, {240 + s * 105, 290}, {240 + s * 128, 385}, 32, kSkin, kSkinLine);
        blob(p, ellipse({240 + s * 132, 405}, 17, 22), kSkin, kSkinLine);
        for (int f = 0; f < 4; ++f)
            limb(p, {240 + s * (124 + f * 6), 420}, {240 + s * (122 + f * 8), 440}, 6, kSkin, kSkinLine);
        limb(p, {240 + s * 118, 400}, {240 + s * 110, 418}, 7, kSkin, kSkinLine);
    }
    // Trunk, swimming trunks, neck and head.
    blob(p, smooth({{172, 172}, {240, 162}, {308, 172}, {300, 260}, {290, 330}, {296, 372}, {240, 380},
                    {184, 372}, {190, 330}, {180, 260}}, true),
         kSkin, kSkinLine);
    blob(p, smooth({{188, 335}, {240, 340}, {292, 335}, {298, 392}, {248, 395}, {240, 380}, {232, 395}, {182, 392}}, true),
         QColor(40, 90, 170), QColor(20, 50, 110));
    p.setPen(QPen(kSkinLine, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(200, 200, 36, 22), 200 * 16, 140 * 16);
    p.drawArc(QRectF(244, 200, 36, 22), 200 * 16, 140 * 16);
    p.drawEllipse(QPointF(240, 300), 3, 4);
    limb(p, {240, 130}, {240, 168}, 34, kSkin, kSkinLine);
    blob(p, ellipse({240, 92}, 40, 48), kSkin, kSkinLine);
    blob(p, smooth({{200, 90}, {205, 55}, {240, 40}, {276, 55}, {280, 90}, {262, 62}, {220, 62}}, true),
         QColor(110, 70, 40), QColor(80, 50, 30));
    p.setBrush(QColor(60, 60, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(226, 92), 4, 4);
    p.drawEllipse(QPointF(254, 92), 4, 4);
    p.setPen(QPen(QColor(170, 70, 70), 2));
    p.drawArc(QRectF(226, 108, 28, 12), 200 * 16, 140 * 16);

    numberMarker(p, {445, 60}, {262, 75}, 1);
    numberMarker(p, {445, 125}, {248, 150}, 2);
    numberMarker(p, {445, 185}, {300, 178}, 3);
    numberMarker(p, {35, 200}, {150, 235}, 4);
    numberMarker(p, {35, 280}, {134, 290}, 5);
    numberMarker(p, {35, 370}, {108, 400}, 6);
    numberMarker(p, {445, 245}, {262, 222}, 7);
    numberMarker(p, {445, 305}, {255, 300}, 8);
    numberMarker(p, {445, 410}, {282, 420}, 9);
    numberMarker(p, {445, 475}, {284, 472}, 10);
    numberMarker(p, {445, 555}, {300, 568}, 11);
    numberMarker(p, {35, 460}, {112, 438}, 12);
}

// ---- the face
void face(QPainter& p) {
    const QColor hair(120, 75, 40);
    blob(p, ellipse({90, 320}, 28, 48), kSkin, kSkinLine);
    blob(p, ellipse({390, 320}, 28, 48), kSkin, kSkinLine);
    blob(p, smooth({{240, 110}, {372, 180}, {380, 330}, {330, 450}, {240, 495}, {150, 450}, {100, 330}, {108, 180}}, true),
         kSkin, kSkinLine);
    p.setPen(QPen(kSkinLine, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(78, 292, 22, 50), 90 * 16, 180 * 16);
    p.drawArc(QRectF(380, 292, 22, 50), 270 * 16, 180 * 16);
    blob(p, smooth({{100, 260}, {112, 130}, {240, 80}, {370, 130}, {380, 260}, {352, 180}, {280, 160},
                    {200, 175}, {128, 185}}, true),
         hair, hair.darker(140));
    // Eyebrows, eyes, nose, cheeks, mouth.
    for (int side : {-1, 1}) {
        const double x = 240 + side * 58;
        p.setPen(roundPen(hair.darker(120), 9));
        p.drawLine(QPointF(x - 30, 254 + 4), QPointF(x + 30, 254 - 2 * side * 0 - 2));
        blob(p, ellipse({x, 282}, 30, 15), Qt::white, kSkinLine);
        blob(p, ellipse({x, 282}, 12, 12), QColor(70, 120, 170), QColor(40, 70, 110));
        p.setBrush(Qt::black);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x, 282), 5, 5);
        p.setBrush(QColor(240, 150, 140, 140));
        p.drawEllipse(QPointF(240 + side * 80, 365), 32, 22);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSkinLine, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(smooth({{232, 290}, {226, 330}, {214, 350}, {240, 360}, {266, 350}, {254, 330}}, false));
    blob(p, smooth({{195, 402}, {225, 392}, {240, 397}, {255, 392}, {285, 402}, {240, 408}}, true),
         QColor(200, 90, 90), QColor(150, 60, 60));
    blob(p, smooth({{195, 404}, {240, 410}, {285, 404}, {262, 428}, {240, 432}, {218, 428}}, true),
         QColor(210, 100, 100), QColor(150, 60, 60));

    numberMarker(p, {35, 110}, {160, 140}, 1);
    numberMarker(p, {445, 150}, {270, 205}, 2);
    numberMarker(p, {445, 225}, {306, 252}, 3);
    numberMarker(p, {35, 250}, {174, 282}, 4);
    numberMarker(p, {445, 300}, {254, 340}, 5);
    numberMarker(p, {35, 330}, {78, 320}, 6);
    numberMarker(p, {445, 375}, {330, 368}, 7);
    numberMarker(p, {35, 420}, {210, 406}, 8);
    numberMarker(p, {445, 440}, {262, 426}, 9);
    numberMarker(p, {445, 520}, {248, 485}, 10);
}

// ---- the throat, a section from the side (the face looks left)
void throat(QPainter& p) {
    const QColor cavity(200, 90, 100);
    const QColor flesh(240, 170, 160);
    blob(p, smooth({{150, 60}, {300, 40}, {390, 120}, {400, 250}, {350, 380}, {345, 600}, {185, 600},
                    {188, 420}, {120, 380}, {108, 340}, {92, 300}, {80, 262}, {66, 232}, {100, 200},
                    {120, 120}}, true),
         kSkin, kSkinLine);
    // Inside: nasal cavity, mouth with palate, uvula and tongue, pharynx, larynx, trachea, oesophagus.
    blob(p, smooth({{108, 205}, {180, 185}, {262, 200}, {270, 245}, {180, 252}, {110, 240}}, true),
         cavity.lighter(120), cavity.darker(130));
    blob(p, smooth({{262, 200}, {300, 210}, {300, 420}, {296, 600}, {262, 600}, {262, 380}, {270, 300}}, true),
         cavity, cavity.darker(140));
    blob(p, smooth({{98, 296}, {160, 272}, {250, 268}, {268, 300}, {262, 362}, {200, 378}, {120, 360}}, true),
         QColor(215, 95, 105), QColor(140, 50, 60));
    p.setPen(roundPen(kBone, 9));
    p.drawPath(smooth({{100, 256}, {180, 258}, {256, 252}}, false));
    p.setPen(QPen(kBoneLine, 1));
    blob(p, smooth({{256, 250}, {272, 262}, {268, 290}, {262, 294}, {256, 270}}, true), QColor(230, 120, 130), QColor(150, 60, 70));
    blob(p, smooth({{262, 360}, {290, 348}, {282, 380}, {268, 384}}, true), QColor(250, 220, 200), QColor(140, 110, 90));
    // Larynx with the vocal cords, the trachea with its rings, the oesophagus behind.
    blob(p, smooth({{205, 395}, {262, 392}, {264, 470}, {208, 472}}, true), QColor(200, 215, 225), QColor(90, 110, 130));
    p.setPen(roundPen(QColor(250, 250, 245), 5));
    p.drawLine(QPointF(214, 432), QPointF(258, 428));
    p.drawLine(QPointF(214, 442), QPointF(258, 438));
    blob(p, QPainterPath([] {
             QPainterPath t;
             t.addRoundedRect(QRectF(210, 470, 50, 130), 10, 10);
             return t;
         }()),
         QColor(210, 220, 230), QColor(90, 110, 130));
    p.setPen(QPen(QColor(120, 140, 160), 3));
    for (int y = 482; y < 600; y += 16) p.drawLine(QPointF(212, y), QPointF(258, y));
    blob(p, QPainterPath([] {
             QPainterPath t;
             t.addRoundedRect(QRectF(266, 470, 30, 130), 8, 8);
             return t;
         }()),
         QColor(235, 150, 140), QColor(150, 70, 70));

    numberMarker(p, {445, 120}, {190, 222}, 1);
    numberMarker(p, {445, 180}, {200, 257}, 2);
    numberMarker(p, {445, 240}, {266, 282}, 3);
    numberMarker(p, {30, 420}, {170, 320}, 4);
    numberMarker(p, {445, 300}, {284, 320}, 5);
    numberMarker(p, {445, 360}, {278, 370}, 6);
    numberMarker(p, {30, 480}, {212, 410}, 7);
    numberMarker(p, {445, 430}, {240, 434}, 8);
    numberMarker(p, {30, 560}, {222, 540}, 9);
    numberMarker(p, {445, 530}, {282, 540}, 10);
}

// ---- the kidneys
void kidneys(QPainter& p) {
    const QColor red(200, 40, 40), blue(50, 80, 180), urine(230, 200, 90);
    // Vessels.
    limb(p, {222, 50}, {222, 430}, 26, blue, blue.darker(140));
    limb(p, {260, 50}, {260, 420}, 24, red, red.darker(140));
    limb(p, {260, 420}, {215, 500}, 16, red, red.darker(140));
    limb(p, {260, 420}, {305, 500}, 16, red, red.darker(140));
    for (int side : {-1, 1}) {
        const double s = side;
        const double hilum = 240 + s * 72;
        limb(p, {s < 0 ? 222.0 : 260.0, 250}, {hilum, 252}, 10, red, red.darker(140));
        limb(p, {s < 0 ? 222.0 : 222.0, 272}, {hilum, 268}, 10, blue, blue.darker(140));
        // The kidney: a bean with its hollow towards the middle.
        const double cx = 240 + s * 120;
        blob(p, smooth({{cx, 160}, {cx + s * 55, 190}, {cx + s * 62, 260}, {cx + s * 50, 340}, {cx, 360},
                        {cx - s * 40, 320}, {cx - s * 50, 262}, {cx - s * 40, 205}}, true),
             QColor(150, 60, 50), QColor(90, 30, 25), 2.5);
        blob(p, smooth({{cx - s * 20, 150}, {cx + s * 20, 132}, {cx + s * 50, 165}, {cx, 172}, {cx - s * 35, 178}}, true),
             QColor(235, 180, 60), QColor(150, 110, 30));
        tube(p, smooth({{hilum, 285}, {hilum - s * 10, 360}, {240 + s * 40, 440}, {240 + s * 30, 470}}, false), 7, urine, urine.darker(150));
    }
    blob(p, smooth({{180, 470}, {240, 445}, {300, 470}, {305, 520}, {240, 545}, {175, 520}}, true),
         QColor(240, 215, 120), QColor(150, 120, 40), 2.5);
    limb(p, {240, 545}, {240, 595}, 9, urine, urine.darker(150));

    numberMarker(p, {35, 260}, {112, 260}, 1);
    numberMarker(p, {35, 140}, {108, 160}, 2);
    numberMarker(p, {445, 235}, {290, 251}, 3);
    numberMarker(p, {445, 90}, {262, 110}, 4);
    numberMarker(p, {445, 155}, {222, 190}, 5);
    numberMarker(p, {35, 400}, {196, 400}, 6);
    numberMarker(p, {445, 480}, {290, 495}, 7);
    numberMarker(p, {445, 570}, {244, 575}, 8);
}

// ---- the digestion
void digestion(QPainter& p) {
    blob(p, smooth({{150, 20}, {330, 20}, {400, 120}, {410, 380}, {380, 600}, {100, 600}, {70, 380}, {80, 120}}, true),
         kSkin.lighter(106), kSkinLine);
    const QColor gut(235, 150, 140), colon(200, 120, 100);
    tube(p, smooth({{250, 30}, {256, 120}, {280, 200}}, false), 16, QColor(235, 140, 130), QColor(150, 70, 60));
    // Large intestine: up the right side of the body, across, down the left side, to the rectum.
    tube(p, smooth({{150, 530}, {140, 450}, {142, 385}, {240, 370}, {350, 385}, {352, 460}, {340, 530}, {280, 545}, {252, 560}}, false),
         38, colon, colon.darker(150));
    tube(p, smooth({{252, 555}, {252, 598}}, false), 30, colon.darker(110), colon.darker(160));
    tube(p, smooth({{140, 540}, {132, 565}, {136, 585}}, false), 10, colon, colon.darker(150));
    // Small intestine: the coils in the middle.
    tube(p, smooth({{200, 415}, {300, 420}, {305, 445}, {190, 450}, {185, 475}, {305, 475}, {300, 500},
                    {195, 505}, {200, 525}, {270, 530}}, false),
         18, gut, gut.darker(150));
    // Liver (the body's right, the picture's left), gallbladder, stomach, pancreas.
    blob(p, smooth({{95, 170}, {200, 150}, {300, 165}, {290, 205}, {230, 250}, {150, 290}, {100, 270}}, true),
         QColor(140, 50, 40), QColor(80, 25, 20), 2.5);
    blob(p, smooth({{190, 260}, {212, 250}, {222, 285}, {205, 300}, {188, 288}}, true),
         QColor(80, 160, 80), QColor(40, 90, 40));
    blob(p, smooth({{245, 330}, {345, 330}, {350, 350}, {250, 356}, {228, 348}}, true),
         QColor(240, 205, 120), QColor(150, 120, 50));
    blob(p, smooth({{272, 195}, {330, 195}, {372, 235}, {365, 300}, {320, 330}, {262, 320}, {240, 300},
                    {290, 300}, {325, 275}, {300, 225}}, true),
         QColor(230, 140, 150), QColor(140, 60, 70), 2.5);

    numberMarker(p, {445, 60}, {258, 110}, 1);
    numberMarker(p, {445, 250}, {340, 260}, 2);
    numberMarker(p, {35, 190}, {140, 210}, 3);
    numberMarker(p, {35, 300}, {195, 280}, 4);
    numberMarker(p, {445, 345}, {330, 343}, 5);
    numberMarker(p, {445, 455}, {290, 470}, 6);
    numberMarker(p, {35, 420}, {142, 430}, 7);
    numberMarker(p, {35, 560}, {134, 575}, 8);
    numberMarker(p, {445, 570}, {262, 585}, 9);
}

// ---- the teeth of the lower jaw, seen from above
void teeth(QPainter& p) {
    const QColor gum(235, 130, 140);
    // Points along the arch: t = 0 in front, 1 at the back.
    auto arch = [](double t, int side, double grow) {
        const double a = t * 1.45;
        return QPointF(240 + side * (150 + grow) * std::sin(a), 130 + (360 + grow) * (1 - std::cos(a)) * 0.75 - grow * 0.3);
    };
    QPainterPath gums;
    gums.moveTo(arch(1.05, -1, 40));
    for (double t = 1.05; t >= 0; t -= 0.05) gums.lineTo(arch(t, -1, 40));
    for (double t = 0; t <= 1.05; t += 0.05) gums.lineTo(arch(t, 1, 40));
    for (double t = 1.05; t >= 0; t -= 0.05) gums.lineTo(arch(t, 1, -45));
    for (double t = 0; t <= 1.05; t += 0.05) gums.lineTo(arch(t, -1, -45));
    gums.closeSubpath();
    blob(p, gums, gum, gum.darker(150));
    blob(p, smooth({{240, 200}, {320, 250}, {330, 420}, {240, 470}, {150, 420}, {160, 250}}, true),
         QColor(215, 95, 105), QColor(140, 50, 60));
    p.setPen(QPen(QColor(160, 60, 70), 2));
    p.drawLine(QPointF(240, 240), QPointF(240, 420));
    // The lower lip in front.
    blob(p, smooth({{110, 70}, {240, 52}, {370, 70}, {330, 100}, {240, 110}, {150, 100}}, true),
         QColor(205, 90, 90), QColor(140, 50, 50));
    // Eight teeth on each side: incisors, canine, premolars, molars (the last is the wisdom tooth).
    const double at[8] = {0.05, 0.16, 0.29, 0.42, 0.54, 0.68, 0.83, 0.97};
    const double size[8] = {13, 14, 16, 17, 18, 23, 23, 21};
    for (int side : {-1, 1})
        for (int k = 0; k < 8; ++k) {
            const QPointF c = arch(at[k], side, 0);
            const double r = size[k];
            QPainterPath tooth;
            if (k < 2)
                tooth.addRoundedRect(QRectF(c.x() - r, c.y() - r * 0.55, 2 * r, r * 1.1), 5, 5);
            else if (k == 2)
                tooth = smooth({c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r * 0.8), c + QPointF(-r, 0)}, true);
            else
                tooth.addRoundedRect(QRectF(c.x() - r, c.y() - r * 0.8, 2 * r, r * 1.6), r * 0.5, r * 0.5);
            blob(p, tooth, k == 7 ? QColor(250, 245, 215) : QColor(252, 252, 245), QColor(150, 140, 120));
            if (k >= 3) {
                p.setPen(QPen(QColor(190, 180, 160), 1.5));
                p.drawLine(c - QPointF(r * 0.5, 0), c + QPointF(r * 0.5, 0));
                if (k >= 5) p.drawLine(c - QPointF(0, r * 0.5), c + QPointF(0, r * 0.5));
            }
        }

    numberMarker(p, {445, 40}, arch(0.05, 1, 0), 1);
    numberMarker(p, {445, 130}, arch(0.29, 1, 0) + QPointF(8, 0), 2);
    numberMarker(p, {445, 230}, arch(0.42, 1, 0) + QPointF(10, 0), 3);
    numberMarker(p, {445, 340}, arch(0.68, 1, 0) + QPointF(14, 0), 4);
    numberMarker(p, {445, 500}, arch(0.97, 1, 0) + QPointF(12, 0), 5);
    numberMarker(p, {35, 240}, arch(0.45, -1, 32), 6);
    numberMarker(p, {35, 380}, {205, 350}, 7);
    numberMarker(p, {35, 60}, {150, 80}, 8);
}

// ---- the skeleton
void skeleton(QPainter& p) {
    auto bone = [&p](QPointF a, QPointF b, double w) {
        limb(p, a, b, w, kBone, kBoneLine);
        p.setPen(QPen(kBoneLine, 1.5));
        p.setBrush(kBone);
        p.drawEllipse(a, w * 0.75, w * 0.75);
        p.drawEllipse(b, w * 0.75, w * 0.75);
    };
    for (int side : {-1, 1}) {
        const double s = side;
        bone({240 + s * 80, 180}, {240 + s * 108, 290}, 14);       // humerus
        bone({240 + s * 108, 296}, {240 + s * 126, 385}, 9);       // forearm
        bone({240 + s * 116, 298}, {240 + s * 136, 383}, 7);
        blob(p, ellipse({240 + s * 134, 405}, 13, 18), kBone, kBoneLine);
        bone({240 + s * 40, 385}, {240 + s * 42, 470}, 16);        // femur
        bone({240 + s * 40, 490}, {240 + s * 42, 560}, 12);        // tibia
        bone({240 + s * 56, 492}, {240 + s * 56, 558}, 6);         // fibula
        blob(p, ellipse({240 + s * 41, 478}, 11, 10), kBone.darker(106), kBoneLine); // patella
        blob(p, ellipse({240 + s * 52, 575}, 24, 10), kBone, kBoneLine);
        bone({240 + s * 12, 168}, {240 + s * 80, 175}, 8);         // clavicle
    }
    // Spine, ribs, sternum, pelvis, skull.
    for (int v = 0; v < 17; ++v) {
        const double y = 150 + v * 14;
        blob(p, QPainterPath([y] {
                 QPainterPath r;
                 r.addRoundedRect(QRectF(228, y, 24, 11), 4, 4);
                 return r;
             }()),
             kBone, kBoneLine, 1.5);
    }
    p.setBrush(Qt::NoBrush);
    for (int r = 0; r < 7; ++r) {
        const double y = 190 + r * 17;
        const double w = 62 + r * 4 - (r > 4 ? (r - 4) * 8 : 0);
        p.setPen(roundPen(kBoneLine, 8));
        p.drawArc(QRectF(240 - w, y - 18, 2 * w, 60), 10 * 16, 160 * 16);
        p.setPen(roundPen(kBone, 5));
        p.drawArc(QRectF(240 - w, y - 18, 2 * w, 60), 10 * 16, 160 * 16);
    }
    blob(p, QPainterPath([] {
             QPainterPath r;
             r.addRoundedRect(QRectF(232, 178, 16, 90), 6, 6);
             return r;
         }()),
         kBone, kBoneLine);
    blob(p, smooth({{185, 345}, {240, 362}, {295, 345}, {302, 390}, {262, 415}, {240, 398}, {218, 415}, {178, 390}}, true),
         kBone, kBoneLine, 2);
    blob(p, smooth({{240, 42}, {282, 60}, {284, 110}, {266, 128}, {214, 128}, {196, 110}, {198, 60}}, true),
         kBone, kBoneLine);
    blob(p, smooth({{214, 124}, {266, 124}, {262, 146}, {240, 152}, {218, 146}}, true), kBone.darker(104), kBoneLine);
    p.setBrush(QColor(60, 55, 50));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(225, 92), 10, 11);
    p.drawEllipse(QPointF(255, 92), 10, 11);
    p.drawPolygon(QPolygonF({QPointF(240, 102), QPointF(234, 116), QPointF(246, 116)}));

    numberMarker(p, {445, 60}, {268, 70}, 1);
    numberMarker(p, {35, 150}, {222, 140}, 2);
    numberMarker(p, {445, 150}, {295, 174}, 3);
    numberMarker(p, {35, 220}, {238, 230}, 4);
    numberMarker(p, {445, 240}, {292, 250}, 5);
    numberMarker(p, {35, 290}, {158, 240}, 6);
    numberMarker(p, {445, 330}, {250, 335}, 7);
    numberMarker(p, {35, 370}, {200, 375}, 8);
    numberMarker(p, {445, 430}, {283, 430}, 9);
    numberMarker(p, {35, 480}, {190, 478}, 10);
    numberMarker(p, {445, 530}, {284, 530}, 11);
}

} // namespace

void numberMarker(QPainter& p, QPointF disc, QPointF part, int n) {
    PainterScope scope(p);
    const double r = 15;
    p.setPen(QPen(QColor(20, 20, 60), 1.6));
    p.drawLine(disc, part);
    p.setBrush(QColor(20, 20, 60));
    p.drawEllipse(part, 3.2, 3.2);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0, 0, 128), 2.2));
    p.drawEllipse(disc, r, r);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(disc.x() - r, disc.y() - r, 2 * r, 2 * r), Qt::AlignCenter, QString::number(n));
}

QImage bodyPicture(const QString& stem) {
    static const std::map<QString, std::function<void(QPainter&)>> drawings = {
        {QStringLiteral("KROPPEN"), body},   {QStringLiteral("HUVUDET"), face},
        {QStringLiteral("HALS"), throat},    {QStringLiteral("NJURE"), kidneys},
        {QStringLiteral("MAGE"), digestion}, {QStringLiteral("MUN"), teeth},
        {QStringLiteral("SKELETT"), skeleton},
    };
    const auto it = drawings.find(stem);
    if (it == drawings.end()) return {};
    QImage image(kBodyWidth, kBodyHeight, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    it->second(p);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kBodyWidth - 1, kBodyHeight - 1));
    return image;
}

} // namespace picgen
