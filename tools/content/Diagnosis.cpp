// orvela-content diagnosis: the teacher's view of the diagnosis file.
//
//   orvela-content diagnosis list DIR          every pupil of DIR/FDIAG.DIA with result, status
//                                              and date of programmes 1 to 18
//   orvela-content diagnosis export DIR        the same as CSV on standard output (UTF-8)
//   orvela-content diagnosis import DIR FILE   adds or replaces pupils (by name) from such a CSV
//   orvela-content diagnosis report DIR [--pdf FILE]   the class overview (DiagnosisReport.cpp)
//
// The CSV has a header row: "Namn", then "Resultat N", "Status N", "Datum N" for N = 1 to 18, then
// "Summa". An import may leave columns out and take them in any order; "Summa" is ignored.
// Passwords are never exported; an import keeps the passwords of the pupils it replaces and
// gives new pupils none. A name beginning with = + - @ or ' is written with a ' before it, so
// that a spreadsheet does not take it for a formula; the import removes that ' again.

#include "AnsiText.h"
#include "Commands.h"
#include "Csv.h"
#include "DiagnosisFile.h"
#include "DiagnosisRecordCodec.h"
#include "DiagnosisRules.h"
#include "TextColumns.h"
#include "SafeFile.h"
#include "Services.h"
#include "SharedState.h"

#include <charconv>
#include <ctime>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

namespace orvela::tool {

DateTime systemNow() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    DateTime d;
    d.year = tm.tm_year + 1900;
    d.month = tm.tm_mon + 1;
    d.day = tm.tm_mday;
    d.hour = tm.tm_hour;
    d.minute = tm.tm_min;
    d.second = tm.tm_sec;
    return d;
}

namespace {

constexpr int kProgrammes = kDiagnosisProgrammesInUse;
constexpr std::uintmax_t kCsvMaxBytes = 16u * 1024u * 1024u;
constexpr std::size_t kMaxReportedErrors = 20;

int fail(const std::string& message) {
    std::cerr << "orvela-content: " << message << "\n";
    return 1;
}

int usage() {
    std::cerr << "Användning:\n"
                 "  orvela-content diagnosis list KATALOG         visa alla diagnoser\n"
                 "  orvela-content diagnosis export KATALOG       diagnoserna som CSV (UTF-8)\n"
                 "  orvela-content diagnosis import KATALOG FIL   lägg till eller ersätt elever "
                 "från en CSV-fil\n"
                 "  orvela-content diagnosis report KATALOG [--pdf FIL]\n"
                 "                                                klassöversikten som text, "
                 "med --pdf även som PDF-fil\n";
    return 2;
}


std::string stampNow() {
    DateTime t = systemNow();
    return dateStamp(t.year, t.month, t.day, t.hour, t.minute);
}

std::string pad(int v, int width) {
    std::string s = std::to_string(v);
    while (static_cast<int>(s.size()) < width)
        s = "0" + s;
    return s;
}

// "2026-12-06 10:30", or empty while the programme has no result.
std::string isoDate(const DiagnosisRecord& r, int programme) {
    auto n = static_cast<std::size_t>(programme);
    if (r.result[n] == 0) return {};
    return pad(r.year[n], 4) + "-" + pad(r.month[n], 2) + "-" + pad(r.day[n], 2) + " " +
           pad(r.hour[n], 2) + ":" + pad(r.minute[n], 2);
}

std::string statusText(int status) {
    std::string_view word = diagnosisStatusWord(status);
    return word.empty() ? std::to_string(status) : std::string(word);
}




long long total(const DiagnosisRecord& r) {
    long long sum = 0;
    for (std::int32_t v : r.result)
        sum += v;
    return sum;
}

bool isDirectory(const std::string& dir) {
    std::error_code ec;
    return fs::is_directory(dir, ec);
}

// The records of DIR, or an exit status after the message.
std::optional<DiagnosisFileContents> readFile(const std::string& dir, int& status) {
    status = 0;
    if (!isDirectory(dir)) {
        status = fail("katalogen " + dir + " finns inte");
        return std::nullopt;
    }
    DiagnosisFile file(dir);
    DiagnosisFileContents c = file.read();
    if (c.state == DiagnosisFileContents::State::Unreadable) {
        status = fail("diagnosfilen " + file.path().string() + " kan inte läsas");
        return std::nullopt;
    }
    if (c.strayBytes > 0)
        std::cerr << "orvela-content: varning: diagnosfilen " << file.path().string()
                  << " slutar med " << c.strayBytes
                  << " byte som inte är en hel diagnos; de hela diagnoserna visas\n";
    return c;
}

int list(const std::string& dir) {
    int status = 0;
    std::optional<DiagnosisFileContents> c = readFile(dir, status);
    if (!c) return status;
    if (c->state == DiagnosisFileContents::State::Missing) {
        std::cout << "Inga diagnoser har sparats i " << dir << ".\n";
        return 0;
    }
    constexpr std::size_t kNameWidth = 50;
    bool first = true;
    for (const DiagnosisRecord& r : c->records) {
        if (!first) std::cout << "\n";
        first = false;
        std::cout << storedPupilName(r.name).toUtf8() << "\n";
        for (int n = 1; n <= kProgrammes; ++n) {
            auto i = static_cast<std::size_t>(n);
            std::string line = padLeft(std::to_string(n), 4) + "  " +
                               padRight(std::string(diagnosisProgrammeName(n)), kNameWidth) +
                               padLeft(std::to_string(r.result[i]), 3) + "  " +
                               padRight(statusText(r.status[i]), 11) + isoDate(r, n);
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            std::cout << line << "\n";
        }
        std::cout << "      " << padRight("Summa", kNameWidth)
                  << padLeft(std::to_string(total(r)), 3) << "\n";
    }
    return 0;
}

std::string headerCell(const char* what, int n) {
    return std::string(what) + " " + std::to_string(n);
}

// A name as a spreadsheet must not run it as a formula.
std::string exportedName(const std::string& name) {
    if (!name.empty() && std::string_view("=+-@'\t\r").find(name.front()) != std::string_view::npos)
        return "'" + name;
    return name;
}

int exportCsv(const std::string& dir) {
    int status = 0;
    std::optional<DiagnosisFileContents> c = readFile(dir, status);
    if (!c) return status;
    std::string out = "Namn";
    for (int n = 1; n <= kProgrammes; ++n)
        out += "," + headerCell("Resultat", n) + "," + headerCell("Status", n) + "," +
               headerCell("Datum", n);
    out += ",Summa\r\n";
    for (const DiagnosisRecord& r : c->records) {
        out += csvField(exportedName(storedPupilName(r.name).toUtf8()));
        for (int n = 1; n <= kProgrammes; ++n) {
            auto i = static_cast<std::size_t>(n);
            out += "," + std::to_string(r.result[i]) + "," + csvField(statusText(r.status[i])) +
                   "," + isoDate(r, n);
        }
        out += "," + std::to_string(total(r)) + "\r\n";
    }
    std::cout << out;
    std::cout.flush();
    return std::cout ? 0 : fail("kunde inte skriva till standard ut");
}

// ---- import ----

enum class Column { Name, Result, Status, Date, Ignored };

struct ColumnRef {
    Column kind = Column::Ignored;
    int programme = 0;
};

struct Cell {
    bool present = false; // the column is in the file
    std::string text;
};

struct ImportedPupil {
    int line = 0;
    AnsiText name;
    std::optional<std::int32_t> result[kDiagnosisProgrammes + 1];
    std::optional<std::uint8_t> status[kDiagnosisProgrammes + 1]; // given and not empty
    bool dateColumn[kDiagnosisProgrammes + 1] = {};
    std::optional<DateTime> date[kDiagnosisProgrammes + 1];
};

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80             ? 0
                    : (c & 0xE0) == 0xC0 ? 1
                    : (c & 0xF0) == 0xE0 ? 2
                    : (c & 0xF8) == 0xF0 ? 3
                                         : -1;
        if (extra < 0) return false;
        for (int k = 1; k <= extra; ++k)
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::string asciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::optional<int> wholeNumber(std::string_view s) {
    int v = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || ptr != s.data() + s.size() || s.empty()) return std::nullopt;
    return v;
}

std::optional<ColumnRef> parseHeaderCell(const std::string& cell) {
    std::string lower = asciiLower(cell);
    // A spreadsheet may end its rows with an empty column.
    if (lower.empty()) return ColumnRef{Column::Ignored, 0};
    if (lower == "namn") return ColumnRef{Column::Name, 0};
    if (lower == "summa") return ColumnRef{Column::Ignored, 0};
    struct Kind {
        const char* prefix;
        Column kind;
    } kinds[] = {
        {"resultat ", Column::Result}, {"status ", Column::Status}, {"datum ", Column::Date}};
    for (const Kind& k : kinds) {
        std::string_view p(k.prefix);
        if (lower.starts_with(p)) {
            std::optional<int> n = wholeNumber(std::string_view(lower).substr(p.size()));
            if (n && *n >= 1 && *n <= kProgrammes) return ColumnRef{k.kind, *n};
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> parseStatus(const std::string& text) {
    for (int s = 0; s <= 3; ++s)
        if (asciiLower(text) == asciiLower(std::string(diagnosisStatusWord(s))) ||
            text == std::to_string(s))
            return static_cast<std::uint8_t>(s);
    return std::nullopt;
}

// "YYYY-MM-DD HH:MM" or "YYYY-MM-DD".
std::optional<DateTime> parseDate(const std::string& text) {
    auto number = [&](std::size_t pos, std::size_t len) -> std::optional<int> {
        if (pos + len > text.size()) return std::nullopt;
        for (std::size_t i = pos; i < pos + len; ++i)
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
        return wholeNumber(std::string_view(text).substr(pos, len));
    };
    if (text.size() != 10 && text.size() != 16) return std::nullopt;
    if (text[4] != '-' || text[7] != '-') return std::nullopt;
    std::optional<int> y = number(0, 4), mo = number(5, 2), d = number(8, 2);
    std::optional<int> h = 0, mi = 0;
    if (text.size() == 16) {
        if (text[10] != ' ' || text[13] != ':') return std::nullopt;
        h = number(11, 2);
        mi = number(14, 2);
    }
    if (!y || !mo || !d || !h || !mi) return std::nullopt;
    if (*y < 1 || *mo < 1 || *mo > 12 || *d < 1 || *d > 31 || *h > 23 || *mi > 59)
        return std::nullopt;
    DateTime t;
    t.year = *y;
    t.month = *mo;
    t.day = *d;
    t.hour = *h;
    t.minute = *mi;
    return t;
}

// The name of a row in Windows-1252, or an error.
std::optional<AnsiText> parseName(std::string text, std::string& error) {
    if (!text.empty() && text.front() == '\'') text.erase(0, 1);
    if (text.empty()) {
        error = "namnet saknas";
        return std::nullopt;
    }
    AnsiText name = AnsiText::fromUtf8(text);
    if (name.toUtf8() != text) {
        error = "namnet \"" + text + "\" innehåller tecken som inte kan sparas";
        return std::nullopt;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] < 32 || name[i] == 127) {
            error = "namnet \"" + text + "\" innehåller otillåtna tecken";
            return std::nullopt;
        }
    }
    if (name.size() > kPupilNameMax) {
        error = "namnet \"" + text + "\" är längre än " + std::to_string(kPupilNameMax) + " tecken";
        return std::nullopt;
    }
    return name;
}

struct ParsedImport {
    std::vector<ImportedPupil> pupils;
    std::vector<std::string> errors;
};

ParsedImport parseImport(const std::vector<CsvRow>& rows) {
    ParsedImport out;
    auto error = [&](int line, const std::string& text) {
        out.errors.push_back("rad " + std::to_string(line) + ": " + text);
    };
    if (rows.empty()) {
        out.errors.push_back("filen är tom (rubrikraden med \"Namn\" saknas)");
        return out;
    }
    const CsvRow& header = rows.front();
    std::vector<ColumnRef> columns;
    std::map<std::string, int> seen;
    bool hasName = false;
    for (const std::string& cell : header.cells) {
        std::optional<ColumnRef> c = parseHeaderCell(cell);
        if (!c) {
            error(header.line, "okänd kolumn \"" + cell +
                                   "\" (kända kolumner: Namn, Resultat N, "
                                   "Status N, Datum N för N = 1 till 18, Summa)");
            continue;
        }
        if (!cell.empty() && seen.count(asciiLower(cell)))
            error(header.line, "kolumnen \"" + cell + "\" finns två gånger");
        seen[asciiLower(cell)] = header.line;
        hasName = hasName || c->kind == Column::Name;
        columns.push_back(*c);
    }
    if (!hasName) error(header.line, "kolumnen \"Namn\" saknas i rubrikraden");
    if (!out.errors.empty()) return out;

    std::map<AnsiText, int> names; // upper-case name -> line
    for (std::size_t k = 1; k < rows.size() && out.errors.size() < kMaxReportedErrors; ++k) {
        const CsvRow& row = rows[k];
        if (row.cells.size() != columns.size()) {
            error(row.line, std::to_string(row.cells.size()) + " fält, men rubrikraden har " +
                                std::to_string(columns.size()));
            continue;
        }
        ImportedPupil p;
        p.line = row.line;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string& text = row.cells[c];
            const int n = columns[c].programme;
            const std::string programme = " för program " + std::to_string(n);
            switch (columns[c].kind) {
            case Column::Name: {
                std::string why;
                if (std::optional<AnsiText> name = parseName(text, why))
                    p.name = *name;
                else
                    error(row.line, why);
                break;
            }
            case Column::Result: {
                std::optional<int> v = text.empty() ? std::optional<int>(0) : wholeNumber(text);
                if (!v || *v < 0 || *v > DiagnosisRunLength)
                    error(row.line, "resultatet" + programme + " ska vara ett heltal från 0 till " +
                                        std::to_string(DiagnosisRunLength) + ", inte \"" + text +
                                        "\"");
                else
                    p.result[n] = *v;
                break;
            }
            case Column::Status:
                if (text.empty()) break;
                if (std::optional<std::uint8_t> s = parseStatus(text))
                    p.status[n] = *s;
                else
                    error(row.line, "status" + programme +
                                        " ska vara Commencer, Attendre, Tester eller Exercer, "
                                        "inte \"" +
                                        text + "\"");
                break;
            case Column::Date:
                p.dateColumn[n] = true;
                if (text.empty()) break;
                if (std::optional<DateTime> d = parseDate(text))
                    p.date[n] = *d;
                else
                    error(row.line, "datum" + programme + " ska skrivas ÅÅÅÅ-MM-DD TT:MM, inte \"" +
                                        text + "\"");
                break;
            case Column::Ignored: break;
            }
        }
        if (p.name.empty()) continue;
        AnsiText key = toUpper(p.name);
        if (auto it = names.find(key); it != names.end()) {
            error(row.line, "eleven \"" + p.name.toUtf8() + "\" finns redan på rad " +
                                std::to_string(it->second));
            continue;
        }
        names[key] = row.line;
        out.pupils.push_back(std::move(p));
    }
    return out;
}

void setDate(DiagnosisRecord& r, std::size_t n, const DateTime& t) {
    r.year[n] = static_cast<std::uint16_t>(t.year);
    r.month[n] = static_cast<std::uint16_t>(t.month);
    r.day[n] = static_cast<std::uint16_t>(t.day);
    r.hour[n] = static_cast<std::uint16_t>(t.hour);
    r.minute[n] = static_cast<std::uint16_t>(t.minute);
}

// Applies a row to a record (a stored pupil's, or a fresh one). A result without a status gets
// the status the program would give it, in programme order, as if the results had been stored
// one after another; a result without a date is dated now.
void apply(const ImportedPupil& p, DiagnosisRecord& r, bool isNew, const DateTime& now) {
    r.name = p.name;
    for (std::size_t n = 1; n <= kDiagnosisProgrammes; ++n) {
        if (!p.result[n]) continue;
        bool changed = isNew || r.result[n] != *p.result[n];
        r.result[n] = *p.result[n];
        if (!p.dateColumn[n] && changed && r.result[n] > 0) setDate(r, n, now);
    }
    for (int n = 1; n <= static_cast<int>(kDiagnosisProgrammes); ++n) {
        auto i = static_cast<std::size_t>(n);
        if (p.result[i] && !p.status[i]) r.status[i] = diagnosisStatus(r, n);
    }
    for (std::size_t n = 1; n <= kDiagnosisProgrammes; ++n) {
        if (p.status[n]) r.status[n] = *p.status[n];
        if (!p.dateColumn[n]) continue;
        if (p.date[n])
            setDate(r, n, *p.date[n]);
        else
            setDate(r, n, r.result[n] > 0 ? now : DateTime{0, 0, 0, 0, 0, 0, 0});
    }
}

int importCsv(const std::string& dir, const std::string& csvPath) {
    if (!isDirectory(dir)) return fail("katalogen " + dir + " finns inte");
    std::error_code ec;
    if (!fs::is_regular_file(csvPath, ec)) return fail("filen " + csvPath + " finns inte");
    if (fs::file_size(csvPath, ec) > kCsvMaxBytes) return fail("filen " + csvPath + " är för stor");
    std::optional<std::string> raw = readWholeFile(csvPath);
    if (!raw) return fail("filen " + csvPath + " kan inte läsas");
    std::string text = std::move(*raw);
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    // A spreadsheet on Windows may save in Windows-1252 rather than UTF-8.
    if (!isValidUtf8(text)) text = AnsiText(text).toUtf8();

    std::vector<CsvRow> rows;
    std::string error;
    if (!parseCsv(text, guessCsvSeparator(text), rows, error)) return fail(csvPath + ", " + error);
    ParsedImport parsed = parseImport(rows);
    if (!parsed.errors.empty()) {
        for (const std::string& e : parsed.errors)
            std::cerr << "orvela-content: " << csvPath << ", " << e << "\n";
        std::cerr << "orvela-content: ingenting har sparats\n";
        return 1;
    }
    if (parsed.pupils.empty()) {
        std::cout << "Inga elever att importera.\n";
        return 0;
    }

    const DateTime now = systemNow();
    int added = 0, replaced = 0;
    DiagnosisFile file(dir);
    DiagnosisFileChange change = file.update(
        [&](std::vector<DiagnosisRecord>& records) {
            added = replaced = 0;
            for (const ImportedPupil& p : parsed.pupils) {
                bool found = false;
                for (DiagnosisRecord& r : records) {
                    if (!isPupilRecord(r, p.name)) continue;
                    apply(p, r, false, now); // the password stays
                    found = true;
                }
                if (found) {
                    ++replaced;
                    continue;
                }
                DiagnosisRecord fresh;
                clearDiagnosisRecord(fresh);
                apply(p, fresh, true, now);
                records.push_back(fresh);
                ++added;
            }
            return true;
        },
        true, stampNow());
    if (!change.strayCopy.empty())
        std::cerr << "orvela-content: diagnosfilen " << file.path().string() << " slutade med "
                  << change.strayBytes << " byte som inte var en hel diagnos; hela den gamla filen "
                  << "finns kvar som " << change.strayCopy.string() << "\n";
    switch (change.result) {
    case DiagnosisFileChange::Result::Written: break;
    case DiagnosisFileChange::Result::Unreadable:
        return fail("diagnosfilen " + file.path().string() +
                    " kan inte läsas; ingenting har sparats");
    case DiagnosisFileChange::Result::NotLocked:
        return fail("diagnoskatalogen " + dir + " kunde inte låsas; ingenting har sparats");
    default:
        return fail("diagnosfilen " + file.path().string() + " kunde inte skrivas (" +
                    change.error + "); ingenting har sparats");
    }
    std::cout << "Sparade " << parsed.pupils.size()
              << (parsed.pupils.size() == 1 ? " elev i " : " elever i ") << file.path().string()
              << ": " << added << " nya, " << replaced << " ersatta.\n";
    return 0;
}

} // namespace

int diagnosis(int argc, char** argv) {
    if (argc < 4) return usage();
    std::string sub = argv[2];
    std::string dir = argv[3];
    if (sub == "list" && argc == 4) return list(dir);
    if (sub == "export" && argc == 4) return exportCsv(dir);
    if (sub == "import" && argc == 5) return importCsv(dir, argv[4]);
    if (sub == "report") return diagnosisReport(argc, argv);
    return usage();
}

} // namespace orvela::tool
