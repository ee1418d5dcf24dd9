#pragma once
// Comma-separated values as spreadsheet programs write and read them (RFC 4180): fields with a
// separator, a quotation mark, a line break or edge spaces are enclosed in quotation marks, and
// a quotation mark inside is doubled. Reading is lenient where a spreadsheet is: CR LF or LF line
// ends, spaces around a field ignored, blank lines skipped.

#include <string>
#include <string_view>
#include <vector>

namespace orvela::tool {

struct CsvRow {
    int line = 0; // the line of the text on which the row begins, from 1
    std::vector<std::string> cells;
};

// Splits `text` into rows. False, with `error` naming the line, when a quotation mark is not
// closed or a field has stray quotation marks.
bool parseCsv(std::string_view text, char separator, std::vector<CsvRow>& rows, std::string& error);

// The separator of a file: ";" when the first line has more of them than commas (as a
// spreadsheet with Swedish settings writes), otherwise ",".
char guessCsvSeparator(std::string_view text);

// One field, quoted when it must be.
std::string csvField(std::string_view value, char separator = ',');

} // namespace orvela::tool
