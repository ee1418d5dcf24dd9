// orvela-icon OUTDIR
//
// Draws the program's icon and writes it as OUTDIR/orvela.svg and as OUTDIR/orvela-48.png,
// orvela-128.png and orvela-256.png: a navy tile with a speech bubble that holds the French
// tricolour, and a yellow tick for an answer that was right. One list of shapes on a 256-unit
// square gives both the vector and the pixel forms, so they always agree.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <vector>

namespace {

struct Shape {
    enum Kind { RoundRect, Polygon, Stroke } kind;
    std::vector<QPointF> points; // RoundRect: top left and bottom right
    QColor colour;
    double radius = 0; // RoundRect: corner radius; Stroke: line width
};

const double kUnits = 256;

std::vector<Shape> icon() {
    const QColor navy(0x1b, 0x2a, 0x6b), white(Qt::white), blue(0x00, 0x55, 0xa4),
        red(0xef, 0x41, 0x35), yellow(0xff, 0xd2, 0x00);
    return {
        {Shape::RoundRect, {{8, 8}, {248, 248}}, navy, 44},
        // The bubble and its tail.
        {Shape::RoundRect, {{36, 44}, {220, 176}}, white, 24},
        {Shape::Polygon, {{64, 168}, {104, 168}, {58, 214}}, white, 0},
        // The tricolour inside it.
        {Shape::RoundRect, {{52, 60}, {112, 160}}, blue, 10},
        {Shape::RoundRect, {{144, 60}, {204, 160}}, red, 10},
        {Shape::RoundRect, {{100, 60}, {112, 160}}, blue, 0},
        {Shape::RoundRect, {{144, 60}, {156, 160}}, red, 0},
        // The tick, with a navy edge so that it stands out against the flag.
        {Shape::Stroke, {{132, 190}, {164, 220}, {226, 140}}, navy, 40},
        {Shape::Stroke, {{132, 190}, {164, 220}, {226, 140}}, yellow, 22},
    };
}

QString hex(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString svg(const std::vector<Shape>& shapes) {
    QString out = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n");
    for (const Shape& s : shapes) {
        switch (s.kind) {
        case Shape::RoundRect: {
            const QPointF a = s.points[0], b = s.points[1];
            out += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                                  "fill=\"%6\"/>\n")
                       .arg(a.x()).arg(a.y()).arg(b.x() - a.x()).arg(b.y() - a.y()).arg(s.radius)
                       .arg(hex(s.colour));
            break;
        }
        case Shape::Polygon:
        case Shape::Stroke: {
            QString points;
            for (const QPointF& p : s.points)
                points += QStringLiteral("%1,%2 ").arg(p.x()).arg(p.y());
            points.chop(1);
            if (s.kind == Shape::Polygon)
                out += QStringLiteral("  <polygon points=\"%1\" fill=\"%2\"/>\n")
                           .arg(points, hex(s.colour));
            else
                out += QStringLiteral("  <polyline points=\"%1\" fill=\"none\" stroke=\"%2\" "
                                      "stroke-width=\"%3\" stroke-linecap=\"round\" "
                                      "stroke-linejoin=\"round\"/>\n")
                           .arg(points, hex(s.colour)).arg(s.radius);
            break;
        }
        }
    }
    return out + QStringLiteral("</svg>\n");
}

QImage png(const std::vector<Shape>& shapes, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kUnits, size / kUnits);
    for (const Shape& s : shapes) {
        switch (s.kind) {
        case Shape::RoundRect:
            p.setPen(Qt::NoPen);
            p.setBrush(s.colour);
            p.drawRoundedRect(QRectF(s.points[0], s.points[1]), s.radius, s.radius);
            break;
        case Shape::Polygon:
            p.setPen(Qt::NoPen);
            p.setBrush(s.colour);
            p.drawPolygon(s.points.data(), static_cast<int>(s.points.size()));
            break;
        case Shape::Stroke:
            p.setPen(QPen(s.colour, s.radius, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(s.points.data(), static_cast<int>(s.points.size()));
            break;
        }
    }
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Användning: orvela-icon KATALOG\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "orvela-icon: kan inte skapa katalogen %s\n", argv[1]);
        return 1;
    }
    const std::vector<Shape> shapes = icon();
    QFile file(dir.filePath(QStringLiteral("orvela.svg")));
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              file.write(svg(shapes).toUtf8()) >= 0;
    file.close();
    for (int size : {48, 128, 256})
        ok = png(shapes, size).save(dir.filePath(QStringLiteral("orvela-%1.png").arg(size))) && ok;
    if (!ok) {
        std::fprintf(stderr, "orvela-icon: ikonen kunde inte skrivas i %s\n", argv[1]);
        return 1;
    }
    return 0;
}
