// orvela-content lint: the built tool run on small content trees, each with one kind of fault.

#include "Catalogue.h"
#include "ExternalTools.h"
#include "Fakes.h"
#include "Scrambling.h"

#include <gtest/gtest.h>
#include <memory>

using namespace orvela;
using namespace orvela::testing;

namespace {

int countOf(const std::string& out, const std::string& what) {
    int n = 0;
    for (std::size_t pos = 0; (pos = out.find(what, pos)) != std::string::npos; pos += what.size())
        ++n;
    return n;
}

// A good file for each kind the tool looks into; other kinds get plain two-field items.
std::vector<std::string> goodFile(WindowKind kind) {
    switch (kind) {
    case WindowKind::TSkrivinf:
        return {"$Övning", "$§Fyll i.", "Jag <har> en katt.#J'<ai> un chat.",
                "Vi <har> en hund.#Nous <avons> un chien."};
    case WindowKind::TFLERBAR:
        return {"$Genus", "Je mange <du> pain.#Jag äter bröd.",
                "<Du> pain, s'il vous plaît.#Bröd, tack.",
                "Elle boit <de la> soupe.#Hon äter soppa."};
    default: return {"$Övning", "hus#maison", "katt#chat"};
    }
}

struct LintTree : ::testing::Test {
    std::unique_ptr<TempContent> tree = std::make_unique<TempContent>();

    // Writes a good file for every data file of the kind: menu entries and diagnosis tasks.
    void fill(WindowKind kind) {
        for (const CatalogueExercise& x : catalogueExercises())
            if (x.entry->window == kind)
                tree->write("DATA/" + std::string(x.entry->target), goodFile(kind));
        for (int k = 1; k <= kDiagnosisTasksWithFiles; ++k) {
            std::optional<DiagnosisTask> t = diagnosisTask(k);
            if (t->window != kind) continue;
            tree->write("DATA/" + t->testFile, goodFile(kind));
            tree->write("DATA/" + t->followUpFile, goodFile(kind));
        }
    }
    void remove(const std::string& name) { std::filesystem::remove(tree->root() / "DATA" / name); }
    // The status and the report (standard output and error together).
    std::pair<int, std::string> lint(const std::string& only) {
        std::vector<std::string> args = {"lint", tree->root().string()};
        if (!only.empty()) args.insert(args.end(), {"--only", only});
        const CommandRun r = contentTool(args);
        return {r.status, r.out + r.err};
    }
    std::string at(const std::string& name, int line) {
        return tree->root().string() + "/DATA/" + name + ":" + std::to_string(line) + ": ";
    }
};

bool has(const std::string& out, const std::string& part) {
    return out.find(part) != std::string::npos;
}

} // namespace

TEST_F(LintTree, ACompleteTreeOfTheSelectedKindsPassesWhateverTheLetterCaseOfItsNames) {
    for (WindowKind k : {WindowKind::TSKRIV, WindowKind::TSkrivinf, WindowKind::TFLERBAR})
        fill(k);
    remove("FRA51400.DAT");
    tree->write("DATA/fra51400.dat", goodFile(WindowKind::TFLERBAR));
    auto [status, out] = lint("TSKRIV,TSkrivinf,TFLERBAR");
    EXPECT_EQ(status, 0) << out;
    // 95 files of the menus (one shared by two entries) and 32 of the diagnosis.
    EXPECT_TRUE(has(out, "Kontrollerade 127 filer: 0 fel, 0 varningar.")) << out;
}

TEST_F(LintTree, MissingFilesOfMenusAndDiagnosisAreErrors) {
    fill(WindowKind::TFLERBAR);
    remove("FRA51400.DAT");
    remove("FROVN106.DAT");
    auto [status, out] = lint("TFLERBAR");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(has(out, at("FRA51400.DAT", 0) +
                             "fel: filen finns inte (menyn \"Substantiv\", knappen \"Genus\")"))
        << out;
    EXPECT_TRUE(has(out, at("FROVN106.DAT", 0) + "fel: filen finns inte (diagnos 6, övning)"))
        << out;
    EXPECT_TRUE(has(out, "Kontrollerade 4 filer: 2 fel, 0 varningar.")) << out;
}

TEST_F(LintTree, OnlyTheSelectedKindsAreChecked) {
    fill(WindowKind::TSKRIV);
    tree->write("DATA/FRA51400.DAT", {"no gap at all"}); // a TFLERBAR file, not selected
    auto [status, out] = lint("TSKRIV");
    EXPECT_EQ(status, 0) << out;
    EXPECT_FALSE(has(out, "FRA51400"));
    auto [allStatus, all] = lint("");
    EXPECT_EQ(allStatus, 1);
    EXPECT_TRUE(has(all, "FRA51400.DAT:1: fel:")) << all;
    EXPECT_TRUE(has(all, "FRA21301.DAT:0: fel: filen finns inte"))
        << "without --only every kind is checked";
}

// One faulty file among good ones: the finding, on its line, and nothing else.
TEST_F(LintTree, EachFaultIsReportedOnItsLine) {
    using K = WindowKind;
    struct Case {
        K kind;
        const char* file;
        std::vector<std::string> lines;
        int line;
        const char* finding;
    };
    const Case cases[] = {
        {K::TSKRIV,
         "FRA24000.DAT",
         {"$Rubriken", "; nothing yet", ""},
         0,
         "fel: filen har inga uppgifter (menyn \"Dina ord\", knappen \"Rubriken\")"},
        {K::TSKRIV,
         "FRA56600.DAT",
         {"$Reflexiva", "hus#maison", "katt"},
         3,
         "fel: fält 2 (svaret) saknas"},
        {K::TSKRIV, "FRDI01.DAT", {"   #maison"}, 1, "fel: fält 1 (frågan) saknas"},
        {K::TSkrivinf,
         "FRA51110.DAT",
         {"$Artikel", "Jag <har> en katt.#J'<ai un chat."},
         2,
         "fel: luckmeningen (fält 2): \"<\" utan avslutande \">\""},
        {K::TSkrivinf,
         "FRA52300.DAT",
         {"Jag <har en katt.#J'<ai> un chat."},
         1,
         "fel: fält 1 (svenska meningen): \"<\" utan avslutande \">\""},
        {K::TSkrivinf,
         "FRA55150.DAT",
         {"<Je> <le> <lui> donne."},
         1,
         "fel: luckmeningen (fält 1) har 3 luckor; högst två går att fylla i"},
        {K::TSkrivinf,
         "FRA51110.DAT",
         {"Jag <har> en katt.#J'ai un chat."},
         1,
         "fel: luckmeningen (fält 2) har ingen lucka"},
        {K::TSkrivinf,
         "FRA57000.DAT",
         {"Jag bor <i> Paris.#J'habite <> Paris."},
         1,
         "fel: tom lucka <>"},
        {K::TFLERBAR,
         "FRA51220.DAT",
         {"Je mange <du> pain et <de la> soupe.#x"},
         1,
         "fel: fält 1 har 2 luckor; det ska vara exakt en <...>"},
        {K::TFLERBAR,
         "FRA51400.DAT",
         {"C'est <un> livre."},
         1,
         "fel: fält 2 (svenska översättningen) saknas"},
        {K::TFLERBAR,
         "FRA51220.DAT",
         {"Il a <beaucoupdeuxx> amis.#x", "Il a <du> pain.#x"},
         1,
         "fel: luckordet \"beaucoupdeuxx\" är längre än 10 tecken"},
        {K::TFLERBAR,
         "FRDI06.DAT",
         {"Je mange <dU> pain.#Jag äter bröd."},
         1,
         "fel: luckordet \"dU\" har en stor bokstav efter den första"},
        {K::TFLERBAR,
         "FRA51220.DAT",
         {"<Étés> chauds.#x", "Il a <du> pain.#x"},
         1,
         "fel: luckordet \"Étés\" börjar med en stor bokstav utanför A-Z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.finding);
        tree = std::make_unique<TempContent>();
        fill(c.kind);
        tree->write("DATA/" + std::string(c.file), c.lines);
        auto [status, out] = lint(windowKindName(c.kind));
        EXPECT_EQ(status, 1) << out;
        EXPECT_TRUE(has(out, at(c.file, c.line) + c.finding)) << out;
        EXPECT_EQ(countOf(out, ": fel: "), 1) << out;
    }
}

TEST_F(LintTree, ScrambledLinesAreUnscrambledBeforeTheyAreChecked) {
    fill(WindowKind::TSKRIV);
    tree->writeRaw("DATA/FRA56700.DAT", kryptrad(A("hus#maison")).bytes() + "\r\n" +
                                            kryptrad(A("hus")).bytes() + "\r\n");
    auto [status, out] = lint("TSKRIV");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(has(out, at("FRA56700.DAT", 2) + "fel: fält 2 (svaret) saknas")) << out;
    EXPECT_EQ(countOf(out, ": fel: "), 1) << out;
}

TEST_F(LintTree, FillInFormatFollowsTheProgramNumber) {
    fill(WindowKind::TSkrivinf);
    // The gap stands in field 1: right for a one-sentence program, a fault for the others,
    // unless field 2 is empty (then field 1 holds the gaps in every program).
    tree->write("DATA/FRA55150.DAT", {"Je <le> vois.#voir tar direkt objekt"});
    tree->write("DATA/FRDI17.DAT", {"Je <le> vois.#voir tar direkt objekt"});
    tree->write("DATA/FRA51320.DAT", {"Les <chevaux> courent."});
    tree->write("DATA/FRDI14.DAT", {"Jag ser honom.#Je <le> vois."});
    auto [status, out] = lint("TSkrivinf");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(countOf(out, ": fel: "), 1) << out;
    EXPECT_TRUE(has(out, at("FRDI14.DAT", 1) + "fel: luckmeningen (fält 1) har ingen lucka"))
        << "diagnosis 14 is a one-sentence program\n"
        << out;
}

TEST_F(LintTree, WordTilesFollowTheWindowsRules) {
    fill(WindowKind::TFLERBAR);
    // Du and du make one tile, shown with a capital for a sentence that starts with the gap;
    // a 51220 item needs no translation.
    tree->write("DATA/FRA51220.DAT", {"<Du> pain.", "Il veut <du> pain.", "<De la> soupe."});
    EXPECT_EQ(lint("TFLERBAR").first, 0);
    // Thirteen different gap words: the thirteenth gets no tile.
    std::vector<std::string> lines;
    for (char c = 'a'; c <= 'm'; ++c)
        lines.push_back(std::string("Il a <") + c + c + "> x.#y");
    tree->write("DATA/FRA51400.DAT", lines);
    auto [status, out] = lint("TFLERBAR");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(has(out, at("FRA51400.DAT", 13) +
                             "fel: luckordet \"mm\" får ingen bricka: filen har fler än 12 olika"))
        << out;
    EXPECT_EQ(countOf(out, ": fel: "), 1) << out;
}

TEST_F(LintTree, HeaderLinesAfterTheSixthAreAWarningOnly) {
    fill(WindowKind::TSKRIV);
    tree->write("DATA/FRA56810.DAT",
                {"$Frågor", "; a", "; b", "hus#maison", "katt#chat", "; c", "$§Sent instruction"});
    auto [status, out] = lint("TSKRIV");
    EXPECT_EQ(status, 0) << out;
    EXPECT_TRUE(has(out, at("FRA56810.DAT", 7) + "varning: rubrikrad efter de sex första raderna"))
        << out;
    EXPECT_TRUE(has(out, "0 fel, 1 varning.")) << out;
}

TEST_F(LintTree, TheListFileAndTheNumberOfFilesDecideWhatTheProgramFinds) {
    fill(WindowKind::TFLERBAR);
    tree->write("DATA/datfiler.fra",
                {"FRA51220.DAT", "fra51400.dat", "FRDI06.DAT", "FROVN106.DAT", "FROM9001.LOV"});
    auto [status, out] = lint("TFLERBAR");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(has(out, tree->root().string() +
                             "/DATA/datfiler.fra:0: fel: FRA51400.DAT står inte i listan"))
        << "the program compares the names exactly\n"
        << out;
    EXPECT_EQ(countOf(out, ": fel: "), 1) << out;

    remove("datfiler.fra");
    for (int i = 0; i < 170; ++i)
        tree->write("DATA/FRX" + std::to_string(10000 + i) + ".DAT", {"a#b"});
    std::tie(status, out) = lint("TFLERBAR");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(has(out, tree->root().string() + "/DATA:0: fel: 174 filer FR*.DAT")) << out;
}

TEST_F(LintTree, BadCommandLinesAndAMissingDataDirectory) {
    EXPECT_EQ(lint("TSKRIV,TNothing").first, 2);
    EXPECT_EQ(lint(",").first, 2);
    EXPECT_EQ(contentTool({"lint"}).status, 2);
    EXPECT_EQ(contentTool({"lint", tree->root().string(), "--bogus"}).status, 2);
    std::filesystem::remove_all(tree->root() / "DATA");
    auto [status, out] = lint("");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(has(out, "hittar inte katalogen")) << out;
}

// A file saved as UTF-8 is checked as its Windows-1252 twin; what does not carry over is reported.
TEST_F(LintTree, CharactersThatDoNotCarryOverIntoWindows1252) {
    fill(WindowKind::TFLERBAR);
    // UTF-8 with a byte-order mark, an arrow on line 3 that Windows-1252 lacks.
    tree->writeRaw("DATA/FRA51400.DAT", "\xEF\xBB\xBF$Genus\r\n"
                                        "Je mange <du> pain.#Jag äter bröd.\r\n"
                                        "<Du> pain → s'il vous plaît.#Bröd, tack.\r\n");
    // Windows-1252 with "é" that was once UTF-8 read as Windows-1252 ("Ã©"), on line 2.
    tree->writeRaw("DATA/FROVN106.DAT", "$Genus\r\nElle boit <de la> soupe \xC3\xA9paisse.#Hon "
                                        "\xE4ter soppa.\r\n<Du> pain.#Br\xF6" "d.\r\n");
    auto [status, out] = lint("TFLERBAR");
    EXPECT_EQ(status, 1) << out;
    EXPECT_TRUE(has(out, at("FRA51400.DAT", 3) + "fel: tecknet \"→\" (U+2192) finns inte i "
                                                 "Windows-1252 och läses som \"?\""))
        << out;
    EXPECT_TRUE(has(out, at("FROVN106.DAT", 2) + "varning: \"Ã©\" ser ut som felavkodad UTF-8 "
                                                 "(troligen \"é\")"))
        << out;
    EXPECT_TRUE(has(out, "Kontrollerade 4 filer: 1 fel, 1 varning.")) << out;
}
