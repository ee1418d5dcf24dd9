#include "ChoiceTiles.h"

#include <algorithm>

namespace orvela {

namespace {

bool blankText(const AnsiText& t) {
    return t.bytes().find_first_not_of(' ') == std::string::npos;
}

constexpr unsigned char kPound = 0xA3; // "£" in Windows-1252

} // namespace

AnsiText ChoiceTiles::Tile::caption() const {
    AnsiText c = text;
    c.truncate(kTileTextLength);
    return c;
}

bool ChoiceTiles::endsList(const AnsiText& field) {
    return blankText(field) || field.front() == kPound;
}

bool ChoiceTiles::byCharacterCode(const AnsiText& a, const AnsiText& b) {
    const std::string& x = a.bytes();
    const std::string& y = b.bytes();
    return std::lexicographical_compare(
        x.begin(), x.end(), y.begin(), y.end(), [](char l, char r) {
            return static_cast<unsigned char>(l) < static_cast<unsigned char>(r);
        });
}

ChoiceTiles ChoiceTiles::fromFields(const OneBased<AnsiText, kMaxItemFields>& fields) {
    ChoiceTiles list;
    const AnsiText& right = fields[2];
    if (endsList(right)) return list;
    for (std::size_t f = 2; f <= kMaxItemFields; ++f) {
        const AnsiText& field = fields[f];
        if (endsList(field)) break;
        if (list.tiles_.size() == kMaxTiles) {
            ++list.unshown_;
            continue;
        }
        list.tiles_.push_back(Tile{field, field == right});
    }
    std::stable_sort(list.tiles_.begin(), list.tiles_.end(),
                     [](const Tile& a, const Tile& b) { return byCharacterCode(a.text, b.text); });
    return list;
}

int ChoiceTiles::rightIndex() const {
    for (std::size_t i = 0; i < tiles_.size(); ++i)
        if (tiles_[i].right) return static_cast<int>(i);
    return -1;
}

AnsiText ChoiceTiles::expandAbbreviation(const AnsiText& text, bool capitalise) {
    struct Key {
        const char* test;
        bool whole; // the whole text, else its beginning
        const char* word;
    };
    static const Key keys[] = {
        {"ACK", false, "ackusativ"},  {"DAT", false, "dativ"},   {"PRED.F.", true, "predikatsfyllnad"},
        {"SUBJ", false, "subjekt"},   {"AKT", false, "aktiv"},   {"SUBS", false, "substantiv"},
        {"PASS", false, "passiv"},    {"PREDI", false, "predikat"},
    };
    const AnsiText upper = toUpper(text);
    AnsiText result = text;
    for (const Key& k : keys) {
        const bool match = k.whole ? upper.bytes() == k.test : upper.startsWith(k.test);
        if (!match) continue;
        // "predikatsfyllnad" passes the "PREDI" test too, and is no abbreviation of "predikat".
        if (upper.startsWith(toUpper(AnsiText::ascii(k.word)).bytes())) continue;
        result = AnsiText::ascii(k.word);
    }
    if (capitalise && !result.empty())
        result.bytes()[0] = static_cast<char>(ansiUpper(result.front()));
    return result;
}

} // namespace orvela
