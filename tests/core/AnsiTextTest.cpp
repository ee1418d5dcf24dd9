#include "AnsiText.h"

#include <gtest/gtest.h>

using namespace orvela;

TEST(AnsiText, RoundTripsEveryWindows1252Character) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        if (c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D)
            all.push_back(static_cast<char>(c));
    AnsiText t(all);
    EXPECT_EQ(AnsiText::fromUtf8(t.toUtf8()), t);
}

TEST(AnsiText, CharactersWithoutACodeBecomeQuestionMarks) {
    EXPECT_EQ(AnsiText::fromUtf8("a\xE2\x82\xAC\xE4\xB8\xADz").bytes(), "a\x80?z"); // € and 中
    EXPECT_EQ(AnsiText::fromUtf8("\xC3").bytes(), "?"); // a cut-off sequence
}

TEST(AnsiText, CaseFollowsWindows1252LettersWithoutChangingLengths) {
    AnsiText t = AnsiText::fromUtf8("été œuvre ÿ ß ç");
    EXPECT_EQ(toUpper(t).toUtf8(), "ÉTÉ ŒUVRE Ÿ ß Ç");
    EXPECT_EQ(toLower(toUpper(t)).toUtf8(), "été œuvre ÿ ß ç");
    EXPECT_EQ(toUpper(t).size(), t.size());
}

TEST(AnsiText, OrdersByUnsignedCharacterCode) {
    EXPECT_LT(AnsiText::ascii("FRZ"), AnsiText::fromUtf8("FRÄ"));
    EXPECT_LT(AnsiText::ascii("FRA1"), AnsiText::ascii("FRA2"));
}
