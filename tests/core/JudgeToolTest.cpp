// orvela-content judge: the built tool judges a typed answer as the program does.

#include "Fakes.h"
#include "Scrambling.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct JudgeTool : ::testing::Test {
    TempContent content;
    std::filesystem::path file;
    std::filesystem::path errFile = content.root() / "stderr.txt";

    void SetUp() override {
        auto line = [](const std::string& utf8) {
            return AnsiText::fromUtf8(utf8).bytes() + "\r\n";
        };
        std::string bytes = line("$Ord och meningar") + line("; en kommentar") +
                            line("hus#maison#&la maison") +
                            kryptrad(AnsiText::fromUtf8("bok#le livre")).bytes() + "\r\n" +
                            line("sommar#l'été") + line("Paris är stor#Paris est grand");
        file = content.writeRaw("DATA/FRTEST.DAT", bytes);
    }

    ToolRun judge(const std::vector<std::string>& args) {
        std::string cmd = quoted(ORVELA_CONTENT_TOOL) + " judge";
        for (const std::string& a : args)
            cmd += " " + quoted(a);
        cmd += " 2>" + quoted(errFile.string());
        ToolRun r;
        FILE* p = popen(cmd.c_str(), "r");
        if (!p) return r;
        char buf[256];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            r.out.append(buf, n);
        int st = pclose(p);
        r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        std::ifstream e(errFile);
        std::stringstream ss;
        ss << e.rdbuf();
        r.err = ss.str();
        return r;
    }
};

} // namespace

TEST_F(JudgeTool, PrintsTheJudgement) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
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
        std::vector<std::string> args{file.string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        ToolRun r = judge(args);
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
        EXPECT_EQ(r.out, c.printed) << c.name;
    }
}

TEST_F(JudgeTool, BadInputIsRefusedWithAMessage) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {"missing file", {(content.root() / "DATA" / "FRNONE.DAT").string(), "1", "a"}, 1},
        {"a directory", {(content.root() / "DATA").string(), "1", "a"}, 1},
        {"item 0", {file.string(), "0", "a"}, 1},
        {"item past the end", {file.string(), "5", "a"}, 1},
        {"item not a number", {file.string(), "två", "a"}, 1},
        {"item too large", {file.string(), "99999999999999999999999", "a"}, 1},
        {"negative item", {file.string(), "-1", "a"}, 1},
        {"mode 5", {file.string(), "1", "a", "5"}, 1},
        {"mode not a number", {file.string(), "1", "a", "tre"}, 1},
        {"too few arguments", {file.string(), "1"}, 2},
        {"too many arguments", {file.string(), "1", "a", "3", "x"}, 2},
    };
    for (const Case& c : cases) {
        ToolRun r = judge(c.args);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_TRUE(r.out.empty()) << c.name << ": " << r.out;
        EXPECT_FALSE(r.err.empty()) << c.name;
    }
    ToolRun r = judge({file.string(), "7", "a"});
    EXPECT_NE(r.err.find("har 4 uppgifter"), std::string::npos) << r.err;
    EXPECT_NE(judge({"/finns/inte.dat", "1", "a"}).err.find("finns inte"), std::string::npos);
}

TEST_F(JudgeTool, FileWithoutItems) {
    std::filesystem::path empty = content.write("DATA/FRTOM.DAT", {"$Rubrik", "; inget"});
    ToolRun r = judge({empty.string(), "1", "a"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("inga uppgifter"), std::string::npos) << r.err;
}
