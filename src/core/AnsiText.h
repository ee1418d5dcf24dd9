#pragma once
// Content text: the bytes of a Windows-1252 string, kept apart from UTF-8 text.
//
// Every rule about content (edge punctuation, "capital = small - 32", sorting by character code,
// the scrambling XOR, length bytes in record files) is a rule about these bytes. Conversion to and
// from UTF-8 happens only where a window shows text or a pupil has typed it.

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvela {

class AnsiText {
public:
    AnsiText() = default;
    explicit AnsiText(std::string bytes) : bytes_(std::move(bytes)) {}
    // A literal of plain ASCII (or of Windows-1252 bytes written as escapes).
    static AnsiText ascii(std::string_view s) { return AnsiText(std::string(s)); }
    // UTF-8 to Windows-1252; a character without a Windows-1252 code becomes "?".
    static AnsiText fromUtf8(std::string_view utf8);
    std::string toUtf8() const;

    const std::string& bytes() const { return bytes_; }
    std::string& bytes() { return bytes_; }
    std::size_t size() const { return bytes_.size(); }
    bool empty() const { return bytes_.empty(); }
    // 0-based byte access as an unsigned value.
    unsigned char operator[](std::size_t i) const { return static_cast<unsigned char>(bytes_[i]); }
    unsigned char front() const { return static_cast<unsigned char>(bytes_.front()); }
    unsigned char back() const { return static_cast<unsigned char>(bytes_.back()); }

    AnsiText substr(std::size_t pos, std::size_t n = std::string::npos) const {
        return pos >= bytes_.size() ? AnsiText() : AnsiText(bytes_.substr(pos, n));
    }
    bool startsWith(std::string_view prefix) const { return std::string_view(bytes_).starts_with(prefix); }
    void append(const AnsiText& t) { bytes_ += t.bytes_; }
    void push_back(unsigned char c) { bytes_.push_back(static_cast<char>(c)); }
    void clear() { bytes_.clear(); }
    // Cuts the text to at most n bytes.
    void truncate(std::size_t n) {
        if (bytes_.size() > n) bytes_.resize(n);
    }

    AnsiText& operator+=(const AnsiText& t) {
        bytes_ += t.bytes_;
        return *this;
    }
    friend AnsiText operator+(AnsiText a, const AnsiText& b) { return a += b; }
    friend bool operator==(const AnsiText&, const AnsiText&) = default;
    // Byte order (character codes as unsigned values).
    friend std::strong_ordering operator<=>(const AnsiText& a, const AnsiText& b);

private:
    std::string bytes_;
};

// Windows-1252 letter case: a..z, the accented letters 224..254 (except 247) with their capitals
// 32 below, and the pairs š/Š, œ/Œ, ž/Ž, ÿ/Ÿ. Lengths never change; ß has no capital.
unsigned char ansiUpper(unsigned char c);
unsigned char ansiLower(unsigned char c);
AnsiText toUpper(const AnsiText& t);
AnsiText toLower(const AnsiText& t);

// The Unicode code point of one Windows-1252 byte (undefined bytes map to themselves).
char32_t ansiToUnicode(unsigned char c);
// The Windows-1252 byte of a code point, or 0 when there is none.
unsigned char unicodeToAnsi(char32_t cp);

} // namespace orvela
