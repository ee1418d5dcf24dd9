#include "Recordings.h"

#include "DataFile.h"
#include "Shell.h"

#include <cstdio>

namespace orvela {

namespace {

// The programs with recordings of their items, and the letters of the spelling.
constexpr int kItemPrograms[] = {31100, 31200, 31300, 32000, 34000, 35000, 36100, 36200, 37000};
constexpr int kSpelling = 33000;

std::string nnn(int n) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", n % 1000);
    return digits;
}

} // namespace

std::string spokenText(int programNumber, const std::vector<std::string>& fields) {
    auto field = [&fields](std::size_t n) { return n <= fields.size() ? fields[n - 1] : std::string(); };
    // The reading says its French (field 2); the dictations of 36100 and 36200 write field 2
    // (field 1 is the help word); every other program says field 1.
    if (programNumber == 32000 || programNumber == 36100 || programNumber == 36200) return field(2);
    return field(1);
}

std::vector<Recording> courseRecordings(const std::filesystem::path& contentRoot) {
    std::vector<Recording> out;
    Shell shell(ContentPaths(contentRoot), ShellServices{});
    // The folder of a program's recordings, as the program looks for them.
    auto folderOf = [&shell](int program) {
        shell.state().ProgramNumber = static_cast<std::uint16_t>(program);
        shell.GeLjudDirectory();
        return shell.state().SoundDir.toUtf8();
    };
    for (int program : kItemPrograms) {
        const std::filesystem::path file = shell.dataFile(AnsiText::ascii("FRA" + std::to_string(program) + ".DAT"));
        if (file.empty()) continue;
        LineReader reader(file);
        if (!reader.isOpen()) continue;
        AnsiText line;
        int item = 0;
        while (reader.next(line) && item < 999) {
            if (!isItemLine(line)) continue;
            ++item;
            shell.str_postarray(line);
            std::vector<std::string> fields;
            for (std::size_t f = 1; f <= shell.state().ItemFieldCount; ++f)
                fields.push_back(shell.state().ItemFields[f].toUtf8());
            std::string text = spokenText(program, fields);
            if (text.find_first_not_of(' ') == std::string::npos) continue;
            const std::string folder = folderOf(program);
            out.push_back({folder, folder + nnn(item) + ".WAV", text});
        }
    }
    // The spelling's letters, A to Z.
    const std::string folder = folderOf(kSpelling);
    for (int k = 1; k <= 26; ++k)
        out.push_back({folder, folder + nnn(k) + ".WAV", std::string(1, static_cast<char>('A' + k - 1))});
    return out;
}

} // namespace orvela
