// Settings file, path file and the directory checks.

#include "IniFile.h"
#include "SafeFile.h"
#include "Shell.h"
#include "WritePlaces.h"

#include <charconv>
#include <system_error>

namespace orvela {

namespace {

const char* const kPathFile = "PROGRAM\\FRAPATH.INI";

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0) return false;
        for (int k = 1; k <= extra; ++k)
            if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// A directory named in the path file: Windows-1252 unless it is valid UTF-8, "\" read as "/",
// and a relative path taken below the content root.
std::string directoryFromIni(const std::string& raw, const fs::path& root) {
    std::string v = isValidUtf8(raw) ? raw : AnsiText(raw).toUtf8();
    for (char& c : v)
        if (c == '\\') c = '/';
    fs::path p(v);
    if (p.is_relative()) p = root / p;
    return p.string();
}

// "1", "2" or "3" as the first character gives that value; anything else 0.
std::uint8_t switchValue(const std::string& v) {
    if (!v.empty() && v[0] >= '1' && v[0] <= '3') return static_cast<std::uint8_t>(v[0] - '0');
    return 0;
}

} // namespace

WritePlaces& Shell::places() const {
    if (!places_ || places_->paths().root() != paths_.root())
        places_.emplace(paths_, WritePlaces::UserBase::fromEnvironment());
    return *places_;
}

std::string Shell::resultDir() const {
    return places().resultDir().string();
}

void Shell::HaemtaPathINI() {
    std::string fallback = resultDir();
    std::optional<fs::path> file = paths_.find(kPathFile);
    scorePathGiven_ = false;
    if (!file) {
        s_.DiagnosisDir = fallback;
        s_.ScoreDir = fallback + "/";
        return;
    }
    IniFile ini = IniFile::load(*file);
    std::string diag = ini.readString("PATH", "DIAGNOSPATH");
    std::string score = ini.readString("PATH", "SCOREPATH");
    s_.DiagnosisDir = diag.empty() ? fallback : directoryFromIni(diag, paths_.root());
    s_.ScoreDir = score.empty() ? fallback : directoryFromIni(score, paths_.root());
    scorePathGiven_ = !score.empty();
    if (s_.ScoreDir.empty() || s_.ScoreDir.back() != '/') s_.ScoreDir += '/';
}

void Shell::HaemtaFranINI() {
    std::optional<fs::path> file = places().settingsFileToRead();
    if (!file) {
        s_.ShowAnswerSeconds = 3;
        s_.SoundSetting = 1;
        s_.PictureSetting = 1;
        return;
    }
    IniFile ini = IniFile::load(*file);
    std::string seconds = ini.readString("SETTINGS", "TIMESHOWINGCORRECTANSWER");
    if (seconds.empty()) {
        s_.ShowAnswerSeconds = 3;
    } else if (seconds[0] >= '0' && seconds[0] <= '9') {
        // The leading digits as a number; anything after them is ignored. A wait longer than an
        // hour is not a setting anyone means.
        long value = 0;
        auto [ptr, ec] = std::from_chars(seconds.data(), seconds.data() + seconds.size(), value);
        (void)ptr;
        if (ec == std::errc::result_out_of_range || value > 3600) value = 3600;
        s_.ShowAnswerSeconds = static_cast<std::int32_t>(value);
    }
    s_.SoundSetting = switchValue(ini.readString("SETTINGS", "SOUNDS"));
    s_.PictureSetting = switchValue(ini.readString("SETTINGS", "FRENCHPICTURES"));
}

bool Shell::SparaFranINI() {
    std::string error;
    std::optional<fs::path> target = places().settingsFileToWrite(error);
    if (!target) {
        showMessage("Inställningarna kunde inte sparas: " + error);
        return false;
    }
    const fs::path& file = *target;
    // An installed course's own file holds the school's defaults: the user's copy starts from it.
    IniFile ini = IniFile::load(fs::exists(file) ? file : places().settingsFileToRead().value_or(file));
    ini.setValue("SETTINGS", "TIMESHOWINGCORRECTANSWER", std::to_string(s_.ShowAnswerSeconds));
    ini.setValue("SETTINGS", "SOUNDS", std::to_string(s_.SoundSetting));
    ini.setValue("SETTINGS", "FRENCHPICTURES", std::to_string(s_.PictureSetting));
    DirectoryLock lock(file.parent_path() / "orvela.lck");
    if (!ini.save(file, error)) {
        showMessage("Inställningarna kunde inte sparas i " + file.string() + " (" + error + ").");
        return false;
    }
    return true;
}

void Shell::KontrolleraScoreDir() {
    std::string error;
    if (!places().makeResultDir(error))
        showMessage(error + " Resultat och rekord kan inte sparas.");
    std::string dir = s_.ScoreDir;
    if (!dir.empty()) dir.pop_back();
    std::error_code ec;
    if (dir.empty() || !fs::is_directory(dir, ec) || KatalogSkrivbar(dir)) {
        // A class folder that is gone or locked: the pupil's results still have a place.
        if (scorePathGiven_)
            showMessage("Katalogen " + dir + " som FRAPATH.INI anger för resultaten finns inte "
                        "eller går inte att skriva i. Resultaten sparas i stället i katalogen " +
                        resultDir() + ".");
        s_.ScoreDir = resultDir() + "/";
    }
}

bool Shell::KatalogSkrivbar(const std::string& dir) {
    return !canCreateFileIn(dir, "temp.$$$");
}

bool Shell::DiagnosFileWish(const std::string& dir) {
    if (canCreateFileIn(dir, "temp.dtt")) return true;
    if (dir == "A:" || dir == "a:") {
        showMessage("Sätt in disketten med din diagnos i datorn.");
        return false;
    }
    std::string result = resultDir();
    showMessage("Diagnosen kan inte sparas i katalogen " + dir +
                ". Den kommer nu att sparas i katalogen " + result);
    fs::path resultPath = resultDir();
    std::error_code ec;
    if (fs::is_directory(resultPath, ec)) {
        if (!canCreateFileIn(resultPath, "temp.dtt"))
            showMessage("Diagnosen kan inte sparas i katalogen " + result);
    } else if (!fs::create_directories(resultPath, ec) || ec) {
        showMessage("Kan inte skapa katalogen " + result);
    }
    return false;
}

void Shell::showMessage(std::string_view text) {
    if (services_.messages) services_.messages->information(text);
}

void Shell::showWarning(std::string_view text) {
    if (services_.messages) services_.messages->warning(text);
}

} // namespace orvela
