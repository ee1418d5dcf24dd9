#include "QtPrinting.h"

#include "PainterPrinting.h"
#include "PdfPrinting.h"
#include "QtText.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace orvela {

namespace {
QWidget* dialogParent() {
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                             : QApplication::activeWindow();
}
} // namespace

QtPrinting::QtPrinting() = default;

QtPrinting::~QtPrinting() = default;

bool QtPrinting::printerInstalled() const {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool QtPrinting::execPrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle(qs("Skriv ut"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

QString QtPrinting::askPdfFileName(const QString& suggestion) {
    return QFileDialog::getSaveFileName(dialogParent(), qs("Spara utskriften som PDF-fil"),
                                        suggestion, qs("PDF-filer (*.pdf)"));
}

PrintChoice QtPrinting::choose(std::string_view documentName) {
    target_.reset(); // a printout that was left unfinished is closed now
    pdfFile_.clear();
    const QString name = qs(documentName);
    const QPageLayout::Orientation orientation = orientation_ == PageOrientation::Landscape
                                                     ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
    orientation_ = PageOrientation::Portrait; // the next printout sets its own

    if (!printerInstalled()) {
        if (pdfDirectory_.isEmpty())
            pdfDirectory_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (pdfDirectory_.isEmpty() || !QDir(pdfDirectory_).exists())
            pdfDirectory_ = QDir::homePath();
        const QString suffix = QStringLiteral(".pdf");
        QString file = askPdfFileName(QDir(pdfDirectory_).filePath(name + suffix));
        if (file.isEmpty()) return PrintChoice{false, 1};
        if (!file.endsWith(suffix, Qt::CaseInsensitive)) file += suffix;
        pdfDirectory_ = QFileInfo(file).absolutePath();
        pdfFile_ = file;
        QPageLayout layout = PdfPrinting::defaultLayout();
        layout.setOrientation(orientation);
        target_ = std::make_unique<PdfPrinting>(file, 1, layout, name);
        return PrintChoice{true, 1};
    }

    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageSize(QPageSize(QPageSize::A4));
    }
    printer_->setPageOrientation(orientation);
    QPrinter& printer = *printer_;
    printer.setDocName(name);
    printer.setCopyCount(1);
    if (!execPrintDialog(printer)) return PrintChoice{false, 1};
    // Copies are printed by repeating the printout; the printer prints each job once.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        pdfFile_ = printer.outputFileName();
        QPageLayout layout = printer.pageLayout();
        layout.setMargins(PdfPrinting::defaultLayout().margins());
        target_ = std::make_unique<PdfPrinting>(pdfFile_, copies, layout, name);
    } else {
        target_ = std::make_unique<PainterPrinting>(&printer, false, copies);
    }
    return PrintChoice{true, copies};
}

bool QtPrinting::beginJob() {
    return target_ && target_->beginJob();
}

void QtPrinting::newPage() {
    if (target_) target_->newPage();
}

void QtPrinting::endJob() {
    if (target_) target_->endJob();
}

void QtPrinting::finish() {
    if (target_) target_->finish();
}

PageSize QtPrinting::pageSize() {
    return target_ ? target_->pageSize() : PageSize{};
}

void QtPrinting::setFont(const PrintFont& font) {
    if (target_) target_->setFont(font);
}

void QtPrinting::drawText(int x, int y, const AnsiText& text) {
    if (target_) target_->drawText(x, y, text);
}

void QtPrinting::drawLine(int x1, int y1, int x2, int y2) {
    if (target_) target_->drawLine(x1, y1, x2, y2);
}

void QtPrinting::drawRectangle(int left, int top, int right, int bottom) {
    if (target_) target_->drawRectangle(left, top, right, bottom);
}

void QtPrinting::fillRectangle(int left, int top, int right, int bottom, PrintColour colour) {
    if (target_) target_->fillRectangle(left, top, right, bottom, colour);
}

bool QtPrinting::drawPicture(int left, int top, int right, int bottom,
                             const std::filesystem::path& file) {
    return target_ && target_->drawPicture(left, top, right, bottom, file);
}

int QtPrinting::textWidth(const AnsiText& text) {
    return target_ ? target_->textWidth(text) : 0;
}

int QtPrinting::textHeight(const AnsiText& text) {
    return target_ ? target_->textHeight(text) : 0;
}

} // namespace orvela
