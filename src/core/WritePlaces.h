#pragma once
// Where the program keeps what it writes. A course the user may write to (a school folder, a copy
// in the home directory) keeps the settings file in its PROGRAM directory and the results in its
// RESULTAT directory, as delivered. An installed course is read-only: the settings file then goes
// to the user's configuration directory ($XDG_CONFIG_HOME/orvela, read there first) and the
// results, record tables and level store to $XDG_DATA_HOME/orvela/RESULTAT, under the same names
// and in the same formats. The course itself is never written. A directory the path file names
// takes precedence over both when it is writable (the shared class folder); the Shell decides that.

#include "ContentPaths.h"

#include <functional>
#include <optional>
#include <string>

namespace orvela {

class WritePlaces {
public:
    // The base directories of the user: $XDG_CONFIG_HOME and $XDG_DATA_HOME, or ~/.config and
    // ~/.local/share when unset or not absolute. Empty when neither they nor $HOME is set.
    struct UserBase {
        fs::path config;
        fs::path data;
        static UserBase fromEnvironment();
    };

    // Whether a directory of the course takes new files.
    using WritableTest = std::function<bool(const fs::path&)>;

    // `writable` defaults to creating (and removing) a probe file.
    WritePlaces(ContentPaths paths, UserBase base, WritableTest writable = {});
    // For the installed course, which belongs to the package manager: it is treated as
    // read-only even for a user who could write there.
    static WritableTest nothingWritable();

    const ContentPaths& paths() const { return paths_; }

    // Whether the course takes the settings file (its PROGRAM directory is writable).
    bool settingsInCourse() const;
    // Whether the course takes the results (RESULTAT is writable, or missing below a writable
    // root).
    bool resultsInCourse() const;

    // The settings file to read: the user's copy when the course is read-only and the user has
    // one, otherwise the course's own; nullopt when there is none.
    std::optional<fs::path> settingsFileToRead() const;
    // The settings file to write. Creates the user's configuration directory when needed; on
    // failure nullopt with the reason in `error` (Swedish).
    std::optional<fs::path> settingsFileToWrite(std::string& error) const;
    // The directory of the results (no trailing separator).
    fs::path resultDir() const;
    // Creates resultDir() when it is the user's and missing; false with the reason in `error`.
    bool makeResultDir(std::string& error) const;

    // The user's directories for this program.
    fs::path userConfigDir() const;
    fs::path userResultDir() const;

private:
    ContentPaths paths_;
    UserBase base_;
    WritableTest writable_;
    mutable std::optional<bool> settingsInCourse_;
    mutable std::optional<bool> resultsInCourse_;
};

} // namespace orvela
