#pragma once
// A printer that records everything a printout does: every job, every page, every text with its
// position and font, every line and rectangle. The page is 2100 x 2970 pixels, 10 pixels to the
// millimetre; a line of text is 4.06 pixels high per point (14 point: 56 pixels, 5.6 mm) and
// every character is 2 pixels wide per point.

#include "Printing.h"

#include <string>
#include <vector>

namespace orvela::testing {

class FakePrinting : public Printing {
public:
    struct Text {
        int x = 0;
        int y = 0;
        PrintFont font;
        std::string text; // UTF-8
    };
    struct Shape {
        bool rectangle = false;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        bool filled = false; // a filled rectangle, in `colour`
        PrintColour colour;
    };
    struct Picture {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        std::string file;
    };
    struct Page {
        int job = 0; // index into jobs
        std::vector<Text> texts;
        std::vector<Shape> shapes;
        std::vector<Picture> pictures;
    };
    struct Job {
        std::string name;
        bool ended = false;
    };

    // What the print dialog answers.
    PrintChoice answer{true, 1};
    // A job that cannot be started: beginJob fails from this job on (0 = never).
    int failFromJob = 0;
    PageSize page{2100, 2970}; // upright; a landscape printout gets it turned
    // The orientation asked for before the last choose().
    PageOrientation orientation = PageOrientation::Portrait;

    int chooseCalls = 0;
    int finishCalls = 0;
    std::vector<Job> jobs;
    std::vector<Page> pages;

    PrintChoice choose(std::string_view documentName) override;
    bool beginJob() override;
    void newPage() override;
    void endJob() override;
    void finish() override { ++finishCalls; }
    void setOrientation(PageOrientation o) override { pending_ = o; }
    PageSize pageSize() override {
        return orientation == PageOrientation::Landscape ? PageSize{page.height, page.width} : page;
    }
    void setFont(const PrintFont& font) override { font_ = font; }
    void drawText(int x, int y, const AnsiText& text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRectangle(int left, int top, int right, int bottom) override;
    void fillRectangle(int left, int top, int right, int bottom, PrintColour colour) override;
    bool drawPicture(int left, int top, int right, int bottom,
                     const std::filesystem::path& file) override;
    int textWidth(const AnsiText& text) override;
    int textHeight(const AnsiText& text) override;

    static int lineHeight(int points) { return points * 406 / 100; }

    // The texts of one page, in the order printed.
    std::vector<std::string> textsOn(std::size_t page) const;
    // The first text on a page that begins with `start`; nullptr when there is none.
    const Text* find(std::size_t page, const std::string& start) const;
    // The first text on a page that is `text`; nullptr when there is none.
    const Text* findExact(std::size_t page, const std::string& text) const;
    // The page on which a text beginning with `start` is printed first; -1 when it is not.
    int pageOf(const std::string& start) const;
    // Every text of the printout, page by page, one per line ("--- page n" between pages).
    std::string dump() const;

private:
    PrintFont font_;
    std::string documentName_;
    bool inJob_ = false;
    PageOrientation pending_ = PageOrientation::Portrait;
    Page& current();
};

} // namespace orvela::testing
