// orvela-content scramble, unscramble and count, run as a teacher runs them.

#include "Fakes.h"
#include "Scrambling.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct ToolResult {
    int status = -1;
    std::string out;
};

ToolResult tool(const std::string& args) {
    std::string cmd = std::string("'") + ORVELA_CONTENT_TOOL + "' " + args + " 2>/dev/null";
    ToolResult r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

} // namespace

TEST(ContentTool, ScrambleAndUnscrambleLineByLineKeepingLineEnds) {
    TempContent c;
    std::string plain = AnsiText::fromUtf8("$Rubrik\r\n; kommentar\r\nhus#maison#&la maison\r\nété#sommar\n\r\n").bytes();
    auto file = c.writeRaw("DATA/FRA1.DAT", plain);
    ToolResult scrambled = tool("scramble '" + file.string() + "'");
    ASSERT_EQ(scrambled.status, 0);
    EXPECT_EQ(scrambled.out.substr(0, 23), "$Rubrik\r\n; kommentar\r\n*") << "header and comment lines stay";
    EXPECT_EQ(scrambled.out.back(), '\n');
    EXPECT_NE(scrambled.out.find("\r\n*"), std::string::npos);
    EXPECT_EQ(scrambled.out.find("maison"), std::string::npos);
    auto again = c.writeRaw("DATA/FRA2.DAT", scrambled.out);
    ToolResult back = tool("unscramble < '" + again.string() + "'");
    ASSERT_EQ(back.status, 0);
    EXPECT_EQ(back.out, plain) << "standard input, and the exact bytes come back";
}

TEST(ContentTool, CountAsTheProgramCounts) {
    TempContent c;
    std::string bytes = AnsiText::fromUtf8("$Ett\r\n$§Gör så här.\r\n; x\r\n\r\na#b\r\n").bytes() +
                        kryptrad(AnsiText::ascii("c#d")).bytes() + "\r\n$%Anteckning\r\n";
    auto file = c.writeRaw("DATA/FRA1.DAT", bytes);
    ToolResult r = tool("count '" + file.string() + "'");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2\n$Ett\n$§Gör så här.\n$%Anteckning\n");
}

TEST(ContentTool, MissingFilesAreToldWithAnErrorStatus) {
    EXPECT_EQ(tool("count /no/such/file.DAT").status, 1);
    EXPECT_EQ(tool("scramble /no/such/file.DAT").status, 1);
    EXPECT_EQ(tool("count /tmp").status, 1) << "a directory is no data file";
    EXPECT_EQ(tool("frobnicate").status, 2);
}

// Every scrambled line of the sample course unscrambles to readable text.
TEST(ContentTool, TheSampleCoursesScrambledLinesRead) {
    int scrambled = 0;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(ORVELA_SOURCE_DIR) / "content/DATA")) {
        ToolResult r = tool("unscramble '" + e.path().string() + "'");
        ASSERT_EQ(r.status, 0) << e.path();
        for (unsigned char c : r.out)
            ASSERT_TRUE(c >= 32 || c == '\r' || c == '\n' || c == '\t') << e.path();
        std::string bytes;
        if (FILE* f = std::fopen(e.path().c_str(), "rb")) {
            char buf[4096];
            std::size_t n;
            while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
            std::fclose(f);
        }
        for (std::size_t pos = 0; pos < bytes.size(); pos = bytes.find('\n', pos) + 1) {
            if (static_cast<unsigned char>(bytes[pos]) == kScrambleMarker) {
                ++scrambled;
                std::size_t end = bytes.find_first_of("\r\n", pos);
                AnsiText line(bytes.substr(pos, end - pos));
                std::string plain = dekryptrad(line).bytes();
                EXPECT_NE(plain.find('#'), std::string::npos) << e.path() << ": " << plain;
            }
            if (bytes.find('\n', pos) == std::string::npos) break;
        }
    }
    EXPECT_GT(scrambled, 16) << "the praise files hold scrambled lines";
}
