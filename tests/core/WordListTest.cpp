// Word lists of the vocabulary exercise: which lines are items, the header lines, fetching item n,
// the list files of a directory, display names and program numbers, list numbers, the item order,
// the list of mistakes and the points of a right answer.

#include "Fakes.h"
#include "Scrambling.h"
#include "VocabularyRules.h"
#include "WordList.h"

#include <gtest/gtest.h>

#include <set>

using namespace orvela;
using namespace orvela::testing;

// ---- reading a list ----

TEST(WordListLines, ItemLinesAreThoseWithAHashInsideThemAndNoCommentOrHeaderMark) {
    struct Case {
        const char* line;
        bool item;
    } cases[] = {
        {"hund#chien", true},
        {"a#b", true},
        {"#chien", false},      // the hash must not be the first character
        {"hund#", false},       // nor the last
        {"hund", false},        // no hash at all
        {";hund#chien", false}, // a comment
        {"$Rubrik#x", false},   // a header line
        {"", false},
        {"en hund#un chien#&chien", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isWordListItem(A(c.line)), c.item) << c.line;
    EXPECT_TRUE(isWordListItem(kryptrad(A("hund#chien"))))
        << "scrambled lines are judged unscrambled";
}

TEST(WordListLines, ScanReadsTheHeaderOfTheFirstThreeLinesAndCountsItems) {
    TempContent c;
    const auto path =
        c.write("DATA/X.fr1", {"$Ordförråd", "$§Översätt till franska.", "$Lätta glosor",
                               "$Inte en rubrik", "; kommentar", "hund#chien", "", "utan svar",
                               "katt#chat", kryptrad(A("häst#cheval")).toUtf8()});
    std::optional<WordListScan> scan = scanWordList(path);
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->itemCount, 3);
    EXPECT_EQ(scan->headingCount, 2);
    EXPECT_EQ(scan->headings[1], A("Ordförråd"));
    EXPECT_EQ(scan->headings[2], A("Lätta glosor")) << "a \"$\" line after line 3 is no heading";
    EXPECT_EQ(scan->instruction, A("Översätt till franska."));
    EXPECT_FALSE(scanWordList(c.root() / "DATA" / "saknas.fr1"));
}

TEST(WordListLines, ItemNIsTheNthLineTheCountSaw) {
    TempContent c;
    // A line without a hash is not counted, so it must not be fetched either.
    const auto path =
        c.write("DATA/X.fr1", {"$R", "ett#un", "felaktig rad", "två#deux", "tre#trois"});
    EXPECT_EQ(readWordListItem(path, 1), A("ett#un"));
    EXPECT_EQ(readWordListItem(path, 2), A("två#deux"));
    EXPECT_EQ(readWordListItem(path, 3), A("tre#trois"));
    EXPECT_FALSE(readWordListItem(path, 4));
    EXPECT_FALSE(readWordListItem(path, 0));
}

TEST(WordListFiles, TheListsOfAKindAreFoundWithoutRegardToCaseAndSortedByName) {
    TempContent c;
    for (const char* name :
         {"glosor2.FR1", "FRASER.fr1", "GLOSOR1.fr1", "KLAEDER.fr2", "x.fr10", "fr1"})
        c.write(std::string("DATA/") + name, {"a#b"});
    EXPECT_EQ(listWordLists(c.root() / "DATA", wordListExtension(1001)),
              (std::vector<std::string>{"FRASER.fr1", "GLOSOR1.fr1", "glosor2.FR1"}));
    EXPECT_EQ(listWordLists(c.root() / "DATA", wordListExtension(1002)),
              (std::vector<std::string>{"KLAEDER.fr2"}));
    EXPECT_TRUE(listWordLists(c.root() / "DATA", wordListExtension(1000)).empty());
    EXPECT_TRUE(listWordLists(c.root() / "SAKNAS", ".fr1").empty());
}

// ---- names ----

TEST(WordListNames, DisplayNamesComeFromTheLongNameTable) {
    const auto table = longanamn();
    struct Case {
        const char* file;
        const char* shown;
    } cases[] = {
        {"GLOSOR1.fr1", "Mycket lätta glosor"},
        {"glosor1.fr1", "Mycket lätta glosor"}, // letter case ignored
        {"Klaeder.fr2", "Kläder"},
        {"NATSPRAK.fr2", "Land - språk"},
        {"REGVERB.fr2", "Regelbundna verb"},
        {"glosor_1.fr1", "glosor_1"},             // not in the table: the stem itself
        {"ABCDEFGHIJKLMNOP.fr1", "ABCDEFGHIJKL"}, // cut to 12 before the lookup
        {"GLOSOR1XXXXXXX.fr1", "GLOSOR1XXXXX"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(longfilnamn(wordListStem(A(c.file)), table), A(c.shown)) << c.file;
    for (std::size_t k = 14; k <= kLongNameEntries; ++k)
        EXPECT_TRUE(table[k].empty());
    for (const AnsiText& e : table)
        EXPECT_LE(e.size(), 33u);
}

TEST(WordListNames, OnlyTheGlosorFilesSpelledExactlySoSetTheirOwnProgramNumber) {
    struct Case {
        const char* file;
        int program;
    } cases[] = {
        {"glosor_1.fr1", 1001}, {"glosor_2.fr2", 1002}, {"glosor_3.fr3", 1003},
        {"glosor_4.fr4", 1004}, {"GLOSOR_1.fr1", 1000}, {"glosor_1.fr2", 1000},
        {"GLOSOR1.fr1", 1000},  {"glosor_1.FR1", 1000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wordListProgramNumber(c.file), c.program) << c.file;
}

TEST(WordListNames, TheRecordFileIsTheNameUpToItsFirstDot) {
    EXPECT_EQ(recordFileFor("/r/RESULTAT/", "GLOSOR1.fr1"), "/r/RESULTAT/GLOSOR1.FNR");
    EXPECT_EQ(recordFileFor("/r/", "a.b.fr2"), "/r/a.FNR");
}

TEST(WordListNames, AListKeepsItsNumberAndGeneralAndSpecialListsNeverShareOne) {
    std::vector<std::string> names;
    EXPECT_EQ(wordListNumber(names, "GLOSOR1.fr1"), 1);
    EXPECT_EQ(wordListNumber(names, "ADJECTIF.fr2"), 2);
    EXPECT_EQ(wordListNumber(names, "GLOSOR1.fr1"), 1);
    EXPECT_EQ(wordListNumber(names, "GLOSOR2.fr1"), 3);
    names.resize(kMaxWordLists, "x");
    EXPECT_EQ(wordListNumber(names, "NY.fr1"), 0) << "no number left";
}

// ---- item order ----

TEST(WordListOrder, ItemsComeInTheSharedOrderWithoutRepeatingUntilAllWereAsked) {
    OneBased<std::int32_t, kRandomOrderSize> order;
    for (std::size_t i = 1; i <= kRandomOrderSize; ++i)
        order[i] = static_cast<std::int32_t>(kRandomOrderSize + 1 - i); // 1000, 999, ... 1
    std::int32_t position = 1;
    std::vector<int> drawn;
    for (int k = 0; k < 8; ++k)
        drawn.push_back(HaemtaOrdnummer(position, 3, order));
    EXPECT_EQ(drawn, (std::vector<int>{3, 2, 1, 3, 2, 1, 3, 2}));
    EXPECT_EQ(position, 3);

    std::int32_t p = 1;
    std::set<int> seen;
    for (int k = 0; k < 1000; ++k)
        seen.insert(HaemtaOrdnummer(p, 1500, order));
    EXPECT_EQ(seen.size(), 1000u) << "a list longer than the order cycles through its first 1000";
    EXPECT_EQ(*seen.rbegin(), 1000);
    std::int32_t stale = 40;
    EXPECT_EQ(HaemtaOrdnummer(stale, 5, order), 5) << "a position past a shrunk list starts again";
}

// ---- mistakes ----

TEST(WordListMistakes, EachListCorrectsItsOwnOldestMistakeFirst) {
    WordListErrorPairs pairs;
    WordListErrorCounts counts;
    appendWordListError(pairs, counts, 7, 1);
    appendWordListError(pairs, counts, 3, 2);
    appendWordListError(pairs, counts, 9, 1);
    EXPECT_EQ(firstWordListError(pairs, 1), 7);
    EXPECT_EQ(firstWordListError(pairs, 2), 3);
    EXPECT_EQ(wordListErrorCount(counts, 1), 2);

    moveWordListErrorToEnd(pairs, 1); // 7 answered wrongly again
    EXPECT_EQ(firstWordListError(pairs, 1), 9);
    removeWordListError(pairs, counts, 1); // 9 answered right
    EXPECT_EQ(firstWordListError(pairs, 1), 7);
    EXPECT_EQ(wordListErrorCount(counts, 1), 1);
    removeWordListError(pairs, counts, 1);
    removeWordListError(pairs, counts, 1); // nothing left: no harm
    EXPECT_EQ(firstWordListError(pairs, 1), 0);
    EXPECT_EQ(wordListErrorCount(counts, 1), 0);
    EXPECT_EQ(firstWordListError(pairs, 2), 3);

    appendWordListError(pairs, counts, 4, 51); // every list keeps its mistakes, the 51st too
    EXPECT_EQ(firstWordListError(pairs, 51), 4);
    EXPECT_EQ(wordListErrorCount(counts, 51), 1);
    appendWordListError(pairs, counts, 5, 1001); // a number no list can have: nothing kept
    EXPECT_EQ(wordListErrorCount(counts, 1001), 0);
}

TEST(WordListMistakes, The201stMistakePushesOutTheOldestAndLowersItsListsCount) {
    WordListErrorPairs pairs;
    WordListErrorCounts counts;
    appendWordListError(pairs, counts, 1, 5);
    for (int i = 2; i <= 200; ++i)
        appendWordListError(pairs, counts, i, 6);
    ASSERT_EQ(wordListErrorCount(counts, 5), 1);
    appendWordListError(pairs, counts, 201, 6);
    EXPECT_EQ(wordListErrorCount(counts, 5), 0);
    EXPECT_EQ(firstWordListError(pairs, 5), 0);
    EXPECT_EQ(wordListErrorCount(counts, 6), 200);
    EXPECT_EQ(pairs[200].item, 201);
    EXPECT_EQ(pairs[1].item, 2);
}

// ---- points ----

TEST(VocabularyPoints, TheScoreOfARightAnswerFromTheClock) {
    FakeClock clock;
    Stopwatch watch(&clock);
    struct Case {
        const char* name;
        DateTime start, stop;
        std::size_t length;
        bool lamp;
        long hundredths;
        double points;
    } cases[] = {
        {"seven letters in 3.5 s",
         {2026, 1, 1, 10, 0, 0, 0},
         {2026, 1, 1, 10, 0, 3, 500},
         7,
         false,
         350,
         100},
        {"the lamp halves it",
         {2026, 1, 1, 10, 0, 0, 0},
         {2026, 1, 1, 10, 0, 3, 500},
         7,
         true,
         350,
         50},
        {"at once", {2026, 1, 1, 9, 0, 0, 0}, {2026, 1, 1, 9, 0, 0, 0}, 5, false, 0, 105},
        {"a minute costs 120",
         {2026, 1, 1, 9, 0, 0, 0},
         {2026, 1, 1, 9, 1, 0, 0},
         10,
         false,
         6000,
         -10},
        {"over midnight",
         {2026, 1, 1, 23, 59, 59, 0},
         {2026, 1, 2, 0, 0, 1, 0},
         4,
         false,
         200,
         100},
    };
    for (const Case& c : cases) {
        clock.time = c.start;
        watch.start();
        clock.time = c.stop;
        const long t = watch.stop(1);
        EXPECT_EQ(t, c.hundredths) << c.name;
        EXPECT_DOUBLE_EQ(answerPoints(c.length, t, c.lamp), c.points) << c.name;
    }
    clock.time = {2026, 1, 1, 10, 0, 0, 0};
    watch.start();
    clock.time = {2026, 1, 1, 10, 0, 1, 234};
    EXPECT_EQ(watch.stop(0), 1234);
    EXPECT_EQ(watch.stop(2), 12);
    EXPECT_EQ(watch.stop(3), 1);
}
