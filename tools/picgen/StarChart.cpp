#include "StarChart.h"

#include "Draw.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <utility>
#include <vector>

namespace picgen {

namespace {

struct Constellation {
    const char* glyph;                     // UTF-8
    QRectF area;                           // where it is drawn (inside its click zone)
    std::vector<QPointF> stars;            // 0..1 within the area
    std::vector<std::pair<int, int>> lines; // star indices
};

std::vector<Constellation> constellations() {
    const double left = 16, right = 518, w = 90, bottom = 352, h = 86;
    return {
        {"\u2648", {left, 14, w, h}, {{0.1, 0.55}, {0.45, 0.35}, {0.7, 0.4}, {0.85, 0.6}},
         {{0, 1}, {1, 2}, {2, 3}}},
        {"\u2649", {left, 119, w, h},
         {{0.05, 0.15}, {0.35, 0.45}, {0.5, 0.6}, {0.62, 0.45}, {0.95, 0.2}, {0.6, 0.85}},
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {2, 5}}},
        {"\u264A", {left, 224, w, h},
         {{0.2, 0.1}, {0.5, 0.05}, {0.18, 0.5}, {0.52, 0.45}, {0.12, 0.9}, {0.58, 0.92}},
         {{0, 2}, {2, 4}, {1, 3}, {3, 5}, {2, 3}}},
        {"\u264B", {left, bottom, w, h + 20}, {{0.5, 0.45}, {0.45, 0.1}, {0.15, 0.85}, {0.8, 0.85}},
         {{0, 1}, {0, 2}, {0, 3}}},
        {"\u264C", {122, bottom, w, h + 20},
         {{0.25, 0.3}, {0.35, 0.12}, {0.5, 0.18}, {0.45, 0.4}, {0.35, 0.6}, {0.75, 0.55},
          {0.92, 0.78}, {0.6, 0.78}},
         {{0, 1}, {1, 2}, {0, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 4}}},
        {"\u264D", {234, bottom, w, h + 20},
         {{0.05, 0.3}, {0.3, 0.35}, {0.5, 0.5}, {0.72, 0.42}, {0.95, 0.25}, {0.45, 0.88},
          {0.8, 0.82}},
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {2, 5}, {3, 6}}},
        {"\u264E", {346, bottom, w, h + 20},
         {{0.5, 0.12}, {0.18, 0.45}, {0.82, 0.45}, {0.28, 0.85}, {0.75, 0.8}},
         {{0, 1}, {0, 2}, {1, 2}, {1, 3}, {2, 4}}},
        {"\u264F", {460, bottom, w, h + 20},
         {{0.1, 0.1}, {0.18, 0.28}, {0.3, 0.42}, {0.42, 0.58}, {0.52, 0.74}, {0.67, 0.84},
          {0.82, 0.78}, {0.9, 0.62}, {0.82, 0.5}, {0.02, 0.3}},
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {1, 9}}},
        {"\u2650", {572, bottom, 60, h + 20},
         {{0.05, 0.5}, {0.3, 0.3}, {0.5, 0.42}, {0.75, 0.25}, {0.95, 0.45}, {0.75, 0.72},
          {0.4, 0.78}, {0.15, 0.68}},
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 0}, {2, 6}}},
        {"\u2651", {right, 224, 110, h},
         {{0.08, 0.15}, {0.5, 0.85}, {0.92, 0.3}, {0.6, 0.38}, {0.3, 0.3}},
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}}},
        {"\u2652", {right, 119, 110, h},
         {{0.05, 0.2}, {0.28, 0.3}, {0.45, 0.15}, {0.6, 0.45}, {0.48, 0.72}, {0.75, 0.85},
          {0.95, 0.65}},
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}}},
        {"\u2653", {right, 14, 110, h},
         {{0.05, 0.85}, {0.15, 0.7}, {0.3, 0.8}, {0.5, 0.92}, {0.62, 0.7}, {0.7, 0.5},
          {0.75, 0.32}, {0.62, 0.3}},
         {{0, 1}, {1, 2}, {0, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 5}}},
    };
}

} // namespace

QImage drawStarChart() {
    QImage image(static_cast<int>(kWidth), static_cast<int>(kHeight), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A faint sky of scattered stars.
    Rng rng(20261206);
    for (int k = 0; k < 260; ++k) {
        const int grey = 60 + rng.below(90);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(grey, grey, grey + 20));
        p.drawEllipse(QPointF(rng.uniform(0, kWidth), rng.uniform(0, kHeight)), 0.7, 0.7);
    }

    // The middle: the name of the band of signs.
    {
        PainterScope scope(p);
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(30);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(70, 90, 150));
        p.drawText(QRectF(112, 120, 400, 60), Qt::AlignCenter, QStringLiteral("ZODIAQUE"));
    }

    QFont glyphFont(QStringLiteral("DejaVu Sans"));
    glyphFont.setPixelSize(20);
    for (const Constellation& c : constellations()) {
        auto at = [&](int i) {
            const QPointF s = c.stars[static_cast<std::size_t>(i)];
            return QPointF(c.area.left() + s.x() * c.area.width(),
                           c.area.top() + s.y() * c.area.height());
        };
        p.setPen(QPen(QColor(90, 130, 200), 1.2));
        for (auto [a, b] : c.lines) p.drawLine(at(a), at(b));
        p.setPen(Qt::NoPen);
        for (std::size_t i = 0; i < c.stars.size(); ++i) {
            const double r = 1.8 + static_cast<double>((i * 7) % 3) * 0.7;
            p.setBrush(QColor(255, 255, 230));
            p.drawEllipse(at(static_cast<int>(i)), r, r);
        }
        PainterScope scope(p);
        p.setFont(glyphFont);
        p.setPen(QColor(0, 200, 200));
        p.drawText(QRectF(c.area.right() - 22, c.area.top() - 4, 24, 24), Qt::AlignCenter,
                   QString::fromUtf8(c.glyph));
    }
    p.end();
    return image;
}

} // namespace picgen
