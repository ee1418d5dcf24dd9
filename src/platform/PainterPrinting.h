#pragma once
// Printing onto a Qt paged paint device (a printer or a PDF writer) with a QPainter: the drawing,
// the fonts and the measuring that every printout uses, and the jobs and pages.

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include "Printing.h"

namespace orvela {

class PainterPrinting : public Printing {
public:
    // `oneDocument`: the device writes one document (a PDF file), so a job after the first
    // continues it on a new page instead of beginning a document of its own.
    PainterPrinting(QPagedPaintDevice* device, bool oneDocument, int copies = 1);
    ~PainterPrinting() override;
    PainterPrinting(const PainterPrinting&) = delete;
    PainterPrinting& operator=(const PainterPrinting&) = delete;

    // No dialog: the device is chosen already. Accepted, with the copies given at construction.
    PrintChoice choose(std::string_view documentName) override;
    // Turns the device's pages while no page is being drawn.
    void setOrientation(PageOrientation orientation) override;
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

    static QFont toQFont(const PrintFont& font);

private:
    QPagedPaintDevice* device_;
    bool oneDocument_;
    int copies_;
    QPainter painter_;
    QFont font_;

    void preparePainter();
};

} // namespace orvela
