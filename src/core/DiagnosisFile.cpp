#include "DiagnosisFile.h"

#include "ContentPaths.h"
#include "DiagnosisLock.h"
#include "DiagnosisRecordCodec.h"
#include "SystemError.h"

#include <fstream>
#include <system_error>

namespace orvela {

DiagnosisFile::DiagnosisFile(fs::path dir) : dir_(std::move(dir)) {}

fs::path DiagnosisFile::path() const {
    return ContentPaths::resolveIn(dir_, kDiagnosisFileName);
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

DiagnosisFileContents DiagnosisFile::readUnlocked(std::string* rawBytes) const {
    DiagnosisFileContents c;
    std::optional<fs::path> file = ContentPaths::findIn(dir_, kDiagnosisFileName);
    if (!file) {
        c.state = DiagnosisFileContents::State::Missing;
        return c;
    }
    c.state = DiagnosisFileContents::State::Unreadable;
    std::error_code ec;
    if (!fs::is_regular_file(*file, ec)) return c;
    std::uintmax_t size = fs::file_size(*file, ec);
    if (ec || size > kDiagnosisFileMaxBytes) return c;
    std::optional<std::string> bytes = readWholeFile(*file);
    if (!bytes) return c;
    c.records = decodeAll(*bytes, c.strayBytes);
    c.state = DiagnosisFileContents::State::Read;
    if (rawBytes) *rawBytes = std::move(*bytes);
    return c;
}

DiagnosisFileContents DiagnosisFile::read() const {
    return readUnlocked(nullptr);
}

fs::path DiagnosisFile::freeName(const std::string& prefix, const std::string& stamp,
                                 const std::string& extension) const {
    std::string name = prefix + stamp + extension;
    for (int k = 2; ContentPaths::findIn(dir_, name) && k < 10000; ++k)
        name = prefix + stamp + "-" + std::to_string(k) + extension;
    return dir_ / name;
}

DiagnosisFileChange DiagnosisFile::update(const Edit& edit, bool createWhenMissing,
                                          const std::string& stamp) const {
    using Result = DiagnosisFileChange::Result;
    DiagnosisFileChange out;
    DiagnosisLock lock(dir_);
    if (!lock.locked()) {
        out.result = Result::NotLocked;
        return out;
    }
    std::string raw;
    DiagnosisFileContents c = readUnlocked(&raw);
    if (c.state == DiagnosisFileContents::State::Unreadable) {
        out.result = Result::Unreadable;
        return out;
    }
    if (c.state == DiagnosisFileContents::State::Missing && !createWhenMissing) {
        out.result = Result::Missing;
        return out;
    }
    out.strayBytes = c.strayBytes;
    if (!edit(c.records)) {
        out.result = Result::Unchanged;
        return out;
    }
    fs::path scratch = ContentPaths::resolveIn(dir_, kDiagnosisScratchName);
    if (c.strayBytes > 0) {
        // The old file as it is, stray bytes and all, before a file without them replaces it.
        fs::path copy = freeName("FDIAG-", stamp, ".BAD");
        if (!replaceFile(copy, raw, scratch, out.error)) {
            out.result = Result::NotWritten;
            return out;
        }
        out.strayCopy = copy;
    }
    if (!replaceFile(path(), encodeAll(c.records), scratch, out.error)) {
        out.result = Result::NotWritten;
        return out;
    }
    out.result = Result::Written;
    return out;
}

DiagnosisFile::PutAside DiagnosisFile::putAside(const std::string& stamp) const {
    PutAside out;
    DiagnosisLock lock(dir_);
    if (!lock.locked()) {
        out.result = PutAside::Result::NotLocked;
        return out;
    }
    std::optional<fs::path> file = ContentPaths::findIn(dir_, kDiagnosisFileName);
    std::error_code ec;
    if (!file || !fs::is_regular_file(*file, ec) || !std::ifstream(*file, std::ios::binary)) {
        out.result = PutAside::Result::Missing;
        return out;
    }
    out.newPath = freeName("FR", stamp, ".DIS");
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
