#pragma once
// One entry of a word list's record table: who, when, and how many points.

#include "AnsiText.h"

#include <cstdint>

namespace orvela {

struct ScoreRecord {
    AnsiText name; // at most 21 characters
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::int32_t score = 0;
    friend bool operator==(const ScoreRecord&, const ScoreRecord&) = default;
};

} // namespace orvela
