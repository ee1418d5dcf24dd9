#pragma once
// The star picture of the horoscope window: the twelve constellations of the zodiac on a night
// sky, 640 x 480, laid out in a U (Aries to Cancer down the left edge, Cancer to Sagittarius along
// the bottom, Sagittarius to Pisces up the right edge), each inside the part of the picture that
// chooses its sign when clicked, with its sign's glyph beside it.

#include <QImage>

namespace picgen {

inline constexpr const char* kStarChartFile = "HOROSKOP.BMP";

QImage drawStarChart();

} // namespace picgen
