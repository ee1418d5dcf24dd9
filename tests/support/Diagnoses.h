#pragma once
// Diagnosis records for tests: a pupil, a diagnosis file written whole, the names stored.

#include "DiagnosisFile.h"
#include "Fakes.h"

namespace orvela::testing {

// A pupil with a new pupil's statuses (programmes 2 to 4 wait) and the result of programme 1.
inline DiagnosisRecord pupil(const std::string& name, const std::string& password = "",
                             std::int32_t result1 = 0) {
    DiagnosisRecord r;
    r.name = A(name);
    r.password = A(password);
    r.result[1] = result1;
    r.status.fill(0);
    r.status[2] = r.status[3] = r.status[4] = 1;
    return r;
}

inline void writePupils(TempContent& content, const std::vector<DiagnosisRecord>& records,
                        const std::string& strayBytes = {}) {
    content.writeRaw("RESULTAT/FDIAG.DIA", DiagnosisFile::encodeAll(records) + strayBytes);
}

inline std::vector<std::string> storedNames(const fs::path& dir) {
    std::vector<std::string> out;
    for (const DiagnosisRecord& r : DiagnosisFile(dir).read().records)
        out.push_back(r.name.toUtf8());
    return out;
}

} // namespace orvela::testing
