#include "Csv.h"

namespace orvela::tool {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

bool parseCsv(std::string_view text, char separator, std::vector<CsvRow>& rows,
              std::string& error) {
    std::size_t pos = 0;
    int line = 1;
    const std::size_t n = text.size();
    auto endOfLine = [&](std::size_t p) { return p >= n || text[p] == '\r' || text[p] == '\n'; };
    while (pos < n) {
        CsvRow row;
        row.line = line;
        bool anyQuoted = false;
        for (;;) {
            while (pos < n && isBlank(text[pos]))
                ++pos;
            std::string cell;
            if (pos < n && text[pos] == '"') {
                anyQuoted = true;
                int startLine = line;
                ++pos;
                for (;;) {
                    if (pos >= n) {
                        error = "rad " + std::to_string(startLine) +
                                ": ett fält som börjar med citattecken avslutas aldrig";
                        return false;
                    }
                    char c = text[pos++];
                    if (c == '"') {
                        if (pos < n && text[pos] == '"') {
                            cell += '"';
                            ++pos;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n') ++line;
                    cell += c;
                }
                while (pos < n && isBlank(text[pos]))
                    ++pos;
                if (pos < n && text[pos] != separator && !endOfLine(pos)) {
                    error = "rad " + std::to_string(line) +
                            ": tecken efter ett avslutande citattecken i samma fält";
                    return false;
                }
            } else {
                std::size_t start = pos;
                while (pos < n && text[pos] != separator && !endOfLine(pos)) {
                    if (text[pos] == '"') {
                        error = "rad " + std::to_string(line) +
                                ": citattecken mitt i ett fält (ett fält med citattecken skrivs "
                                "helt inom citattecken, med dubbla \"\" inuti)";
                        return false;
                    }
                    ++pos;
                }
                std::size_t end = pos;
                while (end > start && isBlank(text[end - 1]))
                    --end;
                cell.assign(text.substr(start, end - start));
            }
            row.cells.push_back(std::move(cell));
            if (pos < n && text[pos] == separator) {
                ++pos;
                continue;
            }
            break;
        }
        // The line end of the row.
        if (pos < n && text[pos] == '\r') ++pos;
        if (pos < n && text[pos] == '\n') ++pos;
        ++line;
        bool blank = !anyQuoted && row.cells.size() == 1 && row.cells[0].empty();
        if (!blank) rows.push_back(std::move(row));
    }
    return true;
}

char guessCsvSeparator(std::string_view text) {
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        if (c == ',') ++commas;
        if (c == ';') ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

std::string csvField(std::string_view value, char separator) {
    bool quote =
        value.find_first_of(std::string{'"', '\r', '\n', separator}) != std::string_view::npos ||
        (!value.empty() && (isBlank(value.front()) || isBlank(value.back())));
    if (!quote) return std::string(value);
    std::string out = "\"";
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace orvela::tool
