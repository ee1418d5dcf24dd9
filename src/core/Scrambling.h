#pragma once
// Item lines may be stored scrambled so that a pupil who opens a data file does not read the
// answers. A scrambled line begins with the scrambling marker "*" (the scrambled form of "#").
//
// Each character at 1-based position i of the line (prefixed with "#") is combined by exclusive
// or with the key byte (i / 2 + offset) mod 256, the offset being 9 at odd and 4 at even
// positions; a character stays as it is when the result would fall below 32. The transform is its
// own inverse for characters of code 32 and above. With these small offsets the key stays below
// 32 for the first fifty or so characters, so every one of them changes (an exclusive or with a
// key below 32 never takes a printable character below 32).

#include "AnsiText.h"

namespace orvela {

inline constexpr unsigned char kScrambleMarker = '*';

// Scrambles a line. Empty lines, lines beginning ";", "$" or "#", and lines already scrambled
// are returned unchanged.
AnsiText kryptrad(const AnsiText& line);
// Unscrambles a line; a line that does not begin with the marker is returned unchanged.
AnsiText dekryptrad(const AnsiText& line);

} // namespace orvela
