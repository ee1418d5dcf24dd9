#include "Landmarks.h"

#include "Draw.h"

#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace picgen {

void eiffelTower(QPainter& p, QPointF base, double H, const QColor& iron) {
    PainterScope scope(p);
    auto P = [&](double dx, double dy) { return QPointF(base.x() + dx * H, base.y() - dy * H); };

    QPainterPath outline;
    outline.moveTo(P(-0.19, 0));
    outline.quadTo(P(-0.15, 0.09), P(-0.125, 0.175));
    outline.quadTo(P(-0.085, 0.27), P(-0.065, 0.36));
    outline.quadTo(P(-0.03, 0.62), P(-0.017, 0.88));
    outline.lineTo(P(-0.008, 0.93));
    outline.lineTo(P(0.008, 0.93));
    outline.lineTo(P(0.017, 0.88));
    outline.quadTo(P(0.03, 0.62), P(0.065, 0.36));
    outline.quadTo(P(0.085, 0.27), P(0.125, 0.175));
    outline.quadTo(P(0.15, 0.09), P(0.19, 0));
    outline.lineTo(P(0.125, 0));
    outline.cubicTo(P(0.11, 0.1), P(0.05, 0.135), P(0, 0.135));
    outline.cubicTo(P(-0.05, 0.135), P(-0.11, 0.1), P(-0.125, 0));
    outline.closeSubpath();
    // The gap between the legs above the first floor.
    const QPainterPath gap =
        polygonPath({P(-0.068, 0.195), P(0.068, 0.195), P(0.03, 0.33), P(-0.03, 0.33)});
    outline = outline.subtracted(gap);

    p.fillPath(outline, withAlpha(iron, 120));
    // Lattice: two sets of diagonals and a few horizontal bands, clipped to the silhouette.
    p.setClipPath(outline);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(iron, std::max(0.7, H * 0.0045)));
    const double step = H * 0.026;
    for (double d = -H; d < H * 1.2; d += step) {
        p.drawLine(P(-0.2, d / H), P(0.2, (d + 0.4 * H) / H));
        p.drawLine(P(0.2, d / H), P(-0.2, (d + 0.4 * H) / H));
    }
    for (double y = 0.03; y < 0.9; y += 0.055)
        p.drawLine(P(-0.2, y), P(0.2, y));
    p.setClipping(false);
    p.setPen(QPen(iron.darker(120), std::max(0.9, H * 0.006)));
    p.drawPath(outline);

    p.setPen(Qt::NoPen);
    p.setBrush(iron.darker(115));
    p.drawRect(QRectF(P(-0.15, 0.19), P(0.15, 0.17)));
    p.drawRect(QRectF(P(-0.085, 0.37), P(0.085, 0.355)));
    p.drawRect(QRectF(P(-0.026, 0.885), P(0.026, 0.873)));
    p.setPen(roundPen(iron.darker(115), std::max(0.8, H * 0.005)));
    p.drawLine(P(0, 0.93), P(0, 1.0));
}

void arcDeTriomphe(QPainter& p, QPointF base, double w, const QColor& stone) {
    PainterScope scope(p);
    const double H = w * 1.08;
    const double cx = base.x();
    const double y = base.y();
    const double x0 = cx - w / 2;
    auto Y = [&](double f) { return y - f * H; };

    // Body with the great arch cut through it.
    const double archHalf = 0.165 * w;
    const double springY = Y(0.43);
    QPainterPath body;
    body.addRect(QRectF(x0, Y(0.78), w, 0.78 * H));
    const QPainterPath arch = archPath(
        QRectF(cx - archHalf, springY - archHalf, 2 * archHalf, y - springY + archHalf + 1));
    body = body.subtracted(arch);
    QLinearGradient light(x0, 0, x0 + w, 0);
    light.setColorAt(0, stone.lighter(110));
    light.setColorAt(1, stone.darker(115));
    p.fillPath(body, light);

    // The flag hanging from the crown of the arch.
    const double flagW = 0.2 * w;
    tricolour(p, QRectF(cx - flagW / 2, springY - archHalf + 2, flagW, 0.3 * H));

    // Archivolt and impost bands.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(stone.darker(125), std::max(1.0, w * 0.014)));
    p.drawPath(arch);
    p.setPen(Qt::NoPen);
    const QColor band = stone.darker(108);
    p.fillRect(QRectF(x0, springY - 0.012 * H, cx - archHalf - x0, 0.024 * H), band);
    p.fillRect(QRectF(cx + archHalf, springY - 0.012 * H, cx - archHalf - x0, 0.024 * H), band);

    // Sculpted groups on the pillars: darker panels with pale figures.
    for (int side : {-1, 1}) {
        const double px = cx + side * 0.335 * w;
        const QRectF panel(px - 0.085 * w, Y(0.36), 0.17 * w, 0.22 * H);
        p.fillRect(panel, stone.darker(122));
        p.setBrush(stone.lighter(106));
        for (int k = 0; k < 3; ++k) {
            const double fx = panel.left() + panel.width() * (0.22 + 0.28 * k);
            p.drawEllipse(QPointF(fx, panel.top() + panel.height() * 0.25), w * 0.012, w * 0.014);
            p.drawRoundedRect(QRectF(fx - w * 0.018, panel.top() + panel.height() * 0.34, w * 0.036,
                                     panel.height() * 0.55),
                              w * 0.01, w * 0.01);
        }
        p.fillRect(QRectF(px - 0.1 * w, Y(0.12), 0.2 * w, 0.02 * H), band);
        // Small reliefs above the springing line.
        p.fillRect(QRectF(px - 0.07 * w, Y(0.63), 0.14 * w, 0.09 * H), stone.darker(110));
    }

    // Frieze, cornice and attic.
    p.fillRect(QRectF(x0, Y(0.72), w, 0.055 * H), stone.darker(118));
    p.setPen(QPen(stone.darker(140), std::max(0.6, w * 0.004)));
    for (double fx = x0 + w * 0.02; fx < x0 + w; fx += w * 0.025)
        p.drawLine(QPointF(fx, Y(0.715)), QPointF(fx, Y(0.67)));
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(x0 - 0.02 * w, Y(0.81), 1.04 * w, 0.035 * H),
               verticalGradient(Y(0.81), Y(0.775), stone.lighter(112), stone.darker(110)));
    p.fillRect(QRectF(x0, Y(0.97), w, 0.16 * H),
               verticalGradient(Y(0.97), Y(0.81), stone.lighter(104), stone.darker(104)));
    p.setBrush(stone.darker(118));
    for (int k = 0; k < 10; ++k) {
        const double sx = x0 + w * (0.05 + 0.1 * k);
        p.drawEllipse(QPointF(sx, Y(0.89)), w * 0.022, w * 0.022);
    }
    p.fillRect(QRectF(x0 - 0.012 * w, Y(1.0), 1.024 * w, 0.03 * H), stone.lighter(108));
}

void notreDame(QPainter& p, QPointF base, double w) {
    PainterScope scope(p);
    const QColor stone(218, 204, 172);
    const QColor dark(74, 62, 64);
    const double H = w * 1.45;
    const double cx = base.x();
    const double y = base.y();
    const double x0 = cx - w / 2;
    const double x1 = cx + w / 2;
    const double towerW = w * 0.36;
    auto Y = [&](double f) { return y - f * H; };

    // The spire over the crossing, behind the front.
    p.fillPath(polygonPath({QPointF(cx - w * 0.03, Y(0.7)), QPointF(cx, Y(1.3)),
                            QPointF(cx + w * 0.03, Y(0.7))}),
               QColor(90, 96, 110));
    p.fillRect(QRectF(cx - w * 0.25, Y(0.78), w * 0.5, 0.12 * H), QColor(96, 104, 120));

    QLinearGradient light(x0, 0, x1, 0);
    light.setColorAt(0, stone.lighter(108));
    light.setColorAt(1, stone.darker(110));
    p.fillRect(QRectF(x0, Y(0.66), w, 0.66 * H), light);
    p.fillRect(QRectF(x0, Y(1.0), towerW, 0.36 * H), light);
    p.fillRect(QRectF(x1 - towerW, Y(1.0), towerW, 0.36 * H), light);
    p.fillRect(QRectF(x0 + towerW, Y(0.72), w - 2 * towerW, 0.06 * H), stone.darker(104));

    // Buttresses.
    p.setPen(QPen(stone.darker(125), std::max(1.0, w * 0.012)));
    for (double bx : {x0 + w * 0.02, x0 + towerW, x1 - towerW, x1 - w * 0.02})
        p.drawLine(QPointF(bx, y), QPointF(bx, Y(0.98)));
    p.setPen(Qt::NoPen);

    // Three portals.
    auto portal = [&](double pcx, double pw, double ph) {
        const QRectF r(pcx - pw / 2, y - ph, pw, ph);
        p.fillPath(pointedArchPath(r.adjusted(-pw * 0.12, -pw * 0.12, pw * 0.12, 0)),
                   stone.darker(118));
        p.fillPath(pointedArchPath(r), dark);
        p.fillRect(QRectF(r.left(), y - ph * 0.45, pw, ph * 0.06), stone.darker(130));
    };
    portal(cx, w * 0.2, 0.26 * H);
    portal(x0 + towerW / 2, w * 0.16, 0.22 * H);
    portal(x1 - towerW / 2, w * 0.16, 0.22 * H);

    // Gallery of kings: a row of small niches.
    p.fillRect(QRectF(x0, Y(0.37), w, 0.05 * H), stone.darker(108));
    for (double nx = x0 + w * 0.03; nx < x1 - w * 0.02; nx += w * 0.036)
        p.fillPath(archPath(QRectF(nx, Y(0.362), w * 0.022, 0.036 * H)), stone.darker(150));

    // Rose window with side windows.
    const QPointF rose(cx, Y(0.49));
    const double rr = w * 0.11;
    p.setBrush(stone.darker(115));
    p.drawEllipse(rose, rr * 1.18, rr * 1.18);
    QRadialGradient glass(rose, rr);
    glass.setColorAt(0, QColor(230, 120, 170));
    glass.setColorAt(0.5, QColor(70, 70, 170));
    glass.setColorAt(1, QColor(40, 40, 110));
    p.setBrush(glass);
    p.drawEllipse(rose, rr, rr);
    p.setPen(QPen(stone, std::max(0.7, rr * 0.08)));
    for (int k = 0; k < 12; ++k) {
        const double a = k * 3.14159265 / 6;
        p.drawLine(rose, rose + QPointF(std::cos(a) * rr, std::sin(a) * rr));
    }
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(rose, rr * 0.4, rr * 0.4);
    p.setPen(Qt::NoPen);
    for (double sx : {x0 + towerW / 2, x1 - towerW / 2})
        for (double dx : {-0.05, 0.05})
            p.fillPath(pointedArchPath(QRectF(sx + dx * w - w * 0.03, Y(0.6), w * 0.06, 0.2 * H)),
                       dark);

    // Open arcade across the front and the tower openings.
    p.fillRect(QRectF(x0, Y(0.665), w, 0.02 * H), stone.darker(112));
    for (double ax = x0 + w * 0.02; ax < x1 - w * 0.02; ax += w * 0.04)
        p.fillPath(archPath(QRectF(ax, Y(0.655), w * 0.025, 0.06 * H)), dark);
    for (double tx : {x0 + towerW / 2, x1 - towerW / 2}) {
        for (double dx : {-0.07, 0.07}) {
            const QRectF op(tx + dx * w - w * 0.05, Y(0.96), w * 0.1, 0.24 * H);
            p.fillPath(pointedArchPath(op), dark);
            p.setPen(QPen(stone.darker(140), std::max(0.6, w * 0.006)));
            for (double ly = op.top() + op.height() * 0.35; ly < op.bottom(); ly += H * 0.025)
                p.drawLine(QPointF(op.left(), ly), QPointF(op.right(), ly));
            p.setPen(Qt::NoPen);
        }
        p.fillRect(QRectF(tx - towerW / 2 - w * 0.01, Y(1.0), towerW + w * 0.02, 0.02 * H),
                   stone.lighter(106));
    }
}

void versaillesPalace(QPainter& p, double left, double right, double bottom, double height) {
    PainterScope scope(p);
    const QColor stone(238, 224, 192);
    const QColor frame(150, 140, 120);
    const QColor glass(120, 150, 185);
    const double w = right - left;
    const double top = bottom - height;

    auto block = [&](double l, double r, double t) {
        p.fillRect(QRectF(l, t, r - l, bottom - t),
                   verticalGradient(t, bottom, stone.lighter(104), stone.darker(108)));
        const double h = bottom - t;
        const int n = std::max(1, static_cast<int>((r - l) / (h * 0.2)));
        const double winW = (r - l) / n * 0.42;
        windowRow(p, l, r, t + h * 0.56, QSizeF(winW, h * 0.3), n, frame, glass, true);
        windowRow(p, l, r, t + h * 0.18, QSizeF(winW, h * 0.3), n, frame, glass, true);
        windowRow(p, l, r, t + h * 0.03, QSizeF(winW * 0.8, h * 0.08), n, frame, glass, false);
        p.fillRect(QRectF(l, t + h * 0.13, r - l, std::max(1.0, h * 0.025)), stone.darker(115));
        p.fillRect(QRectF(l, t + h * 0.51, r - l, std::max(1.0, h * 0.02)), stone.darker(112));
        // Balustrade with vases along the roof line.
        p.fillRect(QRectF(l, t - h * 0.07, r - l, h * 0.07), stone.darker(104));
        p.setPen(QPen(stone.darker(135), std::max(0.6, h * 0.008)));
        for (double bx = l + h * 0.02; bx < r; bx += h * 0.035)
            p.drawLine(QPointF(bx, t - h * 0.055), QPointF(bx, t - h * 0.01));
        p.setPen(Qt::NoPen);
        p.setBrush(stone.darker(115));
        for (double vx = l + (r - l) / n / 2; vx < r; vx += (r - l) / n)
            p.drawEllipse(QPointF(vx, t - h * 0.1), h * 0.025, h * 0.04);
    };
    block(left, right, top + height * 0.08);
    block(left + w * 0.1, left + w * 0.3, top + height * 0.03);
    block(right - w * 0.3, right - w * 0.1, top + height * 0.03);
    const double cl = left + w * 0.4;
    const double cr = right - w * 0.4;
    block(cl, cr, top);
    colonnade(p, cl, cr, top + height * 0.15, top + height * 0.5, 6, stone.lighter(104));
}

void parisRooftops(QPainter& p, double baseY, double height, std::uint32_t seed,
                   const QColor& colour) {
    PainterScope scope(p);
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (double x = -10; x < kWidth;) {
        const double w = rng.uniform(28, 70);
        const double h = height * rng.uniform(0.55, 1.0);
        const QColor c = mix(colour, colour.lighter(115), rng.uniform(0, 1));
        const double roofH = h * 0.22;
        p.setBrush(c);
        p.drawRect(QRectF(x, baseY - h + roofH, w, h - roofH + 1));
        p.setBrush(c.darker(118));
        p.drawPath(
            polygonPath({QPointF(x, baseY - h + roofH), QPointF(x + w * 0.12, baseY - h),
                         QPointF(x + w * 0.88, baseY - h), QPointF(x + w, baseY - h + roofH)}));
        p.drawRect(QRectF(x + w * 0.2, baseY - h - roofH * 0.5, w * 0.08, roofH * 0.6));
        p.setBrush(c.lighter(118));
        const double ww = std::max(1.0, w * 0.07);
        for (double wy = baseY - h + roofH * 1.6; wy < baseY - ww * 2; wy += ww * 3)
            for (double wx = x + w * 0.12; wx < x + w - ww * 1.5; wx += ww * 2.4)
                p.drawRect(QRectF(wx, wy, ww, ww * 1.5));
        x += w;
    }
}

void waterJet(QPainter& p, QPointF base, double h, double spread) {
    PainterScope scope(p);
    p.setBrush(Qt::NoBrush);
    const QPointF top(base.x(), base.y() - h);
    p.setPen(roundPen(QColor(235, 245, 255, 220), std::max(1.5, h * 0.035)));
    p.drawLine(base, top);
    p.setPen(roundPen(QColor(225, 240, 255, 170), std::max(1.0, h * 0.012)));
    for (int i = -4; i <= 4; ++i) {
        if (i == 0) continue;
        const double dx = spread / 2 * i / 4.0;
        QPainterPath fall;
        fall.moveTo(top);
        fall.quadTo(base.x() + dx * 0.55, top.y() - h * 0.08, base.x() + dx, base.y());
        p.drawPath(fall);
    }
    p.setPen(Qt::NoPen);
    QRadialGradient mist(base, spread * 0.35);
    mist.setColorAt(0, QColor(255, 255, 255, 200));
    mist.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(mist);
    p.drawEllipse(base, spread * 0.35, spread * 0.12);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(top, h * 0.03, h * 0.05);
}

void arcingJet(QPainter& p, QPointF from, QPointF to, double rise) {
    PainterScope scope(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(235, 245, 255, 210), std::max(1.2, rise * 0.07)));
    QPainterPath path;
    path.moveTo(from);
    path.quadTo(QPointF((from.x() + to.x()) / 2, std::min(from.y(), to.y()) - rise * 2), to);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(to, rise * 0.2, rise * 0.1);
}

void goldFigure(QPainter& p, QPointF feet, double h) {
    PainterScope scope(p);
    const QColor gold(222, 176, 60);
    const double x = feet.x();
    const double y = feet.y();
    QLinearGradient g(x - h * 0.2, 0, x + h * 0.2, 0);
    g.setColorAt(0, gold.lighter(130));
    g.setColorAt(1, gold.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    // Body in a long robe, head, and one arm raised high.
    p.drawPath(polygonPath({QPointF(x - h * 0.1, y), QPointF(x - h * 0.08, y - h * 0.6),
                            QPointF(x + h * 0.08, y - h * 0.6), QPointF(x + h * 0.12, y)}));
    p.drawEllipse(QPointF(x, y - h * 0.7), h * 0.08, h * 0.09);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(gold.darker(110), h * 0.06));
    p.drawLine(QPointF(x + h * 0.06, y - h * 0.56), QPointF(x + h * 0.2, y - h * 0.92));
    p.drawLine(QPointF(x - h * 0.06, y - h * 0.56), QPointF(x - h * 0.16, y - h * 0.3));
}

} // namespace picgen
