#pragma once
// Landmarks and features that appear in more than one picture.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <cstdint>

namespace picgen {

// The Eiffel Tower standing at base (centre between the feet), height from foot to antenna top.
void eiffelTower(QPainter& p, QPointF base, double height, const QColor& iron);
// The Arc de Triomphe seen from the front, base centre and width; a flag hangs in the arch.
void arcDeTriomphe(QPainter& p, QPointF base, double width, const QColor& stone);
// The west front of Notre-Dame: two square towers, rose window, three portals.
void notreDame(QPainter& p, QPointF base, double width);
// A long classical palace front in the manner of Versailles.
void versaillesPalace(QPainter& p, double left, double right, double bottom, double height);
// A row of Paris houses far away, as a silhouette with small windows.
void parisRooftops(QPainter& p, double baseY, double height, std::uint32_t seed,
                   const QColor& colour);
// A fountain jet rising from base and falling back as a fan of spray.
void waterJet(QPainter& p, QPointF base, double height, double spread);
// A jet of water thrown in an arc from one point to another.
void arcingJet(QPainter& p, QPointF from, QPointF to, double rise);
// A small gilded figure with one raised arm.
void goldFigure(QPainter& p, QPointF feet, double height);

} // namespace picgen
