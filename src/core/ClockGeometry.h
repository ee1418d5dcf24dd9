#pragma once
// The clock exercise's times and the geometry of its clock face.
//
// Item n of the clock file stands for a time: hour index (n - 1) div 12 (0 is twelve o'clock)
// and minute 5 * ((n - 1) mod 12), so the file runs 12:00, 12:05, ... 12:55, 1:00, ... up to
// 11:55 (item 144). Angles are whole degrees clockwise from twelve o'clock; positions are pixels
// in the face's own box with (0, 0) at its top left, rounded to the nearest integer with halves
// to the even neighbour.

#include <array>

namespace orvela {

struct ClockTime {
    int hour = 0;   // 0..11, 0 drawn at twelve o'clock
    int minute = 0; // 0, 5, ... 55
};

struct ClockPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ClockPoint&, const ClockPoint&) = default;
};

using ClockTriangle = std::array<ClockPoint, 3>;

// The sizes of a face drawn in a box of width x height pixels.
struct ClockFaceGeometry {
    int width = 0;
    int height = 0;
    int cx = 0;           // centre
    int cy = 0;
    int minuteLength = 0; // L = 9 * width div 24
    int hourLength = 0;   // K = (L div 12) * 9
    int fontHeight = 0;   // numerals, pixels: height div 12
    int dotRadius = 0;    // the dot on the hour hand: height div 25
};

// Each hand is two triangles of the centre, the tip and a corner beside the hand's axis.
struct ClockHands {
    std::array<ClockTriangle, 2> hour;
    ClockPoint dot; // centre of the dot halfway along the hour hand
    std::array<ClockTriangle, 2> minute;
};

ClockTime clockTimeOfItem(int item);
// The minute hand's angle: 30 degrees for every five minutes.
int minuteHandAngle(int item);
// The hour hand's angle: 30 degrees an hour, and a twelfth of the minute hand's angle on top.
int hourHandAngle(int item);

ClockFaceGeometry clockFaceGeometry(int width, int height);
// The point at `angle` degrees (taken modulo 360) and `distance` pixels from (cx, cy).
ClockPoint clockPoint(int cx, int cy, int angle, int distance);
// Where numeral k (1..12) is centred when its glyphs fill a box of glyphWidth x glyphHeight: on
// the line from the centre towards its hour, so that the box's edge where that line leaves it
// stands L + 8 pixels from the centre, just outside the minute hand's reach.
ClockPoint numeralCentre(const ClockFaceGeometry& face, int numeral, int glyphWidth,
                         int glyphHeight);
ClockHands clockHands(const ClockFaceGeometry& face, int item);

} // namespace orvela
