#include "LevelStore.h"
#include "RecordFields.h"

#include <stdexcept>

namespace orvela {

namespace {

const RecordFileFormat kLevelFormat{kLevelStoreName,  kLevelScratchName,   "FXACT-",
                                    kLevelRecordSize, kLevelStoreMaxBytes, kLevelJournalName};

// Whether the record at the start of `record` holds the name `upper` (in capitals), compared
// without building the record's name: a store of tens of thousands of pupils is searched this way.
bool holdsName(std::string_view record, std::string_view upper) {
    const std::string_view field = record.substr(0, kLevelNameField);
    const std::size_t length = std::min(field.find('\0'), field.size());
    if (length != upper.size()) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (ansiUpper(static_cast<unsigned char>(field[i])) != static_cast<unsigned char>(upper[i]))
            return false;
    return true;
}

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
    const std::string upper = toUpper(asStored(name)).bytes();
    const std::string_view bytes = raw.records;
    for (std::size_t at = 0; at + kLevelRecordSize <= bytes.size(); at += kLevelRecordSize) {
        if (!holdsName(bytes.substr(at), upper)) continue;
        const std::int32_t level = recordfields::getI32(bytes, at + kLevelNameField);
        if (level >= 1 && level <= levelCount) {
            out.result = LevelFetch::Result::Found;
            out.level = level;
            return out;
        }
    }
    return out;
}

AnsiText LevelStore::asStored(const AnsiText& name) {
    return decode(encode(LevelRecord{name, 0})).name;
}

RecordFileChange LevelStore::store(const AnsiText& name, int level,
                                   const std::string& stamp) const {
    const LevelRecord mine{asStored(name), level};
    const std::string upper = toUpper(mine.name).bytes();
    // Only the level field of the pupil's records changes, or one record is added at the end:
    // the store is patched in place, whatever its size.
    return file_.patch(
        [&](std::string_view bytes, std::vector<RecordPatch>& patches) {
            bool found = false;
            for (std::size_t at = 0; at + kLevelRecordSize <= bytes.size();
                 at += kLevelRecordSize) {
                if (!holdsName(bytes.substr(at), upper)) continue;
                found = true;
                if (recordfields::getI32(bytes, at + kLevelNameField) == level) continue;
                std::string field(4, '\0');
                recordfields::putI32(field, 0, level);
                patches.push_back({at + kLevelNameField, std::move(field)});
            }
            if (found) return !patches.empty();
            if (level < 2) return false;
            patches.push_back({bytes.size(), encode(mine)});
            return true;
        },
        stamp);
}

} // namespace orvela
