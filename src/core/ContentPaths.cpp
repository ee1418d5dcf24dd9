#include "ContentPaths.h"

#include "AnsiText.h"

#include <dirent.h>

#include <memory>
#include <system_error>
#include <vector>

namespace orvela {

namespace {

std::vector<std::string> splitRelative(std::string_view relative) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : relative) {
        if (c == '\\' || c == '/') {
            if (!cur.empty()) parts.push_back(std::move(cur));
            cur.clear();
        } else {
            cur.push_back(c);
        }
    }
    if (!cur.empty()) parts.push_back(std::move(cur));
    return parts;
}

// The entry of `dir` named `name` in any letter case; exact spelling first.
std::optional<fs::path> findEntry(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    fs::path exact = dir / name;
    if (fs::exists(exact, ec)) return exact;
    std::optional<std::vector<std::string>> names = entryNames(dir);
    if (!names) return std::nullopt;
    for (const std::string& entry : *names) {
        if (sameFileName(entry, name)) return dir / entry;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<std::string>> entryNames(const fs::path& dir) {
    // Read with readdir: a directory iterator builds a parsed path for every entry, which costs
    // more than the listing itself in the large DATA directory.
    std::unique_ptr<DIR, int (*)(DIR*)> d(opendir(dir.c_str()), closedir);
    if (!d) return std::nullopt;
    std::vector<std::string> names;
    while (const dirent* e = readdir(d.get())) {
        const std::string_view name = e->d_name;
        if (name == "." || name == "..") continue;
        names.emplace_back(name);
    }
    return names;
}

ContentPaths::ContentPaths(fs::path root) : root_(std::move(root)) {}

fs::path ContentPaths::rootOfProgram(const fs::path& programFile) {
    fs::path dir = programFile.parent_path();
    if (dir.filename().empty()) dir = dir.parent_path(); // a trailing separator
    fs::path parent = dir.parent_path();
    // A program in the file system's root has no parent directory: its own directory serves.
    return parent.empty() ? dir : parent;
}

std::string ContentPaths::rootText() const {
    std::string s = root_.string();
    while (s.size() > 1 && (s.back() == '/' || s.back() == '\\')) s.pop_back();
    return s;
}

std::optional<fs::path> ContentPaths::find(std::string_view relative) const {
    return findIn(root_, relative);
}

fs::path ContentPaths::resolve(std::string_view relative) const {
    return resolveIn(root_, relative);
}

std::optional<fs::path> ContentPaths::findIn(const fs::path& dir, std::string_view relative) {
    fs::path cur = dir;
    for (const std::string& part : splitRelative(relative)) {
        if (part == "..") return std::nullopt;
        if (part == ".") continue;
        std::optional<fs::path> next = findEntry(cur, part);
        if (!next) return std::nullopt;
        cur = *next;
    }
    std::error_code ec;
    if (!fs::exists(cur, ec)) return std::nullopt;
    return cur;
}

fs::path ContentPaths::resolveIn(const fs::path& dir, std::string_view relative) {
    fs::path cur = dir;
    bool found = true;
    for (const std::string& part : splitRelative(relative)) {
        if (found) {
            if (std::optional<fs::path> next = findEntry(cur, part)) {
                cur = *next;
                continue;
            }
            found = false;
        }
        cur /= part;
    }
    return cur;
}

bool isPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos)
        return false;
    if (name.find("..") != std::string_view::npos) return false;
    return name.find('\0') == std::string_view::npos;
}

bool sameFileName(std::string_view a, std::string_view b) {
    if (a.size() == b.size()) {
        bool same = true;
        for (std::size_t i = 0; i < a.size() && same; ++i) {
            unsigned char x = static_cast<unsigned char>(a[i]);
            unsigned char y = static_cast<unsigned char>(b[i]);
            if (x == y) continue;
            if (x >= 0x80 || y >= 0x80) {
                same = false;
                break;
            }
            same = ansiLower(x) == ansiLower(y);
        }
        if (same) return true;
    }
    // Names with accented letters: compare their Windows-1252 forms.
    bool ascii = true;
    for (char c : a) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    for (char c : b) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return false;
    return toLower(AnsiText::fromUtf8(a)) == toLower(AnsiText::fromUtf8(b));
}

} // namespace orvela
