#include "Diploma.h"

#include "Draw.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace picgen {

namespace {

const QColor kParchmentLight(252, 244, 220);
const QColor kParchmentDark(233, 214, 170);
const QColor kGold(201, 160, 48);
const QColor kGoldDark(140, 104, 20);
const QColor kGoldLight(250, 222, 120);
const QColor kInk(60, 40, 20);
const QColor kBlue(0, 35, 149);
const QColor kRed(237, 41, 57);
const QColor kLeaf(70, 120, 50);
const QColor kLeafDark(40, 80, 30);

void parchment(QPainter& p) {
    QRadialGradient g(QPointF(kDiplomaWidth / 2.0, kDiplomaHeight / 2.0), kDiplomaWidth * 0.65);
    g.setColorAt(0, kParchmentLight);
    g.setColorAt(1, kParchmentDark);
    p.fillRect(QRectF(0, 0, kDiplomaWidth, kDiplomaHeight), g);
}

void frame(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGoldDark, 6));
    p.drawRect(QRectF(10, 10, kDiplomaWidth - 20, kDiplomaHeight - 20));
    p.setPen(QPen(kGold, 3));
    p.drawRect(QRectF(20, 20, kDiplomaWidth - 40, kDiplomaHeight - 40));
    p.setPen(QPen(kGoldLight, 1));
    p.drawRect(QRectF(24, 24, kDiplomaWidth - 48, kDiplomaHeight - 48));
    // A gold flourish in each corner.
    const QPointF corners[4] = {{20, 20},
                                {kDiplomaWidth - 20.0, 20},
                                {20, kDiplomaHeight - 20.0},
                                {kDiplomaWidth - 20.0, kDiplomaHeight - 20.0}};
    for (const QPointF& c : corners) {
        const double sx = c.x() < kDiplomaWidth / 2.0 ? 1 : -1;
        const double sy = c.y() < kDiplomaHeight / 2.0 ? 1 : -1;
        p.setPen(QPen(kGoldDark, 2));
        p.setBrush(kGold);
        p.drawEllipse(c, 9, 9);
        QPainterPath curl;
        curl.moveTo(c + QPointF(sx * 12, sy * 4));
        curl.cubicTo(c + QPointF(sx * 40, sy * 2), c + QPointF(sx * 40, sy * 24),
                     c + QPointF(sx * 26, sy * 22));
        curl.moveTo(c + QPointF(sx * 4, sy * 12));
        curl.cubicTo(c + QPointF(sx * 2, sy * 40), c + QPointF(sx * 24, sy * 40),
                     c + QPointF(sx * 22, sy * 26));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curl);
    }
}

void ribbons(QPainter& p, QPointF centre) {
    // Two tails in blue, white and red hanging below the medal.
    for (int side : {-1, 1}) {
        const double x0 = centre.x() + side * 10;
        const QColor colours[3] = {kBlue, Qt::white, kRed};
        for (int k = 0; k < 3; ++k) {
            const double dx = side * (k * 9.0);
            QPainterPath tail = polygonPath({{x0 + dx, centre.y()},
                                             {x0 + dx + side * 9, centre.y()},
                                             {x0 + dx + side * 30, centre.y() + 95},
                                             {x0 + dx + side * 21, centre.y() + 95}});
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(colours[k]);
            p.drawPath(tail);
        }
    }
}

void laurel(QPainter& p, QPointF centre, double radius) {
    // Leaves along two arcs from below the medal up its sides.
    for (int side : {-1, 1}) {
        for (int k = 0; k < 12; ++k) {
            const double degrees = -75.0 + k * 13.0; // right side, from the bottom up
            const double angle = (side > 0 ? degrees : 180.0 - degrees) * M_PI / 180.0;
            const QPointF at(centre.x() + radius * std::cos(angle),
                             centre.y() - radius * std::sin(angle));
            p.save();
            p.translate(at);
            p.rotate(-angle * 180.0 / M_PI + (side > 0 ? -20 : 20));
            p.setPen(QPen(kLeafDark, 1));
            p.setBrush(k % 2 ? kLeaf : kLeafDark.lighter(130));
            p.drawEllipse(QRectF(-6, -14, 12, 28));
            p.restore();
        }
    }
}

void medal(QPainter& p, QPointF centre) {
    ribbons(p, centre);
    laurel(p, centre, 62);
    QRadialGradient g(centre - QPointF(12, 12), 60);
    g.setColorAt(0, kGoldLight);
    g.setColorAt(0.6, kGold);
    g.setColorAt(1, kGoldDark);
    p.setPen(QPen(kGoldDark, 3));
    p.setBrush(g);
    p.drawEllipse(centre, 46, 46);
    // A five-pointed star in the middle.
    QPainterPath star;
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 ? 14 : 32;
        const double a = -M_PI / 2 + k * M_PI / 5;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (k == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(kGoldDark, 1.5));
    p.setBrush(kGoldLight);
    p.drawPath(star);
}

void title(QPainter& p) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(58);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(font);
    const QRectF band(0, 36, kDiplomaWidth, 76);
    p.setPen(kGoldLight);
    p.drawText(band.translated(2, 2), Qt::AlignCenter, QString::fromUtf8("DIPLÔME"));
    p.setPen(kInk);
    p.drawText(band, Qt::AlignCenter, QString::fromUtf8("DIPLÔME"));
    // A thin gold rule with a diamond under the title.
    p.setPen(QPen(kGold, 2));
    p.drawLine(QPointF(130, 118), QPointF(280, 118));
    p.drawLine(QPointF(320, 118), QPointF(470, 118));
    p.setBrush(kGold);
    p.drawPath(polygonPath({{300, 110}, {310, 118}, {300, 126}, {290, 118}}));

    QFont small(QStringLiteral("DejaVu Serif"));
    small.setPixelSize(20);
    small.setItalic(true);
    p.setFont(small);
    p.setPen(kInk);
    p.drawText(QRectF(0, 128, kDiplomaWidth, 30), Qt::AlignCenter,
               QString::fromUtf8("Tous les niveaux sont réussis"));
}

} // namespace

QImage drawDiploma() {
    QImage image(kDiplomaWidth, kDiplomaHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    parchment(p);
    frame(p);
    title(p);
    medal(p, QPointF(kDiplomaWidth / 2.0, 250));
    p.end();
    return image;
}

} // namespace picgen
