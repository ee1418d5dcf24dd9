#include "FakePrinting.h"

#include <stdexcept>

namespace orvela::testing {

PrintChoice FakePrinting::choose(std::string_view documentName) {
    ++chooseCalls;
    documentName_ = std::string(documentName);
    orientation = pending_;
    pending_ = PageOrientation::Portrait;
    return answer;
}

bool FakePrinting::beginJob() {
    if (inJob_) throw std::logic_error("a job was begun inside a job");
    if (failFromJob > 0 && static_cast<int>(jobs.size()) + 1 >= failFromJob) return false;
    jobs.push_back(Job{documentName_, false});
    pages.push_back(Page{static_cast<int>(jobs.size()) - 1, {}, {}, {}});
    inJob_ = true;
    return true;
}

void FakePrinting::newPage() {
    pages.push_back(Page{static_cast<int>(jobs.size()) - 1, {}, {}, {}});
}

void FakePrinting::endJob() {
    if (!inJob_) throw std::logic_error("a job was ended that was not begun");
    jobs.back().ended = true;
    inJob_ = false;
}

FakePrinting::Page& FakePrinting::current() {
    if (!inJob_) throw std::logic_error("drawn outside a job");
    return pages.back();
}

void FakePrinting::drawText(int x, int y, const AnsiText& text) {
    current().texts.push_back(Text{x, y, font_, text.toUtf8()});
}

void FakePrinting::drawLine(int x1, int y1, int x2, int y2) {
    current().shapes.push_back(Shape{false, x1, y1, x2, y2, false, {}});
}

void FakePrinting::drawRectangle(int left, int top, int right, int bottom) {
    current().shapes.push_back(Shape{true, left, top, right, bottom, false, {}});
}

void FakePrinting::fillRectangle(int left, int top, int right, int bottom, PrintColour colour) {
    current().shapes.push_back(Shape{true, left, top, right, bottom, true, colour});
}

bool FakePrinting::drawPicture(int left, int top, int right, int bottom,
                               const std::filesystem::path& file) {
    if (!std::filesystem::is_regular_file(file)) return false;
    current().pictures.push_back(Picture{left, top, right, bottom, file.string()});
    return true;
}

int FakePrinting::textWidth(const AnsiText& text) {
    return static_cast<int>(text.size()) * font_.pointSize * 2;
}

int FakePrinting::textHeight(const AnsiText&) {
    return lineHeight(font_.pointSize);
}

std::vector<std::string> FakePrinting::textsOn(std::size_t page) const {
    std::vector<std::string> result;
    for (const Text& t : pages.at(page).texts) result.push_back(t.text);
    return result;
}

const FakePrinting::Text* FakePrinting::find(std::size_t page, const std::string& start) const {
    for (const Text& t : pages.at(page).texts)
        if (t.text.rfind(start, 0) == 0) return &t;
    return nullptr;
}

const FakePrinting::Text* FakePrinting::findExact(std::size_t page, const std::string& text) const {
    for (const Text& t : pages.at(page).texts)
        if (t.text == text) return &t;
    return nullptr;
}

int FakePrinting::pageOf(const std::string& start) const {
    for (std::size_t p = 0; p < pages.size(); ++p)
        if (find(p, start)) return static_cast<int>(p);
    return -1;
}

std::string FakePrinting::dump() const {
    std::string out;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        out += "--- page " + std::to_string(p + 1) + "\n";
        for (const Text& t : pages[p].texts)
            out += std::to_string(t.x) + "," + std::to_string(t.y) + " " + t.text + "\n";
    }
    return out;
}

} // namespace orvela::testing
