// Results and statuses of the diagnosis programmes: what the end of a diagnosis test stores in
// the pupil's record.

#include "DiagnosisRules.h"
#include "Shell.h"

#include <algorithm>

namespace orvela {

std::uint8_t Shell::GeStatusTal(int programme) {
    return diagnosisStatus(s_.CurrentPupil, programme);
}

void Shell::diagnosback(int rightCount) {
    const int n = s_.CurrentProgramme;
    if (n >= 1 && n <= static_cast<int>(kDiagnosisProgrammes)) {
        DiagnosisRecord& p = s_.CurrentPupil;
        auto i = static_cast<std::size_t>(n);
        std::int32_t r = std::max(0, rightCount);
        if (p.result[i] > 0 && r == 0) {
            // A test broken off without a right answer after an earlier result: practise first.
            p.status[i] = StatusExercer;
            p.result[i] = 0;
        } else {
            p.result[i] = r;
            p.status[i] = GeStatusTal(n);
        }
        DateTime t = services_.clock ? services_.clock->now() : DateTime{};
        p.year[i] = static_cast<std::uint16_t>(t.year);
        p.month[i] = static_cast<std::uint16_t>(t.month);
        p.day[i] = static_cast<std::uint16_t>(t.day);
        p.hour[i] = static_cast<std::uint16_t>(t.hour);
        p.minute[i] = static_cast<std::uint16_t>(t.minute);
    }
    s_.ProtocolSave = 1;
    // The open protocol redraws, and its redraw stores the record and clears ProtocolSave.
    if (protocolRedraw_) protocolRedraw_();
    // Without a protocol to do it the result is stored all the same.
    if (s_.ProtocolSave) {
        SparaProtokoll();
        s_.ProtocolSave = 0;
    }
}

} // namespace orvela
