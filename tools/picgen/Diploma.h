#pragma once
// The diploma picture DIPLOMA.BMP of the graded-level exercise (600 x 400): a parchment sheet in
// a gold frame with "DIPLÔME", a laurel wreath round a gold medal and ribbons in the French
// colours.

#include <QImage>

namespace picgen {

inline constexpr int kDiplomaWidth = 600;
inline constexpr int kDiplomaHeight = 400;

QImage drawDiploma();

} // namespace picgen
