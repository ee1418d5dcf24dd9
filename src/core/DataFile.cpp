#include "DataFile.h"

#include "SafeFile.h"
#include "SharedState.h"

#include <algorithm>
#include <string>

namespace orvela {

LineReader::LineReader(const std::filesystem::path& path) {
    std::error_code ec;
    if (path.empty() || std::filesystem::is_directory(path, ec)) return;
    std::optional<std::string> raw = readWholeFile(path);
    if (!raw) return;
    text_ = ContentText::decode(*raw);
    open_ = true;
}

bool LineReader::next(AnsiText& line) {
    const std::string& all = text_.bytes();
    if (!open_ || pos_ >= all.size()) return false;
    std::size_t end = all.find('\n', pos_);
    if (end == std::string::npos) end = all.size();
    std::string& s = line.bytes();
    s.assign(all, pos_, end - pos_);
    pos_ = end + 1;
    if (!s.empty() && s.back() == '\r') s.pop_back();
    return true;
}

LineKind lineKind(const AnsiText& line) {
    if (line.empty() || line.front() == ';') return LineKind::Ignored;
    if (line.front() != '$') return LineKind::Item;
    if (line.size() >= 2 && line[1] == 0xA7) return LineKind::Instruction; // "$§"
    if (line.size() >= 2 && line[1] == '%') return LineKind::WorksheetNote;
    return LineKind::Heading;
}

AnsiText headerText(const AnsiText& line) {
    LineKind k = lineKind(line);
    AnsiText t = line.substr(k == LineKind::Heading ? 1 : 2);
    t.truncate(kHeaderTextMax);
    return t;
}

std::optional<int> scanDataFile(const std::filesystem::path& path, bool countAll,
                                DataFileHeader& header) {
    LineReader reader(path);
    if (path.empty() || !reader.isOpen()) return std::nullopt;
    int count = 0;
    AnsiText line;
    for (int lineNo = 1; countAll || lineNo <= 6; ++lineNo) {
        if (!reader.next(line)) break;
        switch (lineKind(line)) {
        case LineKind::Ignored: break;
        case LineKind::Item: ++count; break;
        case LineKind::Instruction:
            header.instruction = headerText(line);
            header.hasInstruction = true;
            break;
        case LineKind::WorksheetNote:
            header.worksheetNote = headerText(line);
            header.hasWorksheetNote = true;
            break;
        case LineKind::Heading:
            // A fourth or later heading replaces the third.
            header.headingCount = std::min(header.headingCount + 1, 3);
            header.headings[header.headingCount - 1] = headerText(line);
            break;
        }
    }
    return count;
}

} // namespace orvela
