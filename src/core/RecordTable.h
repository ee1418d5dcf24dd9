#pragma once
// The record table of a word list: the best scores reached on the list, highest first, at most
// MaxRecords of them, kept in a file of fixed 36-byte records (little-endian):
//
//    0  22  name: length byte + at most 21 characters (Windows-1252), then padding
//   22   2  year (four digits), 16-bit unsigned
//   24   2  month     26  2  day     28  2  hour     30  2  minute
//   32   4  score, 32-bit signed
//
// Among equal scores the older entry comes first: a new entry goes before the first stored
// record with a strictly lower score. This file holds the byte layout, the placing rule and the
// texts of the table's cells; ScoreTableFile reads and writes the file.

#include "ScoreRecord.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvela {

inline constexpr std::size_t kScoreRecordSize = 36;
inline constexpr std::size_t kScoreNameMax = 21;
inline constexpr int MaxRecords = 100;
// The extra row of the table, under row 100: where an entry that does not qualify is shown.
inline constexpr int kExtraRow = MaxRecords + 1;

// The 36 bytes of a record; a longer name is cut to 21 characters.
std::string encodeScoreRecord(const ScoreRecord& record);
// Reads the first 36 bytes (std::invalid_argument when there are fewer). A length byte above 21
// is read as 21.
ScoreRecord decodeScoreRecord(std::string_view bytes);
// The whole records of a file's bytes; `stray` receives the number of bytes after them.
std::vector<ScoreRecord> decodeScoreRecords(std::string_view bytes, std::size_t& stray);
std::string encodeScoreRecords(const std::vector<ScoreRecord>& records);

// Where a new entry stands among the stored records.
struct RecordPlacement {
    // The rows of the table from row 1: the stored records (at most MaxRecords of them are
    // looked at) with the new entry in its place when it qualifies, at most MaxRecords rows.
    std::vector<ScoreRecord> rows;
    // The new entry's row: 1..MaxRecords when it qualifies, otherwise the row after the last
    // (kExtraRow when the table is full), where it is shown marked "  X".
    int newRow = 1;
    bool qualifies = true;
};
RecordPlacement placeRecord(const std::vector<ScoreRecord>& stored, const ScoreRecord& entry);

// The cells of the table. Rank of rows 1..100: "    7", "  42", "100".
std::string rankText(int row);
// " 261206 10:30": the year's last two digits, month, day, hour and minute, two digits each.
std::string dateText(const ScoreRecord& record);
// The score right-aligned by leading spaces (scores below 1 and above 30000 included).
std::string scoreText(std::int32_t score);
// "   " + name
AnsiText nameText(const AnsiText& name);
inline constexpr const char* kNotQualifiedMark = "  X";

// The first visible row of the table when `row` is to be seen: rows 1..9 show from row 1,
// rows 90..100 from row 90, those between keep themselves in the middle, and the extra row is
// shown at the bottom (as selecting it scrolls it into view); any other row leaves
// `currentTop` as it is.
int topRowFor(int row, int visibleRows, int currentTop);

} // namespace orvela
