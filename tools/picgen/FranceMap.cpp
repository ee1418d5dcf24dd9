// The map of France (outline, Corsica, the big rivers, Paris and the main cities, the seas and
// the mountains) and the flag, drawn from geographic coordinates.

#include "CoursePictures.h"
#include "Draw.h"

#include <QFont>
#include <QPainterPath>
#include <cmath>
#include <numbers>
#include <vector>

namespace picgen {

namespace {

struct LonLat {
    double lon, lat;
};

// The mainland, clockwise from Dunkirk.
const std::vector<LonLat> kMainland = {
    {2.37, 51.05}, {2.55, 51.09}, {2.9, 50.7},   {3.3, 50.5},   {4.2, 50.0},   {4.85, 50.15},
    {4.9, 49.8},   {5.4, 49.6},   {6.4, 49.48},  {7.0, 49.15},  {8.2, 48.97},  {7.8, 48.5},
    {7.55, 47.6},  {7.0, 47.45},  {6.45, 46.95}, {6.1, 46.4},   {6.1, 46.15},  {6.8, 46.05},
    {7.0, 45.5},   {6.65, 45.1},  {6.95, 44.3},  {7.5, 43.8},   {7.0, 43.55},  {6.6, 43.2},
    {5.9, 43.08},  {5.35, 43.28}, {4.8, 43.35},  {4.2, 43.45},  {3.5, 43.25},  {3.05, 42.9},
    {3.17, 42.45}, {2.5, 42.35},  {1.7, 42.5},   {0.7, 42.8},   {-0.3, 42.8},  {-1.2, 43.05},
    {-1.78, 43.37}, {-1.45, 43.6}, {-1.25, 44.6}, {-1.15, 45.5}, {-1.2, 46.05}, {-2.1, 46.8},
    {-2.2, 47.3},  {-3.0, 47.55}, {-4.35, 47.8}, {-4.5, 48.35}, {-4.75, 48.45}, {-4.0, 48.7},
    {-3.0, 48.82}, {-2.0, 48.6},  {-1.5, 48.65}, {-1.6, 49.2},  {-1.9, 49.7},  {-1.25, 49.68},
    {-1.1, 49.38}, {-0.2, 49.3},  {0.1, 49.45},  {0.6, 49.85},  {1.5, 50.2},   {1.6, 50.7},
    {1.9, 50.95},
};
const std::vector<LonLat> kCorsica = {{9.4, 43.0}, {9.55, 42.6}, {9.4, 41.4}, {9.1, 41.38},
                                      {8.6, 41.9}, {8.7, 42.6}, {9.3, 42.72}};

struct River {
    const char* name;
    std::vector<LonLat> course;
    LonLat label;
};
const std::vector<River> kRivers = {
    {"la Seine", {{4.7, 47.75}, {4.1, 48.3}, {3.0, 48.4}, {2.35, 48.85}, {1.5, 49.1}, {1.1, 49.4}, {0.2, 49.45}}, {3.0, 48.2}},
    {"la Loire", {{4.2, 44.85}, {4.1, 45.6}, {3.9, 46.5}, {3.1, 47.0}, {2.6, 47.5}, {1.9, 47.9}, {0.7, 47.4}, {-0.55, 47.45}, {-1.55, 47.2}, {-2.15, 47.28}}, {0.8, 47.25}},
    {"la Garonne", {{0.7, 42.9}, {1.2, 43.3}, {1.44, 43.6}, {0.6, 44.2}, {-0.57, 44.84}, {-1.1, 45.5}}, {0.3, 44.55}},
    {"le Rhône", {{6.1, 46.17}, {5.8, 45.9}, {4.85, 45.75}, {4.85, 45.0}, {4.8, 44.0}, {4.6, 43.6}, {4.7, 43.36}}, {4.95, 44.7}},
    {"le Rhin", {{7.55, 47.6}, {7.8, 48.5}, {8.2, 48.97}}, {7.95, 48.1}},
};

struct City {
    const char* name;
    LonLat at;
    int side; // where the name stands: 1 right, -1 left
};
const std::vector<City> kCities = {
    {"Lille", {3.06, 50.63}, 1},      {"Strasbourg", {7.75, 48.58}, -1}, {"Rennes", {-1.68, 48.11}, 1},
    {"Brest", {-4.49, 48.39}, 1},     {"Nantes", {-1.55, 47.22}, 1},     {"Lyon", {4.84, 45.76}, 1},
    {"Bordeaux", {-0.58, 44.84}, 1},  {"Toulouse", {1.44, 43.60}, -1},    {"Montpellier", {3.88, 43.61}, -1},
    {"Marseille", {5.37, 43.30}, 1},  {"Nice", {7.26, 43.70}, -1},
};
constexpr LonLat kParis{2.35, 48.86};

class Projection {
public:
    explicit Projection(QSizeF size) {
        const double west = -5.2, east = 9.8, north = 51.3, south = 41.2;
        const double xScale = std::cos(46.5 * std::numbers::pi / 180.0);
        const double w = (east - west) * xScale, h = north - south;
        k_ = std::min(size.width() / w, size.height() / h);
        xScale_ = xScale;
        west_ = west;
        north_ = north;
        offset_ = QPointF((size.width() - w * k_) / 2, (size.height() - h * k_) / 2);
    }
    QPointF operator()(LonLat p) const {
        return offset_ + QPointF((p.lon - west_) * xScale_ * k_, (north_ - p.lat) * k_);
    }
    double scale() const { return k_; }

private:
    double k_ = 1, xScale_ = 1, west_ = 0, north_ = 0;
    QPointF offset_;
};

QPainterPath outline(const Projection& proj, const std::vector<LonLat>& points) {
    QPainterPath path(proj(points.front()));
    for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(proj(points[i]));
    path.closeSubpath();
    return path;
}

void label(QPainter& p, QPointF at, const QString& text, double size, const QColor& colour,
           bool italic, int side) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(7, static_cast<int>(size)));
    f.setItalic(italic);
    f.setBold(!italic);
    p.setFont(f);
    const QFontMetricsF fm(f);
    const double w = fm.horizontalAdvance(text);
    QPointF origin = at + QPointF(side >= 0 ? size * 0.5 : -w - size * 0.5, fm.ascent() / 2 - 1);
    if (side == 0) origin = at - QPointF(w / 2, -fm.ascent() / 2);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3));
    QPainterPath halo;
    halo.addText(origin, f, text);
    p.strokePath(halo, QPen(QColor(255, 255, 255, 190), std::max(2.0, size / 5)));
    p.setPen(colour);
    p.drawText(origin, text);
}

} // namespace

QImage franceMap(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QColor(170, 205, 235)); // the sea
    const Projection proj(QSizeF(size) * 0.98);
    p.translate(size.width() * 0.01, size.height() * 0.01);
    const double unit = size.width() / 60.0; // text size

    // The neighbours in a pale grey, France in a warm green.
    const QPainterPath land = outline(proj, kMainland);
    const QPainterPath corsica = outline(proj, kCorsica);
    const QPainterPath east = outline(proj, {{2.55, 51.09}, {3.4, 51.38}, {4.6, 53.0}, {11.0, 53.0},
                                             {11.0, 44.2}, {7.53, 43.78}});
    const QPainterPath spain = outline(proj, {{-1.78, 43.37}, {-1.9, 43.45}, {-9.0, 43.6}, {-9.0, 40.0},
                                              {0.0, 40.0}, {0.8, 40.8}, {2.2, 41.3}, {3.2, 41.8},
                                              {3.17, 42.45}});
    p.fillPath(east.subtracted(land), QColor(226, 224, 214));
    p.fillPath(spain.subtracted(land), QColor(226, 224, 214));
    p.fillPath(land, QColor(196, 224, 160));
    p.fillPath(corsica, QColor(196, 224, 160));
    p.setPen(QPen(QColor(70, 90, 60), std::max(1.0, unit * 0.18)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(land);
    p.drawPath(corsica);

    // Mountains: the Alps and the Pyrenees as brown hatching.
    p.setPen(QPen(QColor(150, 110, 70), std::max(1.0, unit * 0.2)));
    for (LonLat m : {LonLat{6.4, 45.9}, LonLat{6.6, 45.4}, LonLat{6.7, 44.9}, LonLat{6.6, 44.4},
                     LonLat{-0.5, 43.0}, LonLat{0.4, 42.9}, LonLat{1.3, 42.75}, LonLat{2.1, 42.6}}) {
        const QPointF c = proj(m);
        const double s = unit * 0.8;
        p.drawPolyline(QPolygonF({c + QPointF(-s, s / 2), c + QPointF(0, -s / 2), c + QPointF(s, s / 2)}));
    }

    // Rivers.
    p.setPen(QPen(QColor(40, 100, 200), std::max(1.2, unit * 0.3), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const River& r : kRivers) {
        QPolygonF line;
        for (LonLat q : r.course) line << proj(q);
        p.drawPolyline(line);
    }
    for (const River& r : kRivers)
        label(p, proj(r.label), QString::fromUtf8(r.name), unit * 1.15, QColor(20, 70, 170), true, 0);

    // Cities, and Paris.
    for (const City& c : kCities) {
        const QPointF at = proj(c.at);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(at, unit * 0.38, unit * 0.38);
        label(p, at, QString::fromUtf8(c.name), unit * 1.2, QColor(30, 30, 30), false, c.side);
    }
    const QPointF paris = proj(kParis);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(220, 20, 20));
    p.drawRect(QRectF(paris - QPointF(unit * 0.6, unit * 0.6), QSizeF(unit * 1.2, unit * 1.2)));
    label(p, paris + QPointF(0, -unit * 0.2), QStringLiteral("PARIS"), unit * 1.6, QColor(150, 0, 0), false, 1);

    // Seas, mountains and neighbours by name.
    label(p, proj({-3.2, 45.2}), QString::fromUtf8("Océan Atlantique"), unit * 1.3, QColor(20, 60, 130), true, 0);
    label(p, proj({-1.5, 50.1}), QStringLiteral("La Manche"), unit * 1.3, QColor(20, 60, 130), true, 0);
    label(p, proj({5.2, 42.3}), QString::fromUtf8("Mer Méditerranée"), unit * 1.3, QColor(20, 60, 130), true, 0);
    label(p, proj({6.0, 45.2}), QStringLiteral("les Alpes"), unit * 1.1, QColor(120, 80, 40), true, -1);
    label(p, proj({0.8, 42.45}), QString::fromUtf8("les Pyrénées"), unit * 1.1, QColor(120, 80, 40), true, 0);
    label(p, proj({9.2, 42.1}), QStringLiteral("Corse"), unit * 1.1, QColor(30, 30, 30), false, 1);
    return image;
}

QImage franceFlag(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    tricolour(p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(QRectF(0, 0, size.width() - 1, size.height() - 1));
    return image;
}

} // namespace picgen
