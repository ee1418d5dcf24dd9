#include "NatureBirds.h"

#include "NatureShapes.h"

#include <cmath>

namespace picgen::nature {

namespace {

QPainterPath beakPath(const BirdLook& b, QPointF base, double r) {
    const double len = r * 0.9 * b.beakLength;
    switch (b.beakKind) {
    case Beak::Cone:
        return curve({base + QPointF(4, -r * 0.45), base + QPointF(-len * 0.7, 0), base + QPointF(4, r * 0.45)});
    case Beak::Thin:
        return curve({base + QPointF(3, -r * 0.18), base + QPointF(-len, r * 0.02), base + QPointF(3, r * 0.2)});
    case Beak::Hooked:
        return curve({base + QPointF(3, -r * 0.35), base + QPointF(-len * 0.7, -r * 0.15),
                      base + QPointF(-len * 0.75, r * 0.3), base + QPointF(-len * 0.4, r * 0.1),
                      base + QPointF(3, r * 0.3)});
    case Beak::Duck:
        return curve({base + QPointF(4, -r * 0.3), base + QPointF(-len * 0.9, -r * 0.12),
                      base + QPointF(-len, r * 0.12), base + QPointF(4, r * 0.3)});
    case Beak::Dagger:
        return curve({base + QPointF(3, -r * 0.22), base + QPointF(-len * 1.8, r * 0.05), base + QPointF(3, r * 0.25)});
    case Beak::Short:
    default:
        return curve({base + QPointF(3, -r * 0.3), base + QPointF(-len * 0.6, r * 0.02), base + QPointF(3, r * 0.3)});
    }
}

} // namespace

void drawBird(QPainter& p, const BirdLook& b) {
    const double s = b.size;
    // Where the body sits, by pose.
    QPointF body(170, 120);
    double tilt = 18; // degrees, head up
    switch (b.pose) {
    case BirdPose::Perched: fillSky(p, 240, QColor(140, 195, 240), QColor(225, 240, 250)); hills(p, 240, 30, 1.3, QColor(150, 190, 140)); branch(p, 165); body = QPointF(165, 130); break;
    case BirdPose::Ground: meadow(p); body = QPointF(165, 140); tilt = 6; break;
    case BirdPose::Swimming: waterScene(p); body = QPointF(165, 150); tilt = 0; break;
    case BirdPose::Wader: meadow(p); body = QPointF(175, 95); tilt = 10; break;
    case BirdPose::Trunk: woodland(p); body = QPointF(185, 120); tilt = 70; break;
    }
    if (b.pose == BirdPose::Trunk) {
        p.fillRect(QRectF(205, 0, 60, 240), cylinderGradient(205, 265, QColor(110, 90, 70)));
    }
    const double rx = 60 * s, ry = 37 * s;

    // Legs.
    if (b.pose != BirdPose::Swimming) {
        const double legLength = b.pose == BirdPose::Wader ? 110 : b.pose == BirdPose::Ground ? 48 * s : 36 * s;
        for (double dx : {-8.0, 10.0}) {
            const QPointF hip = body + QPointF(dx * s, ry * 0.7);
            const QPointF foot = hip + QPointF(b.pose == BirdPose::Trunk ? 14 : 0, legLength);
            line(p, hip, foot, b.legs, b.pose == BirdPose::Wader ? 4 : 3);
            line(p, foot, foot + QPointF(-9, 2), b.legs, 2);
            line(p, foot, foot + QPointF(7, 2), b.legs, 2);
        }
    }

    PainterScope scope(p);
    p.translate(body);
    p.rotate(b.pose == BirdPose::Trunk ? 0 : -tilt * 0.3);
    if (b.pose == BirdPose::Trunk) p.rotate(65);

    // Tail.
    const double tl = 48 * s * b.tail;
    QPainterPath tail;
    if (b.forkedTail)
        tail = curve({{rx * 0.7, -8 * s}, {rx + tl * 1.2, -4 * s}, {rx + tl * 0.7, 2 * s}, {rx + tl * 1.25, 10 * s}, {rx * 0.7, 10 * s}});
    else
        tail = curve({{rx * 0.6, -10 * s}, {rx + tl, -2 * s}, {rx + tl, 10 * s}, {rx * 0.6, 12 * s}});
    fill(p, tail, b.tailColour.isValid() ? b.tailColour : b.back);

    // Body: back above, belly below.
    fill(p, oval({0, 0}, rx, ry), b.belly);
    fill(p, curve({{-rx * 0.9, -ry * 0.3}, {-rx * 0.3, -ry}, {rx * 0.5, -ry * 0.85}, {rx, -ry * 0.05}, {rx * 0.2, ry * 0.05}, {-rx * 0.6, ry * 0.0}}), b.back, 0);
    if (b.breast.alpha() > 0) fill(p, oval({-rx * 0.55, ry * 0.05}, rx * 0.42, ry * 0.7), b.breast, 0);
    if (b.speckled)
        for (int i = 0; i < 14; ++i) {
            p.setBrush(b.back.darker(150));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(-rx * 0.7 + (i % 5) * rx * 0.22, ry * 0.05 + (i / 5) * ry * 0.25), 2.2 * s, 3 * s);
        }
    // Wing.
    fill(p, curve({{-rx * 0.45, -ry * 0.35}, {rx * 0.3, -ry * 0.6}, {rx * 1.05, -ry * 0.1}, {rx * 0.2, ry * 0.45}, {-rx * 0.35, ry * 0.2}}), b.wing);
    if (b.wingBars) {
        stroke(p, curve({{-rx * 0.2, -ry * 0.15}, {rx * 0.3, -ry * 0.2}, {rx * 0.7, 0}}, false), QColor(250, 250, 250), 4 * s);
        stroke(p, curve({{-rx * 0.1, ry * 0.15}, {rx * 0.35, ry * 0.1}, {rx * 0.75, ry * 0.15}}, false), QColor(250, 250, 250), 3 * s);
    }

    // Neck and head.
    const double hr = 25 * s;
    QPointF head(-rx * 0.85, -ry * 0.75);
    if (b.neck > 0) {
        head = QPointF(-rx * 0.95 - b.neck * 8 * s, -ry - b.neck * 45 * s);
        stroke(p, curve({{-rx * 0.6, -ry * 0.2}, {-rx * 0.95, -ry * 0.6 - b.neck * 12 * s}, head}, false), b.head.isValid() ? b.head : b.back, hr * 1.05);
    }
    if (b.crest) fill(p, curve({head + QPointF(0, -hr * 0.7), head + QPointF(hr * 1.6, -hr * 1.9), head + QPointF(hr * 0.9, -hr * 0.4)}), b.head.darker(110));
    fill(p, oval(head, hr, hr * 0.92), b.head);
    if (b.cap.alpha() > 0) fill(p, curve({head + QPointF(-hr * 0.8, -hr * 0.35), head + QPointF(0, -hr * 0.95), head + QPointF(hr * 0.85, -hr * 0.3), head + QPointF(0, -hr * 0.5)}), b.cap, 0);
    if (b.cheek.alpha() > 0) fill(p, oval(head + QPointF(hr * 0.1, hr * 0.25), hr * 0.5, hr * 0.38), b.cheek, 0);
    if (b.mask.alpha() > 0) stroke(p, curve({head + QPointF(-hr * 0.9, -hr * 0.05), head + QPointF(hr * 0.9, hr * 0.05)}, false), b.mask, hr * 0.22);
    if (b.wattle.alpha() > 0) {
        fill(p, curve({head + QPointF(-hr * 0.5, -hr * 0.8), head + QPointF(-hr * 0.2, -hr * 1.5), head + QPointF(hr * 0.1, -hr * 1.0),
                       head + QPointF(hr * 0.4, -hr * 1.45), head + QPointF(hr * 0.6, -hr * 0.7)}), b.wattle, 1);
        fill(p, oval(head + QPointF(-hr * 0.55, hr * 0.7), hr * 0.22, hr * 0.35), b.wattle, 1);
    }
    fill(p, beakPath(b, head + QPointF(-hr * 0.8, hr * 0.1), hr), b.beak, 1);
    eye(p, head + QPointF(-hr * 0.3, -hr * 0.1), std::max(2.0, hr * 0.16), b.eyeColour);
}

void drawOwl(QPainter& p, const OwlLook& o) {
    woodland(p);
    branch(p, 200);
    const double s = o.size;
    const QPointF c(160, 128);
    fill(p, oval(c + QPointF(0, 18 * s), 48 * s, 62 * s), o.body);
    p.setPen(QPen(o.breastStreaks, 2));
    for (int i = 0; i < 10; ++i) {
        const double x = c.x() - 28 * s + (i % 5) * 14 * s, y = c.y() + 20 * s + (i / 5) * 22 * s;
        p.drawLine(QPointF(x, y), QPointF(x, y + 10 * s));
    }
    fill(p, curve({c + QPointF(-44 * s, 0), c + QPointF(-40 * s, 40 * s), c + QPointF(-20 * s, 70 * s), c + QPointF(-30 * s, 10 * s)}), o.body.darker(120));
    fill(p, curve({c + QPointF(44 * s, 0), c + QPointF(40 * s, 40 * s), c + QPointF(20 * s, 70 * s), c + QPointF(30 * s, 10 * s)}), o.body.darker(120));
    const QPointF head = c + QPointF(0, -38 * s);
    if (o.earTufts) {
        fill(p, curve({head + QPointF(-30 * s, -20 * s), head + QPointF(-40 * s, -56 * s), head + QPointF(-12 * s, -32 * s)}), o.body.darker(130));
        fill(p, curve({head + QPointF(30 * s, -20 * s), head + QPointF(40 * s, -56 * s), head + QPointF(12 * s, -32 * s)}), o.body.darker(130));
    }
    fill(p, oval(head, 42 * s, 36 * s), o.body);
    for (int side : {-1, 1}) {
        fill(p, oval(head + QPointF(side * 17 * s, 2 * s), 17 * s, 17 * s), o.face);
        fill(p, oval(head + QPointF(side * 17 * s, 2 * s), 9 * s, 9 * s), o.eyes, 1);
        eye(p, head + QPointF(side * 17 * s, 2 * s), 4.5 * s);
    }
    fill(p, curve({head + QPointF(-5 * s, 12 * s), head + QPointF(0, 26 * s), head + QPointF(5 * s, 12 * s)}), QColor(70, 60, 50), 1);
    for (int side : {-1, 1})
        for (int t = -1; t <= 1; ++t)
            line(p, c + QPointF(side * 14 * s, 78 * s), c + QPointF(side * 14 * s + t * 5, 88 * s), QColor(90, 80, 60), 2.5);
}

} // namespace picgen::nature
