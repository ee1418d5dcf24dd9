// The rules of the reading windows without a window: masks and guesses of the story to reveal,
// the reading-speed text and its pace, the horoscope's signs, zones and draws, the story starters.

#include "Horoscope.h"
#include "RevealStory.h"
#include "Scrambling.h"
#include "SpeedText.h"
#include "StoryStarters.h"

#include "Fakes.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <set>

using namespace orvela;
using namespace orvela::testing;

namespace {

std::vector<AnsiText> lines(const std::vector<std::string>& utf8) {
    std::vector<AnsiText> out;
    for (const std::string& l : utf8) out.push_back(A(l));
    return out;
}

} // namespace

TEST(RevealStoryTest, MasksKeepPunctuationAfterTheFirstCharacter) {
    EXPECT_EQ(RevealStory::maskOf(A("Bonjour,")), A("*******,"));
    EXPECT_EQ(RevealStory::maskOf(A("vas-tu?")), A("***-**?"));
    EXPECT_EQ(RevealStory::maskOf(A("Ah...")), A("**..."));
    EXPECT_EQ(RevealStory::maskOf(A("été!")), A("***!"));
    EXPECT_EQ(RevealStory::maskOf(A("!")), A("*")) << "the first character is always masked";
    EXPECT_EQ(RevealStory::maskOf(A("-")), A("-"));
    EXPECT_EQ(RevealStory::maskOf(A("peut-")), A("-"));
    EXPECT_EQ(RevealStory::withoutTrailingPunctuation(A("toi?!")), A("toi"));

    RevealStory r;
    r.Getwords(lines({"<Marie> Salut, Paul!", "<Paul>  Salut  Marie. - Ça va?"}));
    EXPECT_EQ(r.speaker(1), A("Marie:"));
    EXPECT_EQ(r.speaker(2), A("Paul:"));
    EXPECT_EQ(r.mask(1), A("*****,"));
    EXPECT_EQ(r.mask(2), A("****!"));
    EXPECT_FALSE(r.used(4));
    EXPECT_EQ(r.word(8), A("Salut")) << "double blanks make no empty words";
    EXPECT_EQ(r.word(9), A("Marie."));
    EXPECT_EQ(r.mask(10), A("-"));
    EXPECT_EQ(r.WordCount, 6) << "the dash is no word to find";
    EXPECT_EQ(r.wordList(), lines({"Marie", "Paul", "Salut", "Salut", "va", "Ça"}))
        << "Ç sorts after the ASCII letters";
}

TEST(RevealStoryTest, AtMostSevenLinesOfSevenWordsOfThirtyCharacters) {
    std::vector<std::string> text;
    for (int n = 1; n <= 40; ++n) text.push_back("un deux trois quatre cinq six sept huit neuf");
    text[0] = std::string(2000, 'a');
    RevealStory r;
    r.Getwords(lines(text));
    EXPECT_EQ(r.word(1).size(), RevealStory::kWordMax);
    EXPECT_FALSE(r.used(2));
    EXPECT_EQ(r.word(14), A("sept"));
    EXPECT_EQ(r.word(15), A("un"));
    EXPECT_EQ(r.word(49), A("sept"));
    EXPECT_EQ(r.WordCount, 1 + 6 * 7);
    EXPECT_THROW(r.word(50), std::out_of_range);
}

TEST(RevealStoryTest, AGuessRevealsEveryOccurrenceWithOrWithoutPunctuation) {
    RevealStory r;
    r.Getwords(lines({"<A> Oui, oui, oui!", "<B> Oui. Bon."}));
    EXPECT_EQ(r.Textkoll(A("oui")), 2) << "letter case counts";
    EXPECT_EQ(r.Tries, 2);
    EXPECT_EQ(r.Rights, 2);
    EXPECT_EQ(r.mask(2), A("oui,"));
    EXPECT_EQ(r.mask(3), A("oui!"));
    EXPECT_EQ(r.Textkoll(A("oui")), 0) << "a revealed word is not found again";
    EXPECT_EQ(r.Tries, 3);
    EXPECT_EQ(r.rightPercent(), 67);
    EXPECT_EQ(r.Textkoll(A("Oui,")), 1) << "the guess may carry the punctuation";
    EXPECT_EQ(r.Textkoll(A("Oui")), 1);
    EXPECT_EQ(r.Textkoll(A("-")), 0);
    EXPECT_EQ(r.Tries, 5) << "a dash is no guess";
    EXPECT_FALSE(r.finished());
    EXPECT_EQ(r.solvedPercent(), 80);
    EXPECT_EQ(r.Textkoll(A("Bon")), 1);
    EXPECT_TRUE(r.finished());
    EXPECT_EQ(r.solvedPercent(), 100);
}

TEST(RevealStoryTest, DropsCountTriesAndARevealedPlaceTakesNoMoreDrops) {
    RevealStory r;
    r.Getwords(lines({"Il fait beau, il fait chaud."}));
    EXPECT_FALSE(r.utruta(1, A("fait")));
    EXPECT_EQ(r.Tries, 1);
    EXPECT_EQ(r.Rights, 0);
    EXPECT_EQ(r.rightPercent(), 0);
    EXPECT_EQ(r.wordList().size(), 6u);
    EXPECT_TRUE(r.utruta(3, A("beau")));
    EXPECT_EQ(r.mask(3), A("beau,"));
    EXPECT_EQ(r.wordList().size(), 5u);
    EXPECT_FALSE(r.utruta(3, A("beau")));
    EXPECT_EQ(r.Tries, 2) << "a revealed place takes no drop";
    EXPECT_FALSE(r.utruta(20, A("beau")));
    EXPECT_EQ(r.Tries, 2) << "nor an unused one";
    EXPECT_EQ(r.rightPercent(), 50);
    EXPECT_EQ(r.solvedPercent(), 17);
    for (int t : {1, 2, 4, 5, 6}) r.utruta(t, r.word(t) == A("chaud.") ? A("chaud") : r.word(t));
    EXPECT_TRUE(r.finished());
    EXPECT_TRUE(r.wordList().empty());

    RevealStory none;
    none.Getwords(lines({"", "- -"}));
    EXPECT_EQ(none.WordCount, 0);
    EXPECT_EQ(none.solvedPercent(), 0);
    EXPECT_FALSE(none.finished());
}

TEST(RevealStoryTest, TextsAreReadUnscrambledFromTheFile) {
    TempContent c;
    const auto file = c.write("DATA/FRA43000.DAT", {"; essai", "#", "Bonjour!", "#",
                                                     kryptrad(A("<Léa> Ça va?")).toUtf8()});
    const auto texts = RevealStory::readTexts(file);
    ASSERT_TRUE(texts);
    ASSERT_EQ(texts->size(), 2u);
    EXPECT_EQ(texts->at(1).at(0), A("<Léa> Ça va?"));
    EXPECT_FALSE(RevealStory::readTexts(c.root() / "DATA/NONE.DAT"));
    EXPECT_TRUE(RevealStory::readTexts(c.writeRaw("DATA/EMPTY.DAT", ""))->empty());
}

TEST(SpeedTextTest, TextsAreCutAtThirtyLinesOfEightyCharacters) {
    TempContent c;
    std::vector<std::string> file{"#"};
    for (int n = 1; n <= 40; ++n) file.push_back("ligne " + std::to_string(n));
    file.push_back("  #  ");
    file.push_back(std::string(2000, 'x'));
    file.push_back("");
    file.push_back("fin");
    const auto texts = SpeedText::readTexts(c.write("DATA/FRA41000.DAT", file));
    ASSERT_TRUE(texts);
    ASSERT_EQ(texts->size(), 2u);
    EXPECT_EQ(texts->at(0).size(), 30u);
    SpeedText t;
    t.load(texts->at(1));
    ASSERT_EQ(t.lines().size(), 3u);
    EXPECT_EQ(t.lines()[0].size(), 80u);
    EXPECT_EQ(t.WordTotal, 2) << "a blank line does not end the text";
    EXPECT_EQ(t.LetterTotal, 83);
    EXPECT_FALSE(SpeedText::readTexts(c.root() / "DATA/NONE.DAT"));
}

TEST(SpeedTextTest, WordsStatisticsAndRubbingOut) {
    SpeedText t;
    t.load(lines({"Le chat  dort.", "Il rêve."}));
    EXPECT_EQ(t.wordsText(), "5 ord");
    EXPECT_EQ(t.lettersText(), "18 bokstäver");
    EXPECT_EQ(t.lettersPerWordText(), "3,6 bokstäver per ord");
    std::vector<std::string> seen;
    while (const SpeedText::Word* w = t.SuddaOrd()) seen.push_back(w->text.toUtf8() + (w->endsLine ? "|" : ""));
    EXPECT_EQ(seen, (std::vector<std::string>{"Le ", "chat ", "dort.|", "Il ", "rêve.|"}));
    EXPECT_TRUE(t.done());
    EXPECT_EQ(t.SuddaOrd(), nullptr);
    t.restart();
    EXPECT_EQ(t.SuddaOrd()->text, A("Le "));

    SpeedText empty;
    empty.load({});
    EXPECT_EQ(empty.lettersPerWordText(), "0,0 bokstäver per ord");
    EXPECT_TRUE(empty.done());
    EXPECT_EQ(empty.closingMessage(0),
              "Övningen är nu avslutad. Den tog 0 sekunder och din läshastighet var 0 ord per minut.");
}

TEST(SpeedTextTest, SpeedFromTheScrollBarAndTheReportedSpeed) {
    EXPECT_EQ(SpeedText::speedText(500), "120 ord / min");
    EXPECT_EQ(SpeedText::intervalMs(500), 500);
    EXPECT_EQ(SpeedText::wordsPerMinute(1), 60);
    EXPECT_EQ(SpeedText::wordsPerMinute(900), 600);
    EXPECT_EQ(SpeedText::intervalMs(5000), 100) << "positions outside the bar are held to it";
    SpeedText t;
    std::vector<AnsiText> text;
    for (int n = 0; n < 6; ++n) text.push_back(A("mot mot mot mot mot mot mot mot mot mot"));
    t.load(text);
    EXPECT_EQ(t.WordTotal, 60);
    EXPECT_NE(t.closingMessage(30).find("Den tog 30 sekunder och din läshastighet var 120 ord"),
              std::string::npos);
    EXPECT_NE(t.closingMessage(0).find("var 3600 ord"), std::string::npos)
        << "under one second counts as one";
}

TEST(HoroscopeTest, SignsAndClickZones) {
    EXPECT_STREQ(Horoscope::sign(0).name, "Bélier");
    EXPECT_STREQ(Horoscope::sign(2).name, "Gémeaux");
    EXPECT_STREQ(Horoscope::sign(9).to, "-  jan 20");
    EXPECT_EQ(Horoscope::sign(11).firstLine, 298);
    EXPECT_EQ(Horoscope::signAt(50, 250), 2);
    EXPECT_EQ(Horoscope::signAt(150, 400), 4);
    EXPECT_EQ(Horoscope::signAt(600, 50), 11);
    EXPECT_EQ(Horoscope::signAt(300, 200), std::nullopt);
    EXPECT_EQ(Horoscope::signAt(50, 328), std::nullopt);
    EXPECT_EQ(Horoscope::signAt(10, 10), 0);
    EXPECT_EQ(Horoscope::signAt(639, 479), 8);
    EXPECT_EQ(Horoscope::signAt(600, 300), 9);
    EXPECT_EQ(Horoscope::signAt(600, 150), 10);
    EXPECT_EQ(Horoscope::signAt(700, 900), std::nullopt);
    // A click inside a sign's frame, where its zone and frame meet, chooses the sign.
    for (int i = 0; i < Horoscope::kSigns; ++i) {
        const ZodiacSign& s = Horoscope::sign(i);
        const int x = std::min(s.frameLeft + 40, Horoscope::kPictureWidth - 20);
        EXPECT_EQ(Horoscope::signAt(x, s.frameTop + 40), i) << s.name;
    }
    EXPECT_EQ(Horoscope::vocabularyFile(0), "FRA42001.ORD");
    EXPECT_EQ(Horoscope::vocabularyFile(11), "FRA42012.ORD");
}

TEST(HoroscopeTest, SevenDistinctPoolLinesInFileOrderThenThreeClosingLines) {
    std::vector<AnsiText> file;
    for (int n = 1; n <= 340; ++n)
        file.push_back((n >= 29 && n < 33) || n > 323 ? A("$fin " + std::to_string(n))
                                                          : A("ligne " + std::to_string(n)));
    std::mt19937 random(7);
    std::set<std::vector<AnsiText>> different;
    for (int round = 0; round < 20; ++round) {
        for (int sign : {0, 11}) {
            const ZodiacSign& s = Horoscope::sign(sign);
            const auto text = Horoscope::Horoscoptext(file, sign, random);
            ASSERT_TRUE(text);
            ASSERT_GE(text->size(), 8u);
            EXPECT_EQ(text->at(0), A(std::string("   ") + s.name));
            int last = 0;
            for (std::size_t k = 1; k <= 7; ++k) {
                const std::string l = text->at(k).toUtf8();
                ASSERT_EQ(l.rfind("ligne ", 0), 0u) << l;
                const int n = std::stoi(l.substr(6));
                EXPECT_GT(n, last) << "ascending, never twice";
                EXPECT_GE(n, s.firstLine);
                EXPECT_LE(n, s.lastLine);
                last = n;
            }
            for (std::size_t k = 8; k < text->size(); ++k)
                EXPECT_EQ(text->at(k).toUtf8().rfind("fin ", 0), 0u);
            if (sign == 11) {
                EXPECT_EQ(text->size(), 11u);
                EXPECT_EQ(text->at(8), A("fin 324"));
            }
            different.insert(*text);
        }
    }
    EXPECT_GT(different.size(), 10u) << "horoscopes differ";
    file.resize(300);
    EXPECT_FALSE(Horoscope::Horoscoptext(file, 11, random)) << "the pool runs past the file";
    EXPECT_TRUE(Horoscope::Horoscoptext(file, 10, random));
    EXPECT_EQ(Horoscope::drawLines(5, 7, random), (std::vector<int>{5, 6, 7}));
}

TEST(HoroscopeTest, VocabularyFiles) {
    TempContent c;
    const auto file = c.write("DATA/FRA42001.ORD",
                              {"le courage#modet", kryptrad(A("la chance#turen")).toUtf8(), "",
                               "seul", " fort # stark # x"});
    const auto pairs = Horoscope::readVocabulary(file);
    ASSERT_TRUE(pairs);
    ASSERT_EQ(pairs->size(), 4u);
    EXPECT_EQ(pairs->at(1), std::make_pair(A("la chance"), A("turen")));
    EXPECT_EQ(pairs->at(2), std::make_pair(A("seul"), AnsiText()));
    EXPECT_EQ(pairs->at(3), std::make_pair(A("fort"), A("stark")));
    EXPECT_FALSE(Horoscope::readVocabulary(c.root() / "DATA/NONE.ORD"));
}

TEST(StoryStartersTest, PagingStaysWithinTheStartersThatHaveTheirLines) {
    std::vector<AnsiText> file;
    for (int n = 1; n <= 16; ++n) {
        file.push_back(A("#"));
        for (int k = 1; k <= 3; ++k) file.push_back(A("début " + std::to_string(n) + "." + std::to_string(k)));
    }
    StoryStarters s;
    s.setLines(file);
    EXPECT_EQ(s.counterText(), "1 of 16");
    s.previous();
    EXPECT_EQ(s.counterText(), "1 of 16");
    for (int k = 0; k < 15; ++k) s.next();
    EXPECT_EQ(s.counterText(), "16 of 16");
    s.next();
    EXPECT_EQ(s.StarterNo, 16);
    EXPECT_EQ(s.starter(16)[2], A("début 16.3"));
    EXPECT_EQ(s.starter(17)[0], AnsiText());

    file.push_back(A("#"));
    file.push_back(A("une ligne seule"));
    s.setLines(file);
    EXPECT_EQ(s.StarterCount, 16) << "a starter without its three lines is not offered";
    s.setLines({});
    EXPECT_EQ(s.counterText(), "0 of 0");
    s.next();
    EXPECT_EQ(s.StarterNo, 1);
}
