#include "IniFile.h"

#include "ContentPaths.h"
#include "SafeFile.h"

namespace orvela {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool isSectionHeader(std::string_view line, std::string_view* name = nullptr) {
    std::string_view t = trim(line);
    if (t.size() < 2 || t.front() != '[') return false;
    std::size_t close = t.find(']');
    if (close == std::string_view::npos) return false;
    if (name) *name = trim(t.substr(1, close - 1));
    return true;
}

// Splits "key = value"; false for comments and lines without "=".
bool splitKeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    std::string_view t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#') return false;
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    key = trim(t.substr(0, eq));
    value = trim(t.substr(eq + 1));
    return !key.empty();
}

} // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    bool sawCrLf = false, sawLf = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        if (nl != std::string_view::npos) {
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
                sawCrLf = true;
            } else {
                sawLf = true;
            }
        }
        ini.lines_.emplace_back(line);
        if (nl == std::string_view::npos) {
            ini.finalEol_ = false;
            break;
        }
        pos = nl + 1;
    }
    if (sawLf && !sawCrLf) ini.eol_ = "\n";
    return ini;
}

IniFile IniFile::load(const std::filesystem::path& path) {
    std::optional<std::string> text = readWholeFile(path);
    return text ? parse(*text) : IniFile();
}

int IniFile::sectionLine(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (isSectionHeader(lines_[i], &name) && sameFileName(name, trim(section)))
            return static_cast<int>(i);
    }
    return -1;
}

std::size_t IniFile::sectionEnd(std::size_t headerLine) const {
    std::size_t i = headerLine + 1;
    while (i < lines_.size() && !isSectionHeader(lines_[i])) ++i;
    return i;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    int header = sectionLine(section);
    if (header < 0) return std::nullopt;
    std::size_t end = sectionEnd(static_cast<std::size_t>(header));
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < end; ++i) {
        std::string_view k, v;
        if (splitKeyValue(lines_[i], k, v) && sameFileName(k, trim(key))) {
            if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') ||
                                  (v.front() == '\'' && v.back() == '\'')))
                v = v.substr(1, v.size() - 2);
            return std::string(v);
        }
    }
    return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    std::optional<std::string> v = value(section, key);
    return v ? *v : std::string(fallback);
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    int header = sectionLine(section);
    if (header < 0) {
        if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + std::string(value));
        finalEol_ = true;
        return;
    }
    std::size_t end = sectionEnd(static_cast<std::size_t>(header));
    std::size_t lastContent = static_cast<std::size_t>(header);
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < end; ++i) {
        std::string_view k, v;
        if (splitKeyValue(lines_[i], k, v) && sameFileName(k, trim(key))) {
            lines_[i] = std::string(k) + "=" + std::string(value);
            return;
        }
        if (!trim(lines_[i]).empty()) lastContent = i;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastContent + 1),
                  std::string(key) + "=" + std::string(value));
}

std::string IniFile::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        if (i + 1 < lines_.size() || finalEol_) out += eol_;
    }
    return out;
}

bool IniFile::save(const std::filesystem::path& path, std::string& error) const {
    return replaceFile(path, text(), error);
}

} // namespace orvela
