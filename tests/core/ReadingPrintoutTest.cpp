// The printed horoscope and story on the recording printer (10 pixels to the millimetre, 2 pixels
// per point for every character): positions, fonts, wrapping and page breaks.

#include "HoroscopePrintout.h"
#include "StoryPrintout.h"

#include "FakePrinting.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

TEST(HoroscopePrintoutTest, TitleAndLinesSevenMillimetresApartWrappedToThePage) {
    FakePrinting printer;
    const std::string longLine =
        "Aujourd'hui, une surprise vous attend au coin de la rue et vous rend très heureux, "
        "alors profitez-en.";
    std::vector<AnsiText> lines{A("   Lion"), A("Première phrase."), A(longLine), A("Dernière.")};
    EXPECT_EQ(HoroscopePrintout::print(printer, lines), PrintOutcome::Printed);
    ASSERT_EQ(printer.pages.size(), 1u);
    const auto* title = printer.findExact(0, "Orvela - Horoskopet");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 200);
    EXPECT_EQ(title->y, 200);
    EXPECT_EQ(title->font.pointSize, 20);
    const auto* first = printer.findExact(0, "   Lion");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->y, 400);
    EXPECT_EQ(first->font.pointSize, 14);
    EXPECT_EQ(printer.find(0, "Première")->y, 470);
    const auto* wrapped = printer.find(0, "Aujourd'hui");
    ASSERT_NE(wrapped, nullptr);
    EXPECT_LE(wrapped->x + static_cast<int>(wrapped->text.size()) * 28, 1900);
    EXPECT_EQ(printer.find(0, "Dernière.")->y, 540 + 70 * 2) << "the long line took two lines";
    std::string joined;
    for (const auto& t : printer.textsOn(0))
        if (t.rfind("Aujourd", 0) == 0 || (!joined.empty() && t.rfind("Dern", 0) != 0))
            joined += (joined.empty() ? "" : " ") + t;
    EXPECT_EQ(joined, longLine) << "nothing is lost in the wrapping";

    printer.answer.accepted = false;
    EXPECT_EQ(HoroscopePrintout::print(printer, lines), PrintOutcome::Cancelled);
    printer.answer.accepted = true;
    printer.failFromJob = 1;
    EXPECT_EQ(HoroscopePrintout::print(printer, lines), PrintOutcome::Failed);
}

TEST(StoryPrintoutTest, LinesSpacedByTheirHeightAndPagesBroken) {
    FakePrinting printer;
    std::vector<AnsiText> story;
    for (int n = 1; n <= 60; ++n) story.push_back(A("Ligne " + std::to_string(n) + " de l'histoire."));
    EXPECT_EQ(StoryPrintout::print(printer, story), PrintOutcome::Printed);
    ASSERT_EQ(printer.jobs.size(), 1u);
    ASSERT_EQ(printer.pages.size(), 2u);
    const auto* title = printer.findExact(0, "Composez une histoire");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font.pointSize, 18);
    const int h = FakePrinting::lineHeight(14);
    EXPECT_EQ(printer.find(0, "Ligne 1 ")->y, 210);
    EXPECT_EQ(printer.find(0, "Ligne 2 ")->y, 210 + h + 17);
    const int onFirst = static_cast<int>(printer.textsOn(0).size()) - 1;
    EXPECT_LE(210 + onFirst * (h + 17), 2870 + h + 17);
    EXPECT_EQ(printer.pageOf("Ligne 60 "), 1);
    EXPECT_EQ(printer.textsOn(0).size() + printer.textsOn(1).size(), 61u);
}
