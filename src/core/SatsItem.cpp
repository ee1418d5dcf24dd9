#include "SatsItem.h"

#include <algorithm>
#include <array>

namespace orvela {

namespace {

// Box lines in Windows-1252; the legends' blanks line the "=" signs up on the printed sheet.
const std::array<SatsFunctionInfo, 5> kFunctions = {{
    {"AO", "Ackusativ-", "objekt", "Ackusativobjekt  ="},
    {"DO", "Dativ-", "objekt", "Dativobjekt        ="},
    {"P", "Predikat", "", "Predikat             ="},
    {"PF", "Predikats-", "fyllnad", "Predikatsfyllnad ="},
    {"S", "Subjekt", "", "Subjekt               ="},
}};

constexpr SatsFunction kFunctionOrder[] = {SatsFunction::AO, SatsFunction::DO, SatsFunction::P,
                                           SatsFunction::PF, SatsFunction::S};

const char* const kIndent = "       ";

std::string stripped(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

} // namespace

const SatsFunctionInfo& satsFunctionInfo(SatsFunction f) {
    return kFunctions.at(static_cast<std::size_t>(f));
}

std::optional<SatsFunction> satsFunctionOf(const AnsiText& code) {
    const std::string wanted = stripped(toUpper(code).bytes());
    for (SatsFunction f : kFunctionOrder)
        if (wanted == satsFunctionInfo(f).code) return f;
    return std::nullopt;
}

SatsItem SatsItem::parse(const OneBased<AnsiText, kMaxItemFields>& fields) {
    SatsItem item;
    item.sentence = fields[1];
    if (!item.sentence.empty() && item.sentence.front() >= '0' && item.sentence.front() <= '9')
        item.sentence = item.sentence.substr(1);

    const std::string& text = item.sentence.bytes();
    std::vector<std::size_t> opens, closes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '<') opens.push_back(i);
        if (text[i] == '>') closes.push_back(i);
    }
    bool balanced = opens.size() == closes.size();
    for (std::size_t k = 0; balanced && k < opens.size(); ++k) {
        if (closes[k] < opens[k]) balanced = false;
        if (k + 1 < opens.size() && opens[k + 1] < closes[k]) balanced = false;
    }
    item.marksBalanced = balanced;
    if (balanced) {
        const std::size_t n = opens.size();
        item.groupCount = static_cast<int>(std::min<std::size_t>(n, kMaxGroups));
        item.between[1] = AnsiText(text.substr(0, n == 0 ? text.size() : opens[0]));
        for (int k = 1; k <= item.groupCount; ++k) {
            const std::size_t i = static_cast<std::size_t>(k - 1);
            item.groups[static_cast<std::size_t>(k)] =
                AnsiText(text.substr(opens[i] + 1, closes[i] - opens[i] - 1));
            std::string after;
            if (i + 1 < n && k < kMaxGroups) {
                after = text.substr(closes[i] + 1, opens[i + 1] - closes[i] - 1);
            } else {
                // The rest of the sentence; groups beyond the fifth are shown as plain text.
                after = text.substr(closes[i] + 1);
                std::erase_if(after, [](char c) { return c == '<' || c == '>'; });
            }
            item.between[static_cast<std::size_t>(k + 1)] = AnsiText(std::move(after));
        }
    }

    for (SatsFunction f : kFunctionOrder)
        for (int g = 1; g <= kMaxGroups; ++g)
            if (satsFunctionOf(fields[static_cast<std::size_t>(g + 1)]) == f)
                item.boxes.push_back(SatsBox{g, f});
    return item;
}

bool SatsItem::canBeFinished() const {
    if (boxes.empty()) return false;
    return std::all_of(boxes.begin(), boxes.end(),
                       [this](const SatsBox& b) { return b.group <= groupCount; });
}

AnsiText SatsItem::storedGroup(int group) const {
    if (group < 1 || group > groupCount) return {};
    AnsiText t = groups[static_cast<std::size_t>(group)];
    t.truncate(kStoredGroupLength);
    return t;
}

std::vector<AnsiText> SatsItem::worksheetQuestionLines() const {
    std::vector<AnsiText> lines;
    for (const SatsBox& b : boxes)
        lines.push_back(AnsiText::ascii(kIndent) +
                        AnsiText::ascii(satsFunctionInfo(b.function).legend) +
                        AnsiText(std::string(28, '_')));
    return lines;
}

std::vector<AnsiText> SatsItem::worksheetAnswerLines() const {
    std::vector<AnsiText> lines;
    for (const SatsBox& b : boxes)
        lines.push_back(AnsiText::ascii(kIndent) +
                        AnsiText::ascii(satsFunctionInfo(b.function).legend) +
                        AnsiText::ascii(" ") + storedGroup(b.group));
    return lines;
}

} // namespace orvela
