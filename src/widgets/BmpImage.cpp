#include "BmpImage.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

namespace orvela {

namespace {

quint32 le32(const uchar* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (quint32(p[3]) << 24); }
quint16 le16(const uchar* p) { return quint16(p[0] | (p[1] << 8)); }

// Expands a row of 24-bit pixels (blue, green, red) to 32-bit ones from the start, as far as it
// can without reading past the row's last pixel; returns the number of pixels done.
int expandRowPortable(const uchar* src, QRgb* dst, int width) {
    // Four pixels are twelve bytes, read as three little-endian words: BGRB GRBG RBGR.
    int x = 0;
    for (; x + 4 <= width; x += 4, src += 12) {
        quint32 w[3];
        std::memcpy(w, src, 12);
        const quint32 a = qFromLittleEndian(w[0]);
        const quint32 b = qFromLittleEndian(w[1]);
        const quint32 c = qFromLittleEndian(w[2]);
        dst[x] = a | 0xFF000000u;
        dst[x + 1] = (a >> 24) | (b << 8) | 0xFF000000u;
        dst[x + 2] = (b >> 16) | (c << 16) | 0xFF000000u;
        dst[x + 3] = (c >> 8) | 0xFF000000u;
    }
    return x;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The same with one byte shuffle per four pixels, on processors that have it (the start
// pictures are decoded while the pupil waits for the first window).
__attribute__((target("ssse3"))) int expandRowSsse3(const uchar* src, QRgb* dst, int width) {
    const __m128i order = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int x = 0;
    // Sixteen bytes are read for four pixels: the last read ends inside the row's pixels.
    for (; x + 6 <= width; x += 4, src += 12) {
        const __m128i bgr = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + x),
                         _mm_or_si128(_mm_shuffle_epi8(bgr, order), opaque));
    }
    return x + expandRowPortable(src, dst + x, width - x);
}

int expandRow(const uchar* src, QRgb* dst, int width) {
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    return ssse3 ? expandRowSsse3(src, dst, width) : expandRowPortable(src, dst, width);
}
#else
int expandRow(const uchar* src, QRgb* dst, int width) { return expandRowPortable(src, dst, width); }
#endif

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
    uchar* const pixels = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    for (int y = 0; y < height; ++y) {
        const uchar* src = d + offset + stride * (bottomUp ? height - 1 - y : y);
        auto* dst = reinterpret_cast<QRgb*>(pixels + bytesPerLine * y);
        int x = expandRow(src, dst, width);
        for (src += 3 * x; x < width; ++x, src += 3) dst[x] = qRgb(src[2], src[1], src[0]);
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
