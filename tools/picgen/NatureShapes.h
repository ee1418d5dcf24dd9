#pragma once
// Shared pieces of the plant and animal drawings: backgrounds and small shape helpers. Every
// drawing is made on a canvas of kNatureWidth x kNatureHeight (320 x 240).

#include "Draw.h"

#include <QPainterPath>
#include <initializer_list>

namespace picgen::nature {

// A curve through the points (closed or open).
QPainterPath curve(std::initializer_list<QPointF> points, bool closed = true);
QPainterPath oval(QPointF centre, double rx, double ry);
// Fills a path with a colour and outlines it a little darker.
void fill(QPainter& p, const QPainterPath& path, const QColor& colour, double outline = 1.5);
void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width);
void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width);
void eye(QPainter& p, QPointF at, double r, const QColor& iris = QColor(20, 20, 20));

// Backgrounds.
void meadow(QPainter& p);     // sky over grass
void woodland(QPainter& p);   // sky, far trees, grass
void waterScene(QPainter& p); // sky over a lake
void underwater(QPainter& p); // blue water with sand
void plainLight(QPainter& p); // a pale studio background
void branch(QPainter& p, double y); // a branch across the picture to perch on

} // namespace picgen::nature
