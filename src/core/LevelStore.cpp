#include "LevelStore.h"
#include "RecordFields.h"

#include <stdexcept>

namespace orvela {

namespace {

const RecordFileFormat kLevelFormat{kLevelStoreName, kLevelScratchName, "FXACT-", kLevelRecordSize,
                                    kLevelStoreMaxBytes};

} // namespace

LevelStore::LevelStore(fs::path dir) : file_(std::move(dir), kLevelFormat) {}

std::string LevelStore::encode(const LevelRecord& record) {
    std::string out(kLevelRecordSize, '\0');
    std::string_view name = record.name.bytes();
    // The name ends at its first zero byte, as it will be read.
    name = name.substr(0, std::min(name.find('\0'), kLevelNameField - 1));
    out.replace(0, name.size(), name);
    recordfields::putI32(out, kLevelNameField, record.level);
    return out;
}

LevelRecord LevelStore::decode(std::string_view bytes) {
    if (bytes.size() < kLevelRecordSize) throw std::invalid_argument("short level record");
    LevelRecord r;
    std::string_view name = bytes.substr(0, kLevelNameField);
    r.name = AnsiText(std::string(name.substr(0, name.find('\0'))));
    r.level = recordfields::getI32(bytes, kLevelNameField);
    return r;
}

std::vector<LevelRecord> LevelStore::decodeAll(std::string_view bytes) {
    std::vector<LevelRecord> records;
    records.reserve(bytes.size() / kLevelRecordSize);
    for (std::size_t at = 0; at + kLevelRecordSize <= bytes.size(); at += kLevelRecordSize)
        records.push_back(decode(bytes.substr(at)));
    return records;
}

std::string LevelStore::encodeAll(const std::vector<LevelRecord>& records) {
    std::string out;
    out.reserve(records.size() * kLevelRecordSize);
    for (const LevelRecord& r : records)
        out += encode(r);
    return out;
}

bool LevelStore::sameName(const AnsiText& a, const AnsiText& b) {
    return toUpper(a) == toUpper(b);
}

LevelStoreContents LevelStore::read() const {
    RecordFileContents raw = file_.read();
    LevelStoreContents c;
    c.state = raw.state;
    c.records = decodeAll(raw.records);
    c.strayBytes = raw.strayBytes;
    return c;
}

LevelFetch LevelStore::fetch(const AnsiText& name, int levelCount) const {
    LevelFetch out;
    RecordFileContents raw = file_.read();
    switch (raw.state) {
    case RecordFileState::Missing: out.result = LevelFetch::Result::NoStore; return out;
    case RecordFileState::Unreadable: out.result = LevelFetch::Result::Unreadable; return out;
    case RecordFileState::Read: break;
    }
    out.result = LevelFetch::Result::NotStored;
    // Record by record: a store of many pupils is never decoded whole for one name.
    const std::string_view bytes = raw.records;
    for (std::size_t at = 0; at + kLevelRecordSize <= bytes.size(); at += kLevelRecordSize) {
        LevelRecord r = decode(bytes.substr(at));
        if (sameName(r.name, name) && r.level >= 1 && r.level <= levelCount) {
            out.result = LevelFetch::Result::Found;
            out.level = r.level;
            return out;
        }
    }
    return out;
}

RecordFileChange LevelStore::store(const AnsiText& name, int level,
                                   const std::string& stamp) const {
    LevelRecord mine{name, level};
    mine.name = decode(encode(mine)).name; // as it will be stored and read back
    return file_.update(
        [&](std::string& bytes) {
            bool found = false;
            bool changed = false;
            for (std::size_t at = 0; at + kLevelRecordSize <= bytes.size();
                 at += kLevelRecordSize) {
                LevelRecord r = decode(std::string_view(bytes).substr(at));
                if (!sameName(r.name, mine.name)) continue;
                found = true;
                if (r.level == level) continue;
                r.level = level;
                bytes.replace(at, kLevelRecordSize, encode(r));
                changed = true;
            }
            if (found) return changed;
            if (level < 2) return false;
            bytes += encode(mine);
            return true;
        },
        true, stamp);
}

} // namespace orvela
