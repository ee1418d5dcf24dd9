#include "WritePlaces.h"

#include "SystemError.h"

#include "SafeFile.h"

#include <cstdlib>
#include <system_error>

namespace orvela {

namespace {

const char* const kSettingsRelative = "PROGRAM\\FRAN.INI";
const char* const kSettingsName = "FRAN.INI";
const char* const kProgramName = "orvela";

// A base directory from the environment: the variable when it holds an absolute path, otherwise
// $HOME + the default below it.
fs::path baseFrom(const char* variable, const char* belowHome) {
    const char* v = std::getenv(variable);
    if (v && *v && fs::path(v).is_absolute()) return fs::path(v);
    const char* home = std::getenv("HOME");
    if (home && *home) return fs::path(home) / belowHome;
    return {};
}

// A directory where a file can be created (the probe is removed again).
bool probeDirectory(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir, ec) && canCreateFileIn(dir, "temp.$$$");
}

// Creates `dir` with its parents; false with a Swedish reason.
bool makeDirectory(const fs::path& dir, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(dir, ec)) return true;
    fs::create_directories(dir, ec);
    if (!ec && fs::is_directory(dir, ec)) return true;
    error = "Kan inte skapa katalogen " + dir.string() +
            (ec ? " (" + systemErrorText(ec) + ")" : std::string()) + ".";
    return false;
}

} // namespace

WritePlaces::UserBase WritePlaces::UserBase::fromEnvironment() {
    return {baseFrom("XDG_CONFIG_HOME", ".config"), baseFrom("XDG_DATA_HOME", ".local/share")};
}

WritePlaces::WritePlaces(ContentPaths paths, UserBase base, WritableTest writable)
    : paths_(std::move(paths)), base_(std::move(base)),
      writable_(writable ? std::move(writable) : WritableTest(probeDirectory)) {}

WritePlaces::WritableTest WritePlaces::nothingWritable() {
    return [](const fs::path&) { return false; };
}

fs::path WritePlaces::userConfigDir() const {
    return base_.config.empty() ? fs::path() : base_.config / kProgramName;
}

fs::path WritePlaces::userResultDir() const {
    return base_.data.empty() ? fs::path() : base_.data / kProgramName / "RESULTAT";
}

bool WritePlaces::settingsInCourse() const {
    if (!settingsInCourse_) {
        std::optional<fs::path> program = paths_.find("PROGRAM");
        // Without a user directory to fall back on, the course is the only place there is.
        settingsInCourse_ = (program && writable_(*program)) || base_.config.empty();
    }
    return *settingsInCourse_;
}

bool WritePlaces::resultsInCourse() const {
    if (!resultsInCourse_) {
        std::optional<fs::path> results = paths_.find("RESULTAT");
        bool course = results ? writable_(*results) : writable_(paths_.root());
        resultsInCourse_ = course || base_.data.empty();
    }
    return *resultsInCourse_;
}

std::optional<fs::path> WritePlaces::settingsFileToRead() const {
    if (!settingsInCourse()) {
        if (std::optional<fs::path> own = ContentPaths::findIn(userConfigDir(), kSettingsName))
            return own;
    }
    return paths_.find(kSettingsRelative);
}

std::optional<fs::path> WritePlaces::settingsFileToWrite(std::string& error) const {
    if (settingsInCourse()) return paths_.resolve(kSettingsRelative);
    if (!makeDirectory(userConfigDir(), error)) return std::nullopt;
    return ContentPaths::resolveIn(userConfigDir(), kSettingsName);
}

fs::path WritePlaces::resultDir() const {
    return resultsInCourse() ? paths_.resolve("RESULTAT") : userResultDir();
}

bool WritePlaces::makeResultDir(std::string& error) const {
    if (resultsInCourse()) return true; // the course's RESULTAT is created where it is needed
    return makeDirectory(userResultDir(), error);
}

} // namespace orvela
