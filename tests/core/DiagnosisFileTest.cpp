// The diagnosis record and password record layouts, and the diagnosis file store: stray bytes,
// a scratch file left by a crash, files that cannot be read, putting the file aside.

#include "Diagnoses.h"
#include "DiagnosisRecordCodec.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

// Puts `value` at `offset`, little-endian, in `size` bytes.
void put(std::string& b, std::size_t offset, std::int64_t value, int size) {
    for (int i = 0; i < size; ++i)
        b[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Every field different, so that a field read from the wrong place shows.
DiagnosisRecord fullRecord() {
    DiagnosisRecord r;
    r.name = A("Åsa Öberg");
    r.password = A("hemlig");
    for (std::size_t n = 1; n <= 20; ++n) {
        r.result[n] = static_cast<std::int32_t>(n * 1000 + 7);
        r.status[n] = static_cast<std::uint8_t>(n % 4);
        r.year[n] = static_cast<std::uint16_t>(2000 + n);
        r.month[n] = static_cast<std::uint16_t>(n % 12 + 1);
        r.day[n] = static_cast<std::uint16_t>(n + 3);
        r.hour[n] = static_cast<std::uint16_t>(n);
        r.minute[n] = static_cast<std::uint16_t>(59 - n);
    }
    r.result[2] = -5;
    r.year[3] = 0xBEEF;
    return r;
}

// Two records are the same when they are written the same (the writing is checked byte by byte).
void expectSame(const DiagnosisRecord& a, const DiagnosisRecord& b) {
    EXPECT_EQ(encodeDiagnosisRecord(a), encodeDiagnosisRecord(b));
}

} // namespace

// ---- record layouts ----

TEST(DiagnosisRecordLayout, AFileWrittenByteByByteIsReadAndWrittenTheSame) {
    std::string b(336, '\0');
    b.replace(0, 4, "\x03\xC5sa"); // "Åsa" in Windows-1252 after its length byte
    b.replace(22, 3, "\x02pw");
    put(b, 36, 17, 4);      // result 1
    put(b, 36 + 76, -2, 4); // result 20
    b[116] = 2;             // status 1
    b[135] = 3;             // status 20
    const int firstAndLast[][2] = {
        {2026, 0x1234}, {12, 0x0102}, {6, 0x0304}, {10, 0x0506}, {30, 0x0708}};
    for (std::size_t k = 0; k < 5; ++k) { // year, month, day, hour, minute: 20 words each from 136
        put(b, 136 + 40 * k, firstAndLast[k][0], 2);
        put(b, 136 + 40 * k + 38, firstAndLast[k][1], 2);
    }
    DiagnosisRecord r;
    r.name = A("Åsa");
    r.password = A("pw");
    r.result[1] = 17;
    r.result[20] = -2;
    r.status[1] = 2;
    r.status[20] = 3;
    r.year[1] = 2026, r.month[1] = 12, r.day[1] = 6, r.hour[1] = 10, r.minute[1] = 30;
    r.year[20] = 0x1234, r.month[20] = 0x0102, r.day[20] = 0x0304, r.hour[20] = 0x0506,
    r.minute[20] = 0x0708;
    EXPECT_EQ(encodeDiagnosisRecord(r), b);
    expectSame(decodeDiagnosisRecord(b), r);
}

TEST(DiagnosisRecordLayout, RoundTripPaddingAndLengthBytesAboveTheirFields) {
    const DiagnosisRecord r = fullRecord();
    std::string b = encodeDiagnosisRecord(r);
    expectSame(decodeDiagnosisRecord(b), r);
    for (std::size_t i = 1 + r.name.size(); i < 22; ++i)
        b[i] = '\xAA';
    for (std::size_t i = 23 + r.password.size(); i < 36; ++i)
        b[i] = '\x55';
    expectSame(decodeDiagnosisRecord(b), r); // padding is ignored when read

    for (std::size_t i = 1; i < 22; ++i)
        b[i] = static_cast<char>('a' + i % 26);
    b[0] = '\xFF';
    b[22] = '\x0B';
    const DiagnosisRecord over = decodeDiagnosisRecord(b);
    EXPECT_EQ(over.name.bytes(), b.substr(1, 21)) << "held to the field";
    EXPECT_EQ(over.password.bytes(), b.substr(23, 10));
    EXPECT_EQ(over.result[1], 1007) << "the fields after the strings are not disturbed";

    DiagnosisRecord longTexts;
    longTexts.name = A(std::string(30, 'n'));
    longTexts.password = A(std::string(15, 'p'));
    const DiagnosisRecord back = decodeDiagnosisRecord(encodeDiagnosisRecord(longTexts));
    EXPECT_EQ(back.name.bytes(), std::string(21, 'n')) << "cut when written";
    EXPECT_EQ(back.password.bytes(), std::string(10, 'p'));

    EXPECT_THROW(decodeDiagnosisRecord(std::string(335, '\0')), std::invalid_argument);
    EXPECT_THROW(decodePasswordRecord(std::string(53, '\0')), std::invalid_argument);
}

TEST(PasswordRecordLayout, TwoFieldsOf27Bytes) {
    const PasswordRecord p{A("*guard"), A("*secret")};
    std::string b = encodePasswordRecord(p);
    EXPECT_EQ(b, std::string("\x06*guard", 7) + std::string(20, '\0') + "\x07*secret" +
                     std::string(19, '\0'));
    for (std::size_t i = 7; i < 27; ++i)
        b[i] = '\xCC';
    const PasswordRecord back = decodePasswordRecord(b);
    EXPECT_EQ(back.field1, p.field1);
    EXPECT_EQ(back.field2, p.field2);
    b[27] = '\xFF';
    EXPECT_EQ(decodePasswordRecord(b).field2.size(), 26u);
}

// ---- the file store ----

class DiagnosisStore : public ::testing::Test {
protected:
    TempContent content;
    fs::path dir = content.root() / "RESULTAT";
    DiagnosisFile file{dir};

    DiagnosisFileChange append(const std::string& name, const std::string& stamp = "2612061030") {
        return file.update(
            [&](std::vector<DiagnosisRecord>& records) {
                records.push_back(pupil(name));
                return true;
            },
            true, stamp);
    }
    std::string bytes(const fs::path& p) { return readWholeFile(p).value_or("<missing>"); }
    std::vector<std::string> names() { return storedNames(dir); }
};

using Names = std::vector<std::string>;

TEST_F(DiagnosisStore, AMissingFileIsCreatedByTheFirstChangeOnly) {
    EXPECT_EQ(file.read().state, DiagnosisFileContents::State::Missing);
    EXPECT_EQ(file.update([](auto&) { return true; }, false, "x").result,
              DiagnosisFileChange::Result::Missing);
    EXPECT_FALSE(fs::exists(dir / "FDIAG.DIA"));
    EXPECT_EQ(append("Anna").result, DiagnosisFileChange::Result::Written);
    EXPECT_EQ(fs::file_size(dir / "FDIAG.DIA"), 336u);
    EXPECT_EQ(names(), Names{"Anna"});
    EXPECT_FALSE(fs::exists(dir / "Slask.DI2")) << "the scratch file became the diagnosis file";
}

TEST_F(DiagnosisStore, GarbageIsKeptInACopyAndTheGoodRecordsSurviveTheNextStore) {
    const std::string truncatedLast = std::string("\x04"
                                                  "Carl",
                                                  5) +
                                      std::string(95, '\x01');
    struct Case {
        const char* what;
        std::string bytes;
        Names before;
        std::size_t stray;
    } cases[] = {
        {"a truncated last record",
         DiagnosisFile::encodeAll({pupil("Anna"), pupil("Bo")}) + truncatedLast,
         {"Anna", "Bo"},
         100},
        {"shorter than one record", "garbage", {}, 7},
        {"an empty file", "", {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir);
        content.writeRaw("RESULTAT/FDIAG.DIA", c.bytes);
        const DiagnosisFileContents read = file.read();
        EXPECT_EQ(read.state, DiagnosisFileContents::State::Read);
        EXPECT_EQ(names(), c.before) << "the whole records are used";
        EXPECT_EQ(read.strayBytes, c.stray);

        const DiagnosisFileChange r = append("Cia");
        ASSERT_EQ(r.result, DiagnosisFileChange::Result::Written);
        EXPECT_EQ(r.strayBytes, c.stray);
        if (c.stray > 0) {
            EXPECT_EQ(r.strayCopy, dir / "FDIAG-2612061030.BAD");
            EXPECT_EQ(bytes(r.strayCopy), c.bytes) << "every old byte is kept";
        }
        Names after = c.before;
        after.push_back("Cia");
        EXPECT_EQ(names(), after);
        EXPECT_EQ(fs::file_size(dir / "FDIAG.DIA"), after.size() * 336u);
        EXPECT_TRUE(append("Dan").strayCopy.empty()) << "the new file is whole";
    }
    std::string overLong = DiagnosisFile::encodeAll({pupil("Anna"), pupil("Bo")});
    overLong[336] = '\xFF'; // Bo's name length, above its field
    content.writeRaw("RESULTAT/FDIAG.DIA", overLong);
    ASSERT_EQ(append("Cia").result, DiagnosisFileChange::Result::Written);
    const Names after = names();
    ASSERT_EQ(after.size(), 3u) << "a length byte above its field loses no record";
    EXPECT_EQ(after[0], "Anna");
    EXPECT_EQ(after[2], "Cia");
}

TEST_F(DiagnosisStore, ACopyOrAPutAsideFileNeverReplacesAnEarlierOne) {
    content.writeRaw("RESULTAT/FDIAG-0101010101.BAD", "older");
    content.writeRaw("RESULTAT/FDIAG.DIA", "xyz");
    EXPECT_EQ(append("Anna", "0101010101").strayCopy, dir / "FDIAG-0101010101-2.BAD");
    EXPECT_EQ(bytes(dir / "FDIAG-0101010101.BAD"), "older");

    for (const char* name : {"First", "Second"}) {
        writePupils(content, {pupil(name)});
        const auto aside = file.putAside("0212010823");
        ASSERT_EQ(aside.result, DiagnosisFile::PutAside::Result::Done);
        EXPECT_EQ(aside.newPath,
                  dir / (name == std::string("First") ? "FR0212010823.DIS" : "FR0212010823-2.DIS"));
        EXPECT_FALSE(fs::exists(dir / "FDIAG.DIA"));
        std::size_t stray = 0;
        EXPECT_EQ(DiagnosisFile::decodeAll(bytes(aside.newPath), stray).at(0).name, A(name));
    }
    EXPECT_EQ(file.putAside("0212010823").result, DiagnosisFile::PutAside::Result::Missing);
}

TEST_F(DiagnosisStore, AScratchFileLeftByACrashDoesNotDisturb) {
    writePupils(content, {pupil("Anna"), pupil("Bo")});
    content.writeRaw("RESULTAT/Slask.DI2", std::string(500, '\x7F')); // a copy died writing it
    EXPECT_EQ(names(), (Names{"Anna", "Bo"}));
    ASSERT_EQ(append("Cia").result, DiagnosisFileChange::Result::Written);
    EXPECT_EQ(names(), (Names{"Anna", "Bo", "Cia"}));
    EXPECT_FALSE(fs::exists(dir / "Slask.DI2"));
}

TEST_F(DiagnosisStore, AFileThatCannotBeReadIsNeverOverwritten) {
    fs::create_directories(dir / "FDIAG.DIA");
    EXPECT_EQ(file.read().state, DiagnosisFileContents::State::Unreadable);
    EXPECT_EQ(append("Anna").result, DiagnosisFileChange::Result::Unreadable);
    EXPECT_TRUE(fs::is_directory(dir / "FDIAG.DIA"));
    fs::remove(dir / "FDIAG.DIA");
    // Far too large to be a diagnosis file (a sparse file, nothing is really written).
    content.writeRaw("RESULTAT/FDIAG.DIA", "x");
    fs::resize_file(dir / "FDIAG.DIA", kDiagnosisFileMaxBytes + 336);
    EXPECT_EQ(append("Anna").result, DiagnosisFileChange::Result::Unreadable);
    EXPECT_EQ(fs::file_size(dir / "FDIAG.DIA"), kDiagnosisFileMaxBytes + 336);
}

TEST_F(DiagnosisStore, TheFileIsFoundInAnyLetterCaseAndRewrittenUnderItsOwnName) {
    content.writeRaw("RESULTAT/fdiag.dia", DiagnosisFile::encodeAll({pupil("Anna")}));
    EXPECT_EQ(names(), Names{"Anna"});
    ASSERT_EQ(append("Bo").result, DiagnosisFileChange::Result::Written);
    EXPECT_EQ(fs::file_size(dir / "fdiag.dia"), 2u * 336u);
    EXPECT_FALSE(fs::exists(dir / "FDIAG.DIA"));
}
