// orvela-content scramble, unscramble, count and judge, run as a teacher runs them.

#include "ExternalTools.h"
#include "Fakes.h"
#include "SafeFile.h"
#include "Scrambling.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

TEST(ContentTool, ScrambleAndUnscrambleLineByLineKeepingLineEnds) {
    TempContent c;
    const std::string plain =
        A("$Rubrik\r\n; kommentar\r\nhus#maison#&la maison\r\nété#sommar\n\r\n").bytes();
    const CommandRun scrambled =
        contentTool({"scramble", c.writeRaw("DATA/FRA1.DAT", plain).string()});
    ASSERT_EQ(scrambled.status, 0);
    EXPECT_EQ(scrambled.out.substr(0, 23), "$Rubrik\r\n; kommentar\r\n*")
        << "header and comment lines stay";
    EXPECT_EQ(scrambled.out.find("maison"), std::string::npos);
    const CommandRun back =
        contentTool({"unscramble"}, c.writeRaw("DATA/FRA2.DAT", scrambled.out).string());
    ASSERT_EQ(back.status, 0);
    EXPECT_EQ(back.out, plain) << "from standard input, and the exact bytes come back";
}

TEST(ContentTool, CountAsTheProgramCountsAndRefuseWhatIsNoDataFile) {
    TempContent c;
    const std::string bytes = A("$Ett\r\n$§Gör så här.\r\n; x\r\n\r\na#b\r\n").bytes() +
                              kryptrad(A("c#d")).bytes() + "\r\n$%Anteckning\r\n";
    const CommandRun r = contentTool({"count", c.writeRaw("DATA/FRA1.DAT", bytes).string()});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2\n$Ett\n$§Gör så här.\n$%Anteckning\n");

    EXPECT_EQ(contentTool({"count", "/no/such/file.DAT"}).status, 1);
    EXPECT_EQ(contentTool({"scramble", "/no/such/file.DAT"}).status, 1);
    EXPECT_EQ(contentTool({"count", c.root().string()}).status, 1) << "a directory is no data file";
    EXPECT_EQ(contentTool({"frobnicate"}).status, 2);
}

// Every scrambled line of the sample course unscrambles to readable text with its fields.
TEST(ContentTool, TheSampleCoursesScrambledLinesRead) {
    int scrambled = 0;
    for (const auto& e : std::filesystem::directory_iterator(
             std::filesystem::path(ORVELA_SOURCE_DIR) / "content/DATA")) {
        const CommandRun r = contentTool({"unscramble", e.path().string()});
        ASSERT_EQ(r.status, 0) << e.path();
        for (unsigned char ch : r.out)
            ASSERT_TRUE(ch >= 32 || ch == '\r' || ch == '\n' || ch == '\t') << e.path();
        const std::string bytes = readWholeFile(e.path()).value_or("");
        for (std::size_t pos = 0; pos < bytes.size();) {
            const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
            if (static_cast<unsigned char>(bytes[pos]) == kScrambleMarker) {
                ++scrambled;
                const std::string plain =
                    dekryptrad(AnsiText(bytes.substr(pos, end - pos))).bytes();
                EXPECT_NE(plain.find('#'), std::string::npos) << e.path() << ": " << plain;
            }
            pos = bytes.find('\n', end);
            if (pos == std::string::npos) break;
            ++pos;
        }
    }
    EXPECT_GT(scrambled, 16) << "the praise files hold scrambled lines";
}

// ---- judge: a typed answer judged as the program does ----

namespace {

struct JudgeTool : ::testing::Test {
    TempContent content;
    std::string file =
        content
            .writeRaw(
                "DATA/FRTEST.DAT",
                A("$Ord och meningar\r\n; en kommentar\r\nhus#maison#&la maison\r\n").bytes() +
                    kryptrad(A("bok#le livre")).bytes() +
                    A("\r\nsommar#l'été\r\nParis är stor#Paris est grand\r\n").bytes())
            .string();

    CommandRun judge(std::vector<std::string> args) {
        args.insert(args.begin(), "judge");
        return contentTool(args);
    }
};

} // namespace

TEST_F(JudgeTool, PrintsTheJudgement) {
    struct Case {
        const char* name;
        std::vector<std::string> args; // item, typed answer, mode
        const char* printed;
    } cases[] = {
        {"right answer", {"1", "maison"}, "0\n"},
        {"alternative", {"1", "la maison"}, "0\n"},
        {"spaces and case forgiven in mode 3", {"1", "  La   Maison "}, "0\n"},
        {"wrong", {"1", "chat"}, "60000\n"},
        {"empty", {"1", ""}, "6000\n"},
        {"case counts in mode 1", {"1", "Maison", "1"}, "60000\n"},
        {"mode 1 right", {"1", "maison.", "1"}, "0\n"},
        {"scrambled item", {"2", "le livre"}, "0\n"},
        {"accented answer typed in UTF-8", {"3", "l'été"}, "0\n"},
        {"accents count", {"3", "l'ete"}, "60000\n"},
        {"capitals in mode 4", {"4", "paris est grand", "4"}, "11\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{file};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CommandRun r = judge(args);
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
        EXPECT_EQ(r.out, c.printed) << c.name;
    }
}

TEST_F(JudgeTool, BadInputIsRefusedWithAMessage) {
    const std::string empty = content.write("DATA/FRTOM.DAT", {"$Rubrik", "; inget"}).string();
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* message; // a part of it
    } cases[] = {
        {"missing file", {"/finns/inte.dat", "1", "a"}, 1, "finns inte"},
        {"a directory", {(content.root() / "DATA").string(), "1", "a"}, 1, ""},
        {"no items", {empty, "1", "a"}, 1, "inga uppgifter"},
        {"item 0", {file, "0", "a"}, 1, ""},
        {"item past the end", {file, "7", "a"}, 1, "har 4 uppgifter"},
        {"item not a number", {file, "två", "a"}, 1, ""},
        {"item too large", {file, "99999999999999999999999", "a"}, 1, ""},
        {"negative item", {file, "-1", "a"}, 1, ""},
        {"mode 5", {file, "1", "a", "5"}, 1, ""},
        {"mode not a number", {file, "1", "a", "tre"}, 1, ""},
        {"too few arguments", {file, "1"}, 2, ""},
        {"too many arguments", {file, "1", "a", "3", "x"}, 2, ""},
    };
    for (const Case& c : cases) {
        const CommandRun r = judge(c.args);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_TRUE(r.out.empty()) << c.name << ": " << r.out;
        EXPECT_FALSE(r.err.empty()) << c.name;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.name << ": " << r.err;
    }
}
