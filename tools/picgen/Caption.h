#pragma once
// The caption band at the bottom of every picture.

#include <QImage>
#include <QSize>
#include <QString>

namespace picgen {

// The scene scaled to size, with the caption written on a band along its bottom edge. The text is
// word-wrapped and set as large as fits (at most three lines, at most a quarter of the height).
QImage composePicture(const QImage& scene, QSize size, const QString& caption);

} // namespace picgen
