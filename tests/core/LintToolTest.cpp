// orvela-content lint: the built tool run on small content trees, each with one kind of fault.

#include "Catalogue.h"
#include "Fakes.h"
#include "Scrambling.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct ToolRun {
    int status = -1;
    std::string out; // standard output and error together
};

std::string shellQuoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

ToolRun runTool(const std::vector<std::string>& args) {
    std::string cmd = shellQuoted(ORVELA_CONTENT_TOOL);
    for (const std::string& a : args)
        cmd += " " + shellQuoted(a);
    cmd += " 2>&1";
    ToolRun run;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return run;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        run.out.append(buf, n);
    int status = pclose(p);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Lines of the tool's report that are errors or warnings.
int countOf(const std::string& out, const std::string& what) {
    int n = 0;
    for (std::size_t pos = 0; (pos = out.find(what, pos)) != std::string::npos; pos += what.size())
        ++n;
    return n;
}

// A good item for each kind the tool looks into; other kinds get a plain two-field item.
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

    // Starts again on an empty tree.
    void freshTree() { tree = std::make_unique<TempContent>(); }

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
    ToolRun lint(const std::string& only) {
        std::vector<std::string> args = {"lint", tree->root().string()};
        if (!only.empty()) args.insert(args.end(), {"--only", only});
        return runTool(args);
    }
    std::string at(const std::string& name, int line) {
        return tree->root().string() + "/DATA/" + name + ":" + std::to_string(line) + ": ";
    }
};

} // namespace

TEST_F(LintTree, ACompleteTreeOfTheSelectedKindsPasses) {
    for (WindowKind k : {WindowKind::TSKRIV, WindowKind::TSkrivinf, WindowKind::TFLERBAR})
        fill(k);
    ToolRun r = lint("TSKRIV,TSkrivinf,TFLERBAR");
    EXPECT_EQ(r.status, 0) << r.out;
    // 95 files of the menus (one shared by two entries) and 32 of the diagnosis.
    EXPECT_NE(r.out.find("Kontrollerade 127 filer: 0 fel, 0 varningar."), std::string::npos)
        << r.out;
}

TEST_F(LintTree, FileNamesAreFoundWithoutRegardToLetterCase) {
    fill(WindowKind::TFLERBAR);
    remove("FRA51400.DAT");
    tree->write("DATA/fra51400.dat", goodFile(WindowKind::TFLERBAR));
    ToolRun r = lint("TFLERBAR");
    EXPECT_EQ(r.status, 0) << r.out;
}

TEST_F(LintTree, MissingFilesOfMenusAndDiagnosisAreErrors) {
    fill(WindowKind::TFLERBAR);
    remove("FRA51400.DAT");
    remove("FROVN106.DAT");
    ToolRun r = lint("TFLERBAR");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find(at("FRA51400.DAT", 0) + "fel: filen finns inte (menyn \"Substantiv\", "
                                                 "knappen \"Genus\")"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(at("FROVN106.DAT", 0) + "fel: filen finns inte (diagnos 6, övning)"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Kontrollerade 4 filer: 2 fel, 0 varningar."), std::string::npos) << r.out;
}

TEST_F(LintTree, OnlyTheSelectedKindsAreChecked) {
    fill(WindowKind::TSKRIV);
    tree->write("DATA/FRA51400.DAT", {"no gap at all"}); // a TFLERBAR file, not selected
    ToolRun r = lint("TSKRIV");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out.find("FRA51400"), std::string::npos);
    ToolRun all = lint("");
    EXPECT_EQ(all.status, 1);
    EXPECT_NE(all.out.find("FRA51400.DAT:1: fel:"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("FRA21301.DAT:0: fel: filen finns inte"), std::string::npos)
        << "without --only every kind is checked";
}

// One faulty file among good ones: the finding, on its line, and nothing else.
TEST_F(LintTree, EachFaultIsReportedOnItsLine) {
    struct Case {
        const char* name;
        WindowKind kind;
        const char* file;
        std::vector<std::string> lines;
        int line;
        const char* finding;
    };
    const std::string scrambledNoAnswer = kryptrad(AnsiText::ascii("hus")).bytes();
    const Case cases[] = {
        {"no items",
         WindowKind::TSKRIV,
         "FRA24000.DAT",
         {"$Rubriken", "; nothing yet", ""},
         0,
         "fel: filen har inga uppgifter (menyn \"Dina ord\", knappen \"Rubriken\")"},
        {"answer missing",
         WindowKind::TSKRIV,
         "FRA56600.DAT",
         {"$Reflexiva", "hus#maison", "katt"},
         3,
         "fel: fält 2 (svaret) saknas"},
        {"question blank",
         WindowKind::TSKRIV,
         "FRDI01.DAT",
         {"   #maison"},
         1,
         "fel: fält 1 (frågan) saknas"},
        {"gap sentence unbalanced",
         WindowKind::TSkrivinf,
         "FRA51110.DAT",
         {"$Artikel", "Jag <har> en katt.#J'<ai un chat."},
         2,
         "fel: luckmeningen (fält 2): \"<\" utan avslutande \">\""},
        {"stray closing mark",
         WindowKind::TSkrivinf,
         "FRA55200.DAT",
         {"C'est> <mon> livre."},
         1,
         "fel: luckmeningen (fält 1): \">\" utan \"<\" före"},
        {"source sentence unbalanced",
         WindowKind::TSkrivinf,
         "FRA52300.DAT",
         {"Jag <har en katt.#J'<ai> un chat."},
         1,
         "fel: fält 1 (svenska meningen): \"<\" utan avslutande \">\""},
        {"three gaps",
         WindowKind::TSkrivinf,
         "FRA55150.DAT",
         {"<Je> <le> <lui> donne."},
         1,
         "fel: luckmeningen (fält 1) har 3 luckor; högst två går att fylla i"},
        {"gap only in the source sentence",
         WindowKind::TSkrivinf,
         "FRA51110.DAT",
         {"Jag <har> en katt.#J'ai un chat."},
         1,
         "fel: luckmeningen (fält 2) har ingen lucka"},
        {"empty gap",
         WindowKind::TSkrivinf,
         "FRA57000.DAT",
         {"Jag bor <i> Paris.#J'habite <> Paris."},
         1,
         "fel: tom lucka <>"},
        {"no gap in a tile sentence",
         WindowKind::TFLERBAR,
         "FRA51220.DAT",
         {"Je mange du pain.#x"},
         1,
         "fel: fält 1 har 0 luckor; det ska vara exakt en <...>"},
        {"two gaps in a tile sentence",
         WindowKind::TFLERBAR,
         "FRA51220.DAT",
         {"Je mange <du> pain et <de la> soupe.#x"},
         1,
         "fel: fält 1 har 2 luckor; det ska vara exakt en <...>"},
        {"translation missing where it is shown",
         WindowKind::TFLERBAR,
         "FRA51400.DAT",
         {"C'est <un> livre."},
         1,
         "fel: fält 2 (svenska översättningen) saknas"},
        {"gap word longer than a tile",
         WindowKind::TFLERBAR,
         "FRA51220.DAT",
         {"Il a <beaucoupdeuxx> amis.#x", "Il a <du> pain.#x"},
         1,
         "fel: luckordet \"beaucoupdeuxx\" är längre än 10 tecken"},
        {"capital after the first letter",
         WindowKind::TFLERBAR,
         "FRDI06.DAT",
         {"Je mange <dU> pain.#Jag äter bröd."},
         1,
         "fel: luckordet \"dU\" har en stor bokstav efter den första"},
        {"capital outside A-Z",
         WindowKind::TFLERBAR,
         "FRA51220.DAT",
         {"<Étés> chauds.#x", "Il a <du> pain.#x"},
         1,
         "fel: luckordet \"Étés\" börjar med en stor bokstav utanför A-Z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshTree();
        fill(c.kind);
        tree->write("DATA/" + std::string(c.file), c.lines);
        ToolRun r = lint(windowKindName(c.kind));
        EXPECT_EQ(r.status, 1) << r.out;
        EXPECT_NE(r.out.find(at(c.file, c.line) + c.finding), std::string::npos) << r.out;
        EXPECT_EQ(countOf(r.out, ": fel: "), 1) << r.out;
    }
}

TEST_F(LintTree, ScrambledLinesAreUnscrambledBeforeTheyAreChecked) {
    fill(WindowKind::TSKRIV);
    const std::string good = kryptrad(AnsiText::ascii("hus#maison")).bytes();
    const std::string bad = kryptrad(AnsiText::ascii("hus")).bytes();
    tree->writeRaw("DATA/FRA56700.DAT", good + "\r\n" + bad + "\r\n");
    ToolRun r = lint("TSKRIV");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find(at("FRA56700.DAT", 2) + "fel: fält 2 (svaret) saknas"), std::string::npos)
        << r.out;
    EXPECT_EQ(countOf(r.out, ": fel: "), 1) << r.out;
}

TEST_F(LintTree, FillInFormatFollowsTheProgramNumber) {
    fill(WindowKind::TSkrivinf);
    // The gap stands in field 1: right for a one-sentence program, a fault for the others,
    // unless field 2 is empty (then field 1 holds the gaps in every program).
    tree->write("DATA/FRA55150.DAT", {"Je <le> vois.#voir tar direkt objekt"});
    tree->write("DATA/FRDI17.DAT", {"Je <le> vois.#voir tar direkt objekt"});
    tree->write("DATA/FRA51320.DAT", {"Les <chevaux> courent."});
    tree->write("DATA/FRDI14.DAT", {"Jag ser honom.#Je <le> vois."});
    ToolRun r = lint("TSkrivinf");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(countOf(r.out, ": fel: "), 1) << r.out;
    EXPECT_NE(r.out.find(at("FRDI14.DAT", 1) + "fel: luckmeningen (fält 1) har ingen lucka"),
              std::string::npos)
        << "diagnosis 14 is a one-sentence program\n"
        << r.out;
}

TEST_F(LintTree, WordTilesFollowTheWindowsRules) {
    fill(WindowKind::TFLERBAR);
    // Du and du make one tile, shown with a capital for a sentence that starts with the gap;
    // a 51220 item needs no translation.
    tree->write("DATA/FRA51220.DAT", {"<Du> pain.", "Il veut <du> pain.", "<De la> soupe."});
    ToolRun good = lint("TFLERBAR");
    EXPECT_EQ(good.status, 0) << good.out;

    // Thirteen different gap words: the thirteenth gets no tile.
    std::vector<std::string> lines;
    for (char c = 'a'; c <= 'm'; ++c)
        lines.push_back(std::string("Il a <") + c + c + "> x.#y");
    tree->write("DATA/FRA51400.DAT", lines);
    ToolRun r = lint("TFLERBAR");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find(at("FRA51400.DAT", 13) +
                         "fel: luckordet \"mm\" får ingen bricka: filen har fler än 12 olika"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(countOf(r.out, ": fel: "), 1) << r.out;
}

TEST_F(LintTree, HeaderLinesAfterTheSixthAreAWarningOnly) {
    fill(WindowKind::TSKRIV);
    tree->write("DATA/FRA56810.DAT",
                {"$Frågor", "; a", "; b", "hus#maison", "katt#chat", "; c", "$§Sent instruction"});
    ToolRun r = lint("TSKRIV");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find(at("FRA56810.DAT", 7) + "varning: rubrikrad efter de sex första raderna"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("0 fel, 1 varning."), std::string::npos) << r.out;
}

TEST_F(LintTree, TheListFileDecidesWhichFilesTheProgramFinds) {
    fill(WindowKind::TFLERBAR);
    tree->write("DATA/datfiler.fra",
                {"FRA51220.DAT", "fra51400.dat", "FRDI06.DAT", "FROVN106.DAT", "FROM9001.LOV"});
    ToolRun r = lint("TFLERBAR");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find(tree->root().string() +
                         "/DATA/datfiler.fra:0: fel: FRA51400.DAT står inte i listan"),
              std::string::npos)
        << "the program compares the names exactly\n"
        << r.out;
    EXPECT_EQ(countOf(r.out, ": fel: "), 1) << r.out;
}

TEST_F(LintTree, MoreDataFilesThanTheProgramReadsIsAnError) {
    fill(WindowKind::TFLERBAR);
    for (int i = 0; i < 170; ++i)
        tree->write("DATA/FRX" + std::to_string(10000 + i) + ".DAT", {"a#b"});
    ToolRun r = lint("TFLERBAR");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find(tree->root().string() + "/DATA:0: fel: 174 filer FR*.DAT"),
              std::string::npos)
        << r.out;
}

TEST_F(LintTree, BadCommandLinesAndMissingDataDirectory) {
    EXPECT_EQ(lint("TSKRIV,TNothing").status, 2);
    EXPECT_EQ(lint(",").status, 2);
    EXPECT_EQ(runTool({"lint"}).status, 2);
    EXPECT_EQ(runTool({"lint", tree->root().string(), "--bogus"}).status, 2);
    std::filesystem::remove_all(tree->root() / "DATA");
    ToolRun r = lint("");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("hittar inte katalogen"), std::string::npos) << r.out;
}
