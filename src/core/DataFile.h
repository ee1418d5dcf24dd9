#pragma once
// Reading exercise data files line by line. Lines end in CR LF (LF alone is accepted too) and are
// kept as Windows-1252 bytes; a file saved as UTF-8 reads as its Windows-1252 twin.
//
// Line kinds: empty and ";" lines are ignored; "$§" is the instruction, "$%" the worksheet note,
// any other "$" line a heading; every other line is an item (plain or scrambled).

#include "AnsiText.h"
#include "ContentText.h"

#include <filesystem>
#include <fstream>
#include <optional>

namespace orvela {

// The lines of a content file as Windows-1252 text, whether the file was saved as Windows-1252
// or as UTF-8 (see ContentText).
class LineReader {
public:
    explicit LineReader(const std::filesystem::path& path);
    bool isOpen() const { return open_; }
    // The next line without its line end; false at the end of the file.
    bool next(AnsiText& line);
    // How the file was written, and what did not carry over into Windows-1252.
    ContentText::Encoding encoding() const { return text_.encoding(); }
    const std::vector<ContentText::Problem>& problems() const { return text_.problems(); }

private:
    ContentText text_;
    std::size_t pos_ = 0;
    bool open_ = false;
};

enum class LineKind { Ignored, Instruction, WorksheetNote, Heading, Item };

LineKind lineKind(const AnsiText& line);
inline bool isItemLine(const AnsiText& line) { return lineKind(line) == LineKind::Item; }

// The text of a header line after its one- or two-character tag, cut to 80 characters.
AnsiText headerText(const AnsiText& line);

// The header texts of a data file.
struct DataFileHeader {
    AnsiText headings[3];
    int headingCount = 0; // 0..3
    AnsiText instruction;
    AnsiText worksheetNote;
    bool hasInstruction = false;
    bool hasWorksheetNote = false;
};

// Reads a data file's header lines and, with countAll, counts its item lines. Without countAll
// only the first six lines are read (where the header lines stand). nullopt when the file cannot
// be opened.
std::optional<int> scanDataFile(const std::filesystem::path& path, bool countAll,
                                DataFileHeader& header);

} // namespace orvela
