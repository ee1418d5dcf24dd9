// The reading texts of the sample course as the reading windows read them: enough texts of the
// right size, the horoscope pools at their line ranges with closing lines between them, a
// vocabulary per sign and sixteen story starters; and the content tool's lint passes them.

#include "ExternalTools.h"
#include "Horoscope.h"
#include "RevealStory.h"
#include "SpeedText.h"
#include "StoryStarters.h"

#include <gtest/gtest.h>
#include <set>

using namespace orvela;
using namespace orvela::testing;

namespace {

std::filesystem::path courseFile(const std::string& name) {
    return std::filesystem::path(ORVELA_SOURCE_DIR) / "content" / "DATA" / name;
}

std::vector<std::string> wordsOf(const AnsiText& line) {
    std::vector<std::string> words;
    std::string s = line.bytes();
    if (!s.empty() && s[0] == '<') s.erase(0, s.find('>') + 1);
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t end = std::min(s.find(' ', pos), s.size());
        if (end > pos) words.push_back(s.substr(pos, end - pos));
        pos = end + 1;
    }
    return words;
}

} // namespace

TEST(ReadingCourse, TextsToRevealAndToReadAloud) {
    const auto reveal = RevealStory::readTexts(courseFile("FRA43000.DAT"));
    ASSERT_TRUE(reveal);
    EXPECT_GE(reveal->size(), 10u);
    for (const auto& text : *reveal) {
        EXPECT_GE(text.size(), 3u);
        EXPECT_LE(text.size(), 7u);
        for (const AnsiText& line : text) {
            const auto words = wordsOf(line);
            EXPECT_LE(words.size(), 7u) << line.toUtf8();
            for (const std::string& w : words) EXPECT_LE(w.size(), 20u) << w;
        }
    }

    const auto reading = SpeedText::readTexts(courseFile("FRA41000.DAT"));
    ASSERT_TRUE(reading);
    EXPECT_GE(reading->size(), 10u);
    int previous = 0;
    for (const auto& lines : *reading) {
        SpeedText t;
        t.load(lines);
        EXPECT_GE(t.WordTotal, 30);
        EXPECT_LE(t.WordTotal, 120);
        EXPECT_GE(t.WordTotal + 10, previous) << "the texts grow longer";
        previous = t.WordTotal;
        for (const AnsiText& l : lines) EXPECT_LE(l.size(), SpeedText::kLineMax) << l.toUtf8();
    }
}

TEST(ReadingCourse, HoroscopePoolsVocabulariesAndStarters) {
    const auto lines = Horoscope::readLines(courseFile("FRA42000.DAT"));
    ASSERT_TRUE(lines);
    std::set<AnsiText> sentences;
    int line = 1;
    for (const ZodiacSign& s : Horoscope::signs()) {
        // Between the pools only closing lines, at least three after each pool.
        for (; line < s.firstLine; ++line)
            EXPECT_EQ(lines->at(static_cast<std::size_t>(line - 1))[0], '$') << line;
        for (; line <= s.lastLine; ++line) {
            const AnsiText& l = lines->at(static_cast<std::size_t>(line - 1));
            EXPECT_FALSE(l.empty() || l[0] == '$' || l[0] == ';' || l[0] == '#') << line;
            EXPECT_TRUE(sentences.insert(l).second) << "twice: " << l.toUtf8();
        }
    }
    ASSERT_GE(lines->size(), static_cast<std::size_t>(line + 2));
    for (; line <= static_cast<int>(lines->size()); ++line)
        EXPECT_EQ(lines->at(static_cast<std::size_t>(line - 1))[0], '$') << line;

    for (int i = 0; i < Horoscope::kSigns; ++i) {
        const auto pairs = Horoscope::readVocabulary(courseFile(Horoscope::vocabularyFile(i)));
        ASSERT_TRUE(pairs) << i;
        EXPECT_GE(pairs->size(), 15u) << i;
        EXPECT_LE(pairs->size(), 30u) << i;
        for (const auto& [word, translation] : *pairs) EXPECT_FALSE(translation.empty()) << word.toUtf8();
    }

    StoryStarters starters;
    ASSERT_TRUE(starters.read(courseFile("FRA44000.DAT")));
    EXPECT_EQ(starters.StarterCount, 16);
    for (int n = 1; n <= starters.StarterCount; ++n)
        for (const AnsiText& l : starters.starter(n)) EXPECT_LE(l.size(), 60u) << l.toUtf8();
}

TEST(ReadingCourse, PassesLint) {
    const CommandRun r = contentTool({"lint", std::string(ORVELA_SOURCE_DIR) + "/content", "--only",
                                      "Tavsloj,Thoroskop,Tberaetta,TSpeed"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find(" 0 fel, 0 varningar."), std::string::npos) << r.out << r.err;
}
