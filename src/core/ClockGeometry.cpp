#include "ClockGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvela {

namespace {

constexpr int kHandSpread = 10; // degrees between a hand's axis and its side corners
constexpr int kNumeralGap = 8;  // pixels between the minute hand's reach and the numerals

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

int degreesModulo(int angle) {
    int a = angle % 360;
    return a < 0 ? a + 360 : a;
}

// Hour index and step of five minutes; items below 1 count as item 1.
int stepsOf(int item) { return item < 1 ? 0 : item - 1; }

} // namespace

ClockTime clockTimeOfItem(int item) {
    const int steps = stepsOf(item);
    return ClockTime{(steps / 12) % 12, 5 * (steps % 12)};
}

int minuteHandAngle(int item) { return 30 * (stepsOf(item) % 12); }

int hourHandAngle(int item) {
    const int m = minuteHandAngle(item);
    return degreesModulo(roundHalfEven(m / 12.0) + 30 * (stepsOf(item) / 12));
}

ClockFaceGeometry clockFaceGeometry(int width, int height) {
    ClockFaceGeometry g;
    g.width = width;
    g.height = height;
    g.cx = width / 2;
    g.cy = height / 2;
    g.minuteLength = 9 * width / 24;
    g.hourLength = (g.minuteLength / 12) * 9;
    g.fontHeight = height / 12;
    g.dotRadius = height / 25;
    return g;
}

ClockPoint clockPoint(int cx, int cy, int angle, int distance) {
    const double radians = (degreesModulo(angle) + 90) * std::numbers::pi / 180.0;
    return ClockPoint{roundHalfEven(cx - std::cos(radians) * distance),
                      roundHalfEven(cy - std::sin(radians) * distance)};
}

ClockPoint numeralCentre(const ClockFaceGeometry& face, int numeral, int glyphWidth,
                         int glyphHeight) {
    const double radians = 30.0 * numeral * std::numbers::pi / 180.0;
    const double dx = std::abs(std::sin(radians));
    const double dy = std::abs(std::cos(radians));
    // How far the line from the box's centre towards the clock's centre runs inside the box.
    double inside = 1e9;
    if (dx > 1e-9) inside = std::min(inside, glyphWidth / 2.0 / dx);
    if (dy > 1e-9) inside = std::min(inside, glyphHeight / 2.0 / dy);
    const int distance = face.minuteLength + kNumeralGap + static_cast<int>(std::ceil(inside));
    return clockPoint(face.cx, face.cy, 30 * numeral, distance);
}

ClockHands clockHands(const ClockFaceGeometry& face, int item) {
    const ClockPoint centre{face.cx, face.cy};
    auto hand = [&](int angle, int length, int cornerDistance) {
        const ClockPoint tip = clockPoint(face.cx, face.cy, angle, length);
        std::array<ClockTriangle, 2> sides;
        sides[0] = {centre, tip, clockPoint(face.cx, face.cy, angle - kHandSpread, cornerDistance)};
        sides[1] = {centre, tip, clockPoint(face.cx, face.cy, angle + kHandSpread, cornerDistance)};
        return sides;
    };
    const int a = hourHandAngle(item);
    const int m = minuteHandAngle(item);
    ClockHands h;
    h.hour = hand(a, face.hourLength, face.hourLength / 2);
    h.dot = clockPoint(face.cx, face.cy, a, face.hourLength / 2);
    h.minute = hand(m, face.minuteLength, face.minuteLength / 3);
    return h;
}

} // namespace orvela
