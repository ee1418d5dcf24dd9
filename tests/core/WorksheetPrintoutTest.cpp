// The worksheet printout read back from a recording printer: the framed title, page numbers and
// the product name, page breaks that keep headings and items together, copies, fonts, and what a
// cancelled dialog or a failing printer leaves behind.
//
// The fake page is 10 pixels to the millimetre; a 14-point line is 5.6 mm high, 6 mm rounded, so
// an item moves the print position by 2 + 6 + 1 mm and its writing line by 6 + 1 mm.

#include "WorksheetPrintout.h"

#include "FakePrinting.h"
#include "Fakes.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct PrintoutFixture : ::testing::Test {
    SharedState s;
    FakePrinting printer;
    Worksheet w;
    WorksheetPrintout printout{s};

    // Heading k with a note, then items first..last.
    void exercise(int k, int first, int last) {
        w.addHeading(k, A("Övning " + std::to_string(k)), A("Översätt"));
        for (int n = first; n <= last; ++n)
            w.addItem(n, A("fråga " + std::to_string(n)), A("svar " + std::to_string(n)));
    }
    PrintOutcome print(int withAnswers = 0) {
        s.PrintWithAnswers = static_cast<std::uint8_t>(withAnswers);
        s.WorksheetNewPage = 1;
        return printout.SkrivutFraga(printer, w);
    }
    static std::string prefix(int n) { return Worksheet::itemPrefix(n).toUtf8(); }
    // The y position (pixels) of the first text on `page` that begins with `start`.
    int yOf(std::size_t page, const std::string& start) {
        const FakePrinting::Text* t = printer.find(page, start);
        return t ? t->y : -1;
    }
    static std::vector<int> corners(const FakePrinting::Shape& r) {
        return {r.x1, r.y1, r.x2, r.y2};
    }
};

const std::string kTitle = "Arbetsblad från Orvela.";
const std::string kWritingStart = "       ___";

} // namespace

TEST_F(PrintoutFixture, FramedTitleAndPageNumberOnTheFirstPage) {
    exercise(1, 1, 3);
    ASSERT_EQ(print(), PrintOutcome::Printed);
    ASSERT_EQ(printer.pages.size(), 1u);
    const FakePrinting::Text* title = printer.find(0, kTitle);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, kTitle);
    EXPECT_EQ(std::make_pair(title->x, title->y), std::make_pair(200, 40));
    EXPECT_EQ(title->font, (PrintFont{"Arial", 22, true, false}));
    // The credit line sits one title height (22 points: 89 px) below the title.
    EXPECT_EQ(printer.pages[0].texts[2].y, 40 + 89);
    EXPECT_EQ(printer.pages[0].texts[2].font.pointSize, 8);
    const FakePrinting::Text* number = printer.findExact(0, "1");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(std::make_pair(number->x, number->y), std::make_pair(2000, 20));
    EXPECT_EQ(number->font, (PrintFont{"Arial", 10, false, false}));
    // The double frame: outer 18 mm to 22 mm + the title's width, inner 1 mm inside it.
    const int width = static_cast<int>(kTitle.size() - 1) * 22 * 2; // "å" is one character
    ASSERT_EQ(printer.pages[0].shapes.size(), 2u);
    EXPECT_TRUE(printer.pages[0].shapes[0].rectangle && printer.pages[0].shapes[1].rectangle);
    EXPECT_EQ(corners(printer.pages[0].shapes[0]),
              (std::vector<int>{180, 20, 220 + width, 80 + 89 + 32}));
    EXPECT_EQ(corners(printer.pages[0].shapes[1]),
              (std::vector<int>{190, 30, 210 + width, 70 + 89 + 32}));
    EXPECT_EQ(s.WorksheetNewPage, 0);
}

TEST_F(PrintoutFixture, ItemsNineTenAndHundredArePrintedAsItems) {
    w.addHeading(1, A("Tal"), AnsiText());
    w.addItem(9, A("nio"), A("neuf"));
    w.addItem(10, A("tio"), A("dix"));
    w.addItem(100, A("hundra"), A("cent"));
    ASSERT_EQ(print(), PrintOutcome::Printed);
    const FakePrinting::Text* nine = printer.find(0, "   9. nio");
    const FakePrinting::Text* ten = printer.find(0, " 10. tio");
    const FakePrinting::Text* hundred = printer.find(0, "100. hundra");
    ASSERT_TRUE(nine && ten && hundred) << printer.dump();
    // Item spacing (2 + 7 mm after a writing line), not a heading's (2 + 6 mm, 16 pt bold).
    EXPECT_EQ(ten->y - nine->y, 160);
    EXPECT_EQ(hundred->y - ten->y, 160);
    EXPECT_EQ(hundred->font, (PrintFont{"Arial", 14, false, false}));
}

TEST_F(PrintoutFixture, EveryPageIsAJobWithItsNumberAndTheProductName) {
    exercise(1, 1, 40);
    ASSERT_EQ(print(), PrintOutcome::Printed);
    ASSERT_EQ(printer.pages.size(), 3u);
    ASSERT_EQ(printer.jobs.size(), 3u);
    for (std::size_t p = 0; p < printer.pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        EXPECT_EQ(printer.pages[p].job, static_cast<int>(p));
        EXPECT_TRUE(printer.jobs[p].ended);
        const FakePrinting::Text* number = printer.findExact(p, std::to_string(p + 1));
        ASSERT_NE(number, nullptr);
        EXPECT_EQ(std::make_pair(number->x, number->y), std::make_pair(2000, 20));
        EXPECT_EQ(printer.find(p, kTitle) != nullptr, p == 0) << "the title on page 1 only";
        const FakePrinting::Text* name = printer.findExact(p, "Orvela");
        ASSERT_EQ(name != nullptr, p > 0) << "the product name on later pages";
        if (name) {
            EXPECT_EQ(std::make_pair(name->x, name->y), std::make_pair(20, 20));
            EXPECT_EQ(name->font.pointSize, 8);
        }
    }
    EXPECT_EQ(s.WorksheetPageNumber, 3);
    EXPECT_EQ(printer.finishCalls, 1);
}

TEST_F(PrintoutFixture, AnItemThatDoesNotFitMovesWholeToTheNextPage) {
    // Before item n the position is 31 + 16 (n - 1) mm; item 16 would begin at 271 mm, and
    // 271 + 8 > 276: it moves, with its writing line, although the item line alone would fit.
    exercise(1, 1, 16);
    ASSERT_EQ(print(), PrintOutcome::Printed);
    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_EQ(printer.pageOf(prefix(15)), 0);
    EXPECT_EQ(yOf(0, prefix(15)), 2640);
    EXPECT_EQ(printer.pageOf(prefix(16)), 1);
    EXPECT_EQ(yOf(1, prefix(16)), 130) << "4 mm + 2 + 7 on the new page";
    const std::vector<std::string> page2 = printer.textsOn(1);
    ASSERT_EQ(page2.size(), 4u) << printer.dump();
    EXPECT_EQ(page2[3].rfind(kWritingStart, 0), 0u) << "the writing line went with its item";
    EXPECT_EQ(printer.pages[1].texts[3].y, 200);
}

TEST_F(PrintoutFixture, AHeadingNeedsThreeTimesEightMillimetres) {
    // After 13 items the position is 239 mm; the heading adds 2: 241 + 24 <= 276, it stays.
    exercise(1, 1, 13);
    exercise(2, 14, 14);
    ASSERT_EQ(print(), PrintOutcome::Printed);
    EXPECT_EQ(printer.pageOf("2.  Övning 2"), 0);
    EXPECT_EQ(yOf(0, "2.  Övning 2"), 2470);
    EXPECT_EQ(printer.find(0, "2.  Övning 2")->font, (PrintFont{"Arial", 16, true, false}));
    EXPECT_EQ(printer.find(0, "      Översätt")->font, (PrintFont{"Arial", 14, true, false}));

    // After 14 items it is 255 mm; 257 + 24 > 276: the heading and its note move.
    w.clear();
    printer = FakePrinting();
    exercise(1, 1, 14);
    exercise(2, 15, 15);
    ASSERT_EQ(print(), PrintOutcome::Printed);
    EXPECT_EQ(printer.pageOf(prefix(14)), 0);
    EXPECT_EQ(printer.pageOf("2.  Övning 2"), 1);
    EXPECT_EQ(yOf(1, "2.  Övning 2"), 120) << "4 mm + 2 + 6";
    EXPECT_EQ(yOf(1, "      Översätt"), 190) << "the note stays with its heading";
}

TEST_F(PrintoutFixture, PageBreaksHoldOnEveryPageEvenForAGroupLongerThanAPage) {
    for (int k = 1; k <= 6; ++k)
        exercise(k, (k - 1) * 9 + 1, k * 9);
    ASSERT_EQ(print(), PrintOutcome::Printed);
    for (int n = 1; n <= 54; ++n) {
        const int page = printer.pageOf(prefix(n));
        ASSERT_GE(page, 0) << n;
        // The item's writing line is the next text on the same page.
        const std::vector<std::string> texts = printer.textsOn(static_cast<std::size_t>(page));
        auto it = std::find(texts.begin(), texts.end(), prefix(n) + "fråga " + std::to_string(n));
        ASSERT_NE(it, texts.end());
        ASSERT_NE(it + 1, texts.end()) << "item " << n << " is the last text of its page";
        EXPECT_EQ((it + 1)->rfind(kWritingStart, 0), 0u) << n;
    }

    w.clear();
    printer = FakePrinting();
    w.addHeading(1, A("Verbtabell"), AnsiText());
    w.addItem(1, A("être"), A("suis"));
    w.add(Sheet::Questions, LineKind::Item, A("   2. avoir"));
    for (int k = 0; k < 45; ++k)
        w.add(Sheet::Questions, LineKind::Continuation, A("rad " + std::to_string(k)));
    w.addItem(3, A("aller"), A("vais"));
    ASSERT_EQ(print(), PrintOutcome::Printed);
    EXPECT_GE(printer.pages.size(), 3u);
    for (const FakePrinting::Page& page : printer.pages)
        for (const FakePrinting::Text& t : page.texts)
            EXPECT_LE(t.y + FakePrinting::lineHeight(t.font.pointSize), 2900) << t.text;
    EXPECT_EQ(printer.pageOf("   2. avoir"), 1) << "the long group begins on a page of its own";
    EXPECT_NE(printer.pageOf("rad 44"), -1);
}

TEST_F(PrintoutFixture, TheAnswerSheetInTwoCopiesRepeatsEverything) {
    exercise(1, 1, 20);
    printer.answer = PrintChoice{true, 2};
    ASSERT_EQ(print(1), PrintOutcome::Printed);
    EXPECT_NE(printer.find(0, "Arbetsblad från Orvela. Facit."), nullptr);
    EXPECT_NE(printer.find(0, "       svar 2"), nullptr);
    EXPECT_EQ(printer.find(0, kWritingStart), nullptr);
    EXPECT_EQ(printer.jobs.at(0).name, "Arbetsblad facit");
    ASSERT_EQ(printer.pages.size(), 4u);
    EXPECT_EQ(printer.jobs.size(), 4u);
    for (std::size_t p = 0; p < 2; ++p) {
        ASSERT_EQ(printer.pages[p].texts.size(), printer.pages[p + 2].texts.size());
        for (std::size_t t = 0; t < printer.pages[p].texts.size(); ++t) {
            const FakePrinting::Text& a = printer.pages[p].texts[t];
            const FakePrinting::Text& b = printer.pages[p + 2].texts[t];
            EXPECT_EQ(std::tie(a.text, a.x, a.y), std::tie(b.text, b.x, b.y));
        }
        EXPECT_EQ(printer.pages[p].shapes.size(), printer.pages[p + 2].shapes.size());
    }
    EXPECT_EQ(printer.chooseCalls, 1) << "one dialog for all copies";
}

TEST_F(PrintoutFixture, AnEmptySheetACancelledDialogAndAFailingPrinter) {
    EXPECT_EQ(print(), PrintOutcome::Empty);
    EXPECT_EQ(printer.chooseCalls, 0) << "an empty sheet asks nothing";

    exercise(1, 1, 40);
    printer.answer = PrintChoice{false, 1};
    s.WorksheetPageNumber = 5;
    printout.PrintY = 77;
    EXPECT_EQ(print(), PrintOutcome::Cancelled);
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_EQ(s.WorksheetPageNumber, 5) << "a cancelled dialog changes nothing";
    EXPECT_EQ(s.WorksheetNewPage, 1);
    EXPECT_EQ(printout.PrintY, 77);

    printer.answer = PrintChoice{true, 1};
    printer.failFromJob = 2;
    EXPECT_EQ(print(), PrintOutcome::Failed);
    EXPECT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.jobs[0].ended);
    EXPECT_EQ(printer.finishCalls, 1);
}

// A line that does not fit between the margins goes on on the next line, under the start of its
// text; a word longer than a whole line is cut. Nothing is lost and nothing runs off the page, and
// the wrapped lines stay with their item at a page break.
TEST_F(PrintoutFixture, LinesThatDoNotFitAreWrappedOntoTheNextLine) {
    std::string answer;
    for (int k = 1; k <= 40; ++k)
        answer += "mot" + std::to_string(k) + " ";
    answer += std::string(80, 'z');
    w.addHeading(1, A("Rubrik"), A("Skriv svaren"));
    w.addItem(1, A("kort fråga"), A(answer));
    w.addItem(2, A("fråga två"), A("svar två"));
    ASSERT_EQ(print(1), PrintOutcome::Printed);
    ASSERT_EQ(printer.pages.size(), 1u) << printer.dump();
    const int right = 2000; // 200 mm
    auto withoutSpaces = [](std::string t) {
        std::erase(t, ' ');
        return t;
    };
    std::string joined;
    int answerLines = 0;
    int lastAnswerY = 0;
    for (const FakePrinting::Text& t : printer.pages[0].texts) {
        if (t.font.pointSize < WorksheetPrintout::kBodyPoints) continue; // page number, credit
        printer.setFont(t.font);
        EXPECT_LE(t.x + printer.textWidth(A(t.text)), right) << t.text;
        if (t.text.find("mot") == std::string::npos && t.text.find("zz") == std::string::npos)
            continue;
        if (answerLines++ > 0) {
            EXPECT_EQ(t.x, 200 + 7 * 14 * 2) << "under the start of the answer: " << t.text;
        }
        EXPECT_GT(t.y, lastAnswerY);
        lastAnswerY = t.y;
        joined += t.text;
    }
    EXPECT_GE(answerLines, 4);
    EXPECT_EQ(joined.substr(0, 7 + 5), "       mot1 ");
    EXPECT_EQ(withoutSpaces(joined), withoutSpaces(answer)) << "every word, in order";
    const FakePrinting::Text* two = printer.find(0, "   2. fråga två");
    ASSERT_NE(two, nullptr);
    EXPECT_GT(two->y, lastAnswerY) << "the next item below the answer";

    // Near the end of a page the item moves to the next page together with its wrapped answer.
    w.clear();
    exercise(1, 1, 16);
    w.addItem(17, A("lång"), A(answer));
    printer = FakePrinting();
    ASSERT_EQ(print(1), PrintOutcome::Printed);
    const int page = printer.pageOf(" 17. lång");
    ASSERT_GE(page, 0);
    EXPECT_NE(printer.find(static_cast<std::size_t>(page), "zzzz"), nullptr) << printer.dump();
}
