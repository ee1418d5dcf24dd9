// The tiles of the classification exercise: which candidates get a tile and their order, and the
// answer sheet's written-out abbreviations.

#include "ChoiceTiles.h"

#include <gtest/gtest.h>

using namespace orvela;

namespace {

// The fields of an item line given in UTF-8 ("#" between fields).
OneBased<AnsiText, kMaxItemFields> fields(const std::string& line) {
    OneBased<AnsiText, kMaxItemFields> f;
    std::size_t k = 1, pos = 0;
    while (k <= kMaxItemFields) {
        std::size_t hash = line.find('#', pos);
        f[k++] = AnsiText::fromUtf8(line.substr(pos, hash == std::string::npos ? std::string::npos : hash - pos));
        if (hash == std::string::npos) break;
        pos = hash + 1;
    }
    return f;
}

std::vector<std::string> captions(const ChoiceTiles& t) {
    std::vector<std::string> out;
    for (const ChoiceTiles::Tile& tile : t.tiles()) out.push_back(tile.caption().toUtf8());
    return out;
}

std::string expanded(const std::string& text, bool capitalise = true) {
    return ChoiceTiles::expandAbbreviation(AnsiText::fromUtf8(text), capitalise).toUtf8();
}

} // namespace

TEST(ChoiceTiles, TilesAreSortedByCharacterCode) {
    ChoiceTiles t = ChoiceTiles::fromFields(fields("La porte est fermée.#passiv#aktiv"));
    EXPECT_EQ(captions(t), (std::vector<std::string>{"aktiv", "passiv"}));
    EXPECT_EQ(t.rightIndex(), 1);

    // Capitals before every small letter; accented and Swedish letters after z.
    t = ChoiceTiles::fromFields(fields("x#zebra#Zorro#ärlig#apa#été#Bok"));
    EXPECT_EQ(captions(t), (std::vector<std::string>{"Bok", "Zorro", "apa", "zebra", "ärlig", "été"}));
    EXPECT_EQ(t.tiles()[static_cast<std::size_t>(t.rightIndex())].text.toUtf8(), "zebra");
}

TEST(ChoiceTiles, TheListEndsAtAPoundSignAnEmptyFieldOrTheSixthCandidate) {
    EXPECT_EQ(captions(ChoiceTiles::fromFields(fields("x#passiv#aktiv#£medium#reflexiv"))),
              (std::vector<std::string>{"aktiv", "passiv"}));
    EXPECT_EQ(captions(ChoiceTiles::fromFields(fields("x#b#a##c"))),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(captions(ChoiceTiles::fromFields(fields("x#b#a# #c"))),
              (std::vector<std::string>{"a", "b"})) << "a blank field ends it too";
    ChoiceTiles seven = ChoiceTiles::fromFields(fields("x#g#f#e#d#c#b#a"));
    EXPECT_EQ(captions(seven), (std::vector<std::string>{"b", "c", "d", "e", "f", "g"}));
    EXPECT_EQ(seven.unshownCandidates(), 1);
}

TEST(ChoiceTiles, AMissingRightAnswerGivesNoTiles) {
    EXPECT_TRUE(ChoiceTiles::fromFields(fields("La phrase.##aktiv#passiv")).empty());
    EXPECT_TRUE(ChoiceTiles::fromFields(fields("La phrase.#£passiv#aktiv")).empty());
    EXPECT_TRUE(ChoiceTiles::fromFields(fields("La phrase.")).empty());
}

TEST(ChoiceTiles, AbbreviationsAreWrittenOutOnTheAnswerSheet) {
    EXPECT_EQ(expanded("PRED.F."), "Predikatsfyllnad");
    EXPECT_EQ(expanded("pred.f."), "Predikatsfyllnad");
    EXPECT_EQ(expanded("Ack."), "Ackusativ");
    EXPECT_EQ(expanded("Subj."), "Subjekt");
    EXPECT_EQ(expanded("subst"), "Substantiv");
    EXPECT_EQ(expanded("pass."), "Passiv");
    EXPECT_EQ(expanded("Predik."), "Predikat");
    EXPECT_EQ(expanded("Adverb"), "Adverb");
    EXPECT_EQ(expanded("passiv", false), "passiv");
    // A word already written out is left as it is, not shortened by a key it begins with.
    EXPECT_EQ(expanded("predikatsfyllnad"), "Predikatsfyllnad");
    EXPECT_EQ(expanded("ackusativobjekt"), "Ackusativobjekt");
    EXPECT_EQ(expanded("dativobjekt"), "Dativobjekt");
    EXPECT_EQ(expanded("subjektet"), "Subjektet");
    EXPECT_EQ(expanded("ärlig"), "Ärlig");
}
