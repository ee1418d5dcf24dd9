#include "DiagnosisFile.h"

#include "ContentPaths.h"
#include "DiagnosisLock.h"
#include "DiagnosisRecordCodec.h"
#include "SystemError.h"

#include <fstream>
#include <system_error>

namespace orvela {

namespace {

const RecordFileFormat kDiagnosisFormat{kDiagnosisFileName, kDiagnosisScratchName, "FDIAG-",
                                        kDiagnosisRecordSize, kDiagnosisFileMaxBytes};

} // namespace

DiagnosisFile::DiagnosisFile(fs::path dir) : file_(std::move(dir), kDiagnosisFormat) {}

fs::path DiagnosisFile::path() const {
    return file_.path();
}

std::vector<DiagnosisRecord> DiagnosisFile::decodeAll(std::string_view bytes, std::size_t& stray) {
    std::vector<DiagnosisRecord> records;
    std::size_t whole = bytes.size() / kDiagnosisRecordSize;
    records.reserve(whole);
    for (std::size_t k = 0; k < whole; ++k)
        records.push_back(decodeDiagnosisRecord(bytes.substr(k * kDiagnosisRecordSize)));
    stray = bytes.size() % kDiagnosisRecordSize;
    return records;
}

std::string DiagnosisFile::encodeAll(const std::vector<DiagnosisRecord>& records) {
    std::string out;
    out.reserve(records.size() * kDiagnosisRecordSize);
    for (const DiagnosisRecord& r : records)
        out += encodeDiagnosisRecord(r);
    return out;
}

DiagnosisFileContents DiagnosisFile::read() const {
    RecordFileContents raw = file_.read();
    DiagnosisFileContents c;
    c.state = raw.state;
    std::size_t none = 0;
    c.records = decodeAll(raw.records, none);
    c.strayBytes = raw.strayBytes;
    return c;
}

DiagnosisFileChange DiagnosisFile::update(const Edit& edit, bool createWhenMissing,
                                          const std::string& stamp) const {
    return file_.update(
        [&](std::string& bytes) {
            std::size_t none = 0;
            std::vector<DiagnosisRecord> records = decodeAll(bytes, none);
            if (!edit(records)) return false;
            bytes = encodeAll(records);
            return true;
        },
        createWhenMissing, stamp);
}

DiagnosisFile::PutAside DiagnosisFile::putAside(const std::string& stamp) const {
    PutAside out;
    DiagnosisLock lock(file_.directory());
    if (!lock.locked()) {
        out.result = PutAside::Result::NotLocked;
        return out;
    }
    std::optional<fs::path> file = ContentPaths::findIn(file_.directory(), kDiagnosisFileName);
    std::error_code ec;
    if (!file || !fs::is_regular_file(*file, ec) || !std::ifstream(*file, std::ios::binary)) {
        out.result = PutAside::Result::Missing;
        return out;
    }
    out.newPath = file_.freeName("FR", stamp, ".DIS");
    fs::rename(*file, out.newPath, ec);
    if (ec) {
        out.result = PutAside::Result::NotRenamed;
        out.error = systemErrorText(ec);
        return out;
    }
    out.result = PutAside::Result::Done;
    return out;
}

} // namespace orvela
