#pragma once
// Reading the program's pictures. The pictures are uncompressed 24-bit BMP files; those are read
// directly into an RGB32 image, row by row (Qt's general BMP reader converts them a pixel at a
// time, which is the largest cost of showing the main window). Any other picture file goes
// through Qt's readers.

#include <QImage>
#include <QString>

namespace orvela {

QImage loadPicture(const QString& fileName);
// A 24-bit uncompressed BMP from its bytes; a null image for anything else.
QImage decodeBmp24(const QByteArray& bytes);

} // namespace orvela
