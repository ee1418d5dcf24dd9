// Praise at the end of a good run: which praise file fits the result, the pupil and the
// diagnosis, the cycling order of its lines, and the placeholders in a line.

#include "Shell.h"

#include <algorithm>

namespace orvela {

void Shell::HaemtaLovordFiler(std::vector<AnsiText> praiseFiles) {
    s_.PraiseFileCount = 0;
    for (AnsiText& n : praiseFiles) s_.PraiseFileTable[++s_.PraiseFileCount] = std::move(n);
}

int Shell::GeDiagnosTyp(int p) {
    if (p >= 23100 && p <= 23900 && p % 100 == 0) return (p - 23000) / 100;
    switch (p) {
    case 22200:
    case 22300: return 10;
    case 24300: return 11;
    case 45000: return 12;
    case 42000: return 14;
    case 32400: return 15;
    default: break;
    }
    if (p >= 43100 && p <= 43300) return 13;
    if (p >= 33100 && p <= 33300) return 16;
    if (p >= 34100 && p <= 34800) return 17;
    return 0;
}

void Shell::HaemtaLovordFilNamn() {
    int d = GeDiagnosTyp(s_.ProgramNumber);
    int r = d > 0 ? s_.CurrentPupil.result[static_cast<std::size_t>(d)] : 0;
    int w = s_.RunLength - s_.RightCount;
    bool named = !s_.CurrentPupil.name.empty();
    int number = 0;
    if (d == 0) {
        static const int plain[3][2] = {{9001, 9005}, {9002, 9006}, {9013, 9015}};
        if (w >= 0 && w <= 2) number = plain[w][named ? 1 : 0];
    } else if (w == 2) {
        number = named ? 9016 : 9014;
    } else if (w == 0 || w == 1) {
        if (r == 0)
            number = w == 0 ? (named ? 9007 : 9003) : (named ? 9008 : 9004);
        else if (r > 0 && r < 20)
            number = w == 0 ? 9009 : 9010;
        else if (r == 20)
            number = w == 0 ? 9011 : 9012;
    }
    if (number) s_.PraiseFileName = AnsiText::ascii("FROM" + std::to_string(number) + ".LOV");
}

bool Shell::KollaLovOrd(const AnsiText& name) {
    // A praise file that is not in the table gives no praise (and no message).
    int index = 0;
    for (int i = 1; i <= s_.PraiseFileCount; ++i) {
        if (s_.PraiseFileTable[static_cast<std::size_t>(i)] == name) {
            index = i;
            break;
        }
    }
    if (index == 0 || name.empty()) return false;
    s_.PraiseFileIndex = index;
    std::size_t i = static_cast<std::size_t>(index);
    if (s_.PraiseItemCount[i] == 0) ordantal(name, index, true, 1);
    return s_.PraiseItemCount[i] > 0;
}

int Shell::haemta_Lovordslumptal(int position, int fileIndex) {
    std::size_t fi = static_cast<std::size_t>(fileIndex);
    int c = s_.PraiseItemCount[fi];
    int result = nthInOrder(position, c);
    s_.PraiseCursor[fi] = s_.PraiseCursor[fi] >= drawableCount(c) ? 1 : s_.PraiseCursor[fi] + 1;
    return result;
}

AnsiText Shell::LovordMen(const AnsiText& text) const {
    int d = GeDiagnosTyp(s_.ProgramNumber);
    int r = d > 0 ? s_.CurrentPupil.result[static_cast<std::size_t>(d)] : 0;
    const std::string& b = text.bytes();
    std::string out;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (b[i] == '<') {
            std::string_view rest(b.data() + i, b.size() - i);
            if (rest.starts_with("<namn>")) {
                out += s_.CurrentPupil.name.bytes();
                i += 5;
            } else if (rest.starts_with("<diagnos>")) {
                out += std::to_string(d);
                i += 8;
            } else if (rest.starts_with("<res>")) {
                out += std::to_string(r);
                i += 4;
            } else {
                out += '<';
            }
            continue;
        }
        if (b[i] != '>') out += b[i];
    }
    return AnsiText(std::move(out));
}

AnsiText Shell::praiseLine(const OneBased<AnsiText, 3>& fields) {
    std::string joined;
    for (std::size_t k = 1; k <= 3; ++k) {
        joined += ' ';
        joined += fields[k].bytes();
    }
    // Words separated by single blanks.
    std::string words;
    for (char c : joined) {
        if (c == ' ' && (words.empty() || words.back() == ' ')) continue;
        words += c;
    }
    while (!words.empty() && words.back() == ' ') words.pop_back();
    // A comma (and its blank) before the end, another comma or a closing mark is dropped.
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == ',') {
            std::size_t j = i + 1;
            while (j < words.size() && words[j] == ' ') ++j;
            if (j == words.size() || std::string_view(",.!?;:").find(words[j]) != std::string_view::npos) {
                while (!out.empty() && out.back() == ' ') out.pop_back();
                if (j < words.size() && words[j] != ',' && words[j] != '.') out += ' ';
                i = j - 1;
                continue;
            }
        }
        if (words[i] == ',' && out.empty()) continue;
        if (words[i] == ' ' && out.empty()) continue;
        out += words[i];
    }
    return AnsiText(std::move(out));
}

std::optional<OneBased<AnsiText, 3>> Shell::nextPraise() {
    HaemtaLovordFilNamn();
    if (!KollaLovOrd(s_.PraiseFileName)) return std::nullopt;
    std::size_t i = static_cast<std::size_t>(s_.PraiseFileIndex);
    int n = haemta_Lovordslumptal(s_.PraiseCursor[i], s_.PraiseFileIndex);
    haemtaord(s_.PraiseFileName, n);
    str_postarray(s_.CurrentLine);
    OneBased<AnsiText, 3> fields;
    for (std::size_t k = 3; k >= 1; --k) fields[k] = LovordMen(s_.ItemFields[k]);
    return fields;
}

} // namespace orvela
