// The record table of a word list: the 36-byte record layout, where a new score stands, the
// texts of the table, and the record file: created when first shown, stored through a scratch
// file, damaged files read without loss, a directory that cannot take the file.

#include "Fakes.h"
#include "RecordTable.h"
#include "ScoreTableFile.h"
#include "ExternalTools.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

ScoreRecord rec(const std::string& name, std::int32_t score, std::uint16_t minute = 0) {
    ScoreRecord r;
    r.name = A(name);
    r.year = 2026;
    r.month = 3;
    r.day = 14;
    r.hour = 9;
    r.minute = minute;
    r.score = score;
    return r;
}

std::vector<ScoreRecord> descending(int n, std::int32_t top, std::int32_t step) {
    std::vector<ScoreRecord> v;
    for (int i = 0; i < n; ++i)
        v.push_back(rec("Elev " + std::to_string(i + 1), top - i * step));
    return v;
}

std::vector<std::int32_t> scores(const std::vector<ScoreRecord>& v) {
    std::vector<std::int32_t> out;
    for (const ScoreRecord& r : v)
        out.push_back(r.score);
    return out;
}

} // namespace

// ---- layout ----

TEST(RecordLayout, ARecordIsWrittenByteByByte) {
    ScoreRecord r = rec("Åsa", -2, 7);
    r.year = 0x07EA; // 2026
    r.month = 0x0102;
    r.day = 0x0304;
    r.hour = 0x0506;
    const std::string b = encodeScoreRecord(r);
    std::string expected(36, '\0');
    expected.replace(0, 4, "\x03\xC5sa");
    expected.replace(22, 10, std::string("\xEA\x07\x02\x01\x04\x03\x06\x05\x07\x00", 10));
    expected.replace(32, 4, "\xFE\xFF\xFF\xFF");
    EXPECT_EQ(b, expected);
    EXPECT_EQ(decodeScoreRecord(b), r);
}

TEST(RecordLayout, ANameIsCutTo21AndAnOverlongLengthByteIsReadAs21) {
    ScoreRecord r = rec(std::string(30, 'n'), 5);
    std::string b = encodeScoreRecord(r);
    EXPECT_EQ(static_cast<unsigned char>(b[0]), 21);
    EXPECT_EQ(decodeScoreRecord(b).name, A(std::string(21, 'n')));
    b[0] = static_cast<char>(0xFF);
    EXPECT_EQ(decodeScoreRecord(b).name.size(), 21u);
    EXPECT_THROW(decodeScoreRecord(b.substr(0, 35)), std::invalid_argument);
}

// ---- placing a new entry ----

TEST(RecordPlacing, TheNewEntryStandsBeforeTheFirstStrictlyLowerScore) {
    struct Case {
        const char* name;
        std::vector<ScoreRecord> stored;
        std::int32_t score;
        int row;
        bool qualifies;
        std::vector<std::int32_t> rows;
    } cases[] = {
        {"empty table", {}, 250, 1, true, {250}},
        {"highest", {rec("a", 300), rec("b", 200)}, 400, 1, true, {400, 300, 200}},
        {"between", {rec("a", 300), rec("b", 200)}, 250, 2, true, {300, 250, 200}},
        {"equal goes after", {rec("a", 300), rec("b", 200)}, 200, 3, true, {300, 200, 200}},
        {"lowest", {rec("a", 300)}, -40, 2, true, {300, -40}},
        {"negative below zero", {rec("a", 0)}, -1, 2, true, {0, -1}},
    };
    for (const Case& c : cases) {
        const RecordPlacement p = placeRecord(c.stored, rec("ny", c.score));
        EXPECT_EQ(p.newRow, c.row) << c.name;
        EXPECT_EQ(p.qualifies, c.qualifies) << c.name;
        EXPECT_EQ(scores(p.rows), c.rows) << c.name;
        EXPECT_EQ(p.rows[static_cast<std::size_t>(p.newRow - 1)].name, A("ny")) << c.name;
    }
}

TEST(RecordPlacing, AFullTableTakesOnlyAHigherScoreAndDropsItsLowest) {
    const std::vector<ScoreRecord> full = descending(100, 1000, 5); // 1000 .. 505
    RecordPlacement low = placeRecord(full, rec("ny", 505));
    EXPECT_FALSE(low.qualifies);
    EXPECT_EQ(low.newRow, kExtraRow);
    EXPECT_EQ(scores(low.rows), scores(full));

    RecordPlacement high = placeRecord(full, rec("ny", 506));
    EXPECT_TRUE(high.qualifies);
    EXPECT_EQ(high.newRow, 100);
    ASSERT_EQ(high.rows.size(), 100u);
    EXPECT_EQ(high.rows[98].score, 510);

    RecordPlacement top = placeRecord(full, rec("ny", 2000));
    EXPECT_EQ(top.newRow, 1);
    ASSERT_EQ(top.rows.size(), 100u);
    EXPECT_EQ(top.rows.back().score, 510) << "the old hundredth is gone";

    RecordPlacement ninetyNine = placeRecord(descending(99, 1000, 5), rec("ny", -3));
    EXPECT_TRUE(ninetyNine.qualifies);
    EXPECT_EQ(ninetyNine.newRow, 100);
}

// ---- texts ----

TEST(RecordTexts, RanksDatesAndScoresAreAlignedAsTheTableShowsThem) {
    EXPECT_EQ(rankText(7), "    7");
    EXPECT_EQ(rankText(42), "  42");
    EXPECT_EQ(rankText(100), "100");
    EXPECT_EQ(dateText(rec("a", 1, 5)), "260314 09:05");
    struct Case {
        std::int32_t score;
        const char* text;
    } cases[] = {{0, "         0"},
                 {-7, "        -7"},
                 {-1234, "     -1234"},
                 {1, "         1"},
                 {9, "         9"},
                 {10, "        10"},
                 {99, "        99"},
                 {100, "      100"},
                 {999, "      999"},
                 {1000, "    1000"},
                 {10000, "   10000"},
                 {30000, "   30000"},
                 {30001, "     30001"}};
    for (const Case& c : cases)
        EXPECT_EQ(scoreText(c.score), c.text) << c.score;
    EXPECT_EQ(nameText(A("Eva")), A("   Eva"));
}

TEST(RecordTexts, TheChosenRowIsScrolledIntoView) {
    EXPECT_EQ(topRowFor(1, 20, 40), 1);
    EXPECT_EQ(topRowFor(9, 20, 40), 1);
    EXPECT_EQ(topRowFor(50, 20, 1), 40);
    EXPECT_EQ(topRowFor(89, 20, 1), 79);
    EXPECT_EQ(topRowFor(90, 20, 1), 90);
    EXPECT_EQ(topRowFor(100, 20, 1), 90);
    EXPECT_EQ(topRowFor(kExtraRow, 20, 33), 82) << "the extra row at the bottom";
    EXPECT_EQ(topRowFor(0, 20, 33), 33);
}

// ---- the file ----

struct RecordFileTest : ::testing::Test {
    TempContent content;
    fs::path dir = content.root() / "RESULTAT";
    fs::path path = dir / "GLOSOR1.FNR";
    std::string bytes() { return readWholeFile(path).value_or("<missing>"); }
};

TEST_F(RecordFileTest, TheFileIsCreatedEmptyWhenFirstShownAndGrowsByOneRecordPerStore) {
    ScoreTableFile file(path);
    ScoreTableContents c = file.readOrCreate();
    EXPECT_EQ(c.state, ScoreTableContents::State::Read);
    EXPECT_TRUE(c.records.empty());
    EXPECT_EQ(bytes(), "");

    EXPECT_EQ(file.store(rec("Eva", 300), "2603140900").result, ScoreTableStore::Result::Written);
    EXPECT_EQ(bytes(), encodeScoreRecord(rec("Eva", 300)));
    ScoreTableStore second = file.store(rec("", 450), "2603140900");
    EXPECT_EQ(second.row, 1);
    EXPECT_EQ(bytes(), encodeScoreRecord(rec("", 450)) + encodeScoreRecord(rec("Eva", 300)))
        << "an empty name is stored like any other";
    EXPECT_FALSE(fs::exists(dir / "GLOSOR1.FNR.new")) << "no scratch file is left";

    const fs::path deeper = content.root() / "NY" / "KATALOG" / "GLOSOR1.FNR";
    EXPECT_EQ(ScoreTableFile(deeper).readOrCreate().state, ScoreTableContents::State::Read);
    EXPECT_TRUE(fs::exists(deeper)) << "a missing score directory is made";
}

TEST_F(RecordFileTest, ANewEntryThatDoesNotQualifyLeavesTheFileAsItWas) {
    const std::string full = encodeScoreRecords(descending(100, 1000, 5));
    content.writeRaw("RESULTAT/GLOSOR1.FNR", full);
    ScoreTableStore s = ScoreTableFile(path).store(rec("ny", 505), "x");
    EXPECT_EQ(s.result, ScoreTableStore::Result::NotQualified);
    EXPECT_EQ(s.row, kExtraRow);
    EXPECT_EQ(bytes(), full);
}

TEST_F(RecordFileTest, ATruncatedFileIsReadAndKeptAsideBeforeTheNextStore) {
    const std::string whole = encodeScoreRecords({rec("Ola", 500), rec("Kim", 100)});
    const std::string damaged = whole + std::string("\x05Lisa", 5); // a record cut short
    content.writeRaw("RESULTAT/GLOSOR1.FNR", damaged);
    ScoreTableContents c = ScoreTableFile(path).readOrCreate();
    ASSERT_EQ(c.state, ScoreTableContents::State::Read);
    EXPECT_EQ(scores(c.records), (std::vector<std::int32_t>{500, 100}));
    EXPECT_EQ(c.strayBytes, 5u);

    ScoreTableStore s = ScoreTableFile(path).store(rec("Ny", 200), "2603140900");
    ASSERT_EQ(s.result, ScoreTableStore::Result::Written);
    EXPECT_EQ(s.asideCopy, dir / "GLOSOR1-2603140900.BAD");
    EXPECT_EQ(readWholeFile(s.asideCopy), damaged) << "the damaged bytes are kept";
    EXPECT_EQ(bytes(), encodeScoreRecords({rec("Ola", 500), rec("Ny", 200), rec("Kim", 100)}));

    ScoreTableFile(path).store(rec("Ny", 50), "2603140900");
    EXPECT_TRUE(fs::exists(dir / "GLOSOR1-2603140900.BAD"));
    EXPECT_FALSE(fs::exists(dir / "GLOSOR1-2603140900-2.BAD")) << "a clean file is not copied";
}

TEST_F(RecordFileTest, GarbageIsReadWithoutHarmAndAnOverfullFileKeptAside) {
    std::string garbage;
    for (int i = 0; i < 36 * 130 + 11; ++i)
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    content.writeRaw("RESULTAT/GLOSOR1.FNR", garbage);
    ScoreTableContents c = ScoreTableFile(path).readOrCreate();
    ASSERT_EQ(c.state, ScoreTableContents::State::Read);
    EXPECT_EQ(c.records.size(), 130u);
    for (const ScoreRecord& r : c.records)
        EXPECT_LE(r.name.size(), 21u);
    RecordPlacement p = placeRecord(c.records, rec("Ny", 30000));
    EXPECT_LE(p.rows.size(), 100u);

    ScoreTableStore s = ScoreTableFile(path).store(rec("Ny", 2147483647), "t");
    ASSERT_EQ(s.result, ScoreTableStore::Result::Written);
    EXPECT_EQ(readWholeFile(s.asideCopy), garbage);
    EXPECT_EQ(bytes().size(), 36u * 100u);
}

TEST_F(RecordFileTest, ADirectoryThatCannotHoldTheFileIsReportedAndNothingIsWritten) {
    content.writeRaw("RESULTAT/fil", "x"); // a file where a directory should be
    const fs::path blocked = dir / "fil" / "GLOSOR1.FNR";
    ScoreTableContents c = ScoreTableFile(blocked).readOrCreate();
    EXPECT_EQ(c.state, ScoreTableContents::State::NotCreated);
    EXPECT_FALSE(c.error.empty());
    ScoreTableStore s = ScoreTableFile(blocked).store(rec("Eva", 10), "t");
    EXPECT_EQ(s.result, ScoreTableStore::Result::NotWritten);
    EXPECT_FALSE(s.error.empty());

    fs::create_directories(dir / "GLOSOR2.FNR"); // a directory where the file should be
    c = ScoreTableFile(dir / "GLOSOR2.FNR").readOrCreate();
    EXPECT_EQ(c.state, ScoreTableContents::State::Unreadable);
    EXPECT_EQ(ScoreTableFile(dir / "GLOSOR2.FNR").store(rec("Eva", 10), "t").result,
              ScoreTableStore::Result::Unreadable);
}

TEST(RecordTool, ListsEveryWholeRecordAndReportsATrailingPart) {
    TempContent dir;
    std::string bytes = encodeScoreRecords({rec("Åsa", 420, 5), rec("Bo", -3, 7)});
    const auto whole = dir.writeRaw("RESULTAT/GLOSOR1.FNR", bytes);
    CommandRun run = contentTool({"records", whole.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1\tÅsa\t2026-03-14 09:05\t420\n2\tBo\t2026-03-14 09:07\t-3\n");

    const auto partial = dir.writeRaw("RESULTAT/GLOSOR2.FNR", bytes + "xyz");
    run = contentTool({"records", partial.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "1\tÅsa\t2026-03-14 09:05\t420\n2\tBo\t2026-03-14 09:07\t-3\n")
        << "the whole records are still listed";
    EXPECT_NE(run.err.find("3 byte efter 2 hela poster"), std::string::npos) << run.err;
    EXPECT_EQ(contentTool({"records", (dir.root() / "saknas.FNR").string()}).status, 1);
}

TEST_F(RecordFileTest, TwoProcessesStoringIntoOneTableKeepEveryScore) {
    // Two copies of the program on one shared score directory, each storing 20 scores at once.
    constexpr int kPerProcess = 20;
    ScoreTableFile(path).readOrCreate();
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            int failures = 0;
            for (int k = 0; k < kPerProcess; ++k) {
                ScoreTableStore s = ScoreTableFile(path).store(
                    rec("P" + std::to_string(c) + "-" + std::to_string(k), 100 + c * 100 + k), "x");
                if (s.result != ScoreTableStore::Result::Written) ++failures;
            }
            _exit(failures == 0 ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "every store was written";
    }
    ScoreTableContents c = ScoreTableFile(path).readOrCreate();
    ASSERT_EQ(c.records.size(), 2u * kPerProcess) << "no store was lost";
    EXPECT_EQ(c.strayBytes, 0u);
    for (std::size_t i = 1; i < c.records.size(); ++i)
        EXPECT_GE(c.records[i - 1].score, c.records[i].score) << "highest first";
}
