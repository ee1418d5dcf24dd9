#include "NatureShapes.h"

#include <vector>

namespace picgen::nature {

QPainterPath curve(std::initializer_list<QPointF> points, bool closed) {
    std::vector<QPointF> pts(points);
    QPainterPath path(pts.front());
    const std::size_t n = pts.size();
    if (n < 3) {
        for (std::size_t i = 1; i < n; ++i) path.lineTo(pts[i]);
        return path;
    }
    const std::size_t segments = closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const QPointF p0 = pts[closed ? (i + n - 1) % n : (i == 0 ? 0 : i - 1)];
        const QPointF p1 = pts[i];
        const QPointF p2 = pts[(i + 1) % n];
        const QPointF p3 = pts[closed ? (i + 2) % n : std::min(i + 2, n - 1)];
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    if (closed) path.closeSubpath();
    return path;
}

QPainterPath oval(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void fill(QPainter& p, const QPainterPath& path, const QColor& colour, double outline) {
    p.setBrush(colour);
    p.setPen(outline > 0 ? QPen(colour.darker(160), outline) : QPen(Qt::NoPen));
    p.drawPath(path);
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(colour, width));
    p.drawPath(path);
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width) {
    p.setPen(roundPen(colour, width));
    p.drawLine(a, b);
}

void eye(QPainter& p, QPointF at, double r, const QColor& iris) {
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(at, r, r);
    p.setBrush(Qt::white);
    p.drawEllipse(at + QPointF(-r * 0.35, -r * 0.35), r * 0.3, r * 0.3);
}

void meadow(QPainter& p) {
    fillSky(p, 150, QColor(150, 200, 240), QColor(215, 235, 250));
    fillGround(p, 150, QColor(140, 190, 100), QColor(100, 160, 70));
}

void woodland(QPainter& p) {
    fillSky(p, 140, QColor(160, 205, 240), QColor(220, 238, 250));
    for (int i = 0; i < 9; ++i) roundTree(p, QPointF(10 + i * 38, 150), 70 + (i % 3) * 12, QColor(80, 130, 70));
    fillGround(p, 145, QColor(125, 175, 90), QColor(95, 150, 65));
}

void waterScene(QPainter& p) {
    fillSky(p, 120, QColor(150, 200, 240), QColor(220, 238, 250));
    hills(p, 122, 10, 0.7, QColor(110, 150, 100));
    p.fillRect(QRectF(0, 120, 320, 120), verticalGradient(120, 240, QColor(110, 160, 200), QColor(60, 110, 160)));
    p.setPen(QPen(QColor(200, 225, 245, 120), 1.5));
    for (int i = 0; i < 14; ++i) p.drawLine(QPointF(10 + (i * 53) % 300, 140 + i * 7), QPointF(40 + (i * 53) % 300, 140 + i * 7));
}

void underwater(QPainter& p) {
    p.fillRect(QRectF(0, 0, 320, 240), verticalGradient(0, 240, QColor(90, 170, 210), QColor(30, 80, 140)));
    p.setBrush(QColor(220, 200, 150));
    p.setPen(Qt::NoPen);
    p.drawPath(curve({{-10, 215}, {80, 205}, {170, 215}, {260, 205}, {330, 212}, {330, 250}, {-10, 250}}));
    for (int i = 0; i < 5; ++i) stroke(p, curve({{20.0 + i * 70, 215}, {14.0 + i * 70, 185}, {24.0 + i * 70, 160}}, false), QColor(60, 130, 70), 4);
}

void plainLight(QPainter& p) {
    p.fillRect(QRectF(0, 0, 320, 240), verticalGradient(0, 240, QColor(252, 250, 240), QColor(232, 228, 215)));
}

void branch(QPainter& p, double y) {
    stroke(p, curve({{-10, y + 6}, {120, y}, {250, y + 4}, {330, y - 2}}, false), QColor(110, 80, 50), 9);
    stroke(p, curve({{250, y + 3}, {285, y - 22}, {300, y - 40}}, false), QColor(110, 80, 50), 4);
    for (QPointF leaf : {QPointF(290, y - 32), QPointF(276, y - 16), QPointF(40, y - 2)})
        fill(p, oval(leaf, 9, 5), QColor(90, 150, 70), 1);
}

} // namespace picgen::nature
