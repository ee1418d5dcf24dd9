#pragma once
// The pictures the exercises and the France windows show, beside the thirty French pictures:
// the body pictures of KROPP\ (numbered parts), one picture per item of the plant files
// (VAXTER\) and the animal files (DJUR\), the map of France and the flag.

#include <QDir>
#include <QImage>
#include <QString>

class QPainter;

namespace picgen {

// Draws every course picture into the BILD directory `dir`; false (after a message on stderr)
// when a file cannot be written.
bool writeCoursePictures(const QDir& dir);

// Saves an image as a 24-bit BMP file, creating its directory; false on failure.
bool saveBmp(const QImage& image, const QString& path);

// The map of France at a size (FRANCE.BMP, FRANCE2.BMP) and the flag (FRAN_FL.BMP).
QImage franceMap(QSize size);
QImage franceFlag(QSize size);

// The seven body pictures by file stem ("KROPPEN", "HUVUDET", ...), each 480 x 600.
QImage bodyPicture(const QString& stem);
inline constexpr int kBodyWidth = 480;
inline constexpr int kBodyHeight = 600;

// A numbered marker: a white disc with a number, and a leader line to the part it names.
void numberMarker(QPainter& p, QPointF disc, QPointF part, int n);

// The plant and animal pictures: program (21410 ... 21550) and item number; a null image for
// an item without a drawing. Each is 320 x 240.
QImage naturePicture(int program, int item);
inline constexpr int kNatureWidth = 320;
inline constexpr int kNatureHeight = 240;
// The number of items with a drawing for a program (0 for other programs).
int natureItemCount(int program);

} // namespace picgen
