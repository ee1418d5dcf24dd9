// Data files: the file table, counting, headers, reading and splitting items, the item order.

#include "DataFile.h"
#include "Fakes.h"
#include "Scrambling.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

// A shell whose file table holds the given files.
void prepare(ShellFixture& f) {
    ASSERT_TRUE(f.shell.HaemtaFilTabell());
    f.shell.SkapaSlumptal(1, 1000);
}

std::vector<std::string> fields(const SharedState& s) {
    std::vector<std::string> out;
    for (int k = 1; k <= s.ItemFieldCount; ++k)
        out.push_back(s.ItemFields[static_cast<std::size_t>(k)].toUtf8());
    return out;
}

} // namespace

TEST(FileTable, ListsTheDataDirectorySortedByCharacterCodeAndNeedsIt) {
    ShellFixture f;
    f.content.write("DATA/FRB00002.DAT", {"a#b"});
    f.content.write("DATA/fra00001.dat", {"a#b"});
    f.content.write("DATA/OTHER.DAT", {"a#b"});
    f.content.write("DATA/FROM9001.LOV", {"Bravo"});
    prepare(f);
    ASSERT_EQ(f.s.FileTableCount, 2);
    EXPECT_EQ(f.s.FileTable[1].bytes(), "FRA00001.DAT");
    EXPECT_EQ(f.s.FileTable[2].bytes(), "FRB00002.DAT");
    ASSERT_EQ(f.s.PraiseFileCount, 1);
    EXPECT_EQ(f.s.PraiseFileTable[1].bytes(), "FROM9001.LOV");

    std::filesystem::remove_all(f.content.root() / "DATA");
    EXPECT_FALSE(f.shell.HaemtaFilTabell()) << "no DATA directory ends the start-up";
    EXPECT_EQ(f.messages.shown, std::vector<std::string>{"Kan inte hitta katalogen " +
                                                         f.content.root().string() + "/DATA"});
}

TEST(FileTable, ListFileKeepsItsOrderAndLimitsAndIgnoresUnsafeNames) {
    ShellFixture f;
    std::vector<std::string> lines = {"",
                                      "   ",
                                      "garbage line",
                                      "../FRX.DAT",
                                      "sub/FRY.DAT",
                                      "..\\FRZ.DAT",
                                      "FROM9002.LOV",
                                      "  FRB.DAT  ",
                                      "FRA.DAT"};
    for (int i = 0; i < 200; ++i)
        lines.push_back("FRN" + std::to_string(1000 + i) + ".DAT");
    for (int i = 0; i < 30; ++i)
        lines.push_back("FROM" + std::to_string(8000 + i) + ".LOV");
    f.content.write("DATA/datfiler.fra", lines);
    prepare(f);
    EXPECT_EQ(f.s.FileTableCount, 172);
    EXPECT_EQ(f.s.FileTable[1].bytes(), "FRB.DAT") << "list order, surrounding blanks dropped";
    EXPECT_EQ(f.s.FileTable[2].bytes(), "FRA.DAT");
    EXPECT_EQ(f.s.FileTable[172].bytes(), "FRN1169.DAT");
    EXPECT_EQ(f.s.PraiseFileCount, 20);
    EXPECT_EQ(f.s.PraiseFileTable[1].bytes(), "FROM9002.LOV");
    for (int i = 1; i <= f.s.FileTableCount; ++i)
        EXPECT_EQ(f.s.FileTable[static_cast<std::size_t>(i)].bytes().find('/'), std::string::npos);
}

TEST(Kolla, CountsItemsAndReadsHeaders) {
    ShellFixture f;
    std::string longHeading(100, 'x');
    f.content.write("DATA/FRA51120.DAT",
                    {"$Rubrik ett", "$§Översätt.", "$%Anteckning", "$Två", "$Tre", "$Fyra",
                     "; comment", "", "hus#maison", "$" + longHeading, "*", "bil#voiture", ""});
    prepare(f);
    f.s.CurrentDataFile = A("FRA51120.DAT");
    ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    EXPECT_EQ(f.s.ItemCount[1], 3) << "items: two plain lines and a (scrambled-marker) line";
    EXPECT_EQ(f.s.HeadingLines[1].toUtf8(), "Rubrik ett");
    EXPECT_EQ(f.s.HeadingLines[2].toUtf8(), "Två");
    EXPECT_EQ(f.s.HeadingLines[3].toUtf8(), std::string(80, 'x'))
        << "a later heading replaces the third, cut to 80";
    EXPECT_EQ(f.s.InstructionText.toUtf8(), "Översätt.");
    EXPECT_EQ(f.s.WorksheetNote.toUtf8(), "Anteckning");

    // A second visit reads only the first six lines for headers.
    ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    EXPECT_EQ(f.s.HeadingLines[3].toUtf8(), "Fyra");
}

TEST(Kolla, RefusesFilesWithoutItemsMissingFilesAndUnknownNames) {
    ShellFixture f;
    f.content.write("DATA/FRA00001.DAT", {"$Bara rubrik", "; och kommentar", ""});
    f.content.write("DATA/FRA00002.DAT", {"a#b"});
    prepare(f);
    std::filesystem::remove(f.content.root() / "DATA/FRA00002.DAT");

    f.s.CurrentDataFile = A("FRA00001.DAT");
    EXPECT_FALSE(f.shell.Kolla(f.s.CurrentDataFile));
    EXPECT_EQ(f.messages.shown.back(), "Filen FRA00001.DAT finns inte eller är felaktig");
    EXPECT_EQ(f.s.ItemCount[1], 0);

    f.messages.shown.clear();
    f.s.CurrentDataFile = A("FRA00002.DAT");
    EXPECT_FALSE(f.shell.Kolla(f.s.CurrentDataFile));
    EXPECT_EQ(f.messages.shown.size(), 2u) << "the reader and the check both report";

    f.messages.shown.clear();
    f.s.CurrentDataFile = A("FRA99999.DAT");
    EXPECT_FALSE(f.shell.Kolla(f.s.CurrentDataFile));
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Filen FRA99999.DAT finns inte eller är felaktig");
}

TEST(Kolla, SurvivesHugeLinesManyFieldsControlBytesAndManyItems) {
    ShellFixture f;
    f.content.writeRaw("DATA/FRA00001.DAT", std::string(100000, 'q') + "\r\n");
    std::string many;
    for (int i = 0; i < 60; ++i)
        many += "f" + std::to_string(i) + "#";
    f.content.writeRaw("DATA/FRA00002.DAT", "a#&" + many + "\r\n");
    f.content.writeRaw("DATA/FRA00003.DAT", std::string("a\0b#\x01\x02\x7f#c\r\n\0\0\r\n", 15));
    std::string big;
    for (int i = 1; i <= 5000; ++i)
        big += "q" + std::to_string(i) + "#a" + std::to_string(i) + "\n";
    f.content.writeRaw("DATA/FRA00004.DAT", big);
    prepare(f);

    f.s.CurrentDataFile = A("FRA00001.DAT");
    ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    f.shell.haemtaord(f.s.CurrentDataFile, 1);
    f.shell.str_postarray(f.s.CurrentLine);
    EXPECT_EQ(f.s.ItemFields[1].size(), 100000u);

    f.s.CurrentDataFile = A("FRA00002.DAT");
    ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    f.shell.haemtaord(f.s.CurrentDataFile, 1);
    f.shell.str_postarray(f.s.CurrentLine);
    EXPECT_EQ(f.s.ItemFieldCount, 10);
    EXPECT_EQ(f.s.AltFieldCount, 9);
    EXPECT_EQ(f.shell.svarstest(f.s.ItemFields[2], A("zzz"), 3), 60000);

    f.s.CurrentDataFile = A("FRA00003.DAT");
    ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    EXPECT_EQ(f.s.ItemCount[3], 2);

    f.s.CurrentDataFile = A("FRA00004.DAT");
    ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    EXPECT_EQ(f.s.ItemCount[4], 5000);
    for (int i = 0; i < 2500; ++i) {
        int item = f.shell.haemta_slumptal(f.s.DrawCursor[4], 4);
        ASSERT_GE(item, 1);
        ASSERT_LE(item, 1000) << "only items 1..1000 can be drawn";
    }
}

TEST(ItemFields, SplittingRules) {
    ShellFixture f;
    struct Case {
        const char* line;
        std::vector<std::string> fields;
        int alternatives;
    } cases[] = {
        {"hus#maison#&la maison", {"hus", "maison", "la maison"}, 1},
        {"a# b#&c#d", {"a", "b", "c", "d"}, 2},
        {"  spaced #   #x", {"spaced ", " ", "x"}, 0},
        {"a##&b", {"a", "", "b"}, 1},
        {"a#&#b", {"a", "", "b"}, 1},
        {"1#2#3#4#5#6#7#8#9#10#11#12", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "101112"}, 0},
        {"a#b#", {"a", "b"}, 0},
    };
    for (const Case& c : cases) {
        f.shell.str_postarray(A(c.line));
        EXPECT_EQ(fields(f.s), c.fields) << c.line;
        EXPECT_EQ(f.s.AltFieldCount, c.alternatives) << c.line;
    }
    // A scrambled line is unscrambled first.
    f.shell.str_postarray(kryptrad(A("hus#maison#&la maison")));
    EXPECT_EQ(fields(f.s), (std::vector<std::string>{"hus", "maison", "la maison"}));
}

TEST(Scrambling, RoundTripsEveryCharacterAndLeavesMarkedLinesAlone) {
    std::string all;
    for (int c = 32; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    for (std::size_t start = 0; start < all.size(); ++start) {
        AnsiText line(all.substr(start) + all.substr(0, start));
        if (line.front() == ';' || line.front() == '$' || line.front() == '#' ||
            line.front() == kScrambleMarker)
            continue;
        AnsiText s = kryptrad(line);
        ASSERT_EQ(s.size(), line.size() + 1);
        ASSERT_EQ(s.front(), kScrambleMarker);
        ASSERT_EQ(dekryptrad(s), line);
        for (unsigned char c : s.bytes())
            ASSERT_GE(c, 32);
    }
    for (const char* never : {";comment", "$heading", "#x", "", "*already"})
        EXPECT_EQ(kryptrad(A(never)), A(never)) << never;
    EXPECT_EQ(dekryptrad(A("plain line")), A("plain line"));
}

TEST(ItemOrder, EachFileFollowsTheSharedRandomOrder) {
    ShellFixture f;
    f.content.write("DATA/FRA00001.DAT", {"a#1", "b#2", "c#3"});
    prepare(f);
    f.s.CurrentDataFile = A("FRA00001.DAT");
    ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    int order[] = {7, 2, 900, 3, 1};
    for (int i = 0; i < 5; ++i)
        f.s.RandomOrder[static_cast<std::size_t>(i + 1)] = order[i];
    for (int i = 6; i <= 1000; ++i)
        f.s.RandomOrder[static_cast<std::size_t>(i)] = 1000;
    std::vector<int> asked;
    for (int i = 0; i < 6; ++i)
        asked.push_back(f.shell.haemta_slumptal(f.s.DrawCursor[1], 1));
    EXPECT_EQ(asked, (std::vector<int>{2, 3, 1, 2, 3, 1}));
}

TEST(ItemOrder, RandomOrderIsAPermutationAndItemsAreRead) {
    ShellFixture f;
    f.content.write("DATA/FRA00001.DAT", {"; c", "$h", "a#1", "", "b#2", "c#3"});
    prepare(f);
    std::vector<bool> seen(1001);
    for (int v : f.s.RandomOrder) {
        ASSERT_TRUE(v >= 1 && v <= 1000);
        ASSERT_FALSE(seen[static_cast<std::size_t>(v)]);
        seen[static_cast<std::size_t>(v)] = true;
    }
    f.shell.haemtaord(A("FRA00001.DAT"), 2);
    EXPECT_EQ(f.s.CurrentLine.bytes(), "b#2");
    f.shell.haemtaord(A("FRA00001.DAT"), 3);
    EXPECT_EQ(f.s.CurrentLine.bytes(), "c#3");
    f.shell.haemtaord(A("MISSING.DAT"), 1);
    EXPECT_EQ(f.s.CurrentLine.bytes(), "c#3") << "a missing file leaves the line";
}

TEST(ProgramNumber, DigitsAtTheEndOfTheStem) {
    for (auto [name, number] : {std::pair{"FRA51120.DAT", 51120},
                                {"FRDI01.DAT", 1},
                                {"FROVN101.DAT", 101},
                                {"FRAN3320.DAT", 3320},
                                {"NODIGITS.DAT", 0},
                                {"FR12.34.DAT", 12}})
        EXPECT_EQ(Shell::GeProgramtal(A(name)), number) << name;
}
