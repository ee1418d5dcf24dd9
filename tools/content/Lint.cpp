// orvela-content lint ROOT [--only KIND,KIND...]
//
// Checks a content tree against the exercise catalogue: every data file a menu entry or a
// diagnosis task names is there and has items, and each item has what its exercise window reads
// (fields, "<" ">" marks, gaps, word tiles), and warns about typed answers that a pupil cannot
// give or that judge a wrong answer right (alternatives of two answer boxes, œ and æ without the
// oe and ae spelling, a final "?" or "!" without its spaced or unspaced twin), and whether its
// characters carry over into Windows-1252 (a UTF-8 file with a character Windows-1252 lacks; a
// Windows-1252 file with bytes that look like mis-decoded UTF-8). One line per finding,
// "FILE:LINE: fel|varning: ...", where line 0 stands for the whole file, then a summary.
// Exit status 1 when there are errors.

#include "Catalogue.h"
#include "ChoiceTiles.h"
#include "Commands.h"
#include "ContentText.h"
#include "DataFile.h"
#include "SatsItem.h"
#include "Shell.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace orvela::tool {

namespace {

// A data file to check, with where the program opens it.
struct Target {
    std::string file; // as the catalogue names it
    WindowKind kind;
    std::string usedBy; // UTF-8, for messages
};

struct Finding {
    std::string file;
    int line = 0;
    bool error = true;
    std::string message;
};

std::string quoted(const AnsiText& t) {
    return "\"" + t.toUtf8() + "\"";
}
std::string quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

bool blank(const AnsiText& t) {
    return t.bytes().find_first_not_of(' ') == std::string::npos;
}

std::string upperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

// The fill-in exercise reads its gap sentence from field 1 for these programs, from field 2
// (after a source sentence in field 1) for all others.
bool oneSentenceFormat(int program) {
    return program == 14 || program == 17 || program == 117 || program == 55150 ||
           program == 55200 || program == 55600 || program == 55700 || program == 56114 ||
           program == 56115 || (program >= 56920 && program <= 56970);
}

// The word-tile exercise shows the Swedish translation (field 2) for these programs.
bool showsTranslation(int program) {
    return program == 6 || program == 106 || program == 51400;
}

// The answer field of the translation exercise takes at most this many characters.
constexpr std::size_t kAnswerFieldLength = 55;
// The word tiles: at most 12 words of at most 10 characters.
constexpr std::size_t kMaxTiles = 12;
constexpr std::size_t kTileLength = 10;
constexpr int kHeaderLinesRead = 6;
// The verb-form table: five forms, the first four can be asked, answers of at most 45 characters.
constexpr int kVerbForms = 5;
constexpr int kAskedVerbForms = 4;
constexpr std::size_t kVerbAnswerLength = 45;

// What is wrong with the "<" ">" marks of a text, or an empty string.
std::string markProblem(const AnsiText& text) {
    bool open = false;
    for (unsigned char c : text.bytes()) {
        if (c == '<') {
            if (open) return "\"<\" inuti en annan markering (saknar \">\")";
            open = true;
        } else if (c == '>') {
            if (!open) return "\">\" utan \"<\" före";
            open = false;
        }
    }
    return open ? "\"<\" utan avslutande \">\"" : "";
}

// The words between "<" and ">", in order.
std::vector<AnsiText> markedWords(const AnsiText& text) {
    std::vector<AnsiText> out;
    const std::string& b = text.bytes();
    std::size_t pos = 0;
    while ((pos = b.find('<', pos)) != std::string::npos) {
        std::size_t end = b.find('>', pos + 1);
        out.push_back(AnsiText(
            b.substr(pos + 1, end == std::string::npos ? std::string::npos : end - pos - 1)));
        pos = end == std::string::npos ? b.size() : end + 1;
    }
    return out;
}

bool isCapital(unsigned char c) {
    return ansiLower(c) != c;
}

class Linter {
public:
    Linter(const fs::path& root, std::string rootShown)
        : root_(root), rootShown_(std::move(rootShown)), paths_(root),
          shell_(ContentPaths(root), ShellServices{}) {}

    bool hasDataDirectory() const { return paths_.find("DATA").has_value(); }
    void checkFileTable(const std::vector<Target>& targets);
    void checkFile(const Target& t);
    int report() const;

private:
    fs::path root_;
    std::string rootShown_;
    ContentPaths paths_;
    Shell shell_;
    std::vector<Finding> findings_;
    int filesChecked_ = 0;

    // The word tiles of the file being checked.
    std::vector<AnsiText> tiles_;
    std::set<std::string> tileOverflow_; // distinct gap words (upper case) that got no tile

    std::string shownPath(const std::string& nameInData) const {
        return rootShown_ + "/DATA/" + nameInData;
    }
    void add(const std::string& file, int line, bool error, std::string message) {
        findings_.push_back({file, line, error, std::move(message)});
    }
    void collectTiles(const std::vector<AnsiText>& itemLines);
    void checkItem(const std::string& file, int lineNo, WindowKind kind, int program,
                   const AnsiText& line);
    void checkTranslation(const std::string& file, int lineNo);
    void checkFillIn(const std::string& file, int lineNo, int program);
    void checkPictureChoice(const std::string& file, int lineNo);
    void checkWordTiles(const std::string& file, int lineNo, int program, const AnsiText& line);
    void checkTypedAnswers(const std::string& file, int lineNo, WindowKind kind, int program);
    void checkChoiceTiles(const std::string& file, int lineNo);
    void checkVerbTable(const std::string& file, int lineNo);
    void checkTwoAnswers(const std::string& file, int lineNo);
    // Whether an answer that does not fit its field of `length` characters has an alternative
    // that does.
    bool fitsOrHasShortAlternative(const AnsiText& answer, std::size_t length) const;
    void checkSentenceParts(const std::string& file, int lineNo);
    void checkDictation(const std::string& file, int lineNo, int program);
    void checkDuelWord(const std::string& file, int lineNo, int program);
};

void Linter::checkFileTable(const std::vector<Target>& targets) {
    std::optional<fs::path> list = paths_.find("DATA/datfiler.fra");
    if (list) {
        // Only the files named in the list exist for the program, compared byte for byte.
        const std::string shown = shownPath(list->filename().string());
        LineReader reader(*list);
        std::set<std::string> listed;
        AnsiText line;
        int lineNo = 0;
        std::size_t dataFiles = 0;
        while (reader.next(line)) {
            ++lineNo;
            std::string name = line.bytes();
            name.erase(0, name.find_first_not_of(" \t"));
            name.erase(name.find_last_not_of(" \t") + 1);
            if (!isPlainFileName(name) || !upperAscii(name).ends_with(".DAT") || name.size() <= 4)
                continue;
            if (++dataFiles > kMaxDataFiles) {
                add(shown, lineNo, true,
                    "fler än 172 datafiler i listan; " + name + " läses inte av programmet");
                continue;
            }
            listed.insert(name);
        }
        std::set<std::string> reported;
        for (const Target& t : targets) {
            if (listed.count(t.file) || !reported.insert(t.file).second) continue;
            add(shown, 0, true,
                t.file + " står inte i listan (stavat exakt så); programmet hittar inte filen");
        }
        return;
    }
    // Without the list the program takes the first 172 files FR*.DAT of the directory.
    std::optional<fs::path> dir = paths_.find("DATA");
    std::error_code ec;
    std::size_t count = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(*dir, ec)) {
        std::string upper = upperAscii(e.path().filename().string());
        if (upper.starts_with("FR") && upper.ends_with(".DAT") && upper.size() > 4) ++count;
    }
    if (count > kMaxDataFiles)
        add(rootShown_ + "/DATA", 0, true,
            std::to_string(count) +
                " filer FR*.DAT; programmet läser bara 172, så en del övningar kan saknas");
}

void Linter::checkFile(const Target& t) {
    ++filesChecked_;
    fs::path path = shell_.dataFile(AnsiText::ascii(t.file));
    if (path.empty()) {
        add(shownPath(t.file), 0, true, "filen finns inte (" + t.usedBy + ")");
        return;
    }
    const std::string shown = shownPath(path.filename().string());
    const std::size_t firstFinding = findings_.size();
    LineReader reader(path);
    if (!reader.isOpen()) {
        add(shown, 0, true, "filen kan inte läsas (" + t.usedBy + ")");
        return;
    }
    const int program = Shell::GeProgramtal(AnsiText::ascii(t.file));
    // What did not carry over from a UTF-8 file into the program's character set.
    for (const ContentText::Problem& p : reader.problems())
        add(shown, p.line, true, p.message);

    struct Item {
        int lineNo;
        AnsiText line; // unscrambled
    };
    std::vector<Item> items;
    AnsiText line;
    int lineNo = 0;
    while (reader.next(line)) {
        ++lineNo;
        const LineKind kind = lineKind(line);
        // An item is looked at as the pupil will see it, unscrambled.
        AnsiText shownText = kind == LineKind::Item ? shell_.dekryptrad(line) : line;
        if (kind != LineKind::Ignored) {
            for (const ContentText::Problem& p : ContentText::misdecodedUtf8(shownText.bytes()))
                add(shown, lineNo, false, p.message);
        }
        switch (kind) {
        case LineKind::Ignored: break;
        case LineKind::Item: items.push_back({lineNo, std::move(shownText)}); break;
        default:
            // (The horoscope's closing lines are "$" lines throughout the file.)
            if (lineNo > kHeaderLinesRead && t.kind != WindowKind::Thoroskop)
                add(shown, lineNo, false,
                    "rubrikrad efter de sex första raderna; den läses bara första gången filen "
                    "öppnas");
            break;
        }
    }
    if (items.empty()) {
        add(shown, 0, true, "filen har inga uppgifter (" + t.usedBy + ")");
        return;
    }
    if (items.size() > kRandomOrderSize)
        add(shown, 0, false,
            "filen har " + std::to_string(items.size()) +
                " uppgifter; bara de 1000 första kan komma med");

    if (t.kind == WindowKind::TFLERBAR) {
        std::vector<AnsiText> lines;
        for (const Item& i : items)
            lines.push_back(i.line);
        collectTiles(lines);
    }
    if (t.kind == WindowKind::TFalska && items.size() < 5)
        add(shown, 0, true, "en duell behöver minst fem ord; filen har " + std::to_string(items.size()));
    for (const Item& i : items)
        checkItem(shown, i.lineNo, t.kind, program, i.line);
    // The file's findings in line order.
    std::stable_sort(findings_.begin() + static_cast<std::ptrdiff_t>(firstFinding), findings_.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
}

void Linter::checkItem(const std::string& file, int lineNo, WindowKind kind, int program,
                       const AnsiText& line) {
    // The fields as the program splits them (the line is already unscrambled, which leaves it
    // unchanged when split again).
    shell_.str_postarray(line);
    switch (kind) {
    case WindowKind::TSKRIV: checkTranslation(file, lineNo); break;
    case WindowKind::TSkrivinf: checkFillIn(file, lineNo, program); break;
    case WindowKind::TFLERBAR: checkWordTiles(file, lineNo, program, line); break;
    case WindowKind::TPassAkt: checkChoiceTiles(file, lineNo); break;
    case WindowKind::TFormer: checkVerbTable(file, lineNo); break;
    case WindowKind::Tskriv2: checkTwoAnswers(file, lineNo); break;
    case WindowKind::TSats: checkSentenceParts(file, lineNo); break;
    case WindowKind::TBilden: checkTranslation(file, lineNo); break;
    case WindowKind::TBildvis: checkPictureChoice(file, lineNo); break;
    case WindowKind::TDiktam: checkDictation(file, lineNo, program); break;
    case WindowKind::TFalska: checkDuelWord(file, lineNo, program); break;
    default: break;
    }
    checkTypedAnswers(file, lineNo, kind, program);
}

void Linter::checkDictation(const std::string& file, int lineNo, int program) {
    // The text to write is field 2 for 36100 and 36200 (field 1 is their help word); the reading
    // (32000) says field 2 and shows field 1 in Swedish.
    const SharedState& s = shell_.state();
    const bool second = program == 32000 || program == 36100 || program == 36200;
    const AnsiText& text = s.ItemFields[second ? 2 : 1];
    if (blank(text)) {
        add(file, lineNo, true, second ? "fält 2 (den franska texten) saknas" : "fält 1 (texten) saknas");
        return;
    }
    if (program != 32000 && text.size() > 45)
        add(file, lineNo, false, "texten är längre än 45 tecken; svarsfältet görs längre för den");
}

void Linter::checkDuelWord(const std::string& file, int lineNo, int program) {
    const SharedState& s = shell_.state();
    if (blank(s.ItemFields[1])) add(file, lineNo, true, "fält 1 (ordet) saknas");
    // Each duel has its marker and one other class: c k/s, s z/s, g s/g.
    const std::string cls = toUpper(s.ItemFields[2]).toUtf8();
    const std::string marker = program == 31100 ? "K" : program == 31200 ? "Z" : "S";
    const std::string other = program == 31300 ? "G" : "S";
    if (cls != marker && cls != other)
        add(file, lineNo, true,
            "fält 2 (ljudklassen) ska vara " + toLower(AnsiText::ascii(marker)).toUtf8() + " eller " +
                toLower(AnsiText::ascii(other)).toUtf8() + ", inte \"" + s.ItemFields[2].toUtf8() + "\"");
    if (blank(s.ItemFields[3])) add(file, lineNo, false, "fält 3 (svensk betydelse) saknas");
}

void Linter::checkTranslation(const std::string& file, int lineNo) {
    const SharedState& s = shell_.state();
    if (blank(s.ItemFields[1])) add(file, lineNo, true, "fält 1 (frågan) saknas");
    if (blank(s.ItemFields[2])) {
        add(file, lineNo, true, "fält 2 (svaret) saknas");
        return;
    }
    // An answer that does not fit the answer field can only be given by an alternative.
    bool fits = s.ItemFields[2].size() <= kAnswerFieldLength;
    for (int k = s.ItemFieldCount - s.AltFieldCount + 1; k <= s.ItemFieldCount && k >= 1; ++k)
        fits = fits || s.ItemFields[static_cast<std::size_t>(k)].size() <= kAnswerFieldLength;
    if (!fits)
        add(file, lineNo, false, "svaret är längre än 55 tecken och får inte plats i svarsfältet");
}

// The picture choice: the right name, one or two wrong ones, the Swedish name; the wrong names
// must differ from the right one, or two rows would be right.
void Linter::checkPictureChoice(const std::string& file, int lineNo) {
    const SharedState& s = shell_.state();
    if (blank(s.ItemFields[1])) add(file, lineNo, true, "fält 1 (det rätta namnet) saknas");
    if (blank(s.ItemFields[2])) add(file, lineNo, true, "fält 2 (ett felaktigt namn) saknas");
    if (blank(s.ItemFields[4])) add(file, lineNo, false, "fält 4 (det svenska namnet) saknas");
    for (std::size_t k : {std::size_t{2}, std::size_t{3}})
        if (!blank(s.ItemFields[k]) && shell_.svarstest(s.ItemFields[1], s.ItemFields[k], 1) == 0)
            add(file, lineNo, true, "fält " + std::to_string(k) + " godtas som det rätta namnet");
}

void Linter::checkFillIn(const std::string& file, int lineNo, int program) {
    const SharedState& s = shell_.state();
    const bool oneSentence = oneSentenceFormat(program) || blank(s.ItemFields[2]);
    const AnsiText& gapSentence = oneSentence ? s.ItemFields[1] : s.ItemFields[2];
    const char* gapField = oneSentence ? "fält 1" : "fält 2";
    if (blank(gapSentence)) {
        add(file, lineNo, true, std::string("luckmeningen (") + gapField + ") saknas");
        return;
    }
    if (!oneSentence) {
        std::string problem = markProblem(s.ItemFields[1]);
        if (!problem.empty()) add(file, lineNo, true, "fält 1 (svenska meningen): " + problem);
    }
    std::string problem = markProblem(gapSentence);
    if (!problem.empty()) {
        add(file, lineNo, true, std::string("luckmeningen (") + gapField + "): " + problem);
        return;
    }
    std::vector<AnsiText> gaps = markedWords(gapSentence);
    if (gaps.empty())
        add(file, lineNo, true,
            std::string("luckmeningen (") + gapField + ") har ingen lucka <...>");
    else if (gaps.size() > 2)
        add(file, lineNo, true,
            std::string("luckmeningen (") + gapField + ") har " + std::to_string(gaps.size()) +
                " luckor; högst två går att fylla i");
    for (const AnsiText& g : gaps)
        if (blank(g)) add(file, lineNo, true, "tom lucka <>; den kan aldrig besvaras rätt");
}

void Linter::collectTiles(const std::vector<AnsiText>& itemLines) {
    // As the word-tile window collects them: the gap words of the whole file in the order of
    // their first appearance, each once regardless of letter case, in lower case, at most 10
    // characters, at most 12 words.
    tiles_.clear();
    tileOverflow_.clear();
    for (const AnsiText& line : itemLines) {
        shell_.LetaPrep(line);
        const AnsiText word = shell_.state().PrepParts[2];
        if (word.empty()) continue;
        const AnsiText upper = toUpper(word);
        bool known = false;
        for (const AnsiText& t : tiles_)
            known = known || toUpper(t) == upper;
        if (known) continue;
        if (tiles_.size() < kMaxTiles) {
            AnsiText tile = toLower(word);
            tile.truncate(kTileLength);
            tiles_.push_back(tile);
        } else {
            tileOverflow_.insert(upper.bytes());
        }
    }
}

void Linter::checkWordTiles(const std::string& file, int lineNo, int program,
                            const AnsiText& line) {
    const SharedState& s = shell_.state();
    const AnsiText sentence = s.ItemFields[1];
    if (blank(sentence)) {
        add(file, lineNo, true, "fält 1 (meningen med luckan) saknas");
        return;
    }
    if (showsTranslation(program) && blank(s.ItemFields[2]))
        add(file, lineNo, true, "fält 2 (svenska översättningen) saknas");
    std::string problem = markProblem(sentence);
    if (!problem.empty()) {
        add(file, lineNo, true, "fält 1: " + problem);
        return;
    }
    std::vector<AnsiText> gaps = markedWords(sentence);
    if (gaps.size() != 1) {
        add(file, lineNo, true,
            "fält 1 har " + std::to_string(gaps.size()) + " luckor; det ska vara exakt en <...>");
        return;
    }
    // The gap of the sentence as the window shows it (the whole line split at the marks).
    shell_.LetaPrep(line);
    const AnsiText word = s.PrepParts[2];
    if (blank(word)) {
        add(file, lineNo, true, "tom lucka <>; den kan aldrig besvaras rätt");
        return;
    }
    // A word that begins with a capital is offered the tiles with a capital first letter.
    const unsigned char first = word[0];
    const bool capitalised =
        (first >= 'A' && first <= 'Z') || first == 0xC4 || first == 0xC5 || first == 0xD6;
    for (AnsiText tile : tiles_) {
        if (capitalised && !tile.empty() && tile[0] >= 'a' && tile[0] <= 'z')
            tile.bytes()[0] = static_cast<char>(tile[0] - 32);
        if (shell_.svarstest(word, tile, 1) == 0) return;
    }
    std::string why;
    bool laterCapital = false;
    for (std::size_t i = 1; i < word.size(); ++i)
        laterCapital = laterCapital || isCapital(word[i]);
    if (word.size() > kTileLength)
        why = "är längre än 10 tecken, och brickorna visar bara 10";
    else if (laterCapital)
        why = "har en stor bokstav efter den första, och brickorna har små bokstäver";
    else if (isCapital(first) && !(first >= 'A' && first <= 'Z'))
        why = "börjar med en stor bokstav utanför A-Z, som brickorna inte kan visa";
    else if (tileOverflow_.count(toUpper(word).bytes()))
        why = "får ingen bricka: filen har fler än 12 olika luckord";
    else
        why = "passar ingen bricka";
    add(file, lineNo, true,
        "luckordet " + quoted(word) + " " + why + "; uppgiften kan aldrig besvaras rätt");
}

// ---- Answers the pupil types: what the answer check accepts

// The alternatives as the answer check takes them: from the last non-empty field of 3..10
// backwards, as many as the item has "&" fields.
std::vector<AnsiText> acceptedAlternatives(const SharedState& s) {
    int last = 2;
    for (int k = 10; k >= 3; --k)
        if (!s.ItemFields[static_cast<std::size_t>(k)].empty()) {
            last = k;
            break;
        }
    std::vector<AnsiText> out;
    for (int r = 2; r <= s.AltFieldCount + 1; ++r) {
        const int k = last - r + 2;
        if (k < 1) break;
        out.push_back(Shell::MellanslagBort(s.ItemFields[static_cast<std::size_t>(k)]));
    }
    return out;
}

// The text with œ, Œ, æ and Æ written as two letters, as a pupil types them without the pop-up
// menu; nullopt when the text has none of them.
std::optional<AnsiText> withoutLigatures(const AnsiText& text) {
    std::string out;
    bool found = false;
    for (unsigned char c : text.bytes()) {
        const char* two = c == 0x9C   ? "oe"
                          : c == 0x8C ? "Oe"
                          : c == 0xE6 ? "ae"
                          : c == 0xC6 ? "Ae"
                                      : nullptr;
        found = found || two != nullptr;
        if (two)
            out += two;
        else
            out += static_cast<char>(c);
    }
    if (!found) return std::nullopt;
    return AnsiText(out);
}

// "Où est-il ?" for "Où est-il?" and the other way round; nullopt when the text does not end in
// "?" or "!".
std::optional<AnsiText> otherSpacing(const AnsiText& text) {
    std::string b = Shell::MellanslagBort(text).bytes();
    if (b.size() < 2 || (b.back() != '?' && b.back() != '!')) return std::nullopt;
    const char mark = b.back();
    b.pop_back();
    if (b.back() == ' ') {
        while (!b.empty() && b.back() == ' ')
            b.pop_back();
        return AnsiText(b + mark);
    }
    return AnsiText(b + ' ' + mark);
}

// Whether `part` stands in `whole` as whole words, letter case aside.
bool containsWords(const AnsiText& whole, const AnsiText& part) {
    const std::string w = " " + toUpper(Shell::MellanslagBort(whole)).bytes() + " ";
    const std::string p = " " + toUpper(Shell::MellanslagBort(part)).bytes() + " ";
    return p.size() > 2 && w.find(p) != std::string::npos;
}

// Whether the two texts have a word in common, letter case aside.
bool sharesAWord(const AnsiText& a, const AnsiText& b) {
    std::set<std::string> words;
    std::stringstream in(toUpper(a).bytes());
    for (std::string w; in >> w;)
        words.insert(w);
    std::stringstream other(toUpper(b).bytes());
    for (std::string w; other >> w;)
        if (words.count(w)) return true;
    return false;
}

void Linter::checkTypedAnswers(const std::string& file, int lineNo, WindowKind kind, int program) {
    const SharedState& s = shell_.state();
    // The answers the window asks for, each with the comparison mode it is judged in.
    struct Asked {
        AnsiText answer;
        std::string where; // UTF-8, for messages
        int mode;
    };
    std::vector<Asked> asked;
    switch (kind) {
    case WindowKind::TSKRIV: asked.push_back({s.ItemFields[2], "svaret", 3}); break;
    case WindowKind::Tskriv2:
        asked.push_back({s.ItemFields[2], "svaret i ruta 1", 1});
        asked.push_back({s.ItemFields[3], "svaret i ruta 2", 1});
        break;
    case WindowKind::TSkrivinf: {
        const bool oneSentence = oneSentenceFormat(program) || blank(s.ItemFields[2]);
        if (!markProblem(oneSentence ? s.ItemFields[1] : s.ItemFields[2]).empty()) return;
        for (const AnsiText& g : markedWords(oneSentence ? s.ItemFields[1] : s.ItemFields[2]))
            asked.push_back({g, "luckordet", 1});
        break;
    }
    default: return;
    }
    for (const Asked& a : asked)
        if (blank(a.answer)) return;
    const std::vector<AnsiText> alternatives = acceptedAlternatives(s);

    // Two answer boxes share the alternatives. Where the boxes ask for different answers, an
    // alternative that is, or holds, the answer of one box, or has no word in common with it,
    // is accepted in a box where it is wrong.
    if (kind == WindowKind::Tskriv2 && toUpper(Shell::MellanslagBort(asked[0].answer)) !=
                                           toUpper(Shell::MellanslagBort(asked[1].answer))) {
        for (const AnsiText& alt : alternatives)
            for (std::size_t box = 0; box < 2; ++box) {
                const bool holds = containsWords(alt, asked[box].answer);
                if (!holds && sharesAWord(alt, asked[box].answer)) continue;
                add(file, lineNo, false,
                    "alternativet " + quoted(alt) + " gäller båda rutorna men " +
                        (holds ? "är eller innehåller" : "har inget ord gemensamt med") +
                        " svaret i ruta " + std::to_string(box + 1) + " (" +
                        quoted(asked[box].answer) + "); ett alternativ måste passa i båda rutorna");
                break;
            }
    }

    // Every accepted text, judged against the answer of its box (alternatives count for all).
    std::vector<std::pair<AnsiText, const Asked*>> accepted;
    for (const Asked& a : asked)
        accepted.push_back({Shell::MellanslagBort(a.answer), &a});
    for (const AnsiText& alt : alternatives)
        accepted.push_back({alt, &asked.front()});
    std::set<std::string> reported;
    for (const auto& [text, box] : accepted) {
        if (std::optional<AnsiText> plain = withoutLigatures(text);
            plain && shell_.svarstest(box->answer, *plain, box->mode) != 0 &&
            reported.insert("L" + plain->bytes()).second)
            add(file, lineNo, false,
                quoted(text) + " har œ eller æ, men stavningen " + quoted(*plain) +
                    " godtas inte; lägg till den som alternativ med &");
        if (std::optional<AnsiText> twin = otherSpacing(text);
            twin && shell_.svarstest(box->answer, *twin, box->mode) != 0 &&
            reported.insert("S" + twin->bytes()).second)
            add(file, lineNo, false,
                quoted(text) + " slutar på \"" + std::string(1, text.bytes().back()) + "\", men " +
                    quoted(*twin) +
                    " godtas inte; lägg till det som alternativ med &, så att både fransk "
                    "mellanrumsregel och svar utan mellanrum godtas");
    }
}

// The classification exercise: a sentence with at most one marked group, the right answer in
// field 2 and the other candidates after it, 2 to 6 tiles of at most 30 characters.
void Linter::checkChoiceTiles(const std::string& file, int lineNo) {
    const SharedState& s = shell_.state();
    const AnsiText& sentence = s.ItemFields[1];
    if (blank(sentence)) add(file, lineNo, true, "fält 1 (meningen) saknas");
    std::string problem = markProblem(sentence);
    if (!problem.empty()) add(file, lineNo, true, "fält 1: " + problem);
    const std::vector<AnsiText> groups = markedWords(sentence);
    if (problem.empty() && groups.size() > 1)
        add(file, lineNo, true,
            "fält 1 har " + std::to_string(groups.size()) +
                " markerade ordgrupper; fönstret visar bara en <...> i grönt");
    for (const AnsiText& g : groups)
        if (blank(g)) add(file, lineNo, true, "tom markering <> i fält 1");
    if (ChoiceTiles::endsList(s.ItemFields[2])) {
        add(file, lineNo, true,
            "fält 2 (rätt svar) saknas eller börjar med \"£\"; uppgiften hoppas över");
        return;
    }
    const ChoiceTiles tiles = ChoiceTiles::fromFields(s.ItemFields);
    if (tiles.size() < 2)
        add(file, lineNo, true, "bara en ruta att klicka på; det ska vara 2-6 svarsalternativ");
    if (tiles.unshownCandidates() > 0)
        add(file, lineNo, true,
            "fler än 6 svarsalternativ; de efter fält 7 visas inte (avsluta listan med \"£\")");
    std::set<std::string> captions;
    for (const ChoiceTiles::Tile& t : tiles.tiles()) {
        if (t.text.size() > ChoiceTiles::kTileTextLength)
            add(file, lineNo, true,
                "svarsalternativet " + quoted(t.text) +
                    " är längre än 30 tecken och visas avkortat på rutan");
        if (!captions.insert(t.caption().bytes()).second)
            add(file, lineNo, true,
                "två rutor visar " + quoted(t.caption()) + "; rätt svar går inte att skilja ut");
    }
}

bool Linter::fitsOrHasShortAlternative(const AnsiText& answer, std::size_t length) const {
    const SharedState& s = shell_.state();
    bool fits = answer.size() <= length;
    for (int k = s.ItemFieldCount - s.AltFieldCount + 1; k <= s.ItemFieldCount && k >= 1; ++k)
        fits = fits || s.ItemFields[static_cast<std::size_t>(k)].size() <= length;
    return fits;
}

// The verb-form table: a prompt in field 1 and five forms in fields 2 to 6, shown in a column;
// one of the first four is asked for, the fifth is only shown.
void Linter::checkVerbTable(const std::string& file, int lineNo) {
    const SharedState& s = shell_.state();
    if (blank(s.ItemFields[1]))
        add(file, lineNo, true, "fält 1 (verbet och det som efterfrågas) saknas");
    std::string missing;
    int missingCount = 0;
    for (int form = 1; form <= kVerbForms; ++form) {
        if (!blank(s.ItemFields[static_cast<std::size_t>(form + 1)])) continue;
        if (!missing.empty()) missing += ", ";
        missing += std::to_string(form + 1);
        ++missingCount;
    }
    if (missingCount > 0) {
        add(file, lineNo, true,
            std::string(missingCount == 1 ? "fält " : "fälten ") + missing +
                " saknas; verbtabellen behöver fem former (fält 2-6), och en tom form kan "
                "efterfrågas men aldrig besvaras");
        return;
    }
    // An "&" marks the alternatives after the table; inside it a form would count as an
    // alternative answer to every other form.
    const int firstAlternative = s.ItemFieldCount - s.AltFieldCount + 1;
    if (s.AltFieldCount > 0 && firstAlternative <= kVerbForms + 1)
        add(file, lineNo, true,
            "fält " + std::to_string(firstAlternative) +
                " börjar med \"&\" men är en av de fem formerna; alternativ står efter fält 6");
    for (int form = 1; form <= kAskedVerbForms; ++form) {
        const AnsiText& answer = s.ItemFields[static_cast<std::size_t>(form + 1)];
        if (!fitsOrHasShortAlternative(answer, kVerbAnswerLength))
            add(file, lineNo, false,
                "formen i fält " + std::to_string(form + 1) +
                    " är längre än 45 tecken och får inte plats i svarsfältet");
    }
}

// The second translation exercise: a question (field 1), two answers typed one after the other
// (fields 2 and 3) and a Swedish line shown with them (field 4).
void Linter::checkTwoAnswers(const std::string& file, int lineNo) {
    const SharedState& s = shell_.state();
    if (blank(s.ItemFields[1])) add(file, lineNo, true, "fält 1 (frågan) saknas");
    bool answers = true;
    for (int k : {2, 3}) {
        if (!blank(s.ItemFields[static_cast<std::size_t>(k)])) continue;
        const char* which = k == 2 ? " (första svaret)" : " (andra svaret)";
        add(file, lineNo, true,
            "fält " + std::to_string(k) + which + " saknas; uppgiften kan aldrig besvaras rätt");
        answers = false;
    }
    if (blank(s.ItemFields[4])) add(file, lineNo, false, "fält 4 (den svenska raden) saknas");
    if (!answers) return;
    for (int k : {2, 3})
        if (!fitsOrHasShortAlternative(s.ItemFields[static_cast<std::size_t>(k)],
                                       kAnswerFieldLength))
            add(file, lineNo, false,
                "svaret i fält " + std::to_string(k) +
                    " är längre än 55 tecken och får inte plats i svarsfältet");
}

// "NN" (in any letter case, blanks around it aside): a marked group that gets no box.
bool isNoBoxCode(const AnsiText& code) {
    std::string c = toUpper(code).bytes();
    c.erase(0, c.find_first_not_of(' '));
    c.erase(c.find_last_not_of(' ') + 1);
    return c == "NN";
}

// The sentence-part exercise: a sentence with up to five groups marked "<" ">" and a function
// code per group (S, P, AO, DO, PF, or NN for a group without a box).
void Linter::checkSentenceParts(const std::string& file, int lineNo) {
    const SharedState& s = shell_.state();
    const SatsItem item = SatsItem::parse(s.ItemFields);
    if (blank(s.ItemFields[1])) {
        add(file, lineNo, true, "fält 1 (meningen) saknas");
        return;
    }
    if (!item.marksBalanced) {
        add(file, lineNo, true, "fält 1: " + markProblem(s.ItemFields[1]) +
                                    "; uppgiften hoppas över");
        return;
    }
    const std::size_t marked = markedWords(s.ItemFields[1]).size();
    if (marked > static_cast<std::size_t>(SatsItem::kMaxGroups))
        add(file, lineNo, true,
            "fält 1 har " + std::to_string(marked) + " ordgrupper; bara de fem första används");
    for (int g = 1; g <= std::min<int>(static_cast<int>(marked), SatsItem::kMaxGroups); ++g) {
        const AnsiText& code = s.ItemFields[static_cast<std::size_t>(g + 1)];
        if (blank(code)) {
            add(file, lineNo, true,
                "ordgrupp " + std::to_string(g) + " saknar satsdel (fält " + std::to_string(g + 1) +
                    "); skriv S, P, AO, DO, PF eller NN");
        } else if (!satsFunctionOf(code) && !isNoBoxCode(code)) {
            add(file, lineNo, true,
                "okänd satsdel " + quoted(code) + " för ordgrupp " + std::to_string(g) +
                    "; skriv S, P, AO, DO, PF eller NN");
        }
    }
    for (std::size_t f = marked + 2; f <= std::min<std::size_t>(SatsItem::kMaxGroups + 1, kMaxItemFields); ++f)
        if (!blank(s.ItemFields[f]))
            add(file, lineNo, true,
                "fält " + std::to_string(f) + " " + quoted(s.ItemFields[f]) +
                    " hör till en ordgrupp som inte finns; den får ingen ruta");
    if (!item.canBeFinished())
        add(file, lineNo, true, "ingen ordgrupp har en ruta; uppgiften hoppas över");
}

int Linter::report() const {
    int errors = 0;
    int warnings = 0;
    for (const Finding& f : findings_) {
        (f.error ? errors : warnings) += 1;
        std::cout << f.file << ":" << f.line << ": " << (f.error ? "fel: " : "varning: ")
                  << f.message << "\n";
    }
    std::cout << "Kontrollerade " << filesChecked_ << " filer: " << errors << " fel, " << warnings
              << (warnings == 1 ? " varning" : " varningar") << ".\n";
    return errors > 0 ? 1 : 0;
}

int usage() {
    std::cerr << "Användning: orvela-content lint ROT [--only TYP,TYP...]\n"
                 "  Kontrollerar att varje datafil som menyerna och diagnosen använder finns i\n"
                 "  ROT/DATA och har uppgifter som övningsfönstret kan läsa. TYP är ett\n"
                 "  övningsfönster (TSKRIV, TSkrivinf, TFLERBAR ...); utan --only kontrolleras\n"
                 "  alla. Rad 0 i en rapport gäller hela filen.\n";
    return 2;
}

// The kinds named by "A,B,C"; nullopt (with a message) when one of them is unknown.
std::optional<std::set<WindowKind>> parseKinds(const std::string& list) {
    std::set<WindowKind> kinds;
    std::stringstream in(list);
    std::string name;
    while (std::getline(in, name, ',')) {
        if (name.empty()) continue;
        std::optional<WindowKind> k = windowKindByName(name);
        if (!k) {
            std::cerr << "orvela-content lint: okänd övningstyp " << name << "\n";
            return std::nullopt;
        }
        kinds.insert(*k);
    }
    if (kinds.empty()) {
        std::cerr << "orvela-content lint: --only utan övningstyper\n";
        return std::nullopt;
    }
    return kinds;
}

} // namespace

int lint(int argc, char** argv) {
    std::string root;
    std::optional<std::set<WindowKind>> only;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--only" && i + 1 < argc) {
            only = parseKinds(argv[++i]);
            if (!only) return 2;
        } else if (a.starts_with("--only=")) {
            only = parseKinds(a.substr(7));
            if (!only) return 2;
        } else if (root.empty() && !a.starts_with("--")) {
            root = a;
        } else {
            return usage();
        }
    }
    if (root.empty()) return usage();
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();

    auto selected = [&only](WindowKind k) { return !only || only->count(k) > 0; };
    std::vector<Target> targets;
    std::set<std::string> seen;
    for (const CatalogueExercise& x : catalogueExercises()) {
        const MenuEntry& e = *x.entry;
        if (!selected(e.window) || !seen.insert(std::string(e.target)).second) continue;
        targets.push_back({std::string(e.target), e.window,
                           "menyn " + quoted(x.menu->title) + ", knappen " + quoted(e.caption)});
    }
    for (int task = 1; task <= kDiagnosisTasksWithFiles; ++task) {
        std::optional<DiagnosisTask> d = diagnosisTask(task);
        if (!d || !selected(d->window)) continue;
        const std::string n = std::to_string(task);
        targets.push_back({d->testFile, d->window, "diagnos " + n + ", test"});
        targets.push_back({d->followUpFile, d->window, "diagnos " + n + ", övning"});
    }

    Linter linter{fs::path(root), root};
    if (!linter.hasDataDirectory()) {
        std::cerr << "orvela-content lint: hittar inte katalogen " << root << "/DATA\n";
        return 1;
    }
    linter.checkFileTable(targets);
    for (const Target& t : targets)
        linter.checkFile(t);
    return linter.report();
}

} // namespace orvela::tool
