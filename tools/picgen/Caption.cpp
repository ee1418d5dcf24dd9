#include "Caption.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace picgen {

namespace {

constexpr int kMaxLines = 3;

QFont captionFont(int pixelSize) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setBold(true);
    f.setPixelSize(pixelSize);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Greedy word wrap; a word wider than the line stays alone on its line.
QStringList wrapWords(const QStringList& words, const QFontMetricsF& fm, double width) {
    QStringList lines;
    QString current;
    for (const QString& word : words) {
        QString candidate = current;
        if (!candidate.isEmpty()) candidate += QLatin1Char(' ');
        candidate += word;
        if (current.isEmpty() || fm.horizontalAdvance(candidate) <= width) {
            current = candidate;
        } else {
            lines.append(current);
            current = word;
        }
    }
    if (!current.isEmpty()) lines.append(current);
    return lines;
}

double widestLine(const QStringList& lines, const QFontMetricsF& fm) {
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

// The same number of lines as the greedy wrap, but with lines of even length: the narrowest
// width that still needs no more lines.
QStringList balancedWrap(const QStringList& words, const QFontMetricsF& fm, double width) {
    const QStringList greedy = wrapWords(words, fm, width);
    if (greedy.size() <= 1) return greedy;
    double lo = 0;
    double hi = width;
    for (const QString& word : words)
        lo = std::max(lo, fm.horizontalAdvance(word));
    for (int i = 0; i < 24 && hi - lo > 0.25; ++i) {
        const double mid = (lo + hi) / 2;
        if (wrapWords(words, fm, mid).size() <= greedy.size())
            hi = mid;
        else
            lo = mid;
    }
    return wrapWords(words, fm, hi);
}

struct CaptionLayout {
    int pixelSize = 0;
    QStringList lines;
    double lineHeight = 0;
};

CaptionLayout fitCaption(const QString& text, double width, double maxHeight, int largest,
                         int smallest) {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    CaptionLayout layout;
    for (int px = largest; px >= smallest; --px) {
        const QFontMetricsF fm(captionFont(px));
        const QStringList lines = balancedWrap(words, fm, width);
        layout = {px, lines, fm.height()};
        if (lines.size() <= kMaxLines && widestLine(lines, fm) <= width &&
            lines.size() * fm.height() <= maxHeight)
            break;
    }
    return layout;
}

void drawCaptionBand(QPainter& p, const QSize& size, const QString& caption) {
    const double w = size.width();
    const double h = size.height();
    const int largest = std::max(11, static_cast<int>(std::lround(h * 0.055)));
    const int smallest = std::max(7, static_cast<int>(std::lround(largest * 0.55)));
    const double margin = std::max(3.0, w * 0.02);
    const CaptionLayout layout = fitCaption(caption, w - 2 * margin, h * 0.26, largest, smallest);
    const double pad = std::max(2.0, std::round(layout.pixelSize * 0.3));
    const double bandH = std::ceil(layout.lines.size() * layout.lineHeight + 2 * pad);
    const QRectF band(0, h - bandH, w, bandH);

    p.fillRect(band, QColor(18, 32, 76, 222));
    p.fillRect(QRectF(0, band.top(), w, std::max(1.0, std::round(h / 160))), QColor(232, 192, 92));

    p.setFont(captionFont(layout.pixelSize));
    for (int i = 0; i < layout.lines.size(); ++i) {
        const QRectF line(margin, band.top() + pad + i * layout.lineHeight, w - 2 * margin,
                          layout.lineHeight);
        if (layout.pixelSize >= 12) {
            p.setPen(QColor(0, 0, 0, 150));
            p.drawText(line.translated(1, 1), Qt::AlignCenter, layout.lines[i]);
        }
        p.setPen(QColor(255, 250, 234));
        p.drawText(line, Qt::AlignCenter, layout.lines[i]);
    }
}

} // namespace

QImage composePicture(const QImage& scene, QSize size, const QString& caption) {
    QImage image = scene.size() == size
                       ? scene.copy()
                       : scene.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawCaptionBand(p, size, caption);
    p.end();
    return image;
}

} // namespace picgen
