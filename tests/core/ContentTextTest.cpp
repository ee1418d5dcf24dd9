// Content files saved as UTF-8 (with or without a byte-order mark) read as their Windows-1252
// twins; what cannot carry over is reported, and nothing is lost.

#include "ContentText.h"
#include "DataFile.h"
#include "Fakes.h"
#include "RuleFile.h"
#include "Scrambling.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

std::vector<std::string> linesOf(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    LineReader reader(file);
    AnsiText line;
    while (reader.next(line))
        lines.push_back(line.bytes());
    return lines;
}

// The same lines as UTF-8 bytes with CR LF.
std::string utf8File(const std::vector<std::string>& ansiLines, bool bom) {
    std::string out = bom ? "\xEF\xBB\xBF" : "";
    for (const std::string& l : ansiLines)
        out += AnsiText(l).toUtf8() + "\r\n";
    return out;
}

} // namespace

TEST(ContentText, Utf8TwinsReadAsTheWindows1252File) {
    ShellFixture f;
    const std::vector<std::string> text = {
        "$Verben être och avoir", "$§Skriv rätt form. Ça va ? Œuvre, naïve, 5 €",
        "; en kommentar", "jag är#je suis&j'suis", "", "vi har#nous avons"};
    const std::filesystem::path ansi = f.content.write("DATA/FRA51110.DAT", text);
    std::vector<std::string> lines = linesOf(ansi);
    // A scrambled line: its bytes are anything from 32 up, the undefined ones of Windows-1252
    // included; an editor carries them over into UTF-8 as their own code points.
    lines.push_back(kryptrad(AnsiText::fromUtf8("hon ser ŒUVRE på engelska#elle voit")).bytes());
    lines.push_back(std::string("*\x81\x8D\x8F\x90\x9D", 6));
    std::string windows;
    for (const std::string& l : lines)
        windows += l + "\r\n";
    f.content.writeRaw("DATA/FRA51110.DAT", windows);

    for (bool bom : {false, true}) {
        const auto utf8 = f.content.writeRaw("DATA/FRA51111.DAT", utf8File(lines, bom));
        EXPECT_EQ(linesOf(utf8), lines) << (bom ? "with" : "without") << " a byte-order mark";
        LineReader reader(utf8);
        EXPECT_EQ(reader.encoding(), bom ? ContentText::Encoding::Utf8WithBom
                                         : ContentText::Encoding::Utf8);
        EXPECT_TRUE(reader.problems().empty());
        // The program's own reading: counting and fetching an item.
        DataFileHeader a, b;
        EXPECT_EQ(scanDataFile(ansi, true, a), scanDataFile(utf8, true, b));
        EXPECT_EQ(a.instruction, b.instruction);
        EXPECT_EQ(a.headings[0], b.headings[0]);
    }
    EXPECT_EQ(LineReader(ansi).encoding(), ContentText::Encoding::Windows1252);

    // A pure ASCII file, and a Windows-1252 file whose accented bytes are no UTF-8: unchanged.
    for (std::string raw : {std::string("abc\r\n#x\r\n"), std::string("\xE9t\xE9\r\n")}) {
        ContentText t = ContentText::decode(raw);
        EXPECT_EQ(t.bytes(), raw);
        EXPECT_EQ(t.encoding(), ContentText::Encoding::Windows1252);
    }
}

TEST(ContentText, RuleFilesToo) {
    TempContent c;
    const std::vector<std::string> page = {"Rubrik: présent", "¤je suis¤jag är"};
    const auto ansi = c.write("DATA/R51110.R1", page);
    std::string utf8 = "\xEF\xBB\xBF";
    for (const std::string& l : page) utf8 += l + "\r\n";
    const auto twin = c.writeRaw("DATA/R51111.R1", utf8);
    std::optional<RulePage> a = readRuleFile(ansi, nullptr);
    std::optional<RulePage> b = readRuleFile(twin, nullptr);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->leftTitle, AnsiText::fromUtf8("Rubrik: présent"));
    EXPECT_EQ(a->leftTitle, b->leftTitle);
    EXPECT_EQ(a->rightTitle, b->rightTitle);
    for (int k = 1; k <= kRuleCells; ++k)
        EXPECT_EQ(a->cells[k].text, b->cells[k].text) << k;
}

TEST(ContentText, WhatDoesNotCarryOverIsReportedAndKept) {
    // A character Windows-1252 lacks becomes "?" and is reported with its line.
    ContentText arrow = ContentText::decode("\xEF\xBB\xBFhus#maison\r\nkatt \xE2\x86\x92 chat\r\n");
    EXPECT_EQ(arrow.bytes(), "hus#maison\r\nkatt ? chat\r\n");
    ASSERT_EQ(arrow.problems().size(), 1u);
    EXPECT_EQ(arrow.problems()[0].line, 2);
    EXPECT_EQ(arrow.problems()[0].message,
              "tecknet \"→\" (U+2192) finns inte i Windows-1252 och läses som \"?\"");

    // Invalid UTF-8 after a byte-order mark: the byte stays as its Windows-1252 letter.
    ContentText broken = ContentText::decode("\xEF\xBB\xBFr\xC3\xA4tt\r\nfel \xE4 h\xC3r\r\n");
    EXPECT_EQ(broken.bytes(), "r\xE4tt\r\nfel \xE4 h\xC3r\r\n");
    ASSERT_EQ(broken.problems().size(), 2u);
    EXPECT_EQ(broken.problems()[0].line, 2);
    EXPECT_EQ(broken.problems()[0].message, "ogiltig UTF-8 (byten 0xE4) i en fil som är märkt som "
                                            "UTF-8; läses som \"ä\"");
    // A sequence cut short by the end of the file.
    EXPECT_EQ(ContentText::decode("\xEF\xBB\xBF" "ab\xE2\x86").bytes(), "ab\xE2\x86");

    // Mis-decoded UTF-8 in a Windows-1252 text, once per line.
    std::vector<ContentText::Problem> m =
        ContentText::misdecodedUtf8("bon\r\nd\xC3\xA9j\xC3\xA0 vu\r\n\xC5\x93uvre\r\n\xC3 la\r\n"
                                    "l\xE2\x80\x99" "eau, p\xE2t\xE9\r\n");
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].line, 2);
    EXPECT_EQ(m[0].message, "\"Ã©\" ser ut som felavkodad UTF-8 (troligen \"é\"); spara filen "
                            "som UTF-8 eller rätta tecknen");
    EXPECT_EQ(m[1].line, 3);
    EXPECT_NE(m[1].message.find("troligen \"œ\""), std::string::npos);
    EXPECT_EQ(m[2].line, 5) << "a real \"â\" (pâté) is no finding";
    EXPECT_NE(m[2].message.find("troligen \"’\""), std::string::npos);
}
