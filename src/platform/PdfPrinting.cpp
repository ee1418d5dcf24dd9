#include "PdfPrinting.h"

#include <QMarginsF>
#include <QPageSize>

namespace orvela {

QPageLayout PdfPrinting::defaultLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

PdfPrinting::PdfPrinting(const QString& fileName, int copies, const QPageLayout& layout,
                         const QString& title)
    : PainterPrinting(&writer_, true, copies), fileName_(fileName), writer_(fileName) {
    writer_.setResolution(600);
    writer_.setPageLayout(layout);
    writer_.setCreator(QStringLiteral("Orvela"));
    writer_.setTitle(title);
}

PdfPrinting::~PdfPrinting() {
    // The file is closed while the writer still exists.
    finish();
}

} // namespace orvela
