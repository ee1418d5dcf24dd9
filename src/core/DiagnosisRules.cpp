#include "DiagnosisRules.h"

#include "DiagnosisRecordCodec.h"
#include "Scrambling.h"
#include "SharedState.h"

#include <algorithm>
#include <array>

namespace orvela {

namespace {

constexpr std::array<std::string_view, kDiagnosisProgrammes + 1> kProgrammeNames = {
    "",
    "Glosor, mycket lätta",
    "Glosor, lätta",
    "Glosor, ganska svåra",
    "Glosor, svåra",
    "Bestämd artikel",
    "Genus",
    "Skriv i nekande form",
    "Komparation av adjektiv",
    "Plural",
    "Presens och passé composé av verb på -er",
    "Presens och passé composé av verb på -ir och -re",
    "Oregelbundna verb, tema",
    "Oregelbundna verb i presens och passé composé",
    "Passé composé med être",
    "Bilda frågor",
    "Imperativ",
    "Possessiva pronomen",
    "Futurum",
    "",
    "",
};

constexpr std::array<std::string_view, 4> kStatusWords = {"Commencer", "Attendre", "Tester",
                                                          "Exercer"};

bool inRange(int programme) {
    return programme >= 1 && programme <= static_cast<int>(kDiagnosisProgrammes);
}

std::string twoDigits(int v) {
    std::string s = std::to_string(v);
    return v >= 0 && v < 10 ? "0" + s : s;
}

} // namespace

std::string_view diagnosisProgrammeName(int programme) {
    return inRange(programme) ? kProgrammeNames[static_cast<std::size_t>(programme)] : "";
}

std::string_view diagnosisStatusWord(int status) {
    return status >= 0 && status <= 3 ? kStatusWords[static_cast<std::size_t>(status)] : "";
}

std::uint8_t diagnosisStatus(DiagnosisRecord& r, int programme) {
    if (!inRange(programme)) return StatusCommencer;
    auto n = static_cast<std::size_t>(programme);
    bool chained = programme <= 3; // programmes 1 to 3 decide whether the next one waits
    std::int32_t result = r.result[n];
    if (result <= 0) {
        if (chained && r.result[n + 1] == 0) r.status[n + 1] = StatusAttendre;
        bool waits = programme >= 2 && programme <= 4 && r.status[n] == StatusAttendre;
        return waits ? StatusAttendre : StatusCommencer;
    }
    if (result < PassThreshold) {
        if (chained) r.status[n + 1] = StatusAttendre;
        return StatusExercer;
    }
    if (chained) r.status[n + 1] = StatusTester;
    return StatusTester;
}

void clearDiagnosisRecord(DiagnosisRecord& r) {
    r.name.clear();
    r.password.clear();
    r.result.fill(0);
    for (int n = 1; n <= static_cast<int>(kDiagnosisProgrammes); ++n)
        r.status[static_cast<std::size_t>(n)] = diagnosisStatus(r, n);
}

AnsiText storedPupilName(const AnsiText& stored) {
    AnsiText name = dekryptrad(stored);
    name.truncate(kPupilNameMax);
    return name;
}

bool isPupilRecord(const DiagnosisRecord& record, const AnsiText& name) {
    AnsiText wanted = name;
    wanted.truncate(kPupilNameMax);
    wanted = toUpper(wanted);
    // A plain name that merely begins like a scrambled one is found by its stored bytes.
    return toUpper(storedPupilName(record.name)) == wanted || toUpper(record.name) == wanted;
}

namespace {

// The place of a Windows-1252 byte in the Swedish alphabet: letters from 1000 on (A..Z, then
// Å, Ä/Æ, Ö/Ø), everything else by its code.
int sortWeight(unsigned char c) {
    c = ansiUpper(c);
    if (c >= 'A' && c <= 'Z') return 1000 + (c - 'A');
    switch (c) {
    case 0xC5: return 1000 + 26; // Å
    case 0xC4:
    case 0xC6: return 1000 + 27; // Ä Æ
    case 0xD6:
    case 0xD8: return 1000 + 28; // Ö Ø
    case 0xC0:
    case 0xC1:
    case 0xC2:
    case 0xC3: return 1000;               // À Á Â Ã
    case 0xC7: return 1000 + ('C' - 'A'); // Ç
    case 0xC8:
    case 0xC9:
    case 0xCA:
    case 0xCB: return 1000 + ('E' - 'A');
    case 0xCC:
    case 0xCD:
    case 0xCE:
    case 0xCF: return 1000 + ('I' - 'A');
    case 0xD1: return 1000 + ('N' - 'A'); // Ñ
    case 0xD2:
    case 0xD3:
    case 0xD4:
    case 0xD5:
    case 0x8C: return 1000 + ('O' - 'A');
    case 0xD9:
    case 0xDA:
    case 0xDB: return 1000 + ('U' - 'A');
    case 0xDC:
    case 0xDD:
    case 0x9F: return 1000 + ('Y' - 'A'); // Ü Ý Ÿ
    case 0x8A:
    case 0xDF: return 1000 + ('S' - 'A'); // Š ß
    case 0x8E: return 1000 + ('Z' - 'A'); // Ž
    default: return c;
    }
}

} // namespace

bool pupilNameLess(const AnsiText& a, const AnsiText& b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        int wa = sortWeight(a[i]);
        int wb = sortWeight(b[i]);
        if (wa != wb) return wa < wb;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

std::string protocolDateText(const DiagnosisRecord& r, int programme) {
    if (!inRange(programme)) return {};
    auto n = static_cast<std::size_t>(programme);
    if (r.result[n] == 0) return {};
    return twoDigits(r.year[n] % 100) + twoDigits(r.month[n]) + twoDigits(r.day[n]) + " " +
           twoDigits(r.hour[n]) + ":" + twoDigits(r.minute[n]);
}

std::string dateStamp(int year, int month, int day, int hour, int minute) {
    int yy = ((year % 100) + 100) % 100;
    return twoDigits(yy) + twoDigits(month) + twoDigits(day) + twoDigits(hour) + twoDigits(minute);
}

} // namespace orvela
