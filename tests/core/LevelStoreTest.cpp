// The level store "FXACT.STE" read and written against files built byte by byte, and the levels
// of a graded-level data file.

#include "ExternalTools.h"
#include "Fakes.h"
#include "LevelItems.h"
#include "LevelStore.h"
#include "Scrambling.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;
using namespace std::string_literals;

namespace {

// One record as the store holds it: the name's bytes, zeros to 256, the level little-endian.
std::string record(const std::string& nameBytes, std::uint32_t level) {
    std::string b(260, '\0');
    b.replace(0, nameBytes.size(), nameBytes);
    b[256] = static_cast<char>(level & 0xFF);
    b[257] = static_cast<char>((level >> 8) & 0xFF);
    b[258] = static_cast<char>((level >> 16) & 0xFF);
    b[259] = static_cast<char>((level >> 24) & 0xFF);
    return b;
}

class LevelStoreFile : public ::testing::Test {
protected:
    TempContent content;
    fs::path dir = content.root() / "RESULTAT";
    LevelStore store{dir};

    void write(const std::string& bytes) { content.writeRaw("RESULTAT/FXACT.STE", bytes); }
    std::string bytes() { return readWholeFile(dir / "FXACT.STE").value_or("<missing>"); }
    RecordFileChange save(const std::string& name, int level) {
        return store.store(A(name), level, "2612062300");
    }
    LevelFetch fetch(const std::string& name, int levels = 12) {
        return store.fetch(A(name), levels);
    }
};

using Result = RecordFileChange::Result;

} // namespace

TEST_F(LevelStoreFile, RecordsAreReadAndWrittenByteForByte) {
    // "Åsa" in Windows-1252, level 7; then a name of 255 characters and level -2.
    const std::string longName(255, 'x');
    const std::string file = record("\xC5sa", 7) + record(longName, 0xFFFFFFFEu);
    write(file);
    LevelStoreContents c = store.read();
    ASSERT_EQ(c.state, RecordFileState::Read);
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(c.records[0], (LevelRecord{A("Åsa"), 7}));
    EXPECT_EQ(c.records[1], (LevelRecord{AnsiText(longName), -2}));
    EXPECT_EQ(LevelStore::encodeAll(c.records), file);
    // A name field without a zero byte is read whole; a longer name is cut to 255 characters.
    EXPECT_EQ(LevelStore::decode(std::string(256, 'y') + "\x01\0\0\0"s).name.size(), 256u);
    EXPECT_EQ(LevelStore::encode({AnsiText(std::string(300, 'z')), 3}),
              record(std::string(255, 'z'), 3));

    // The empty store: read, nothing found, and a first level added as the only record.
    write("");
    EXPECT_EQ(store.read().records.size(), 0u);
    EXPECT_EQ(fetch("Åsa").result, LevelFetch::Result::NotStored);
    ASSERT_EQ(save("Åsa", 4).result, Result::Written);
    EXPECT_EQ(bytes(), record("\xC5sa", 4));
    EXPECT_FALSE(fs::exists(dir / "SLASK.SLK")) << "the scratch file became the store";
}

TEST_F(LevelStoreFile, FetchingFindsTheFirstUsableRecordOfTheNameInAnyLetterCase) {
    EXPECT_EQ(fetch("Eva").result, LevelFetch::Result::NoStore);
    write(record("Bo", 3) + record("EVA", 0) + record("eva", 12) + record("Eva", 5));
    LevelFetch f = fetch("Eva");
    EXPECT_EQ(f.result, LevelFetch::Result::Found);
    EXPECT_EQ(f.level, 12) << "the top level is restored; level 0 is skipped";
    EXPECT_EQ(fetch("Eva", 11).level, 5) << "a level above the file's levels is skipped";
    EXPECT_EQ(fetch("Ann").result, LevelFetch::Result::NotStored);
}

TEST_F(LevelStoreFile, StoringReplacesThePupilsRecordAndKeepsEveryOther) {
    // No store yet: level 1 is not stored, level 2 creates the store.
    EXPECT_EQ(save("Eva", 1).result, Result::Unchanged);
    EXPECT_FALSE(fs::exists(dir / "FXACT.STE"));
    EXPECT_EQ(save("Eva", 2).result, Result::Written);
    EXPECT_EQ(bytes(), record("Eva", 2));

    // A name stored twice, and records an older program would have dropped (level 1, empty name).
    write(record("Bo", 1) + record("EVA", 9) + record("", 6) + record("eva", 3));
    ASSERT_EQ(save("Eva", 4).result, Result::Written);
    EXPECT_EQ(bytes(), record("Bo", 1) + record("EVA", 4) + record("", 6) + record("eva", 4))
        << "every record of the name gets the level, in its place; nothing else changes";
    EXPECT_EQ(save("eVa", 4).result, Result::Unchanged) << "the level is stored already";
    ASSERT_EQ(save("Eva", 1).result, Result::Written) << "a lower level replaces a higher";
    EXPECT_EQ(fetch("Eva").level, 1);

    // A thousand pupils: none is lost, the new one is added at the end.
    std::string many;
    for (int k = 0; k < 1000; ++k) many += record("Elev " + std::to_string(k), 2 + k % 10);
    write(many);
    ASSERT_EQ(save("Ny", 5).result, Result::Written);
    EXPECT_EQ(bytes(), many + record("Ny", 5));
    ASSERT_EQ(save("elev 999", 12).result, Result::Written);
    const LevelStoreContents c = store.read();
    ASSERT_EQ(c.records.size(), 1001u);
    EXPECT_EQ(c.records[999], (LevelRecord{A("Elev 999"), 12}));
    EXPECT_EQ(c.records[998], (LevelRecord{A("Elev 998"), 2 + 998 % 10}));
}

TEST_F(LevelStoreFile, APartialRecordIsCopiedAsideAndAStoreThatCannotBeReadIsLeftAlone) {
    const std::string file = record("Bo", 3) + "garbage";
    write(file);
    LevelStoreContents c = store.read();
    EXPECT_EQ(c.records.size(), 1u);
    EXPECT_EQ(c.strayBytes, 7u);
    RecordFileChange r = save("Eva", 6);
    ASSERT_EQ(r.result, Result::Written);
    EXPECT_EQ(r.strayCopy, dir / "FXACT-2612062300.BAD");
    EXPECT_EQ(readWholeFile(r.strayCopy).value_or(""), file) << "every old byte is kept";
    EXPECT_EQ(bytes(), record("Bo", 3) + record("Eva", 6));

    fs::remove(dir / "FXACT.STE");
    fs::create_directories(dir / "FXACT.STE");
    EXPECT_EQ(fetch("Bo").result, LevelFetch::Result::Unreadable);
    EXPECT_EQ(save("Eva", 6).result, Result::Unreadable);
    EXPECT_TRUE(fs::is_directory(dir / "FXACT.STE"));
    fs::remove(dir / "FXACT.STE");
    write("x");
    fs::resize_file(dir / "FXACT.STE", kLevelStoreMaxBytes + 260);
    EXPECT_EQ(save("Eva", 6).result, Result::Unreadable);
    EXPECT_EQ(fs::file_size(dir / "FXACT.STE"), kLevelStoreMaxBytes + 260);
}

// A change is patched in place through a journal: a journal left by a copy killed between writing
// it and finishing the change is completed before the store is read or changed again, one cut
// short is dropped with the store untouched, and a full store still takes changes of its pupils
// but no new pupil.
TEST_F(LevelStoreFile, AChangeCutShortIsCompletedOrDroppedAndAFullStoreTakesNoNewPupil) {
    write(record("Bo", 3));
    EXPECT_EQ(save("Bo", 5).result, Result::Written);
    EXPECT_EQ(bytes(), record("Bo", 5)) << "the level patched in place";
    EXPECT_FALSE(fs::exists(dir / kLevelJournalName));

    // Killed while appending Eva: half her record is in the store.
    const std::string eva = record("Eva", 4);
    write(record("Bo", 5) + eva.substr(0, 100));
    content.writeRaw("RESULTAT/FXACT.JRN", encodeRecordJournal(record("Bo", 5), {{260, eva}}));
    LevelStoreContents c = store.read();
    EXPECT_EQ(c.strayBytes, 0u);
    EXPECT_EQ(bytes(), record("Bo", 5) + eva);
    EXPECT_FALSE(fs::exists(dir / kLevelJournalName));

    // Killed while writing the journal: the store was not touched yet.
    const std::vector<RecordPatch> boTo9{{256, "\x09\0\0\0"s}};
    std::string journal = encodeRecordJournal(bytes(), boTo9);
    content.writeRaw("RESULTAT/FXACT.JRN", journal.substr(0, journal.size() - 3));
    EXPECT_EQ(save("Eva", 6).result, Result::Written);
    EXPECT_EQ(bytes(), record("Bo", 5) + record("Eva", 6));
    EXPECT_FALSE(fs::exists(dir / kLevelJournalName));

    // Killed with the journal whole, after which a copy of an older program changed Bo's level
    // and added Siv: the journal no longer fits the store and is dropped unused.
    content.writeRaw("RESULTAT/FXACT.JRN", encodeRecordJournal(bytes(), boTo9));
    write(record("Bo", 7) + record("Eva", 6) + record("Siv", 2));
    EXPECT_EQ(fetch("Bo").level, 7);
    EXPECT_EQ(bytes(), record("Bo", 7) + record("Eva", 6) + record("Siv", 2));
    EXPECT_FALSE(fs::exists(dir / kLevelJournalName));

    std::string full;
    for (std::size_t n = 0; n < kLevelStoreMaxBytes / 260; ++n)
        full += record("P" + std::to_string(n), 2);
    write(full);
    EXPECT_EQ(save("P100", 7).result, Result::Written);
    EXPECT_EQ(fetch("p100").level, 7);
    RecordFileChange r = save("Ny elev", 3);
    EXPECT_EQ(r.result, Result::NotWritten);
    EXPECT_EQ(r.error, "filen är full");
    EXPECT_EQ(fs::file_size(dir / "FXACT.STE"), full.size());
}

// ---- the levels of a data file ----

TEST(LevelItemsTest, LevelsAreCountedAndFetchedByOneTest) {
    std::vector<AnsiText> lines;
    for (const char* l : {"$Les nombres", "; comment", "1un#ett", "1 deux#två", "2trois#tre",
                          "12douze#tolv", "123x#y", "2#", "0zéro#noll", "21vingt et un#21",
                          "quatre#fyra", "3cinq"})
        lines.push_back(A(l));
    lines.push_back(kryptrad(A("2quatre#fyra")));
    LevelItems items;
    items.readLines(lines);
    EXPECT_EQ(items.levelCount(), 2) << "levels 1 and 2; 12 stands after a gap";
    EXPECT_EQ(items.itemCount(1), 2);
    EXPECT_EQ(items.itemCount(2), 3);
    EXPECT_EQ(items.itemCount(12), 1);
    EXPECT_EQ(items.item(1, 2), A(" deux#två"));
    EXPECT_EQ(items.item(2, 3), A("quatre#fyra")) << "a scrambled line is read unscrambled";
    EXPECT_EQ(items.item(12, 1), A("douze#tolv"));
    const std::vector<std::string> expected = {
        "Rad 7: nivån 123 har fler än två siffror; raden används inte.",
        "Rad 9: nivå 0 finns inte (nivåerna är 1–20); raden används inte.",
        "Rad 10: nivå 21 finns inte (nivåerna är 1–20); raden används inte.",
        "Rad 11: raden börjar inte med ett nivånummer och används inte.",
        "Rad 12: raden har inget # efter frågan och används inte.",
        "Nivå 3 saknas; nivåerna efter den används inte.",
    };
    EXPECT_EQ(items.problems(), expected);

    std::vector<AnsiText> big;
    for (int k = 1; k <= 200; ++k) big.push_back(A("1q" + std::to_string(k) + "#a"));
    items.readLines(big);
    EXPECT_EQ(items.levelCount(), 1);
    EXPECT_EQ(items.itemCount(1), 120);
    EXPECT_EQ(items.item(1, 120), A("q120#a"));
    EXPECT_EQ(items.problems(),
              std::vector<std::string>{"Nivå 1 har 200 uppgifter; bara de första 120 används."});
    EXPECT_FALSE(items.read(fs::path("/nonexistent/FRA54110.DAT")));
}

// ---- orvela-content levels ----

TEST(LevelsTool, ListsEveryWholeRecordAndReportsAPartialOne) {
    TempContent c;
    const std::string file = record("\xC5sa", 7) + record("Bo", 0xFFFFFFFFu);
    CommandRun r = contentTool({"levels", c.writeRaw("RESULTAT/FXACT.STE", file).string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Åsa\t7\nBo\t-1\n");
    EXPECT_EQ(r.err, "");

    r = contentTool({"levels", c.writeRaw("RESULTAT/FXACT.STE", file + "xyz").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Åsa\t7\nBo\t-1\n") << "the whole records are still listed";
    EXPECT_NE(r.err.find("2 hela poster lästa, 3 byte"), std::string::npos) << r.err;

    r = contentTool({"levels", c.writeRaw("RESULTAT/FXACT.STE", "").string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(contentTool({"levels", "/no/such/FXACT.STE"}).status, 1);
    EXPECT_EQ(contentTool({"levels"}).status, 2);
}

TEST(LevelItemsTest, TheSampleCourseHasTwelveLevelsOrMoreOfEightItemsOrMore) {
    LevelItems items;
    ASSERT_TRUE(items.read(fs::path(ORVELA_SOURCE_DIR) / "content/DATA/FRA54110.DAT"));
    EXPECT_EQ(items.problems(), std::vector<std::string>{});
    EXPECT_GE(items.levelCount(), 12);
    for (int level = 1; level <= items.levelCount(); ++level) {
        EXPECT_GE(items.itemCount(level), 8) << level;
        for (int k = 1; k <= items.itemCount(level); ++k) {
            const std::string line = items.item(level, k).toUtf8();
            EXPECT_EQ(line.front(), ' ') << "a blank between the level and a number: " << line;
            const std::size_t hash = line.find('#');
            EXPECT_TRUE(hash != std::string::npos && hash + 1 < line.size() &&
                        line[hash + 1] != '#')
                << "a question and its answer: " << line;
        }
    }
}
