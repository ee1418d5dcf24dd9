#include "RuleFile.h"

#include "ContentText.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <system_error>

namespace orvela {

namespace {

// A rule file is a few kilobytes. Lines are kept up to this length (a cell text counts only to
// 100 characters anyway), and no more than this much of a file is read.
constexpr std::size_t kLineKeep = 1000;
constexpr std::size_t kReadBudget = std::size_t{1} << 20;

constexpr unsigned char kCurrencySign = 0xA4; // "¤"

// Lines of a stream, bounded in length and in total.
class BoundedLines {
public:
    explicit BoundedLines(std::istream& in) : buf_(in.rdbuf()) {}

    // The next line without its line end; false at the end (or when the budget is spent).
    bool next(std::string& line, bool& cut, bool& hadNul) {
        line.clear();
        cut = hadNul = false;
        if (!buf_ || budget_ == 0) return false;
        bool any = false;
        while (budget_ > 0) {
            int c = buf_->sbumpc();
            if (c == std::char_traits<char>::eof()) break;
            any = true;
            --budget_;
            if (c == '\n') break;
            if (c == 0) {
                hadNul = true;
                continue;
            }
            if (line.size() < kLineKeep) {
                line.push_back(static_cast<char>(c));
            } else if (!(c == '\r' && buf_->sgetc() == '\n')) {
                cut = true;
            }
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return any;
    }
    bool spent() const { return budget_ == 0; }

private:
    std::streambuf* buf_;
    std::size_t budget_ = kReadBudget;
};

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// A decimal integer with an optional sign and blanks around it; nullopt for anything else.
// Values beyond a billion are held at a billion.
std::optional<long long> parseInteger(std::string_view s) {
    s = trimmed(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    long long v = 0;
    for (char ch : s) {
        if (!isDigit(static_cast<unsigned char>(ch))) return std::nullopt;
        v = std::min(v * 10 + (ch - '0'), 1000000000LL);
    }
    return negative ? -v : v;
}

bool isSetFlag(std::string_view s) {
    s = trimmed(s);
    return s == "S" || s == "s";
}

// A short, readable quotation of a bad value for a problem line.
std::string quote(const std::string& raw) {
    AnsiText t(raw);
    t.truncate(20);
    return "\"" + t.toUtf8() + (raw.size() > 20 ? "…\"" : "\"");
}

} // namespace

std::string ruleFileName(int programNumber, int page) {
    std::string p = std::to_string(page);
    if (page >= 0 && page < 10) p = "0" + p;
    return "R" + std::to_string(programNumber) + ".R" + p;
}

int rulePageCount(int n) {
    if (n >= 3110 && n <= 31300) return 1;
    switch (n) {
    case 51110: return 5;
    case 51120: return 3;
    case 51210:
    case 51220: return 1;
    case 51310:
    case 51320: return 4;
    case 51400: return 3;
    case 51500: return 2;
    case 52300: return 4;
    case 55180:
    case 55500:
    case 56600: return 1;
    case 56130: return 3;
    case 56410: return 4;
    case 56700: return 3;
    case 56810: return 4;
    case 57000: return 5;
    case 63110: return 4;
    default: break;
    }
    if (n >= 52110 && n <= 52299) return 3;
    if (n >= 52301 && n <= 53200) return 3;
    return 0;
}

std::optional<std::filesystem::path> findRuleFile(const ContentPaths& paths, int programNumber,
                                                  int page) {
    std::optional<fs::path> p = paths.find("DATA/" + ruleFileName(programNumber, page));
    std::error_code ec;
    if (p && fs::is_directory(*p, ec)) return std::nullopt;
    return p;
}

std::vector<int> existingRulePages(const ContentPaths& paths, int programNumber) {
    const int inTable = rulePageCount(programNumber);
    const int last = inTable > 0 ? inTable : kRuleMaxPages;
    std::vector<int> pages;
    // DATA is listed once for all the pages: each missing page would list it again.
    const std::optional<fs::path> data = paths.find("DATA");
    const std::optional<std::vector<std::string>> names =
        data ? entryNames(*data) : std::optional<std::vector<std::string>>();
    if (!names) return pages;
    for (int page = 1; page <= last; ++page) {
        const std::string wanted = ruleFileName(programNumber, page);
        const bool found = std::any_of(names->begin(), names->end(), [&](const std::string& n) {
            std::error_code ec;
            return sameFileName(n, wanted) && !fs::is_directory(*data / n, ec);
        });
        if (found) pages.push_back(page);
    }
    return pages;
}

RulePage readRulePage(std::istream& in, std::vector<std::string>* problems) {
    RulePage page;
    BoundedLines lines(in);
    int lineNo = 0;
    std::string raw;
    auto note = [&](int n, const std::string& what) {
        if (problems) problems->push_back("Rad " + std::to_string(n) + ": " + what);
    };
    // The next line of the file; false when the file has ended.
    auto next = [&]() {
        bool cut = false, hadNul = false;
        if (!lines.next(raw, cut, hadNul)) return false;
        ++lineNo;
        if (hadNul) note(lineNo, "NUL-tecken har tagits bort.");
        if (cut) note(lineNo, "raden är för lång och har kortats.");
        return true;
    };
    auto text = [&](AnsiText& out) {
        if (!next()) return;
        out = AnsiText(raw);
        if (out.size() > kRuleTextMax) {
            note(lineNo, "texten är längre än 100 tecken; bara de 100 första visas.");
            out.truncate(kRuleTextMax);
        }
    };
    auto number = [&](int& out, int low, int high) {
        if (!next()) return;
        std::optional<long long> v = parseInteger(raw);
        if (!v) {
            note(lineNo, quote(raw) + " är inget tal; 0 används.");
            out = 0;
            return;
        }
        if (*v < low || *v > high) {
            out = static_cast<int>(std::clamp<long long>(*v, low, high));
            note(lineNo, quote(raw) + " är utanför " + std::to_string(low) + " till " +
                             std::to_string(high) + "; " + std::to_string(out) + " används.");
            return;
        }
        out = static_cast<int>(*v);
    };
    auto flag = [&](bool& out) {
        if (next()) out = isSetFlag(raw);
    };

    text(page.leftTitle);
    text(page.rightTitle);
    flag(page.flag);
    for (RuleCell& cell : page.cells) {
        text(cell.text);
        number(cell.x, -kRuleMaxX, kRuleMaxX);
        flag(cell.blue);
    }
    for (bool& f : page.rowFrames) flag(f);
    for (int& v : page.spare) number(v, -1000000000, 1000000000);

    if (problems) {
        bool spent = lines.spent();
        if (lineNo < kRuleFileLines) {
            problems->push_back((spent ? "Filen är för stor: bara " : "Filen har bara ") +
                                std::to_string(lineNo) + " rader av " +
                                std::to_string(kRuleFileLines) + "; resten räknas som tomt.");
        } else {
            bool extra = false;
            while (!extra && next())
                extra = !trimmed(raw).empty();
            if (extra)
                problems->push_back("Filen har fler än " + std::to_string(kRuleFileLines) +
                                    " rader; raderna efter rad " +
                                    std::to_string(kRuleFileLines) + " läses inte.");
        }
    }
    if (problems) {
        bool small = false;
        for (std::size_t i = 1; i <= page.cells.size(); ++i) {
            std::vector<std::string> cellProblems;
            parseRuleCell(page.cells[i].text, page.cells[i].blue, small, &cellProblems);
            for (const std::string& p : cellProblems)
                problems->push_back("Ruta " + std::to_string(i) + ": " + p);
        }
    }
    return page;
}

std::optional<RulePage> readRuleFile(const std::filesystem::path& file,
                                     std::vector<std::string>* problems) {
    std::error_code ec;
    if (file.empty() || fs::is_directory(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) return std::nullopt;
    // Saved as Windows-1252 or as UTF-8: the page reads the same.
    std::string raw(kReadBudget, '\0');
    in.read(raw.data(), static_cast<std::streamsize>(raw.size()));
    raw.resize(static_cast<std::size_t>(in.gcount()));
    std::istringstream text(ContentText::decode(raw).bytes());
    return readRulePage(text, problems);
}

std::vector<RulePiece> parseRuleCell(const AnsiText& text, bool blue, bool& small,
                                     std::vector<std::string>* problems) {
    std::vector<RulePiece> pieces;
    AnsiText run;
    auto flush = [&] {
        if (run.empty()) return;
        RulePiece p;
        p.text = run;
        p.blue = blue;
        p.small = small;
        pieces.push_back(std::move(p));
        run.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = text[i];
        switch (c) {
        case '<':
            flush();
            blue = true;
            break;
        case '>':
            flush();
            blue = false;
            break;
        case '#':
            flush();
            small = true;
            break;
        case kCurrencySign:
            flush();
            small = false;
            break;
        case '%': {
            std::size_t j = i + 1;
            int x = 0;
            while (j < text.size() && isDigit(text[j])) {
                x = std::min(x * 10 + (text[j] - '0'), kRuleMaxX);
                ++j;
            }
            if (j == i + 1) {
                if (problems) problems->push_back("\"%\" utan siffror efter visas som tecken.");
                run.push_back(c);
                break;
            }
            if (j < text.size() && text[j] != ' ' && problems)
                problems->push_back("efter \"%\" och talet ska ett mellanslag följa.");
            flush();
            RulePiece jump;
            jump.kind = RulePiece::Kind::Jump;
            jump.x = x;
            pieces.push_back(std::move(jump));
            i = j - 1;
            break;
        }
        default: run.push_back(c); break;
        }
    }
    flush();
    return pieces;
}

FontSpec ruleFontSpec(RuleFont font) {
    switch (font) {
    case RuleFont::Title: return FontSpec{"Arial Black", 20, false};
    case RuleFont::Small: return FontSpec{"Arial", 10, true};
    case RuleFont::Normal: break;
    }
    return FontSpec{"Arial", 14, true};
}

RuleLayout layoutRulePage(const RulePage& page, TextMeasure& measure, double scale) {
    auto S = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
    RuleLayout out;
    auto addText = [&](int x, int y, const AnsiText& text, bool blue, RuleFont font) {
        int width = measure.textWidth(text, ruleFontSpec(font));
        out.texts.push_back(RuleLayout::Text{x, y, width, text, blue, font});
        out.right = std::max(out.right, x + width);
        out.bottom = std::max(out.bottom, y + S(28));
        return width;
    };
    if (!page.leftTitle.empty()) addText(S(20), S(10), page.leftTitle, false, RuleFont::Title);
    if (!page.rightTitle.empty()) addText(S(490), S(10), page.rightTitle, false, RuleFont::Title);

    int x = S(40);
    int row = 1;
    bool small = false;
    for (int i = 1; i <= kRuleCells; ++i) {
        const RuleCell& cell = page.cells[static_cast<std::size_t>(i)];
        const bool firstOfRow = (i - 1) % kRuleColumns == 0;
        if (firstOfRow && i > 1) ++row; // a new row: x goes on where it was
        const int y = S(70 + 30 * (row - 1));
        int frameStart = S(40);
        if (!cell.text.empty()) {
            if (cell.x > 0) {
                x = S(cell.x);
                frameStart = x;
            }
            for (const RulePiece& p : parseRuleCell(cell.text, cell.blue, small)) {
                if (p.kind == RulePiece::Kind::Jump) {
                    x = S(p.x);
                    if (firstOfRow) frameStart = x;
                } else {
                    const RuleFont font = p.small ? RuleFont::Small : RuleFont::Normal;
                    x += addText(x, y, p.text, p.blue, font);
                }
            }
            x += S(10);
        }
        if (firstOfRow && page.rowFrames[static_cast<std::size_t>(row)]) {
            RuleLayout::Frame f{frameStart - S(12), y - S(2), x + S(8), y + S(28)};
            out.frames.push_back(f);
            out.right = std::max(out.right, f.right);
            out.bottom = std::max(out.bottom, f.bottom);
        }
    }
    return out;
}

} // namespace orvela
