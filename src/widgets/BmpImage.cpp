#include "BmpImage.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <cstring>

namespace orvela {

namespace {

quint32 le32(const uchar* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (quint32(p[3]) << 24); }
quint16 le16(const uchar* p) { return quint16(p[0] | (p[1] << 8)); }

} // namespace

QImage decodeBmp24(const QByteArray& bytes) {
    const auto* d = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 54 || d[0] != 'B' || d[1] != 'M') return {};
    const quint32 offset = le32(d + 10);
    const quint32 headerSize = le32(d + 14);
    if (headerSize < 40) return {};
    const auto width = static_cast<qint32>(le32(d + 18));
    const auto rawHeight = static_cast<qint32>(le32(d + 22));
    const quint16 planes = le16(d + 26);
    const quint16 bits = le16(d + 28);
    const quint32 compression = le32(d + 30);
    if (planes != 1 || bits != 24 || compression != 0) return {};
    if (width <= 0 || width > 16384 || rawHeight == 0 || rawHeight < -16384 || rawHeight > 16384)
        return {};
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    const qsizetype stride = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    if (offset > quint64(size) || qsizetype(offset) + stride * height > size) return {};

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    for (int y = 0; y < height; ++y) {
        const uchar* src = d + offset + stride * (bottomUp ? height - 1 - y : y);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        // Blue, green, red and the next byte read as one little-endian word are 0x??RRGGBB: the
        // pixel once the top byte is set. The row's last pixel is read byte by byte, since its
        // fourth byte may lie past the end of the file.
        for (int x = 0; x + 1 < width; ++x, src += 3) {
            quint32 word;
            std::memcpy(&word, src, 4);
            dst[x] = qFromLittleEndian(word) | 0xFF000000u;
        }
        dst[width - 1] = qRgb(src[2], src[1], src[0]);
    }
    return image;
}

QImage loadPicture(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    QImage image = decodeBmp24(bytes);
    if (!image.isNull()) return image;
    return QImage::fromData(bytes);
}

} // namespace orvela
