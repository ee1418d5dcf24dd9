// The worksheet's two lists: the lines the exercises add, their kinds, the room a heading or an
// item needs, the answer text with alternatives, and the page-break rule.

#include "Worksheet.h"

#include "Fakes.h"
#include "WorksheetPrintout.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

std::vector<std::string> texts(const Worksheet& w, Sheet sheet) {
    std::vector<std::string> out;
    for (const WorksheetLine& l : w.lines(sheet))
        out.push_back(l.text.toUtf8());
    return out;
}
std::vector<LineKind> kinds(const Worksheet& w, Sheet sheet) {
    std::vector<LineKind> out;
    for (const WorksheetLine& l : w.lines(sheet))
        out.push_back(l.kind);
    return out;
}

const std::string kWritingLine = "       " + std::string(57, '_');
} // namespace

TEST(WorksheetLines, ItemPrefixesAlignNumbersUpTo99) {
    struct Case {
        int n;
        const char* prefix;
    } cases[] = {{1, "   1. "},  {9, "   9. "},  {10, " 10. "},   {99, " 99. "},
                 {100, "100. "}, {999, "999. "}, {9999, "9999. "}};
    for (const Case& c : cases)
        EXPECT_EQ(Worksheet::itemPrefix(c.n).bytes(), c.prefix) << c.n;
}

TEST(WorksheetLines, HeadingsGoToBothSheetsAndItemsHaveAWritingLineOrTheAnswer) {
    Worksheet w;
    w.addHeading(2, A("Översätt till franska"), A("Skriv hela meningen"));
    w.addHeading(3, A("Verb"), AnsiText());
    w.addItem(7, A("huset"), A("la maison"));
    w.addItem(100, A("katten"), A("le chat"));
    EXPECT_EQ(texts(w, Sheet::Questions),
              (std::vector<std::string>{"2.  Översätt till franska", "      Skriv hela meningen",
                                        "3.  Verb", "   7. huset", kWritingLine, "100. katten",
                                        kWritingLine}));
    EXPECT_EQ(kWritingLine.size(), 64u);
    EXPECT_EQ(texts(w, Sheet::Answers),
              (std::vector<std::string>{"2.  Översätt till franska", "      Skriv hela meningen",
                                        "3.  Verb", "   7. huset", "       la maison",
                                        "100. katten", "       le chat"}));
    using K = LineKind;
    const std::vector<LineKind> expected{K::Heading,      K::Continuation, K::Heading,     K::Item,
                                         K::Continuation, K::Item,         K::Continuation};
    EXPECT_EQ(kinds(w, Sheet::Questions), expected)
        << "item 100 keeps its kind though it begins with a digit";
    EXPECT_EQ(kinds(w, Sheet::Answers), expected);
    EXPECT_EQ(w.UppgiftTillNySida(5, Sheet::Questions), 1) << "room for the item, not a heading";
}

TEST(WorksheetRoom, ContinuationLinesBelowEachLine) {
    Worksheet w;
    w.addHeading(1, A("Verb"), A("note"));                   // 0, 1
    w.addItem(1, A("a"), A("b"));                            // 2, 3
    w.add(Sheet::Questions, LineKind::Item, A("   2. c"));   // 4
    w.add(Sheet::Questions, LineKind::Continuation, A("d")); // 5
    w.add(Sheet::Questions, LineKind::Continuation, A("e")); // 6
    w.add(Sheet::Questions, LineKind::Continuation, A("f")); // 7
    w.add(Sheet::Questions, LineKind::Item, A("   3. g"));   // 8
    w.add(Sheet::Questions, LineKind::Item, A("   4. h"));   // 9
    w.add(Sheet::Questions, LineKind::Continuation, A("i")); // 10
    w.add(Sheet::Questions, LineKind::Empty, AnsiText());    // 11
    w.add(Sheet::Questions, LineKind::Continuation, A("j")); // 12
    w.add(Sheet::Questions, LineKind::Item, A("   5. k"));   // 13
    w.add(Sheet::Questions, LineKind::Continuation, A("l")); // 14
    struct Case {
        std::size_t line;
        int room;
        bool note;
        const char* why;
    } cases[] = {
        {0, 3, true, "a heading needs room for three lines"},
        {1, 0, false, "the note is followed by an item"},
        {2, 1, true, "an item with its writing line"},
        {4, 3, true, "an item with three lines under it"},
        {5, 2, true, "a continuation line counts the ones after it"},
        {8, 0, false, "an item followed by an item"},
        {9, 1, true, "an empty line ends the count"},
        {13, 1, true, "the list's last line belongs to the last item"},
        {14, 0, false, "the last line has nothing below it"},
        {15, 0, false, "past the end"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(w.UppgiftTillNySida(c.line, Sheet::Questions), c.room) << c.why;
        EXPECT_EQ(w.InstruktionFinns(c.line, Sheet::Questions), c.note) << c.why;
    }
}

TEST(WorksheetAnswer, AlternativesFollowTheAnswer) {
    struct Case {
        const char* line;
        const char* answer;
        const char* expected;
    } cases[] = {
        {"huset#la maison", "la maison", "la maison"},
        {"huset#maison#&la maison", "maison", "maison eller la maison."},
        {"huset#maison#&la maison#&une maison", "maison", "maison eller la maison, une maison."},
        {"a#b#&c#&d#&e", "b", "b eller c, d, e."},
        {"a#b#&c##&d", "b", "b eller c, d."},
        {"a#b#&c#", "b", "b eller c."},
    };
    ShellFixture f;
    for (const Case& c : cases) {
        f.shell.str_postarray(A(c.line));
        EXPECT_EQ(UtSkriftSvar(A(c.answer), f.s.ItemFields, f.s.AltFieldCount).toUtf8(), c.expected)
            << c.line;
    }
    OneBased<AnsiText, 10> fields;
    fields[2] = A("svar");
    EXPECT_EQ(UtSkriftSvar(A("svar"), fields, 2).toUtf8(), "svar") << "no alternative fields found";
    fields[3] = A("&annat");
    EXPECT_EQ(UtSkriftSvar(A("svar"), fields, 1).toUtf8(), "svar eller annat.");
    EXPECT_EQ(UtSkriftSvar(A("svar"), fields, 0).toUtf8(), "svar");
}

TEST(WorksheetPageBreak, RoomBelowTheFullLine) {
    struct Case {
        LineKind kind;
        int room;
        int printY;
        bool pageHasLines;
        bool newPage;
        const char* why;
    } cases[] = {
        {LineKind::Item, 1, 268, true, false, "8 mm + 268 mm reach 276 mm exactly"},
        {LineKind::Item, 1, 269, true, true, "one millimetre too far"},
        {LineKind::Item, 0, 276, true, false, "an item alone needs no room below"},
        {LineKind::Item, 0, 277, true, true, "but not past 276 mm"},
        {LineKind::Heading, 3, 252, true, false, "a heading needs 3 x 8 mm"},
        {LineKind::Heading, 3, 253, true, true, "a heading without its room moves"},
        {LineKind::Continuation, 0, 277, true, false, "a writing line that still fits"},
        {LineKind::Continuation, 0, 278, true, true, "a line that would run off the page"},
        {LineKind::Empty, 0, 278, true, true, "empty lines too"},
        {LineKind::Item, 40, 4, false, false, "a fresh page takes a group longer than a page"},
        {LineKind::Continuation, 0, 285, false, false, "a fresh page takes any line"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(startsNewPage(c.kind, c.room, c.printY, 6, c.pageHasLines), c.newPage) << c.why;
}

TEST(PageScaleTest, MillimetresOnA4AreRounded) {
    const PageScale scale{PageSize{4724, 6780}};
    EXPECT_EQ(scale.XmmTillPixel(210), 4724);
    EXPECT_EQ(scale.XmmTillPixel(20), 450);   // 449.9
    EXPECT_EQ(scale.YmmTillPixel(276), 6301); // 6300.6
    EXPECT_EQ(scale.YPixelTillmm(137), 6);    // 6.0
    EXPECT_EQ(PageScale{}.YPixelTillmm(100), 0);
}
