// Breaking texts into lines (every character 10 pixels wide in these tests).

#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {
std::vector<std::string> lines(const SharedState& s) {
    return {s.SplitLines[1].toUtf8(), s.SplitLines[2].toUtf8(), s.SplitLines[3].toUtf8()};
}
} // namespace

TEST(DelaMening, BreaksAfterWordsAndDropsLeadingSpaces) {
    ShellFixture f;
    f.shell.dela_mening(0, 100, A("Je suis ici avec mon ami"), 3); // 10 characters a line
    EXPECT_EQ(lines(f.s), (std::vector<std::string>{"Je suis ", "ici avec ", "mon ami"}));
    f.shell.dela_mening(0, 100, A("Je suis ici avec mon ami"), 2);
    EXPECT_EQ(lines(f.s), (std::vector<std::string>{"Je suis ", "ici avec ", ""}))
        << "the rest beyond the last line is not shown";
    f.shell.dela_mening(0, 300, A("Court"), 2);
    EXPECT_EQ(lines(f.s), (std::vector<std::string>{"Court", "", ""}));
    f.shell.dela_mening(0, 300, A(""), 2);
    EXPECT_EQ(lines(f.s), (std::vector<std::string>{"", "", ""}));
}

TEST(DelaMening, NeverSplitsAMarkedGroup) {
    ShellFixture f;
    f.shell.dela_mening(0, 100, A("Il a <mangé la> pomme"), 3);
    EXPECT_EQ(lines(f.s), (std::vector<std::string>{"Il a ", "<mangé la> ", "pomme"}));
    for (int width = 30; width <= 200; width += 10) {
        f.shell.dela_mening(0, width, A("Je <suis> ici et <là-bas> aussi"), 3);
        for (const std::string& l : lines(f.s)) {
            auto open = std::count(l.begin(), l.end(), '<');
            auto close = std::count(l.begin(), l.end(), '>');
            EXPECT_EQ(open, close) << "width " << width << ": " << l;
        }
    }
}

TEST(DelaMening, OneWordLongerThanTheLine) {
    ShellFixture f;
    f.shell.dela_mening(0, 50, A("anticonstitutionnellement oui"), 2);
    EXPECT_EQ(lines(f.s), (std::vector<std::string>{"anti", "constitutionnellement oui", ""}));
    // A long word on a later line is cut where it stops fitting (no endless loop).
    f.shell.dela_mening(0, 50, A("oui anticonstitutionnellement"), 3);
    EXPECT_EQ(f.s.SplitLines[1].toUtf8(), "oui ");
    EXPECT_EQ(f.s.SplitLines[2].toUtf8(), "antic");
}

TEST(DelaMening, WidthIsUnscaledAndTheSmallFontIsAskedOnce) {
    ShellFixture f;
    f.s.ScalePercent = 200; // 200 scaled pixels are 100 unscaled: 10 characters
    f.shell.dela_mening(0, 200, A("Je suis ici avec mon ami"), 3);
    EXPECT_EQ(f.s.SplitLines[1].toUtf8(), "Je suis ");
    f.s.StartCaptionWanted = true;
    f.shell.dela_mening(0, 200, A("x"), 2);
    EXPECT_FALSE(f.s.StartCaptionWanted);
    f.s.ProgramNumber = 51220;
    EXPECT_EQ(f.shell.splittingFont().pointSize, 22);
    f.s.ProgramNumber = 61060;
    EXPECT_EQ(f.shell.splittingFont().pointSize, 18);
    f.s.ProgramNumber = 44000;
    EXPECT_EQ(f.shell.splittingFont().pointSize, 12);
    f.s.ProgramNumber = 1;
    EXPECT_EQ(f.shell.splittingFont().pointSize, 14);
}

// Each line is found with a few measurements, not one per character: measuring is dear with
// real fonts and the answer window splits a sentence on every item.
TEST(DelaMening, FindsEachLineWithFewMeasurements) {
    struct CountingMeasure : FakeMeasure {
        int calls = 0;
        int textWidth(const AnsiText& text, const FontSpec& font) override {
            ++calls;
            return FakeMeasure::textWidth(text, font);
        }
    } measure;
    ShellFixture f;
    f.shell.services().measure = &measure;
    f.shell.dela_mening(0, 200, A("Quand nous sommes arrivés à la gare, le train pour Lyon était "
                                   "déjà parti et nous avons attendu."),
                        3);
    EXPECT_EQ(lines(f.s), (std::vector<std::string>{"Quand nous sommes ", "arrivés à la gare, ",
                                                    "le train pour Lyon "}));
    EXPECT_LT(measure.calls, 30) << "the 57 characters shown were not measured one by one";
}

TEST(LetaPrep, CutsAtTheMarks) {
    ShellFixture f;
    f.shell.LetaPrep(A("Je <suis> ici"));
    EXPECT_EQ(f.s.PrepParts[1].toUtf8(), "Je ");
    EXPECT_EQ(f.s.PrepParts[2].toUtf8(), "suis");
    EXPECT_EQ(f.s.PrepParts[3].toUtf8(), " ici");
    f.shell.LetaPrep(A("<a><b><c><d>e"));
    EXPECT_EQ(f.s.PrepParts[5].toUtf8(), "cde") << "beyond two groups the rest joins the last part";
}
