#pragma once
// The byte layouts of the diagnosis file (one 336-byte record per pupil) and of the
// administrator's password file (one 54-byte record). Both are encoded field by field,
// little-endian, with strings as a length byte followed by Windows-1252 characters; the bytes
// after a string's last character are padding and are ignored when read.
//
// Diagnosis record:
//   0  22  name: length byte + at most 21 characters
//  22  11  password: length byte + at most 10 characters (length 0 = no password)
//  33   3  padding
//  36  80  result[1..20], 32-bit signed
// 116  20  status[1..20], one byte each
// 136  40  year[1..20], 16-bit unsigned   176 month   216 day   256 hour   296 minute
//
// Password record: two fields of 27 bytes, each a length byte + at most 26 characters.

#include "AnsiText.h"
#include "DiagnosisRecord.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvela {

inline constexpr std::size_t kDiagnosisRecordSize = 336;
inline constexpr std::size_t kPupilNameMax = 21;
inline constexpr std::size_t kPupilPasswordMax = 10;

inline constexpr std::size_t kPasswordRecordSize = 54;
inline constexpr std::size_t kPasswordFieldMax = 26;

// The 336 bytes of a record. A name or password longer than its field is cut to fit.
std::string encodeDiagnosisRecord(const DiagnosisRecord& record);
// Reads the first 336 bytes of `bytes` (std::invalid_argument when there are fewer). A length
// byte larger than its field is read as the field's size.
DiagnosisRecord decodeDiagnosisRecord(std::string_view bytes);

struct PasswordRecord {
    AnsiText field1; // as stored (the scrambled guard name)
    AnsiText field2; // as stored (the scrambled password)
};

std::string encodePasswordRecord(const PasswordRecord& record);
// Reads the first 54 bytes of `bytes` (std::invalid_argument when there are fewer).
PasswordRecord decodePasswordRecord(std::string_view bytes);

} // namespace orvela
