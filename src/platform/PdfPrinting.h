#pragma once
// Printing into a PDF file: every job of a printout becomes the next page of the one file, which
// is complete when the printout finishes. The page is A4 with a 5 mm margin all round, the
// printable area of a usual printer, so a PDF file looks like the printed sheet.

#include <QPageLayout>
#include <QPdfWriter>
#include <QString>

#include "PainterPrinting.h"

namespace orvela {

class PdfPrinting : public PainterPrinting {
public:
    static QPageLayout defaultLayout();

    explicit PdfPrinting(const QString& fileName, int copies = 1,
                         const QPageLayout& layout = defaultLayout(),
                         const QString& title = QStringLiteral("Orvela"));
    ~PdfPrinting() override;

    const QString& fileName() const { return fileName_; }

private:
    QString fileName_;
    QPdfWriter writer_;
};

} // namespace orvela
