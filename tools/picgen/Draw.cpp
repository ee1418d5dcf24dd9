#include "Draw.h"

#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace picgen {

namespace {

constexpr double kPi = std::numbers::pi;

int lerpChannel(int a, int b, double t) {
    return std::clamp(static_cast<int>(std::lround(a + (b - a) * t)), 0, 255);
}

} // namespace

std::uint32_t Rng::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::uniform(double lo, double hi) {
    return lo + (hi - lo) * (next() / 4294967296.0);
}

int Rng::below(int n) {
    return n <= 0 ? 0 : static_cast<int>(next() % static_cast<unsigned>(n));
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor(lerpChannel(a.red(), b.red(), t), lerpChannel(a.green(), b.green(), t),
                  lerpChannel(a.blue(), b.blue(), t), lerpChannel(a.alpha(), b.alpha(), t));
}

QColor withAlpha(const QColor& c, int alpha) {
    QColor r = c;
    r.setAlpha(alpha);
    return r;
}

QLinearGradient cylinderGradient(double left, double right, const QColor& c) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.0, c.darker(118));
    g.setColorAt(0.35, c.lighter(112));
    g.setColorAt(1.0, c.darker(150));
    return g;
}

QLinearGradient verticalGradient(double top, double bottom, const QColor& a, const QColor& b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, a);
    g.setColorAt(1.0, b);
    return g;
}

QPen roundPen(const QColor& c, double width) {
    QPen pen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath archPath(const QRectF& r, bool arched) {
    QPainterPath path;
    if (!arched || r.height() < r.width() / 2) {
        path.addRect(r);
        return path;
    }
    const double radius = r.width() / 2;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

QPainterPath pointedArchPath(const QRectF& r) {
    const double spring = std::min(r.bottom(), r.top() + r.width() * 0.75);
    const double cx = r.center().x();
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), spring);
    path.quadTo(r.left() + r.width() * 0.04, r.top() + (spring - r.top()) * 0.3, cx, r.top());
    path.quadTo(r.right() - r.width() * 0.04, r.top() + (spring - r.top()) * 0.3, r.right(),
                spring);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    return path;
}

// ---------------------------------------------------------------------------------------------
// Skies and light

void fillSky(QPainter& p, double horizon, const QColor& top, const QColor& bottom) {
    p.fillRect(QRectF(0, 0, kWidth, horizon + 2), verticalGradient(0, horizon, top, bottom));
}

void daySky(QPainter& p, double horizon) {
    fillSky(p, horizon, QColor(58, 128, 212), QColor(200, 230, 250));
}

void eveningSky(QPainter& p, double horizon) {
    QLinearGradient g(0, 0, 0, horizon);
    g.setColorAt(0.0, QColor(66, 78, 160));
    g.setColorAt(0.55, QColor(222, 128, 130));
    g.setColorAt(1.0, QColor(255, 212, 140));
    p.fillRect(QRectF(0, 0, kWidth, horizon + 2), g);
}

void nightSky(QPainter& p, double horizon, std::uint32_t seed) {
    fillSky(p, horizon, QColor(10, 14, 48), QColor(66, 48, 112));
    PainterScope scope(p);
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QPointF c(rng.uniform(0, kWidth), rng.uniform(0, horizon * 0.85));
        const double r = rng.uniform(0.7, 1.9);
        p.setBrush(QColor(255, 255, 230, static_cast<int>(rng.uniform(140, 255))));
        p.drawEllipse(c, r, r);
    }
}

void sun(QPainter& p, QPointF centre, double radius) {
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    QRadialGradient glow(centre, radius * 2.6);
    glow.setColorAt(0.0, QColor(255, 245, 180, 200));
    glow.setColorAt(0.4, QColor(255, 235, 150, 90));
    glow.setColorAt(1.0, QColor(255, 235, 150, 0));
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 2.6, radius * 2.6);
    p.setBrush(QColor(255, 222, 89));
    p.drawEllipse(centre, radius, radius);
}

void moon(QPainter& p, QPointF centre, double radius) {
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    QRadialGradient glow(centre, radius * 2.4);
    glow.setColorAt(0.0, QColor(255, 250, 210, 120));
    glow.setColorAt(1.0, QColor(255, 250, 210, 0));
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 2.4, radius * 2.4);
    p.setBrush(QColor(250, 244, 212));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(200, 196, 170, 110));
    p.drawEllipse(centre + QPointF(-radius * 0.3, -radius * 0.2), radius * 0.22, radius * 0.18);
    p.drawEllipse(centre + QPointF(radius * 0.25, radius * 0.3), radius * 0.16, radius * 0.14);
    p.drawEllipse(centre + QPointF(radius * 0.35, -radius * 0.35), radius * 0.1, radius * 0.1);
}

void cloud(QPainter& p, QPointF c, double s) {
    struct Puff {
        double dx, dy, r;
    };
    constexpr Puff puffs[] = {{-1.05, 0.15, 0.55},
                              {-0.5, -0.15, 0.75},
                              {0.15, -0.35, 0.85},
                              {0.8, -0.05, 0.65},
                              {1.3, 0.2, 0.45}};
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const Puff& f : puffs)
        path.addEllipse(QPointF(c.x() + f.dx * s, c.y() + f.dy * s), f.r * s, f.r * s);
    path.addEllipse(QPointF(c.x() + 0.12 * s, c.y() + 0.35 * s), 1.45 * s, 0.38 * s);
    p.fillPath(path, verticalGradient(c.y() - 1.2 * s, c.y() + 0.75 * s, QColor(255, 255, 255, 245),
                                      QColor(214, 224, 242, 235)));
}

void gull(QPainter& p, QPointF c, double span) {
    PainterScope scope(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(60, 60, 70), std::max(1.2, span * 0.12)));
    QPainterPath path;
    path.moveTo(c.x() - span, c.y() - span * 0.15);
    path.quadTo(c.x() - span * 0.5, c.y() - span * 0.55, c.x(), c.y());
    path.quadTo(c.x() + span * 0.5, c.y() - span * 0.55, c.x() + span, c.y() - span * 0.15);
    p.drawPath(path);
}

// ---------------------------------------------------------------------------------------------
// Ground and water

void fillGround(QPainter& p, double top, const QColor& far, const QColor& near) {
    p.fillRect(QRectF(0, top, kWidth, kHeight - top), verticalGradient(top, kHeight, far, near));
}

void hills(QPainter& p, double baseY, double amplitude, double phase, const QColor& colour) {
    QPainterPath path;
    path.moveTo(0, kHeight);
    for (int x = 0; x <= static_cast<int>(kWidth); x += 8) {
        const double t = x / kWidth * 2 * kPi;
        const double y = baseY - amplitude * (0.55 * std::sin(t * 1.2 + phase) +
                                              0.3 * std::sin(t * 2.7 + phase * 1.9) +
                                              0.15 * std::sin(t * 6.1 + phase * 0.6));
        path.lineTo(x, y);
    }
    path.lineTo(kWidth, kHeight);
    path.closeSubpath();
    p.fillPath(path, verticalGradient(baseY - amplitude, baseY + amplitude * 2 + 60,
                                      colour.lighter(112), colour.darker(118)));
}

void sea(QPainter& p, double top, double bottom, const QColor& far, const QColor& near,
         std::uint32_t seed) {
    p.fillRect(QRectF(0, top, kWidth, bottom - top), verticalGradient(top, bottom, far, near));
    PainterScope scope(p);
    p.setClipRect(QRectF(0, top, kWidth, bottom - top));
    p.setBrush(Qt::NoBrush);
    Rng rng(seed);
    for (double y = top + 4; y < bottom;) {
        const double depth = (y - top) / std::max(1.0, kHeight - top);
        const double len = 8 + 30 * depth;
        p.setPen(
            roundPen(QColor(255, 255, 255, 80 + static_cast<int>(80 * depth)), 1.0 + 2.0 * depth));
        for (double x = rng.uniform(-40, 0); x < kWidth; x += len * rng.uniform(2.2, 4.2)) {
            QPainterPath wave;
            wave.moveTo(x, y);
            wave.quadTo(x + len / 2, y - 1.5 - 3 * depth, x + len, y);
            p.drawPath(wave);
        }
        y += 5 + 20 * depth;
    }
}

void pebbles(QPainter& p, const QRectF& area, int count, const QColor& base, std::uint32_t seed) {
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double v = rng.uniform(0, 1);
        const QPointF c(rng.uniform(area.left(), area.right()), area.top() + v * area.height());
        const double r = 0.8 + 2.4 * v * rng.uniform(0.6, 1.2);
        p.setBrush(mix(base.darker(125), base.lighter(120), rng.uniform(0, 1)));
        p.drawEllipse(c, r * 1.4, r);
    }
}

// ---------------------------------------------------------------------------------------------
// Plants

void roundTree(QPainter& p, QPointF base, double h, const QColor& leaves) {
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    const double trunkW = h * 0.09;
    p.setBrush(QColor(110, 78, 50));
    p.drawRect(QRectF(base.x() - trunkW / 2, base.y() - h * 0.45, trunkW, h * 0.45));
    const double r = h * 0.3;
    const QPointF c(base.x(), base.y() - h * 0.66);
    QPainterPath crown;
    crown.setFillRule(Qt::WindingFill);
    crown.addEllipse(QPointF(c.x() - r * 0.55, c.y() + r * 0.2), r * 0.7, r * 0.7);
    crown.addEllipse(QPointF(c.x() + r * 0.55, c.y() + r * 0.2), r * 0.7, r * 0.7);
    crown.addEllipse(QPointF(c.x(), c.y() - r * 0.25), r * 0.85, r * 0.85);
    QRadialGradient g(QPointF(c.x() - r * 0.4, c.y() - r * 0.6), r * 1.9);
    g.setColorAt(0, leaves.lighter(135));
    g.setColorAt(1, leaves.darker(135));
    p.fillPath(crown, g);
}

void cypress(QPainter& p, QPointF base, double h, const QColor& leaves) {
    const double w = h * 0.13;
    QPainterPath path;
    path.moveTo(base.x(), base.y() - h);
    path.cubicTo(base.x() + w * 1.1, base.y() - h * 0.6, base.x() + w, base.y() - h * 0.05,
                 base.x(), base.y());
    path.cubicTo(base.x() - w, base.y() - h * 0.05, base.x() - w * 1.1, base.y() - h * 0.6,
                 base.x(), base.y() - h);
    p.fillPath(path, cylinderGradient(base.x() - w, base.x() + w, leaves));
}

void firTree(QPainter& p, QPointF base, double h, const QColor& needles) {
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 62, 40));
    p.drawRect(QRectF(base.x() - h * 0.04, base.y() - h * 0.15, h * 0.08, h * 0.15));
    for (int tier = 0; tier < 3; ++tier) {
        const double bottom = base.y() - h * (0.1 + 0.25 * tier);
        const double top = base.y() - h * (0.55 + 0.22 * tier);
        const double half = h * (0.32 - 0.08 * tier);
        QPainterPath t = polygonPath({QPointF(base.x() - half, bottom),
                                      QPointF(base.x(), top - (tier == 2 ? h * 0.23 : 0)),
                                      QPointF(base.x() + half, bottom)});
        p.fillPath(t, cylinderGradient(base.x() - half, base.x() + half, needles));
    }
}

void coneTopiary(QPainter& p, QPointF base, double h) {
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 72, 48));
    p.drawRect(QRectF(base.x() - h * 0.03, base.y() - h * 0.12, h * 0.06, h * 0.12));
    const double w = h * 0.42;
    QPainterPath cone;
    cone.moveTo(base.x(), base.y() - h);
    cone.quadTo(base.x() + w * 0.5, base.y() - h * 0.45, base.x() + w / 2, base.y() - h * 0.12);
    cone.quadTo(base.x(), base.y() - h * 0.06, base.x() - w / 2, base.y() - h * 0.12);
    cone.quadTo(base.x() - w * 0.5, base.y() - h * 0.45, base.x(), base.y() - h);
    p.fillPath(cone, cylinderGradient(base.x() - w / 2, base.x() + w / 2, QColor(42, 112, 52)));
}

void palmTree(QPainter& p, QPointF base, double h, double lean) {
    PainterScope scope(p);
    const QPointF top(base.x() + lean * h, base.y() - h);
    QPainterPath trunk;
    trunk.moveTo(base);
    trunk.quadTo(QPointF(base.x() + lean * h * 0.1, base.y() - h * 0.55), top);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(140, 104, 68), h * 0.06));
    p.drawPath(trunk);
    p.setPen(QPen(QColor(96, 68, 44), std::max(0.8, h * 0.01)));
    for (int i = 1; i < 14; ++i) {
        const double t = i / 14.0;
        const QPointF pt = trunk.pointAtPercent(t);
        const double a = -trunk.angleAtPercent(t) * kPi / 180.0 + kPi / 2;
        const QPointF d(std::cos(a) * h * 0.03, std::sin(a) * h * 0.03);
        p.drawLine(pt - d, pt + d);
    }
    constexpr double angles[] = {-3.05, -2.55, -2.05, -1.6, -1.1, -0.6, -0.1, 2.75, 0.35};
    const double len = h * 0.4;
    p.setPen(Qt::NoPen);
    for (double a : angles) {
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF tip = top + dir * len + QPointF(0, len * 0.4);
        const QPointF ctrl = top + dir * (len * 0.65) + QPointF(0, -len * 0.2);
        const QPointF side(-dir.y() * h * 0.05, dir.x() * h * 0.05);
        QPainterPath leaf;
        leaf.moveTo(top);
        leaf.quadTo(ctrl + side, tip);
        leaf.quadTo(ctrl - side, top);
        p.fillPath(leaf, QColor(40, 130, 60));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(90, 170, 80), std::max(0.8, h * 0.008)));
        QPainterPath rib;
        rib.moveTo(top);
        rib.quadTo(ctrl, tip);
        p.drawPath(rib);
        p.setPen(Qt::NoPen);
    }
}

void bush(QPainter& p, QPointF c, double r, const QColor& leaves) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(QPointF(c.x() - r * 0.55, c.y() + r * 0.1), r * 0.6, r * 0.55);
    path.addEllipse(QPointF(c.x() + r * 0.55, c.y() + r * 0.1), r * 0.6, r * 0.55);
    path.addEllipse(QPointF(c.x(), c.y() - r * 0.2), r * 0.7, r * 0.65);
    QRadialGradient g(QPointF(c.x() - r * 0.3, c.y() - r * 0.5), r * 1.6);
    g.setColorAt(0, leaves.lighter(130));
    g.setColorAt(1, leaves.darker(130));
    p.fillPath(path, g);
}

void flowers(QPainter& p, const QRectF& area, int count, std::uint32_t seed) {
    static const QColor colours[] = {QColor(230, 50, 60), QColor(250, 210, 40),
                                     QColor(255, 255, 255), QColor(240, 120, 190),
                                     QColor(150, 90, 210)};
    PainterScope scope(p);
    p.setPen(Qt::NoPen);
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const double v = rng.uniform(0, 1);
        const QPointF c(rng.uniform(area.left(), area.right()), area.top() + v * area.height());
        const double r = 1.2 + 2.6 * v;
        p.setBrush(colours[rng.below(5)]);
        p.drawEllipse(c, r, r);
        p.setBrush(QColor(255, 240, 120));
        p.drawEllipse(c, r * 0.35, r * 0.35);
    }
}

// ---------------------------------------------------------------------------------------------
// Building parts

void windowPane(QPainter& p, const QRectF& r, const QColor& frame, const QColor& glass,
                bool arched) {
    PainterScope scope(p);
    const QPainterPath path = archPath(r, arched);
    p.fillPath(path, verticalGradient(r.top(), r.bottom(), glass.lighter(125), glass.darker(110)));
    const double w = std::max(0.8, r.width() * 0.1);
    p.setPen(QPen(frame, w));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    if (r.width() > 6) {
        p.setPen(QPen(frame, w * 0.7));
        p.drawLine(QPointF(r.center().x(), r.top() + (arched ? r.width() * 0.2 : 0)),
                   QPointF(r.center().x(), r.bottom()));
        const double transom = r.top() + r.height() * (arched ? 0.45 : 0.4);
        p.drawLine(QPointF(r.left(), transom), QPointF(r.right(), transom));
    }
}

void windowRow(QPainter& p, double left, double right, double top, QSizeF size, int count,
               const QColor& frame, const QColor& glass, bool arched) {
    if (count <= 0) return;
    const double step = (right - left) / count;
    for (int i = 0; i < count; ++i) {
        const double cx = left + step * (i + 0.5);
        windowPane(p, QRectF(cx - size.width() / 2, top, size.width(), size.height()), frame, glass,
                   arched);
    }
}

void column(QPainter& p, const QRectF& shaft, const QColor& stone) {
    p.fillRect(shaft, cylinderGradient(shaft.left(), shaft.right(), stone));
    const double w = shaft.width();
    const double capH = std::max(1.5, w * 0.35);
    const QRectF capital(shaft.left() - w * 0.2, shaft.top() - capH * 0.3, w * 1.4, capH);
    const QRectF foot(shaft.left() - w * 0.15, shaft.bottom() - capH * 0.7, w * 1.3, capH * 0.7);
    p.fillRect(capital, cylinderGradient(capital.left(), capital.right(), stone.lighter(105)));
    p.fillRect(foot, cylinderGradient(foot.left(), foot.right(), stone));
}

void colonnade(QPainter& p, double left, double right, double top, double bottom, int count,
               const QColor& stone) {
    if (count <= 0) return;
    const double step = (right - left) / count;
    const double w = step * 0.5;
    for (int i = 0; i < count; ++i) {
        const double cx = left + step * (i + 0.5);
        column(p, QRectF(cx - w / 2, top, w, bottom - top), stone);
    }
}

void pediment(QPainter& p, double left, double right, double baseY, double h, const QColor& stone) {
    PainterScope scope(p);
    const double cx = (left + right) / 2;
    const QPainterPath outer =
        polygonPath({QPointF(left, baseY), QPointF(cx, baseY - h), QPointF(right, baseY)});
    p.fillPath(outer, stone.lighter(104));
    const double inset = h * 0.16;
    const QPainterPath inner = polygonPath({QPointF(left + inset * 2.6, baseY - inset * 0.6),
                                            QPointF(cx, baseY - h + inset * 1.2),
                                            QPointF(right - inset * 2.6, baseY - inset * 0.6)});
    p.fillPath(inner, stone.darker(112));
    p.setPen(QPen(stone.darker(140), std::max(1.0, h * 0.03)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outer);
}

void dome(QPainter& p, QPointF b, double w, double h, const QColor& colour, bool lantern) {
    PainterScope scope(p);
    QPainterPath path;
    path.moveTo(b.x() - w / 2, b.y());
    path.arcTo(QRectF(b.x() - w / 2, b.y() - h, w, 2 * h), 180, -180);
    path.closeSubpath();
    QRadialGradient g(QPointF(b.x() - w * 0.18, b.y() - h * 0.7), w * 0.85);
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(140));
    p.fillPath(path, g);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(150), std::max(0.8, w * 0.012)));
    for (double u : {0.35, 0.7}) {
        const QRectF rr(b.x() - u * w / 2, b.y() - h, u * w, 2 * h);
        p.drawArc(rr, 90 * 16, 90 * 16);
        p.drawArc(rr, 0, 90 * 16);
    }
    p.drawLine(QPointF(b.x(), b.y()), QPointF(b.x(), b.y() - h));
    if (lantern) {
        const QRectF body(b.x() - w * 0.07, b.y() - h - h * 0.3, w * 0.14, h * 0.32);
        p.fillRect(body, cylinderGradient(body.left(), body.right(), QColor(235, 228, 210)));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(b.x(), body.top()), w * 0.08, h * 0.07);
        p.setPen(QPen(QColor(200, 160, 60), std::max(1.0, w * 0.015)));
        p.drawLine(QPointF(b.x(), body.top() - h * 0.06), QPointF(b.x(), body.top() - h * 0.22));
        p.drawLine(QPointF(b.x() - w * 0.03, body.top() - h * 0.16),
                   QPointF(b.x() + w * 0.03, body.top() - h * 0.16));
    }
}

void roundTower(QPainter& p, double cx, double bottom, double w, double bodyH, double roofH,
                const QColor& wall, const QColor& roof) {
    PainterScope scope(p);
    const QRectF body(cx - w / 2, bottom - bodyH, w, bodyH);
    p.fillRect(body, cylinderGradient(body.left(), body.right(), wall));
    p.setPen(Qt::NoPen);
    p.setBrush(wall.darker(260));
    for (double f : {0.3, 0.62}) {
        if (bodyH * 0.14 < 2) break;
        p.drawRect(QRectF(cx - w * 0.05, body.top() + bodyH * f, w * 0.1, bodyH * 0.14));
    }
    if (roofH > 0) {
        QPainterPath r;
        r.moveTo(cx - w * 0.62, body.top() + w * 0.04);
        r.lineTo(cx, body.top() - roofH);
        r.lineTo(cx + w * 0.62, body.top() + w * 0.04);
        r.quadTo(cx, body.top() + w * 0.2, cx - w * 0.62, body.top() + w * 0.04);
        p.fillPath(r, cylinderGradient(cx - w * 0.62, cx + w * 0.62, roof));
    } else {
        const QRectF parapet(cx - w * 0.58, body.top() - w * 0.08, w * 1.16, w * 0.14);
        p.fillRect(parapet, cylinderGradient(parapet.left(), parapet.right(), wall));
        crenellations(p, parapet.left(), parapet.right(), parapet.top(), w * 0.16, w * 0.16, wall);
    }
}

void crenellations(QPainter& p, double left, double right, double top, double mw, double mh,
                   const QColor& stone) {
    const int n = std::max(1, static_cast<int>((right - left + mw) / (2 * mw)));
    const double step = (right - left - mw) / std::max(1, n - 1);
    for (int i = 0; i < n; ++i) {
        const QRectF m(left + i * step, top - mh, mw, mh + 0.5);
        p.fillRect(m, verticalGradient(m.top(), m.bottom(), stone.lighter(108), stone));
    }
}

void stoneCourses(QPainter& p, const QRectF& r, double spacing, const QColor& line) {
    PainterScope scope(p);
    p.setPen(QPen(line, 0.8));
    for (double y = r.top() + spacing; y < r.bottom() - 1; y += spacing)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
}

void tricolour(QPainter& p, const QRectF& r) {
    const double w = r.width() / 3;
    p.fillRect(QRectF(r.left(), r.top(), w, r.height()), QColor(0, 45, 150));
    p.fillRect(QRectF(r.left() + w, r.top(), w, r.height()), QColor(250, 250, 250));
    p.fillRect(QRectF(r.left() + 2 * w, r.top(), w, r.height()), QColor(230, 40, 55));
}

void flagOnPole(QPainter& p, QPointF foot, double poleH, double flagW) {
    PainterScope scope(p);
    p.setPen(roundPen(QColor(90, 90, 95), std::max(1.2, poleH * 0.015)));
    p.drawLine(foot, foot - QPointF(0, poleH));
    const double h = flagW * 0.66;
    const double top = foot.y() - poleH + poleH * 0.02;
    // A gently waving flag: three stripes bent by the same curve.
    const QColor colours[] = {QColor(0, 45, 150), QColor(250, 250, 250), QColor(230, 40, 55)};
    for (int i = 0; i < 3; ++i) {
        const double x0 = foot.x() + flagW * i / 3.0;
        const double x1 = foot.x() + flagW * (i + 1) / 3.0;
        auto wave = [&](double x) { return std::sin((x - foot.x()) / flagW * 2 * kPi) * h * 0.08; };
        QPainterPath s;
        s.moveTo(x0, top + wave(x0));
        s.lineTo(x1, top + wave(x1));
        s.lineTo(x1, top + h + wave(x1));
        s.lineTo(x0, top + h + wave(x0));
        s.closeSubpath();
        p.fillPath(s, colours[i]);
    }
}

} // namespace picgen
