#pragma once
// Shared drawing helpers of the picture generator: skies, ground, water, plants and building parts.
// Every scene is drawn on a canvas of kWidth x kHeight logical pixels; the finished pictures are
// scaled from it. The pictures carry no text: the program shows each caption beside its picture.

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <cstdint>
#include <initializer_list>

namespace picgen {

inline constexpr double kWidth = 640.0;
inline constexpr double kHeight = 480.0;

// Small deterministic generator for scattered details (stars, waves, flowers, pebbles): the same
// seed gives the same picture on every run.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9e3779b9u) {}
    std::uint32_t next();
    double uniform(double lo, double hi);
    int below(int n);

private:
    std::uint32_t state_;
};

// Saves the painter's state and restores it when the scope ends.
class PainterScope {
public:
    explicit PainterScope(QPainter& p) : p_(p) { p_.save(); }
    ~PainterScope() { p_.restore(); }
    PainterScope(const PainterScope&) = delete;
    PainterScope& operator=(const PainterScope&) = delete;

private:
    QPainter& p_;
};

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(const QColor& c, int alpha);
// Horizontal gradient that makes a flat shape look round (lit from the left).
QLinearGradient cylinderGradient(double left, double right, const QColor& c);
QLinearGradient verticalGradient(double top, double bottom, const QColor& a, const QColor& b);
// A pen with round ends.
QPen roundPen(const QColor& c, double width);
// Polygon from a list of points, closed.
QPainterPath polygonPath(std::initializer_list<QPointF> points);
// Window or door opening: a rectangle with a round top when arched.
QPainterPath archPath(const QRectF& r, bool arched = true);
// Gothic opening with a pointed top.
QPainterPath pointedArchPath(const QRectF& r);

// Skies and light
void fillSky(QPainter& p, double horizon, const QColor& top, const QColor& bottom);
void daySky(QPainter& p, double horizon);
void eveningSky(QPainter& p, double horizon);
void nightSky(QPainter& p, double horizon, std::uint32_t seed);
void sun(QPainter& p, QPointF centre, double radius);
void moon(QPainter& p, QPointF centre, double radius);
void cloud(QPainter& p, QPointF centre, double size);
void gull(QPainter& p, QPointF centre, double span);

// Ground and water
void fillGround(QPainter& p, double top, const QColor& far, const QColor& near);
void hills(QPainter& p, double baseY, double amplitude, double phase, const QColor& colour);
void sea(QPainter& p, double top, double bottom, const QColor& far, const QColor& near,
         std::uint32_t seed);
void pebbles(QPainter& p, const QRectF& area, int count, const QColor& base, std::uint32_t seed);

// Plants
void roundTree(QPainter& p, QPointF base, double height, const QColor& leaves);
void cypress(QPainter& p, QPointF base, double height, const QColor& leaves);
void firTree(QPainter& p, QPointF base, double height, const QColor& needles);
void coneTopiary(QPainter& p, QPointF base, double height);
void palmTree(QPainter& p, QPointF base, double height, double lean);
void bush(QPainter& p, QPointF centre, double radius, const QColor& leaves);
void flowers(QPainter& p, const QRectF& area, int count, std::uint32_t seed);

// Building parts
void windowPane(QPainter& p, const QRectF& r, const QColor& frame, const QColor& glass,
                bool arched);
void windowRow(QPainter& p, double left, double right, double top, QSizeF size, int count,
               const QColor& frame, const QColor& glass, bool arched);
void column(QPainter& p, const QRectF& shaft, const QColor& stone);
void colonnade(QPainter& p, double left, double right, double top, double bottom, int count,
               const QColor& stone);
void pediment(QPainter& p, double left, double right, double baseY, double height,
              const QColor& stone);
void dome(QPainter& p, QPointF baseCentre, double width, double height, const QColor& colour,
          bool lantern);
void roundTower(QPainter& p, double centreX, double bottom, double width, double bodyHeight,
                double roofHeight, const QColor& wall, const QColor& roof);
void crenellations(QPainter& p, double left, double right, double top, double merlonWidth,
                   double merlonHeight, const QColor& stone);
void stoneCourses(QPainter& p, const QRectF& r, double spacing, const QColor& line);
void tricolour(QPainter& p, const QRectF& r);
void flagOnPole(QPainter& p, QPointF poleFoot, double poleHeight, double flagWidth);

} // namespace picgen
