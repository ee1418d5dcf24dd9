// Judging typed answers and the lamp colour.

#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {} // namespace

TEST(MellanslagBort, TrimsAndCollapsesSpaces) {
    EXPECT_EQ(Shell::MellanslagBort(A("  la   maison ")).bytes(), "la maison");
    EXPECT_EQ(Shell::MellanslagBort(A("")).bytes(), "");
    EXPECT_EQ(Shell::MellanslagBort(A("   ")).bytes(), "");
    EXPECT_EQ(Shell::MellanslagBort(A("a  b")).bytes(), "a b");
    EXPECT_EQ(Shell::MellanslagBort(A("a  ")).bytes(), "a");
}

TEST(Svarstest, JudgingTable) {
    ShellFixture f;
    struct Case {
        const char* name;
        const char* line; // the item, for alternatives
        const char* expected;
        const char* typed;
        int mode;
        int result;
    } cases[] = {
        {"spaces forgiven", "", "la maison", "  la   maison ", 1, 0},
        {"case counts in mode 1", "", "la maison", "La maison", 1, 60000},
        {"case forgiven in mode 3", "", "la maison", "La maison", 3, 0},
        {"edge mark forgiven", "", "Bonjour!", "Bonjour", 1, 0},
        {"final full stop forgiven", "", "Oui, merci.", "Oui, merci", 1, 0},
        {"space before mark stays", "", "Bonjour !", "bonjour", 3, 60000},
        {"typed with the space", "", "Bonjour !", "bonjour !", 3, 0},
        {"capital missing once", "", "Paris est grand", "paris est grand", 4, 11},
        {"all capitals", "", "Paris est grand", "PARIS EST GRAND", 4, 60000},
        {"two capitals missing", "", "Le Havre", "le havre", 4, 12},
        {"nothing typed", "", "maison", "", 3, 6000},
        {"nothing typed mode 1", "", "maison", "", 1, 6000},
        {"spaces only", "", "maison", "   ", 3, 60000},
        {"alternative in pass 2", "hus#maison#&la maison", "maison", "la maison", 1, 0},
        {"accents count", "", "été", "ete", 3, 60000},
        {"accented capitals", "", "été", "ÉTÉ", 3, 0},
        {"mode 0 is exact", "", "maison.", "maison", 0, 60000},
        {"second alternative", "a#b#&c#&d", "b", "c", 1, 0},
        {"last alternative first", "a#b#&c#&d", "b", "d", 1, 0},
        {"wrong", "a#b#&c#&d", "b", "e", 1, 60000},
        {"at most five capitals counted", "", "A B C D E F G", "a b c d e f g", 4, 15},
        {"one mark from each end only", "", "Bonjour", "!!Bonjour!!", 1, 60000},
        {"one mark from each end", "", "Bonjour", "!Bonjour?", 1, 0},
        {"marks inside count", "", "Oui, merci", "Oui merci", 1, 60000},
    };
    for (const Case& c : cases) {
        f.shell.str_postarray(A(c.line));
        EXPECT_EQ(f.shell.svarstest(A(c.expected), A(c.typed), c.mode), c.result) << c.name;
    }
}

TEST(GreenRedTest, BeginningOfAnAnswerOrAlternative) {
    ShellFixture f;
    f.shell.str_postarray(A("hus#maison#&la maison"));
    AnsiText expected = A("maison");
    EXPECT_EQ(f.shell.GreenRedTest(A("mai"), expected), 1);
    EXPECT_EQ(f.shell.GreenRedTest(A("maz"), expected), 2);
    EXPECT_EQ(f.shell.GreenRedTest(A(" mai"), expected), 1);
    EXPECT_EQ(f.shell.GreenRedTest(A("maisons"), expected), 2);
    EXPECT_EQ(f.shell.GreenRedTest(A("la ma"), expected), 1);
    EXPECT_EQ(f.shell.GreenRedTest(A("Mai"), expected), 2) << "letter case counts";
    EXPECT_EQ(f.shell.GreenRedTest(A(""), expected), 2);
}
