// orvela-content lint on the sentence-part exercise's files: balanced marks, at most five groups,
// a known function code for every group and none for a group that does not exist, at least one
// box.

#include "ExternalTools.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

TEST(SatsLint, EachFaultOfASentencePartLineIsReported) {
    TempContent tree;
    for (const char* f : {"FRA58100.DAT", "FRA58200.DAT", "FRA58300.DAT"})
        tree.write(std::string("DATA/") + f, {"$Rubrik", "<Je> <lis>.#S#P"});
    tree.write("DATA/FRA58200.DAT",
               {"$Satsdelar",
                "<Je> <lis> <un livre>.#S#P#ao",                  // 2: good (codes in any case)
                "<Je> <lis> <un livre.#S#P#AO",                   // 3: unbalanced
                "<Je> <lis> <un> <bon> <gros> <livre>.#S#P#NN#NN#NN#AO", // 4: six groups
                "<Je> <lis> <un livre>.#S#P#XY",                  // 5: unknown code
                "<Je> <lis> <un livre>.#S##AO",                   // 6: empty code
                "<Je> <lis>.#S#P#AO",                             // 7: a code without a group
                "<Je> <lis>.#NN#NN"});                            // 8: no box
    const CommandRun r = contentTool({"lint", tree.root().string(), "--only", "TSats"});
    const std::string out = r.out + r.err;
    auto at = [&](int line) {
        return tree.root().string() + "/DATA/FRA58200.DAT:" + std::to_string(line) + ": fel: ";
    };
    EXPECT_EQ(r.status, 1) << out;
    EXPECT_EQ(out.find(":2: "), std::string::npos) << out;
    for (auto [line, text] : {std::pair{3, "fält 1: "}, {4, "fält 1 har 6 ordgrupper"},
                              {5, "okänd satsdel \"XY\""}, {6, "ordgrupp 2 saknar satsdel"},
                              {7, "fält 4 \"AO\" hör till en ordgrupp som inte finns"},
                              {8, "ingen ordgrupp har en ruta"}})
        EXPECT_NE(out.find(at(line) + text), std::string::npos) << line << "\n" << out;
}
