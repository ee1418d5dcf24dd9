// orvela-content lint: the built tool run on small content trees, each with one kind of fault.

#include "Catalogue.h"
#include "ExternalTools.h"
#include "Fakes.h"
#include "Scrambling.h"

#include <gtest/gtest.h>
#include <memory>
#include <span>

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
    case WindowKind::TFormer:
        return {"$Oregelbundna verb", "être, présent#je suis#tu es#il est#nous sommes#vous êtes",
                "avoir, présent#j'ai#tu as#il a#nous avons#vous avez#&j' ai"};
    case WindowKind::Tskriv2:
        return {"$Komparation", "grand#plus grand#le plus grand#stor - större - störst",
                "petit#plus petit#le plus petit#liten - mindre - minst"};
    case WindowKind::TFalska: // "s" is a class of every duel
        return {"$Duell", "la salade#s#salladen", "le sel#s#saltet", "la soupe#s#soppan",
                "le sac#s#väskan", "la sœur#s#systern"};
    default: return {"$Övning", "hus#maison", "katt#chat"};
    }
}

bool has(const std::string& out, const std::string& part) {
    return out.find(part) != std::string::npos;
}

struct LintTree : ::testing::Test {
    // A faulty file of a kind in an otherwise good tree, and the one error it must bring.
    struct Case {
        WindowKind kind;
        const char* file;
        std::vector<std::string> lines;
        int line;
        const char* finding;
    };

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
    // Each case alone in a fresh tree: lint fails with its finding on its line and no other error.
    void expectOneErrorEach(std::span<const Case> cases) {
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
};

} // namespace

TEST_F(LintTree, ACompleteTreeOfTheSelectedKindsPassesWhateverTheLetterCaseOfItsNames) {
    for (WindowKind k : {WindowKind::TSKRIV, WindowKind::TSkrivinf, WindowKind::TFLERBAR})
        fill(k);
    remove("FRA51400.DAT");
    tree->write("DATA/fra51400.dat", goodFile(WindowKind::TFLERBAR));
    auto [status, out] = lint("TSKRIV,TSkrivinf,TFLERBAR");
    EXPECT_EQ(status, 0) << out;
    // 96 files of the menus and 32 of the diagnosis.
    EXPECT_TRUE(has(out, "Kontrollerade 128 filer: 0 fel, 0 varningar.")) << out;
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
    expectOneErrorEach(cases);
}

// The verb table and the second translation exercise, read as their windows read them: the five
// forms of a verb, and the two answers with the Swedish line.
TEST_F(LintTree, VerbTablesAndTwoAnswerItemsAreCheckedAsTheirWindowsReadThem) {
    using K = WindowKind;
    fill(K::TFormer);
    fill(K::Tskriv2);
    auto [goodStatus, good] = lint("TFormer,Tskriv2");
    EXPECT_EQ(goodStatus, 0) << good;
    EXPECT_TRUE(has(good, "Kontrollerade 6 filer: 0 fel, 0 varningar.")) << good;

    const std::string longForm(50, 'x');
    const Case cases[] = {
        {K::TFormer,
         "FRA56510.DAT",
         {"$Tema", "être, présent#je suis"},
         2,
         "fel: fälten 3, 4, 5, 6 saknas; verbtabellen behöver fem former"},
        {K::TFormer,
         "FRDI12.DAT",
         {"aller#je vais#tu vas#  #nous allons#vous allez"},
         1,
         "fel: fält 4 saknas; verbtabellen behöver fem former"},
        {K::TFormer, "FROVN112.DAT", {"#je vais#tu vas#il va#nous allons#vous allez"}, 1,
         "fel: fält 1 (verbet och det som efterfrågas) saknas"},
        {K::TFormer,
         "FRA56510.DAT",
         {"aller#je vais#tu vas#&il va#nous allons#vous allez"},
         1,
         "fel: fält 4 börjar med \"&\" men är en av de fem formerna"},
        {K::Tskriv2,
         "FRA52110.DAT",
         {"grand#plus grand"},
         1,
         "fel: fält 3 (andra svaret) saknas; uppgiften kan aldrig besvaras rätt"},
        {K::Tskriv2,
         "FRDI08.DAT",
         {"$Komparation", "grand# #le plus grand#stor"},
         2,
         "fel: fält 2 (första svaret) saknas"},
        {K::Tskriv2, "FROVN108.DAT", {" #plus grand#le plus grand#stor"}, 1,
         "fel: fält 1 (frågan) saknas"},
    };
    expectOneErrorEach(cases);

    // What the pupil can still answer is a warning only.
    tree = std::make_unique<TempContent>();
    fill(K::TFormer);
    fill(K::Tskriv2);
    tree->write("DATA/FRA56510.DAT", {"long#" + longForm + "#b#c#d#e", "kort#" + longForm +
                                          "#b#c#d#e#&a"});
    tree->write("DATA/FRA52110.DAT", {"grand#plus grand#le plus grand"});
    auto [status, out] = lint("TFormer,Tskriv2");
    EXPECT_EQ(status, 0) << out;
    EXPECT_TRUE(has(out, at("FRA56510.DAT", 1) +
                             "varning: formen i fält 2 är längre än 45 tecken"))
        << out;
    EXPECT_TRUE(has(out, at("FRA52110.DAT", 1) + "varning: fält 4 (den svenska raden) saknas"))
        << out;
    EXPECT_TRUE(has(out, "0 fel, 2 varningar.")) << "a short alternative can be typed\n" << out;
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

// The answers a pupil types: each warning found in a faulty file, and none in the mended one.
TEST_F(LintTree, TypedAnswersThatJudgeAPupilWronglyAreWarnings) {
    using K = WindowKind;
    struct Case {
        K kind;
        const char* file;
        std::string faulty;
        std::string mended;
        const char* finding;
    };
    const Case cases[] = {
        // Two answer boxes share their alternatives.
        {K::Tskriv2, "FRA52110.DAT",
         "Il est ... (grand) que moi et ... (grand) de tous.#plus grand#le plus grand#större än "
         "– störst#&le plus grand",
         "Il est ... (grand) que moi et ... (grand) que toi.#plus grand#plus grand#större än – "
         "större än#&bien plus grand",
         "varning: alternativet \"le plus grand\" gäller båda rutorna men är eller innehåller "
         "svaret i ruta 1 (\"plus grand\")"},
        {K::Tskriv2, "FRDI08.DAT",
         "Elle est ... (bon) que lui, et ... (bon).#meilleure#la meilleure#x#&meilleure",
         "Elle est ... (bon) que lui, et ... (bon).#meilleure#la meilleure#x",
         "varning: alternativet \"meilleure\" gäller båda rutorna men är eller innehåller svaret "
         "i ruta 1 (\"meilleure\")"},
        {K::Tskriv2, "FRA52110.DAT",
         "Il est ... (cher) que l'autre, et c'est ... (mauvais) du quartier.#plus cher#le plus "
         "mauvais#x#&le pire",
         "Il est ... (mauvais) que l'autre, et ... (mauvais) que celui d'hier.#plus mauvais#plus "
         "mauvais#x#&pire",
         "varning: alternativet \"le pire\" gäller båda rutorna men har inget ord gemensamt med "
         "svaret i ruta 1 (\"plus cher\")"},
        // Œ and æ cannot be typed without the pop-up menu.
        {K::TSKRIV, "FRDI01.DAT", "en syster#une sœur", "en syster#une sœur#&une soeur",
         "varning: \"une sœur\" har œ eller æ, men stavningen \"une soeur\" godtas inte"},
        {K::TSkrivinf, "FRA51110.DAT", "Min <syster> är här.#Ma <sœur> est là.",
         "Min <syster> är här.#Ma <sœur> est là.#&soeur",
         "varning: \"sœur\" har œ eller æ, men stavningen \"soeur\" godtas inte"},
        {K::TSKRIV, "FRA56600.DAT", "ett ex#un ex#&un curriculum vitæ",
         "ett ex#un ex#&un curriculum vitæ#&un curriculum vitae",
         "varning: \"un curriculum vitæ\" har œ eller æ, men stavningen \"un curriculum vitae\""},
        // A final "?" or "!" with and without the space before it.
        {K::TSKRIV, "FRA56810.DAT", "Hur mår du?#Comment vas-tu?",
         "Hur mår du?#Comment vas-tu ?#&Comment vas-tu?",
         "varning: \"Comment vas-tu?\" slutar på \"?\", men \"Comment vas-tu ?\" godtas inte"},
        {K::TSKRIV, "FRDI16.DAT", "Titta!#Regarde !", "Titta!#Regarde !#&Regarde!",
         "varning: \"Regarde !\" slutar på \"!\", men \"Regarde!\" godtas inte"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.finding);
        tree = std::make_unique<TempContent>();
        fill(c.kind);
        tree->write("DATA/" + std::string(c.file), {"$Övning", c.faulty});
        auto [status, out] = lint(windowKindName(c.kind));
        EXPECT_EQ(status, 0) << "warnings only\n" << out;
        EXPECT_TRUE(has(out, at(c.file, 2) + c.finding)) << out;
        EXPECT_EQ(countOf(out, ": varning: "), 1) << out;
        tree->write("DATA/" + std::string(c.file), {"$Övning", c.mended});
        auto [mendedStatus, mended] = lint(windowKindName(c.kind));
        EXPECT_EQ(mendedStatus, 0) << mended;
        EXPECT_TRUE(has(mended, " 0 fel, 0 varningar.")) << mended;
    }
}

TEST_F(LintTree, DuelWordsNeedTheirClassesAndDictationTextsTheirField) {
    fill(WindowKind::TFalska);
    fill(WindowKind::TDiktam);
    EXPECT_EQ(lint("TFalska,TDiktam").first, 0) << lint("TFalska,TDiktam").second;
    tree->write("DATA/FRA31300.DAT", {"la plage#s#stranden", "le gâteau#k#kakan", "le gant#g"});
    tree->write("DATA/FRA36100.DAT", {"hus#", "tåg#le train qui part de la gare du Nord à huit heures"});
    auto [status, out] = lint("TFalska,TDiktam");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(has(out, "fel: en duell behöver minst fem ord; filen har 3")) << out;
    EXPECT_TRUE(has(out, at("FRA31300.DAT", 2) + "fel: fält 2 (ljudklassen) ska vara s eller g, inte \"k\"")) << out;
    EXPECT_TRUE(has(out, at("FRA31300.DAT", 3) + "varning: fält 3 (svensk betydelse) saknas")) << out;
    EXPECT_TRUE(has(out, at("FRA36100.DAT", 1) + "fel: fält 2 (den franska texten) saknas")) << out;
    EXPECT_TRUE(has(out, at("FRA36100.DAT", 2) + "varning: texten är längre än 45 tecken")) << out;
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
