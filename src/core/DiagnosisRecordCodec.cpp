#include "DiagnosisRecordCodec.h"
#include "RecordFields.h"

#include <algorithm>
#include <stdexcept>

namespace orvela {

using namespace recordfields;

namespace {

constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kPasswordOffset = 22;
constexpr std::size_t kResultOffset = 36;
constexpr std::size_t kStatusOffset = 116;
constexpr std::size_t kYearOffset = 136;
constexpr std::size_t kMonthOffset = 176;
constexpr std::size_t kDayOffset = 216;
constexpr std::size_t kHourOffset = 256;
constexpr std::size_t kMinuteOffset = 296;







} // namespace

std::string encodeDiagnosisRecord(const DiagnosisRecord& r) {
    std::string out(kDiagnosisRecordSize, '\0');
    putString(out, kNameOffset, r.name, kPupilNameMax);
    putString(out, kPasswordOffset, r.password, kPupilPasswordMax);
    for (std::size_t n = 1; n <= kDiagnosisProgrammes; ++n) {
        std::size_t i = n - 1;
        putI32(out, kResultOffset + 4 * i, r.result[n]);
        out[kStatusOffset + i] = static_cast<char>(r.status[n]);
        putU16(out, kYearOffset + 2 * i, r.year[n]);
        putU16(out, kMonthOffset + 2 * i, r.month[n]);
        putU16(out, kDayOffset + 2 * i, r.day[n]);
        putU16(out, kHourOffset + 2 * i, r.hour[n]);
        putU16(out, kMinuteOffset + 2 * i, r.minute[n]);
    }
    return out;
}

DiagnosisRecord decodeDiagnosisRecord(std::string_view in) {
    if (in.size() < kDiagnosisRecordSize)
        throw std::invalid_argument("a diagnosis record needs 336 bytes");
    DiagnosisRecord r;
    r.name = getString(in, kNameOffset, kPupilNameMax);
    r.password = getString(in, kPasswordOffset, kPupilPasswordMax);
    for (std::size_t n = 1; n <= kDiagnosisProgrammes; ++n) {
        std::size_t i = n - 1;
        r.result[n] = getI32(in, kResultOffset + 4 * i);
        r.status[n] = static_cast<std::uint8_t>(in[kStatusOffset + i]);
        r.year[n] = getU16(in, kYearOffset + 2 * i);
        r.month[n] = getU16(in, kMonthOffset + 2 * i);
        r.day[n] = getU16(in, kDayOffset + 2 * i);
        r.hour[n] = getU16(in, kHourOffset + 2 * i);
        r.minute[n] = getU16(in, kMinuteOffset + 2 * i);
    }
    return r;
}

std::string encodePasswordRecord(const PasswordRecord& r) {
    std::string out(kPasswordRecordSize, '\0');
    putString(out, 0, r.field1, kPasswordFieldMax);
    putString(out, kPasswordFieldMax + 1, r.field2, kPasswordFieldMax);
    return out;
}

PasswordRecord decodePasswordRecord(std::string_view in) {
    if (in.size() < kPasswordRecordSize)
        throw std::invalid_argument("a password record needs 54 bytes");
    PasswordRecord r;
    r.field1 = getString(in, 0, kPasswordFieldMax);
    r.field2 = getString(in, kPasswordFieldMax + 1, kPasswordFieldMax);
    return r;
}

} // namespace orvela
