// The error list: fetch, remove, move to the end, append; a full list drops its oldest entry.

#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct ErrorListFixture : ::testing::Test {
    ShellFixture f;
    void SetUp() override {
        f.content.write("DATA/FRA00001.DAT", {"a#1", "b#2", "c#3", "d#4"});
        f.content.write("DATA/FRA00002.DAT", {"x#1", "y#2"});
        ASSERT_TRUE(f.shell.HaemtaFilTabell());
        f.shell.SkapaSlumptal(1, 1000);
        for (const char* n : {"FRA00001.DAT", "FRA00002.DAT"}) {
            f.s.CurrentDataFile = AnsiText::ascii(n);
            ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
        }
    }
    void add(int file, int item, int extra = 0) {
        f.s.CurrentFileIndex = file;
        f.s.CurrentItem = static_cast<std::uint16_t>(item);
        f.s.ErrorExtra[0] = extra;
        f.shell.haemtafel(f.s.FileTable[static_cast<std::size_t>(file)], 3);
    }
    std::vector<std::pair<int, int>> entries() {
        std::vector<std::pair<int, int>> out;
        for (const ErrorEntry& e : f.s.ErrorList) {
            if (e.item == 0) break;
            out.emplace_back(e.item, e.fileIndex);
        }
        return out;
    }
};

} // namespace

TEST_F(ErrorListFixture, FetchRemoveAndMoveWorkOnTheCurrentFilesFirstEntry) {
    add(1, 3);
    add(2, 2);
    add(1, 4);
    EXPECT_EQ(f.s.ErrorCount[1], 2);
    EXPECT_EQ(f.s.ErrorCount[2], 1);

    f.s.CurrentFileIndex = 1;
    f.shell.haemtafel(f.s.FileTable[1], 0);
    EXPECT_EQ(f.s.ErrorItem, 3);
    EXPECT_EQ(f.s.CurrentLine.bytes(), "c#3");

    f.shell.haemtafel(f.s.FileTable[1], 2); // wrong again: to the back
    EXPECT_EQ(entries(), (std::vector<std::pair<int, int>>{{2, 2}, {4, 1}, {3, 1}}));

    f.shell.haemtafel(f.s.FileTable[1], 1); // right: removed
    EXPECT_EQ(entries(), (std::vector<std::pair<int, int>>{{2, 2}, {3, 1}}));
    EXPECT_EQ(f.s.ErrorCount[1], 1);

    f.s.CurrentFileIndex = 2;
    f.shell.haemtafel(f.s.FileTable[2], 1);
    f.shell.haemtafel(f.s.FileTable[2], 1); // nothing left of file 2: no change
    EXPECT_EQ(entries(), (std::vector<std::pair<int, int>>{{3, 1}}));
    EXPECT_EQ(f.s.ErrorCount[2], 0);
}

TEST_F(ErrorListFixture, AFullListDropsItsOldestEntry) {
    add(2, 1);
    for (int i = 0; i < 399; ++i) add(1, 1 + i % 4);
    EXPECT_EQ(entries().size(), 400u);
    EXPECT_EQ(f.s.ErrorCount[2], 1);
    add(1, 2);
    EXPECT_EQ(entries().size(), 400u);
    EXPECT_EQ(f.s.ErrorCount[2], 0) << "the dropped entry's file loses its count";
    EXPECT_EQ(f.s.ErrorCount[1], 400);
    EXPECT_EQ(entries().back(), (std::pair<int, int>{2, 1}));
}

TEST_F(ErrorListFixture, VerbTableProgramKeepsAnExtraNumberPerEntry) {
    f.s.ProgramNumber = 56510;
    add(1, 1, 11);
    add(2, 2, 22);
    add(1, 3, 33);
    f.s.CurrentFileIndex = 1;
    f.shell.haemtafel(f.s.FileTable[1], 0);
    EXPECT_EQ(f.s.ErrorExtra[0], 11);
    f.s.ErrorExtra[0] = 44; // the pupil is wrong again on another form
    f.shell.haemtafel(f.s.FileTable[1], 2);
    f.shell.haemtafel(f.s.FileTable[1], 0);
    EXPECT_EQ(f.s.ErrorItem, 3);
    EXPECT_EQ(f.s.ErrorExtra[0], 33);
    f.shell.haemtafel(f.s.FileTable[1], 1);
    f.shell.haemtafel(f.s.FileTable[1], 0);
    EXPECT_EQ(f.s.ErrorItem, 1);
    EXPECT_EQ(f.s.ErrorExtra[0], 44);
}
