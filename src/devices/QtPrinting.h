#pragma once
// The program's printer: the print dialog (a printer or a PDF file, and the number of copies), or,
// on a machine without a printer, a question for the name of a PDF file. Printing to a printer
// sends every job as a job of its own; a PDF file takes all jobs of a printout as its pages.
// Copies are printed by repeating the printout, so each copy is complete.

#include <QPrinter>
#include <QString>

#include "Printing.h"

#include <memory>

namespace orvela {

class PainterPrinting;

class QtPrinting : public Printing {
public:
    QtPrinting();
    ~QtPrinting() override;

    PrintChoice choose(std::string_view documentName) override;
    void setOrientation(PageOrientation orientation) override { orientation_ = orientation; }
    bool beginJob() override;
    void newPage() override;
    void endJob() override;
    void finish() override;
    PageSize pageSize() override;
    void setFont(const PrintFont& font) override;
    void drawText(int x, int y, const AnsiText& text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRectangle(int left, int top, int right, int bottom) override;
    void fillRectangle(int left, int top, int right, int bottom, PrintColour colour) override;
    bool drawPicture(int left, int top, int right, int bottom,
                     const std::filesystem::path& file) override;
    int textWidth(const AnsiText& text) override;
    int textHeight(const AnsiText& text) override;

    // The PDF file of the last printout, when it went to a file; else empty.
    QString pdfFileName() const { return pdfFile_; }

protected:
    // The dialogs, replaced in tests.
    virtual bool printerInstalled() const;
    // The print dialog on `printer`; true when the pupil chose to print.
    virtual bool execPrintDialog(QPrinter& printer);
    // The name of the PDF file to write; empty when the pupil cancelled.
    virtual QString askPdfFileName(const QString& suggestion);

private:
    std::unique_ptr<QPrinter> printer_; // made at the first printout, to keep start-up quick
    std::unique_ptr<PainterPrinting> target_;
    QString pdfFile_;
    QString pdfDirectory_;
    PageOrientation orientation_ = PageOrientation::Portrait; // of the printout chosen next
};

} // namespace orvela
