// The diagnosis record and password record layouts, and the diagnosis file store: stray bytes,
// a scratch file left by a crash, files that cannot be read, putting the file aside.

#include "DiagnosisFile.h"

#include "DiagnosisRecordCodec.h"
#include "Fakes.h"
#include "SafeFile.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

AnsiText A(const std::string& utf8) {
    return AnsiText::fromUtf8(utf8);
}

unsigned byteAt(const std::string& s, std::size_t i) {
    return static_cast<unsigned char>(s.at(i));
}

DiagnosisRecord named(const std::string& name, std::int32_t result1 = 0) {
    DiagnosisRecord r;
    r.name = A(name);
    r.result[1] = result1;
    return r;
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

void expectSameRecord(const DiagnosisRecord& a, const DiagnosisRecord& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.password, b.password);
    for (std::size_t n = 1; n <= 20; ++n) {
        EXPECT_EQ(a.result[n], b.result[n]) << n;
        EXPECT_EQ(a.status[n], b.status[n]) << n;
        EXPECT_EQ(a.year[n], b.year[n]) << n;
        EXPECT_EQ(a.month[n], b.month[n]) << n;
        EXPECT_EQ(a.day[n], b.day[n]) << n;
        EXPECT_EQ(a.hour[n], b.hour[n]) << n;
        EXPECT_EQ(a.minute[n], b.minute[n]) << n;
    }
}

std::string fileBytes(const fs::path& p) {
    return readWholeFile(p).value_or("<missing>");
}

} // namespace

// ---- record layouts ----

TEST(DiagnosisRecordLayout, FieldsSitAtTheirOffsetsLittleEndian) {
    DiagnosisRecord r;
    r.name = A("Åsa");
    r.password = A("pw");
    r.result[1] = 17;
    r.result[20] = -2;
    r.status[1] = 2;
    r.status[20] = 3;
    r.year[1] = 2026;
    r.month[1] = 12;
    r.day[1] = 6;
    r.hour[1] = 10;
    r.minute[1] = 30;
    r.year[20] = 0x1234;
    r.month[20] = 0x0102;
    r.day[20] = 0x0304;
    r.hour[20] = 0x0506;
    r.minute[20] = 0x0708;
    std::string b = encodeDiagnosisRecord(r);
    ASSERT_EQ(b.size(), 336u);

    EXPECT_EQ(byteAt(b, 0), 3u);
    EXPECT_EQ(byteAt(b, 1), 0xC5u) << "Å in Windows-1252";
    EXPECT_EQ(b.substr(2, 2), "sa");
    EXPECT_EQ(byteAt(b, 22), 2u);
    EXPECT_EQ(b.substr(23, 2), "pw");
    EXPECT_EQ(b.substr(36, 4), std::string("\x11\0\0\0", 4));
    EXPECT_EQ(b.substr(36 + 76, 4), "\xFE\xFF\xFF\xFF");
    EXPECT_EQ(byteAt(b, 116), 2u);
    EXPECT_EQ(byteAt(b, 135), 3u);
    EXPECT_EQ(b.substr(136, 2), "\xEA\x07");
    EXPECT_EQ(b.substr(174, 2), "\x34\x12");
    EXPECT_EQ(b.substr(176, 2), std::string("\x0C\0", 2));
    EXPECT_EQ(b.substr(214, 2), "\x02\x01");
    EXPECT_EQ(b.substr(216, 2), std::string("\x06\0", 2));
    EXPECT_EQ(b.substr(254, 2), "\x04\x03");
    EXPECT_EQ(b.substr(256, 2), std::string("\x0A\0", 2));
    EXPECT_EQ(b.substr(294, 2), "\x06\x05");
    EXPECT_EQ(b.substr(296, 2), std::string("\x1E\0", 2));
    EXPECT_EQ(b.substr(334, 2), "\x08\x07");
    EXPECT_EQ(b.substr(4, 18), std::string(18, '\0')) << "padding after the name is zero";
    EXPECT_EQ(b.substr(33, 3), std::string(3, '\0'));
}

TEST(DiagnosisRecordLayout, RoundTripKeepsEveryField) {
    DiagnosisRecord r = fullRecord();
    expectSameRecord(decodeDiagnosisRecord(encodeDiagnosisRecord(r)), r);
}

TEST(DiagnosisRecordLayout, PaddingIsIgnoredWhenRead) {
    DiagnosisRecord r = fullRecord();
    std::string b = encodeDiagnosisRecord(r);
    for (std::size_t i = 1 + r.name.size(); i < 22; ++i)
        b[i] = '\xAA';
    for (std::size_t i = 23 + r.password.size(); i < 36; ++i)
        b[i] = '\x55';
    expectSameRecord(decodeDiagnosisRecord(b), r);
}

TEST(DiagnosisRecordLayout, OverLongLengthBytesAreClampedToTheField) {
    std::string b = encodeDiagnosisRecord(fullRecord());
    for (std::size_t i = 1; i < 22; ++i)
        b[i] = static_cast<char>('a' + i % 26);
    b[0] = '\xFF';
    b[22] = '\x0B';
    DiagnosisRecord r = decodeDiagnosisRecord(b);
    EXPECT_EQ(r.name.bytes(), b.substr(1, 21));
    EXPECT_EQ(r.password.size(), 10u);
    EXPECT_EQ(r.password.bytes(), b.substr(23, 10));
    EXPECT_EQ(r.result[1], 1007) << "the fields after the strings are not disturbed";
}

TEST(DiagnosisRecordLayout, TooLongTextsAreCutWhenWritten) {
    DiagnosisRecord r;
    r.name = A(std::string(30, 'n'));
    r.password = A(std::string(15, 'p'));
    DiagnosisRecord back = decodeDiagnosisRecord(encodeDiagnosisRecord(r));
    EXPECT_EQ(back.name.bytes(), std::string(21, 'n'));
    EXPECT_EQ(back.password.bytes(), std::string(10, 'p'));
}

TEST(DiagnosisRecordLayout, ShortInputIsRefusedNotOverread) {
    EXPECT_THROW(decodeDiagnosisRecord(std::string(335, '\0')), std::invalid_argument);
    EXPECT_THROW(decodePasswordRecord(std::string(53, '\0')), std::invalid_argument);
}

TEST(PasswordRecordLayout, TwoFieldsOf27Bytes) {
    PasswordRecord p{A("*guard"), A("*secret")};
    std::string b = encodePasswordRecord(p);
    ASSERT_EQ(b.size(), 54u);
    EXPECT_EQ(byteAt(b, 0), 6u);
    EXPECT_EQ(b.substr(1, 6), "*guard");
    EXPECT_EQ(byteAt(b, 27), 7u);
    EXPECT_EQ(b.substr(28, 7), "*secret");
    EXPECT_EQ(b.substr(35), std::string(19, '\0'));

    for (std::size_t i = 7; i < 27; ++i)
        b[i] = '\xCC';
    PasswordRecord back = decodePasswordRecord(b);
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

    void writeRecords(const std::vector<DiagnosisRecord>& records, const std::string& extra = {}) {
        content.writeRaw("RESULTAT/FDIAG.DIA", DiagnosisFile::encodeAll(records) + extra);
    }
    DiagnosisFileChange append(const DiagnosisRecord& r, const std::string& stamp = "2612061030") {
        return file.update(
            [&](std::vector<DiagnosisRecord>& records) {
                records.push_back(r);
                return true;
            },
            true, stamp);
    }
    std::vector<std::string> names() {
        std::vector<std::string> out;
        for (const DiagnosisRecord& r : file.read().records)
            out.push_back(r.name.toUtf8());
        return out;
    }
};

TEST_F(DiagnosisStore, MissingFileIsCreatedByTheFirstChangeOnly) {
    EXPECT_EQ(file.read().state, DiagnosisFileContents::State::Missing);
    auto none = file.update([](auto&) { return true; }, false, "x");
    EXPECT_EQ(none.result, DiagnosisFileChange::Result::Missing);
    EXPECT_FALSE(fs::exists(dir / "FDIAG.DIA"));

    EXPECT_EQ(append(named("Anna")).result, DiagnosisFileChange::Result::Written);
    EXPECT_EQ(fs::file_size(dir / "FDIAG.DIA"), 336u);
    EXPECT_EQ(names(), std::vector<std::string>{"Anna"});
    EXPECT_FALSE(fs::exists(dir / "Slask.DI2")) << "the scratch file became the diagnosis file";
}

TEST_F(DiagnosisStore, StrayBytesAreKeptInACopyBeforeTheFirstRewrite) {
    std::string stray = std::string("\x04"
                                    "Carl",
                                    5) +
                        std::string(95, '\x01');
    writeRecords({named("Anna", 12), named("Bo", 3)}, stray);
    std::string original = fileBytes(dir / "FDIAG.DIA");

    DiagnosisFileContents c = file.read();
    EXPECT_EQ(c.state, DiagnosisFileContents::State::Read);
    EXPECT_EQ(c.records.size(), 2u) << "the whole records are used";
    EXPECT_EQ(c.strayBytes, 100u);

    DiagnosisFileChange r = append(named("Cia"), "2612061030");
    ASSERT_EQ(r.result, DiagnosisFileChange::Result::Written);
    EXPECT_EQ(r.strayBytes, 100u);
    EXPECT_EQ(r.strayCopy, dir / "FDIAG-2612061030.BAD");
    EXPECT_EQ(fileBytes(dir / "FDIAG-2612061030.BAD"), original) << "every old byte is kept";
    EXPECT_EQ(fs::file_size(dir / "FDIAG.DIA"), 3u * 336u);
    EXPECT_EQ(names(), (std::vector<std::string>{"Anna", "Bo", "Cia"}));

    // The new file is whole: the next change sets nothing aside.
    DiagnosisFileChange again = append(named("Dan"), "2612061030");
    EXPECT_TRUE(again.strayCopy.empty());
    EXPECT_FALSE(fs::exists(dir / "FDIAG-2612061030-2.BAD"));
}

TEST_F(DiagnosisStore, AFileShorterThanOneRecordIsAllStray) {
    content.writeRaw("RESULTAT/FDIAG.DIA", "garbage");
    EXPECT_TRUE(file.read().records.empty());
    EXPECT_EQ(file.read().strayBytes, 7u);
    DiagnosisFileChange r = append(named("Anna"), "0101010101");
    ASSERT_EQ(r.result, DiagnosisFileChange::Result::Written);
    EXPECT_EQ(fileBytes(r.strayCopy), "garbage");
    EXPECT_EQ(names(), std::vector<std::string>{"Anna"});
}

TEST_F(DiagnosisStore, ACopyNeverReplacesAnEarlierCopy) {
    content.writeRaw("RESULTAT/FDIAG-0101010101.BAD", "older");
    content.writeRaw("RESULTAT/FDIAG.DIA", "xyz");
    DiagnosisFileChange r = append(named("Anna"), "0101010101");
    EXPECT_EQ(r.strayCopy, dir / "FDIAG-0101010101-2.BAD");
    EXPECT_EQ(fileBytes(dir / "FDIAG-0101010101.BAD"), "older");
}

TEST_F(DiagnosisStore, AScratchFileLeftByACrashDoesNotDisturb) {
    writeRecords({named("Anna", 12), named("Bo", 3)});
    // A copy of the program died while writing its scratch file.
    content.writeRaw("RESULTAT/Slask.DI2", std::string(500, '\x7F'));
    EXPECT_EQ(names(), (std::vector<std::string>{"Anna", "Bo"}));
    ASSERT_EQ(append(named("Cia")).result, DiagnosisFileChange::Result::Written);
    EXPECT_EQ(names(), (std::vector<std::string>{"Anna", "Bo", "Cia"}));
    EXPECT_FALSE(fs::exists(dir / "Slask.DI2"));
}

TEST_F(DiagnosisStore, AFileThatCannotBeReadIsNeverOverwritten) {
    fs::create_directories(dir / "FDIAG.DIA");
    EXPECT_EQ(file.read().state, DiagnosisFileContents::State::Unreadable);
    EXPECT_EQ(append(named("Anna")).result, DiagnosisFileChange::Result::Unreadable);
    EXPECT_TRUE(fs::is_directory(dir / "FDIAG.DIA"));
    fs::remove(dir / "FDIAG.DIA");

    // Far too large to be a diagnosis file (a sparse file, nothing is really written).
    content.writeRaw("RESULTAT/FDIAG.DIA", "x");
    fs::resize_file(dir / "FDIAG.DIA", kDiagnosisFileMaxBytes + 336);
    EXPECT_EQ(append(named("Anna")).result, DiagnosisFileChange::Result::Unreadable);
    EXPECT_EQ(fs::file_size(dir / "FDIAG.DIA"), kDiagnosisFileMaxBytes + 336);
}

TEST_F(DiagnosisStore, TheFileIsFoundInAnyLetterCaseAndRewrittenUnderItsOwnName) {
    content.writeRaw("RESULTAT/fdiag.dia", DiagnosisFile::encodeAll({named("Anna")}));
    EXPECT_EQ(names(), std::vector<std::string>{"Anna"});
    ASSERT_EQ(append(named("Bo")).result, DiagnosisFileChange::Result::Written);
    EXPECT_EQ(fs::file_size(dir / "fdiag.dia"), 2u * 336u);
    EXPECT_FALSE(fs::exists(dir / "FDIAG.DIA"));
}

TEST_F(DiagnosisStore, PutAsideNeverReplacesAnEarlierPutAsideFile) {
    writeRecords({named("First")});
    auto a = file.putAside("0212010823");
    ASSERT_EQ(a.result, DiagnosisFile::PutAside::Result::Done);
    EXPECT_EQ(a.newPath, dir / "FR0212010823.DIS");
    EXPECT_FALSE(fs::exists(dir / "FDIAG.DIA"));

    writeRecords({named("Second")});
    auto b = file.putAside("0212010823");
    ASSERT_EQ(b.result, DiagnosisFile::PutAside::Result::Done);
    EXPECT_EQ(b.newPath, dir / "FR0212010823-2.DIS");
    std::size_t stray = 0;
    EXPECT_EQ(DiagnosisFile::decodeAll(fileBytes(a.newPath), stray)[0].name, A("First"));
    EXPECT_EQ(DiagnosisFile::decodeAll(fileBytes(b.newPath), stray)[0].name, A("Second"));

    EXPECT_EQ(file.putAside("0212010823").result, DiagnosisFile::PutAside::Result::Missing);
}
