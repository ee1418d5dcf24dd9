// The command lines of the program and the content tool, run as a user would, without a display.

#include "ExternalTools.h"

#include <gtest/gtest.h>

using namespace orvela::testing;

namespace {

// The program with no window system at hand: no X or Wayland display, no platform chosen.
CommandRun program(const std::string& args) {
    return runCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                      shellQuoted(ORVELA_PROGRAM) + " " + args);
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(CommandLine, HelpAndVersionNeedNoDisplay) {
    for (const char* help : {"--help", "-h"}) {
        CommandRun r = program(help);
        EXPECT_EQ(r.status, 0) << help << r.err;
        for (const char* option : {"--content-root", "--exercise", "--exit-when-shown",
                                   "--help", "--version"})
            EXPECT_TRUE(has(r.out, option)) << option;
        EXPECT_TRUE(r.err.empty()) << r.err;
    }
    CommandRun v = program("--version --bogus");
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, std::string("orvela ") + ORVELA_VERSION + "\n");
}

TEST(CommandLine, MistakesGiveOneLineAndTheUsageOnStandardError) {
    struct Case {
        const char* args;
        const char* firstLine;
    } cases[] = {
        {"--bogus", "orvela: okänd flagga: --bogus"},
        {"--content-root", "orvela: flaggan --content-root kräver en katalog"},
        {"--exercise=", "orvela: flaggan --exercise kräver en datafil"},
        {"FRA51120.DAT", "orvela: oväntat argument: FRA51120.DAT"},
        {"--exit-when-shown=1", "orvela: flaggan --exit-when-shown tar inget värde"},
    };
    for (const Case& c : cases) {
        CommandRun r = program(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_TRUE(r.out.empty()) << c.args;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.firstLine) << c.args;
        EXPECT_TRUE(has(r.err, "Användning: orvela")) << c.args;
    }
}

TEST(CommandLine, ContentToolListsEveryCommand) {
    CommandRun r = contentTool({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* command : {"scramble", "unscramble", "count", "judge", "lint",
                                "diagnosis list", "diagnosis export", "diagnosis import",
                                "levels", "records", "--version"})
        EXPECT_TRUE(has(r.out, "orvela-content " + std::string(command))) << command;
    CommandRun v = contentTool({"--version"});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, std::string("orvela-content ") + ORVELA_VERSION + "\n");
    CommandRun wrong = contentTool({"frobnicate"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(has(wrong.err, "Användning:"));
}
