#pragma once
// The text of a content file as the program works on it: Windows-1252 bytes. Courses are written
// in Windows-1252, but a file saved by a modern editor is UTF-8, with or without a byte-order
// mark; each file is recognised on its own and read as the same text as its Windows-1252 twin.
//
// A file is UTF-8 when it starts with the byte-order mark, or when it has bytes above 127 and all
// of them form valid UTF-8 sequences (Windows-1252 text with accented letters practically never
// does). Anything else is Windows-1252 as it stands.

#include <string>
#include <string_view>
#include <vector>

namespace orvela {

class ContentText {
public:
    enum class Encoding { Windows1252, Utf8, Utf8WithBom };

    // Something a teacher should know about a file, on a line counted from 1.
    struct Problem {
        int line = 0;
        std::string message; // Swedish, UTF-8
    };

    // Decodes the raw bytes of a file.
    static ContentText decode(std::string_view raw);

    // The Windows-1252 text (line ends as in the file).
    const std::string& bytes() const { return bytes_; }
    std::string& bytes() { return bytes_; }
    Encoding encoding() const { return encoding_; }
    // Characters without a Windows-1252 code (read as "?") and invalid UTF-8 in a file marked as
    // UTF-8 (each byte kept as its Windows-1252 character, so nothing is lost).
    const std::vector<Problem>& problems() const { return problems_; }

    // Lines of a Windows-1252 text that hold UTF-8 sequences read as Windows-1252 ("Ã©" where
    // "é" was meant): the mark of a UTF-8 file that was once opened as Windows-1252 and saved.
    static std::vector<Problem> misdecodedUtf8(std::string_view ansi);

private:
    std::string bytes_;
    Encoding encoding_ = Encoding::Windows1252;
    std::vector<Problem> problems_;
};

} // namespace orvela
