#include "PainterPrinting.h"

#include "QtText.h"

#include <QFontMetrics>
#include <QImage>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace orvela {

PainterPrinting::PainterPrinting(QPagedPaintDevice* device, bool oneDocument, int copies)
    : device_(device), oneDocument_(oneDocument), copies_(copies < 1 ? 1 : copies),
      font_(toQFont(PrintFont{})) {}

PainterPrinting::~PainterPrinting() {
    finish();
}

QFont PainterPrinting::toQFont(const PrintFont& wanted) {
    QFont font(QString::fromStdString(wanted.family));
    font.setPointSize(wanted.pointSize);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    return font;
}

PrintChoice PainterPrinting::choose(std::string_view) {
    return PrintChoice{true, copies_};
}

void PainterPrinting::setOrientation(PageOrientation orientation) {
    if (painter_.isActive()) return;
    device_->setPageOrientation(orientation == PageOrientation::Landscape
                                    ? QPageLayout::Landscape
                                    : QPageLayout::Portrait);
}

void PainterPrinting::preparePainter() {
    // Lines about 0.2 mm wide, whatever the resolution.
    const long width = std::lround(device_->logicalDpiY() * 0.2 / 25.4);
    painter_.setPen(QPen(Qt::black, std::max(1, static_cast<int>(width))));
    painter_.setBrush(Qt::NoBrush);
    painter_.setFont(font_);
}

bool PainterPrinting::beginJob() {
    if (painter_.isActive()) {
        // One document: the next job is the next page of the same file.
        if (!oneDocument_) painter_.end();
        else if (!device_->newPage()) return false;
    }
    if (!painter_.isActive()) {
        if (!painter_.begin(device_)) return false;
    }
    preparePainter();
    return true;
}

void PainterPrinting::newPage() {
    if (painter_.isActive()) device_->newPage();
}

void PainterPrinting::endJob() {
    if (!oneDocument_ && painter_.isActive()) painter_.end();
}

void PainterPrinting::finish() {
    if (painter_.isActive()) painter_.end();
}

PageSize PainterPrinting::pageSize() {
    return PageSize{device_->width(), device_->height()};
}

void PainterPrinting::setFont(const PrintFont& font) {
    font_ = toQFont(font);
    if (painter_.isActive()) painter_.setFont(font_);
}

void PainterPrinting::drawText(int x, int y, const AnsiText& text) {
    if (!painter_.isActive()) return;
    const QFontMetrics metrics(font_, device_);
    painter_.drawText(QPoint(x, y + metrics.ascent()), toQString(text));
}

void PainterPrinting::drawLine(int x1, int y1, int x2, int y2) {
    if (painter_.isActive()) painter_.drawLine(x1, y1, x2, y2);
}

void PainterPrinting::drawRectangle(int left, int top, int right, int bottom) {
    if (painter_.isActive()) painter_.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void PainterPrinting::fillRectangle(int left, int top, int right, int bottom,
                                    PrintColour colour) {
    if (painter_.isActive())
        painter_.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)),
                          QColor(colour.red, colour.green, colour.blue));
}

bool PainterPrinting::drawPicture(int left, int top, int right, int bottom,
                                  const std::filesystem::path& file) {
    const QImage picture(QString::fromStdString(file.string()));
    if (picture.isNull()) return false;
    if (painter_.isActive())
        painter_.drawImage(QRect(QPoint(left, top), QPoint(right, bottom)), picture);
    return true;
}

int PainterPrinting::textWidth(const AnsiText& text) {
    return QFontMetrics(font_, device_).horizontalAdvance(toQString(text));
}

int PainterPrinting::textHeight(const AnsiText&) {
    return QFontMetrics(font_, device_).height();
}

} // namespace orvela
