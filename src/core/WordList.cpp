#include "WordList.h"

#include "ContentPaths.h"

#include "DataFile.h"
#include "Scrambling.h"
#include "SharedState.h"

#include <algorithm>
#include <system_error>

namespace orvela {

namespace {

AnsiText unscrambled(const AnsiText& line) {
    return ScrambledLinesOn && !line.empty() ? dekryptrad(line) : line;
}

std::string upperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

} // namespace

bool isWordListItem(const AnsiText& raw) {
    const AnsiText line = unscrambled(raw);
    if (line.empty() || line.front() == ';' || line.front() == '$') return false;
    const std::size_t hash = line.bytes().find('#', 1);
    return hash != std::string::npos && hash + 1 < line.size();
}

std::optional<WordListScan> scanWordList(const std::filesystem::path& path) {
    LineReader reader(path);
    if (path.empty() || !reader.isOpen()) return std::nullopt;
    WordListScan scan;
    AnsiText raw;
    for (int lineNo = 1; reader.next(raw); ++lineNo) {
        if (isWordListItem(raw)) {
            ++scan.itemCount;
            continue;
        }
        const AnsiText line = unscrambled(raw);
        if (lineNo > 3 || line.empty() || line.front() != '$') continue;
        switch (lineKind(line)) {
        case LineKind::Instruction: scan.instruction = headerText(line); break;
        case LineKind::WorksheetNote: scan.worksheetNote = headerText(line); break;
        default:
            scan.headingCount = std::min(scan.headingCount + 1, 3);
            scan.headings[static_cast<std::size_t>(scan.headingCount)] = headerText(line);
            break;
        }
    }
    return scan;
}

std::optional<AnsiText> readWordListItem(const std::filesystem::path& path, int n) {
    LineReader reader(path);
    if (path.empty() || !reader.isOpen() || n < 1) return std::nullopt;
    int items = 0;
    AnsiText line;
    while (reader.next(line))
        if (isWordListItem(line) && ++items == n) return line;
    return std::nullopt;
}

std::string wordListExtension(int programNumber) {
    switch (programNumber) {
    case 1001: return ".fr1";
    case 1002: return ".fr2";
    case 1003: return ".fr3";
    default: return {};
    }
}

std::vector<std::string> listWordLists(const std::filesystem::path& dir, const std::string& ext) {
    std::vector<std::string> names;
    std::error_code ec;
    if (ext.empty() || dir.empty() || !std::filesystem::is_directory(dir, ec)) return names;
    const std::string upperExt = upperAscii(ext);
    for (std::string& name : entryNames(dir).value_or(std::vector<std::string>())) {
        if (name.size() <= upperExt.size() || !upperAscii(name).ends_with(upperExt)) continue;
        if (!std::filesystem::is_regular_file(dir / name, ec)) continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string ua = upperAscii(a), ub = upperAscii(b);
        return ua != ub ? ua < ub : a < b;
    });
    if (names.size() > kMaxWordLists) names.resize(kMaxWordLists);
    return names;
}

OneBased<AnsiText, kLongNameEntries> longanamn() {
    static const char* const kEntries[] = {
        "GLOSOR1=Mycket lätta glosor",
        "GLOSOR2=Lätta glosor",
        "GLOSOR3=Ganska svåra glosor",
        "GLOSOR4=Svåra glosor",
        "FRASER=Nyttiga fraser",
        "MOTSATS=Motsatsord",
        "ADJECTIF=Adjektiv",
        "REGVERB=Regelbundna verb",
        "ORDNING=Ordningstal",
        "MUSIQUE=Musikord",
        "TIDSORD=Tidsord",
        "KLAEDER=Kläder",
        "NATSPRAK=Land - språk",
    };
    OneBased<AnsiText, kLongNameEntries> table;
    std::size_t k = 1;
    for (const char* e : kEntries)
        table[k++] = AnsiText::fromUtf8(e);
    return table;
}

AnsiText wordListStem(const AnsiText& fileName) {
    AnsiText stem = fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : AnsiText();
    stem.truncate(kWordListStemMax);
    return stem;
}

AnsiText longfilnamn(const AnsiText& stem, const OneBased<AnsiText, kLongNameEntries>& table) {
    for (const AnsiText& entry : table) {
        const std::size_t eq = entry.bytes().find('=');
        const AnsiText key = eq == std::string::npos ? entry : entry.substr(0, eq);
        if (!entry.empty() && toUpper(key) == toUpper(stem)) {
            if (eq == std::string::npos) return AnsiText();
            const std::string& b = entry.bytes();
            return AnsiText(b.substr(eq + 1, kWordListTitleMax));
        }
    }
    return AnsiText(stem.bytes().substr(0, kWordListTitleMax));
}

int wordListProgramNumber(const std::string& fileName) {
    for (int n = 1; n <= 4; ++n)
        if (fileName == "glosor_" + std::to_string(n) + ".fr" + std::to_string(n)) return 1000 + n;
    return 1000;
}

std::string recordFileFor(const std::string& scoreDir, const std::string& fileName) {
    return scoreDir + fileName.substr(0, fileName.find('.')) + ".FNR";
}

int wordListNumber(std::vector<std::string>& names, const std::string& fileName) {
    auto it = std::find(names.begin(), names.end(), fileName);
    if (it != names.end()) return static_cast<int>(it - names.begin()) + 1;
    if (names.size() >= kMaxWordLists) return 0;
    names.push_back(fileName);
    return static_cast<int>(names.size());
}

} // namespace orvela
