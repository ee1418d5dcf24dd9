#pragma once
// The rules of the diagnosis that do not depend on files or windows: the programme table, the
// status words, the status chain of programmes 1 to 4, a fresh record and how stored names are
// matched.

#include "AnsiText.h"
#include "DiagnosisRecord.h"

#include <string>
#include <string_view>

namespace orvela {

// The eighteen diagnosis programmes in use (19 and 20 have no name and no data files).
inline constexpr int kDiagnosisProgrammesInUse = 18;

enum DiagnosisStatus : std::uint8_t {
    StatusCommencer = 0, // may be started
    StatusAttendre = 1,  // waits for the programme before it
    StatusTester = 2,    // passed: may be tested again
    StatusExercer = 3,   // not passed: the follow-up exercise comes next
};

// The programme's name (UTF-8); empty for 19, 20 and numbers outside 1..20.
std::string_view diagnosisProgrammeName(int programme);
// "Commencer", "Attendre", "Tester", "Exercer" for statuses 0 to 3; empty for any other value.
std::string_view diagnosisStatusWord(int status);

// The status of programme `programme` from its result, as the protocol shows it; for programmes
// 1 to 3 the status of the next programme is adjusted in `record` (the chain of the four
// vocabulary levels). The caller stores the returned status itself. Outside 1..20: 0, nothing
// changed.
std::uint8_t diagnosisStatus(DiagnosisRecord& record, int programme);

// Empty name and password, every result 0, every status as for a new pupil (programmes 2 to 4
// "Attendre", the others "Commencer"). The dates are left as they are: they mean nothing while
// the results are 0.
void clearDiagnosisRecord(DiagnosisRecord& record);

// A stored name as the lists show it: unscrambled when stored scrambled, at most 21 characters.
AnsiText storedPupilName(const AnsiText& stored);
// Whether a stored record belongs to the pupil `name`: the names agree without regard to letter
// case once the stored one is unscrambled (or as it is stored).
bool isPupilRecord(const DiagnosisRecord& record, const AnsiText& name);

// The order of the name list: alphabetical as in Swedish (letter case ignored, Å Ä Ö after Z,
// accented letters with their base letter), ties by character code.
bool pupilNameLess(const AnsiText& a, const AnsiText& b);

// The date of a programme's last result as the protocol shows it, "YYMMDD HH:MI" ("261206 10:30"),
// or empty while its result is 0.
std::string protocolDateText(const DiagnosisRecord& record, int programme);

// The stamp "YYMMDDHHMI" of a date and time.
std::string dateStamp(int year, int month, int day, int hour, int minute);

} // namespace orvela
