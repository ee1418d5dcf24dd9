#pragma once
// The diagnosis file "FDIAG.DIA": one 336-byte record per pupil, in no particular order, in the
// diagnosis directory. It is a RecordFile (see there: changes under the directory lock through
// the scratch file "Slask.DI2"; stray bytes at the end copied aside as "FDIAG-" + stamp + ".BAD"
// before the first change).

#include "DiagnosisRecord.h"
#include "RecordFile.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace orvela {

inline constexpr const char* kDiagnosisFileName = "FDIAG.DIA";
inline constexpr const char* kDiagnosisScratchName = "Slask.DI2";
// A larger file is no diagnosis file (that would be some 50 000 pupils); it is left alone.
inline constexpr std::uintmax_t kDiagnosisFileMaxBytes = 16u * 1024u * 1024u;

struct DiagnosisFileContents {
    using State = RecordFileState;
    State state = State::Missing;
    std::vector<DiagnosisRecord> records;
    std::size_t strayBytes = 0; // bytes after the last whole record
};

using DiagnosisFileChange = RecordFileChange;

class DiagnosisFile {
public:
    explicit DiagnosisFile(fs::path dir);

    const fs::path& directory() const { return file_.directory(); }
    // "FDIAG.DIA" in the directory, as it is spelled there (any letter case), or as it will be
    // created.
    fs::path path() const;

    DiagnosisFileContents read() const;

    // Changes the records under the directory lock. `edit` gets the records of the file (none
    // when it is missing and `createWhenMissing`) and returns true to have them written. `stamp`
    // names the copy of a file with stray bytes.
    using Edit = std::function<bool(std::vector<DiagnosisRecord>&)>;
    DiagnosisFileChange update(const Edit& edit, bool createWhenMissing,
                               const std::string& stamp) const;

    struct PutAside {
        enum class Result { Done, Missing, NotLocked, NotRenamed };
        Result result = Result::NotLocked;
        fs::path newPath;
        std::string error;
    };
    // Renames the diagnosis file to "FR" + stamp + ".DIS" in the same directory. A name already
    // taken is never replaced: "FR" + stamp + "-2.DIS", "-3" ... are tried in turn.
    PutAside putAside(const std::string& stamp) const;

    // The whole records of `bytes`; `stray` receives the number of bytes after them.
    static std::vector<DiagnosisRecord> decodeAll(std::string_view bytes, std::size_t& stray);
    static std::string encodeAll(const std::vector<DiagnosisRecord>& records);

private:
    RecordFile file_;
};

} // namespace orvela
