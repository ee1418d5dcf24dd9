#pragma once
// Content text to and from what Qt shows: Windows-1252 bytes become a QString where a window
// shows them, and what a pupil types becomes Windows-1252 again ("?" for a character that has no
// Windows-1252 code).

#include "AnsiText.h"

#include <QString>

namespace orvela {

QString toQString(const AnsiText& text);
AnsiText fromQString(const QString& text);
inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace orvela
