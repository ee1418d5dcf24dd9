#pragma once
// A sectioned settings file ("[SECTION]" lines and "KEY=value" lines). Sections and keys are
// found regardless of letter case; values are text. Writing a value keeps every other section,
// key, comment and line of the file as it was.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvela {

class IniFile {
public:
    IniFile() = default;
    static IniFile parse(std::string_view text);
    // A missing or unreadable file gives an empty settings file.
    static IniFile load(const std::filesystem::path& path);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;
    // Rewrites the file through a scratch file (see SafeFile.h).
    bool save(const std::filesystem::path& path, std::string& error) const;

private:
    std::vector<std::string> lines_; // without line ends
    std::string eol_ = "\r\n";
    bool finalEol_ = true;

    // Index of the line "[section]", or -1.
    int sectionLine(std::string_view section) const;
    // Index one past the section's last line.
    std::size_t sectionEnd(std::size_t headerLine) const;
};

} // namespace orvela
