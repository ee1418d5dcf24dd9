#pragma once
// Printing, as a printout sees it: the pupil chooses a printer or a PDF file (and a number of
// copies), then the printout begins jobs and pages and draws texts and lines in the page's pixels.
// A printout is written once against this interface and goes to a printer, to a PDF file or, in
// tests, to a recording fake.
//
// Positions are pixels of the printable page, from its top left corner; a text's position is the
// top left corner of its line (the top of the line's ascent). Printouts are laid out in
// millimetres on an A4 page and converted with PageScale.

#include "AnsiText.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvela {

struct PrintFont {
    std::string family = "Arial";
    int pointSize = 12;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

// What the pupil chose in the print dialog.
struct PrintChoice {
    bool accepted = false; // false: the dialog was cancelled, nothing is to be printed
    int copies = 1;        // how many times the printout is to be repeated
};

enum class PageOrientation { Portrait, Landscape };

// A colour to fill an area with.
struct PrintColour {
    std::uint8_t red = 255;
    std::uint8_t green = 255;
    std::uint8_t blue = 255;

    friend bool operator==(const PrintColour&, const PrintColour&) = default;
};

struct PageSize {
    int width = 0; // pixels
    int height = 0;
};

class Printing {
public:
    virtual ~Printing() = default;

    // Shows the print dialog: a printer or a PDF file, and the number of copies. The choice holds
    // for the jobs that follow, until the next call. `documentName` names the printout (the job's
    // name, and the suggested file name for a PDF file).
    virtual PrintChoice choose(std::string_view documentName) = 0;

    // The orientation of the pages of the printout chosen next: call it before choose(). A
    // printout that sets nothing is printed upright (choose() returns to upright for the next
    // one). A printer that cannot turn its pages ignores it.
    virtual void setOrientation(PageOrientation) {}

    // Starts a print job; its first page begins at once. False when the job cannot be started
    // (the printer or the file cannot be opened). When the output is one PDF file, every job after
    // the first continues the same file on a new page.
    virtual bool beginJob() = 0;
    // Ends the current page and begins the next one in the same job.
    virtual void newPage() = 0;
    // Ends the current job.
    virtual void endJob() = 0;
    // The printout is complete: a PDF file is closed and can be read. Printing to a printer needs
    // nothing more.
    virtual void finish() = 0;

    // The printable page in pixels. Valid after choose().
    virtual PageSize pageSize() = 0;

    virtual void setFont(const PrintFont& font) = 0;
    // Draws `text` in the current font with its top left corner at (x, y).
    virtual void drawText(int x, int y, const AnsiText& text) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    // The outline of the rectangle with the corners (left, top) and (right, bottom).
    virtual void drawRectangle(int left, int top, int right, int bottom) = 0;
    // Draws a picture file (a BMP) scaled into the rectangle with the corners (left, top) and
    // (right, bottom). False when the picture cannot be read (nothing is drawn).
    virtual bool drawPicture(int left, int top, int right, int bottom,
                             const std::filesystem::path& file) = 0;

    // Fills the rectangle with the corners (left, top) and (right, bottom) with a colour (drawn
    // before what is to stand on it). A printer that cannot fill leaves the area white.
    virtual void fillRectangle(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/,
                               PrintColour /*colour*/) {}

    // The width and the line height of a text in the current font, in page pixels.
    virtual int textWidth(const AnsiText& text) = 0;
    virtual int textHeight(const AnsiText& text) = 0;
};

// A printed line broken into lines that fit a width: the first line at the text's own position,
// the following ones `indent` pixels further right, under the start of the text proper.
struct WrappedLine {
    std::vector<AnsiText> lines;
    int indent = 0; // pixels
};

// Breaks `text` into lines no wider than `width` pixels in the printer's current font, so that
// nothing runs off the page: at a space where it can, inside a word that is longer than a whole
// line where it must. The lines after the first are indented to the text proper, past the leading
// spaces and a number such as "12. " ("   9. question", "       answer"), and lose the spaces
// where they were broken. A text that fits comes back whole.
WrappedLine wrapPrintLine(Printing& printer, const AnsiText& text, int width);

// Millimetres on an A4 page (210 x 297 mm) and the pixels of a printed page.
struct PageScale {
    PageSize page;

    static constexpr double kWidthMm = 210.0;
    static constexpr double kHeightMm = 297.0;

    int XmmTillPixel(double mm) const {
        return static_cast<int>(std::lround(page.width / kWidthMm * mm));
    }
    int YmmTillPixel(double mm) const {
        return static_cast<int>(std::lround(page.height / kHeightMm * mm));
    }
    int YPixelTillmm(int pixels) const {
        if (page.height <= 0) return 0;
        return static_cast<int>(std::lround(pixels * kHeightMm / page.height));
    }
};

} // namespace orvela
