// orvela-content judge: how the program would judge a typed answer.
//
//   orvela-content judge FILE ITEM TYPED [MODE]
//
// Reads item ITEM of FILE as an exercise reads it (the ITEM-th item line, unscrambled, split into
// its fields), judges TYPED against the item's answer (field 2) with its alternatives, and prints
// the number the program's judging gives: 0 accepted, 11 to 15 accepted but for capitals (mode
// 4), 6000 nothing typed, 60000 not accepted. MODE is 0 to 4, 3 when left out (1: spaces and
// edge punctuation forgiven; 3: letter case forgiven too). TYPED is given in UTF-8, as a
// terminal sends it, and judged as the Windows-1252 text a pupil's keyboard gives.

#include "AnsiText.h"
#include "Commands.h"
#include "ContentPaths.h"
#include "DataFile.h"
#include "Shell.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace orvela::tool {

namespace {

constexpr int kDefaultMode = 3;
constexpr int kHighestMode = 4;

int usage() {
    std::cerr << "Användning:\n"
                 "  orvela-content judge FIL UPPGIFT SVAR [LÄGE]\n"
                 "      bedömer SVAR mot svaret (fält 2) i uppgift nummer UPPGIFT i FIL och\n"
                 "      skriver ut resultatet: 0 godkänt, 11-15 godkänt utom stora bokstäver\n"
                 "      (läge 4), 6000 inget svar, 60000 inte godkänt. LÄGE 0-4, 3 om det\n"
                 "      utelämnas (1: mellanslag och skiljetecken i kanten förlåts, 3: även\n"
                 "      skillnad mellan stora och små bokstäver).\n";
    return 2;
}

int fail(const std::string& message) {
    std::cerr << "orvela-content: " << message << "\n";
    return 1;
}

// A whole number written in plain digits, without sign or spaces; nullopt otherwise.
std::optional<long long> plainNumber(std::string_view text) {
    long long value = 0;
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The n-th item line of a data file (1-based), and the number of item lines the file has.
struct ItemSearch {
    bool opened = false;
    std::optional<AnsiText> line;
    long long items = 0;
};

ItemSearch findItem(const std::filesystem::path& path, long long n) {
    ItemSearch found;
    LineReader reader(path);
    if (!reader.isOpen()) return found;
    found.opened = true;
    AnsiText line;
    while (reader.next(line)) {
        if (!isItemLine(line)) continue;
        if (++found.items == n) found.line = line;
    }
    return found;
}

} // namespace

int judge(int argc, char** argv) {
    if (argc < 5 || argc > 6) return usage();
    const std::string file = argv[2];
    const std::string itemText = argv[3];
    const std::string typed = argv[4];

    int mode = kDefaultMode;
    if (argc == 6) {
        std::optional<long long> m = plainNumber(argv[5]);
        if (!m || *m > kHighestMode)
            return fail("läget måste vara 0, 1, 2, 3 eller 4, inte \"" + std::string(argv[5]) +
                        "\"");
        mode = static_cast<int>(*m);
    }
    std::optional<long long> item = plainNumber(itemText);
    if (!item || *item < 1)
        return fail("uppgiftsnumret måste vara ett heltal från 1, inte \"" + itemText + "\"");

    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return fail("filen " + file + " finns inte");
    ItemSearch found = findItem(file, *item);
    if (!found.opened) return fail("filen " + file + " kan inte läsas");
    if (!found.line) {
        if (found.items == 0) return fail("filen " + file + " har inga uppgifter");
        return fail("uppgift " + itemText + " finns inte i " + file + ", som har " +
                    std::to_string(found.items) + (found.items == 1 ? " uppgift" : " uppgifter"));
    }

    // The routines of the program itself, with no windows or other services behind them.
    Shell shell(ContentPaths(), ShellServices{});
    shell.str_postarray(*found.line);
    const AnsiText& expected = shell.state().ItemFields[2];
    std::cout << shell.svarstest(expected, AnsiText::fromUtf8(typed), mode) << "\n";
    return 0;
}

} // namespace orvela::tool
