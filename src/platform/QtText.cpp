#include "QtText.h"

namespace orvela {

QString toQString(const AnsiText& text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (unsigned char c : text.bytes()) out.append(QChar(static_cast<char16_t>(ansiToUnicode(c))));
    return out;
}

AnsiText fromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        char32_t cp = ch.unicode();
        unsigned char a = unicodeToAnsi(cp);
        out.push_back(a || cp == 0 ? static_cast<char>(a) : '?');
    }
    return AnsiText(std::move(out));
}

} // namespace orvela
