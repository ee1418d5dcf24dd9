#pragma once
// One pupil's diagnosis: results, statuses and dates of the twenty diagnosis programmes.

#include "AnsiText.h"
#include "OneBased.h"

#include <cstdint>

namespace orvela {

inline constexpr std::size_t kDiagnosisProgrammes = 20;

struct DiagnosisRecord {
    AnsiText name;     // at most 21 characters
    AnsiText password; // at most 10 characters; empty = no password
    OneBased<std::int32_t, kDiagnosisProgrammes> result;  // right answers of the last test; 0 = not tested
    OneBased<std::uint8_t, kDiagnosisProgrammes> status;  // 0 Commencer, 1 Attendre, 2 Tester, 3 Exercer
    OneBased<std::uint16_t, kDiagnosisProgrammes> year;
    OneBased<std::uint16_t, kDiagnosisProgrammes> month;
    OneBased<std::uint16_t, kDiagnosisProgrammes> day;
    OneBased<std::uint16_t, kDiagnosisProgrammes> hour;
    OneBased<std::uint16_t, kDiagnosisProgrammes> minute;
};

} // namespace orvela
