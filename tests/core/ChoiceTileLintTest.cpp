// orvela-content lint on the classification exercise's files: marks, the right answer, the number
// and length of the tiles; and the sample course's own files pass.

#include "ExternalTools.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

const char* const kFiles[] = {"FRA53100.DAT", "FRA56410.DAT", "FRA58400.DAT"};

struct ChoiceTileLint : ::testing::Test {
    TempContent tree;
    ChoiceTileLint() {
        for (const char* f : kFiles)
            tree.write(std::string("DATA/") + f, {"$Rubrik", "La porte <est fermée>.#passiv#aktiv"});
    }
    std::pair<int, std::string> lint(const std::string& root) {
        const CommandRun r = contentTool({"lint", root, "--only", "TPassAkt"});
        return {r.status, r.out + r.err};
    }
    std::string at(int line) {
        return tree.root().string() + "/DATA/FRA58400.DAT:" + std::to_string(line) + ": fel: ";
    }
};

bool has(const std::string& out, const std::string& part) {
    return out.find(part) != std::string::npos;
}

} // namespace

TEST_F(ChoiceTileLint, EachFaultIsReportedOnItsLine) {
    const std::string long31(31, 'x');
    tree.write("DATA/FRA58400.DAT",
               {"$Satsdelar",
                "Je lis <un livre>.#ackusativobjekt#dativobjekt#predikatsfyllnad",  // 2: good
                "Je lis <un livre.#ackusativobjekt#dativobjekt",                    // 3
                "Je <lis> <un livre>.#ackusativobjekt#dativobjekt",                 // 4
                "Je lis <>.#ackusativobjekt#dativobjekt",                           // 5
                "Je lis un livre.##ackusativobjekt#dativobjekt",                    // 6
                "Je lis un livre.#£ackusativobjekt#dativobjekt",                    // 7
                "Je lis <un livre>.#ackusativobjekt",                               // 8
                "Je lis <un livre>.#ackusativobjekt#£dativobjekt",                  // 9
                "Je lis <un livre>.#a#b#c#d#e#f#g",                                 // 10
                "Je lis <un livre>.#" + long31 + "#dativobjekt",                     // 11
                "Je lis <un livre>.#ackusativobjekt#dativobjekt#ackusativobjekt",   // 12
                "#ackusativobjekt#dativobjekt"});                                   // 13
    auto [status, out] = lint(tree.root().string());
    EXPECT_EQ(status, 1) << out;
    EXPECT_FALSE(has(out, ":2: ")) << out;
    EXPECT_TRUE(has(out, at(3) + "fält 1: \"<\" utan avslutande \">\"")) << out;
    EXPECT_TRUE(has(out, at(4) + "fält 1 har 2 markerade ordgrupper")) << out;
    EXPECT_TRUE(has(out, at(5) + "tom markering <> i fält 1")) << out;
    EXPECT_TRUE(has(out, at(6) + "fält 2 (rätt svar) saknas")) << out;
    EXPECT_TRUE(has(out, at(7) + "fält 2 (rätt svar) saknas")) << out;
    EXPECT_TRUE(has(out, at(8) + "bara en ruta att klicka på")) << out;
    EXPECT_TRUE(has(out, at(9) + "bara en ruta att klicka på")) << out;
    EXPECT_TRUE(has(out, at(10) + "fler än 6 svarsalternativ")) << out;
    EXPECT_TRUE(has(out, at(11) + "svarsalternativet \"" + long31 + "\" är längre än 30 tecken")) << out;
    EXPECT_TRUE(has(out, at(12) + "två rutor visar \"ackusativobjekt\"")) << out;
    EXPECT_TRUE(has(out, at(13) + "fält 1 (meningen) saknas")) << out;
    EXPECT_TRUE(has(out, "Kontrollerade 3 filer: 11 fel, 0 varningar.")) << out;
}

TEST_F(ChoiceTileLint, TheSampleCoursePasses) {
    auto [status, out] = lint(std::string(ORVELA_SOURCE_DIR) + "/content");
    EXPECT_EQ(status, 0) << out;
    EXPECT_TRUE(has(out, "Kontrollerade 3 filer: 0 fel, 0 varningar.")) << out;
}
