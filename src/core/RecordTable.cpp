#include "RecordTable.h"
#include "RecordFields.h"

#include <algorithm>
#include <stdexcept>

namespace orvela {

using namespace recordfields;

namespace {

constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kYearOffset = 22;
constexpr std::size_t kMonthOffset = 24;
constexpr std::size_t kDayOffset = 26;
constexpr std::size_t kHourOffset = 28;
constexpr std::size_t kMinuteOffset = 30;
constexpr std::size_t kScoreOffset = 32;





std::string twoDigits(int v) {
    std::string s = std::to_string(v);
    return v >= 0 && v < 10 ? "0" + s : s;
}

} // namespace

std::string encodeScoreRecord(const ScoreRecord& r) {
    std::string out(kScoreRecordSize, '\0');
    putString(out, kNameOffset, r.name, kScoreNameMax);
    putU16(out, kYearOffset, r.year);
    putU16(out, kMonthOffset, r.month);
    putU16(out, kDayOffset, r.day);
    putU16(out, kHourOffset, r.hour);
    putU16(out, kMinuteOffset, r.minute);
    putI32(out, kScoreOffset, r.score);
    return out;
}

ScoreRecord decodeScoreRecord(std::string_view in) {
    if (in.size() < kScoreRecordSize) throw std::invalid_argument("a record needs 36 bytes");
    ScoreRecord r;
    r.name = getString(in, kNameOffset, kScoreNameMax);
    r.year = getU16(in, kYearOffset);
    r.month = getU16(in, kMonthOffset);
    r.day = getU16(in, kDayOffset);
    r.hour = getU16(in, kHourOffset);
    r.minute = getU16(in, kMinuteOffset);
    r.score = getI32(in, kScoreOffset);
    return r;
}

std::vector<ScoreRecord> decodeScoreRecords(std::string_view bytes, std::size_t& stray) {
    std::vector<ScoreRecord> records;
    const std::size_t whole = bytes.size() / kScoreRecordSize;
    records.reserve(whole);
    for (std::size_t k = 0; k < whole; ++k)
        records.push_back(decodeScoreRecord(bytes.substr(k * kScoreRecordSize)));
    stray = bytes.size() % kScoreRecordSize;
    return records;
}

std::string encodeScoreRecords(const std::vector<ScoreRecord>& records) {
    std::string out;
    out.reserve(records.size() * kScoreRecordSize);
    for (const ScoreRecord& r : records)
        out += encodeScoreRecord(r);
    return out;
}

RecordPlacement placeRecord(const std::vector<ScoreRecord>& stored, const ScoreRecord& entry) {
    RecordPlacement p;
    p.qualifies = false;
    int r = 0;
    std::size_t next = 0;
    while (r < MaxRecords && next < stored.size()) {
        ++r;
        const ScoreRecord& record = stored[next++];
        if (!p.qualifies && entry.score > record.score) {
            p.rows.push_back(entry);
            p.newRow = r;
            p.qualifies = true;
            ++r;
        }
        if (r <= MaxRecords) p.rows.push_back(record);
    }
    if (!p.qualifies) {
        p.newRow = r + 1;
        if (r + 1 <= MaxRecords) {
            p.rows.push_back(entry);
            p.qualifies = true;
        }
    }
    return p;
}

std::string rankText(int row) {
    if (row < 10) return "    " + std::to_string(row);
    if (row < 100) return "  " + std::to_string(row);
    return std::to_string(row);
}

std::string dateText(const ScoreRecord& r) {
    return twoDigits(r.year % 100) + twoDigits(r.month) + twoDigits(r.day) + " " +
           twoDigits(r.hour) + ":" + twoDigits(r.minute);
}

std::string scoreText(std::int32_t score) {
    // Scores outside 1..30000 (a slow answer can score below zero) are shown too, right-aligned
    // with the rest.
    if (score < 1 || score > 30000) {
        std::string digits = std::to_string(score);
        return std::string(digits.size() < 10 ? 10 - digits.size() : 1, ' ') + digits;
    }
    int spaces = score < 10 ? 9 : score < 100 ? 8 : score < 1000 ? 6 : score < 10000 ? 4 : 3;
    return std::string(static_cast<std::size_t>(spaces), ' ') + std::to_string(score);
}

AnsiText nameText(const AnsiText& name) {
    return AnsiText::ascii("   ") + name;
}

int topRowFor(int row, int visibleRows, int currentTop) {
    if (row >= 1 && row <= 9) return 1;
    if (row >= 10 && row <= 89) return std::max(1, row - visibleRows / 2);
    if (row >= 90 && row <= MaxRecords) return 90;
    if (row == kExtraRow) return std::max(1, kExtraRow - visibleRows + 1);
    return currentTop;
}

} // namespace orvela
