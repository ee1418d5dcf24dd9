// Worksheet mode in the exercise windows: collecting items from several exercises, "Välja antal",
// clearing, and the line formats of the translation, fill-in and
// word-tile exercises.

#include "ExerciseFixture.h"
#include "ExternalTools.h"
#include "FakePrinting.h"
#include "PdfPrinting.h"
#include "TFLERBAR.h"
#include "TSKRIV.h"
#include "TSkrivinf.h"
#include "TUtskrift.h"

using namespace orvela;
using namespace orvela::testing;

namespace {

struct WorksheetTest : ExerciseFixture {
    FakePrinting printing;
    std::unique_ptr<TUtskrift> utskrift;

    WorksheetTest() {
        context.printing = &printing;
        utskrift = std::make_unique<TUtskrift>(context);
        context.worksheet = utskrift.get();
        f.s.ExerciseMode = Mode::Worksheet;
    }
    std::vector<std::string> sheet(Sheet which) {
        std::vector<std::string> out;
        for (const WorksheetLine& l : utskrift->worksheet().lines(which))
            out.push_back(l.text.toUtf8());
        return out;
    }
    static void click(QWidget& w, const char* name) {
        auto* b = w.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        ASSERT_TRUE(b->isEnabled()) << name;
        b->click();
    }
    // Opens a second exercise on another file of the same content tree.
    void openFile(const std::string& name, const std::vector<std::string>& lines) {
        f.content.write("DATA/" + name, lines);
        ASSERT_TRUE(f.shell.HaemtaFilTabell());
        f.s.CurrentDataFile = AnsiText::ascii(name);
        ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    }
};

std::vector<std::string> words(int n, const std::string& heading) {
    std::vector<std::string> lines = {"$" + heading, "$§Översätt."};
    for (int i = 1; i <= n; ++i)
        lines.push_back("ord" + std::to_string(i) + "#mot" + std::to_string(i));
    return lines;
}

} // namespace

TEST_F(WorksheetTest, TwoExercisesNumberHeadingsAndItemsOnward) {
    prepare("FRA99001.DAT", words(12, "Första"));
    auto first = std::make_unique<TSKRIV>(context);
    first->show();
    EXPECT_FALSE(child(*first, "RensaButton")->isEnabled()) << "nothing collected yet";
    EXPECT_FALSE(child(*first, "Skrivut1Button")->isEnabled());
    EXPECT_FALSE(visible(*first, "Edit1"));
    EXPECT_TRUE(visible(*first, "SkrivutOverskriftPanel"));

    click(*first, "SkrivutAntalButton");
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(first.get(), Qt::Key_Up);
    EXPECT_EQ(child<QLabel>(*first, "SkrivutAntalLabel")->text(), QStringLiteral("3"));
    std::string onScreen = f.s.ItemFields[1].toUtf8();
    click(*first, "SkrivutKlartButton");
    EXPECT_TRUE(child(*first, "RensaButton")->isEnabled());
    std::vector<std::string> q = sheet(Sheet::Questions);
    ASSERT_EQ(q.size(), 1u + 3 * 2);
    EXPECT_EQ(q[0], "1.  Första");
    EXPECT_EQ(q[1], "   1. " + onScreen) << "the item on the screen is added first";
    EXPECT_EQ(q[2], "       " + std::string(57, '_'));
    EXPECT_EQ(sheet(Sheet::Answers)[2].substr(0, 10), "       mot");
    EXPECT_NE(f.s.ItemFields[1].toUtf8(), onScreen) << "a fourth item is on the screen";
    click(*first, "SkrivutAvbryt1Button");

    openFile("FRA99002.DAT", words(15, "Andra"));
    auto second = std::make_unique<TSKRIV>(context);
    second->show();
    EXPECT_TRUE(child(*second, "RensaButton")->isEnabled()) << "the worksheet is kept";
    click(*second, "ValjaUtButton");
    click(*second, "SkrivutSkickaButton");
    click(*second, "SkrivutNextButton");
    click(*second, "SkrivutSkickaButton");
    q = sheet(Sheet::Questions);
    ASSERT_EQ(q.size(), 7u + 1 + 4);
    EXPECT_EQ(q[7], "2.  Andra");
    EXPECT_EQ(q[8].substr(0, 6), "   4. ");
    EXPECT_EQ(q[10].substr(0, 6), "   5. ");

    click(*second, "RensaButton");
    click(*second, "SkrivutSkickaButton");
    q = sheet(Sheet::Questions);
    EXPECT_EQ(q[0], "1.  Andra") << "clearing starts again at heading 1";
    EXPECT_EQ(q[1].substr(0, 6), "   1. ");
}

TEST_F(WorksheetTest, CountBounds) {
    prepare("FRA99001.DAT", words(4, "Fyra"));
    auto w = std::make_unique<TSKRIV>(context);
    w->show();
    click(*w, "SkrivutAntalButton");
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(w.get(), Qt::Key_Up);
    EXPECT_EQ(f.s.WorksheetBatchCount, 4) << "not above the file's item count";
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(w.get(), Qt::Key_Down);
    EXPECT_EQ(f.s.WorksheetBatchCount, 0);
    click(*w, "SkrivutKlartButton");
    EXPECT_EQ(sheet(Sheet::Questions), (std::vector<std::string>{"1.  Fyra"}))
        << "a count of 0 adds only the heading";
}

TEST_F(WorksheetTest, FillInLinesHaveBlanksAsLongAsTheWord) {
    EXPECT_EQ(TSkrivinf::blankedLine(AnsiText::ascii("J'<ai> faim."), true).toUtf8(),
              "J' ___ faim.")
        << "a single gap on the first line has no closing blank";
    EXPECT_EQ(TSkrivinf::blankedLine(AnsiText::ascii("J'<ai> <eu> faim."), true).toUtf8(),
              "J' ____   ____  faim.");
    EXPECT_EQ(TSkrivinf::blankedLine(AnsiText::ascii("Il <est> parti."), false).toUtf8(),
              "Il  _____  parti.");

    prepare("FRA56911.DAT", {"$Passé composé", "$§Fyll i.", "Jag har <ätit>.#J'<ai> <mangé>."});
    auto w = std::make_unique<TSkrivinf>(context);
    w->show();
    click(*w, "ValjaUtButton");
    click(*w, "SkrivutSkickaButton");
    std::vector<std::string> q = sheet(Sheet::Questions), a = sheet(Sheet::Answers);
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[1], "   1. Jag har <ätit>.");
    EXPECT_EQ(q[2], "       J' ____   _______ .");
    EXPECT_EQ(a[2], "       J'<ai> <mangé>.");
}

TEST_F(WorksheetTest, WordTileLinesAndAlternativesNote) {
    prepare("FRA51220.DAT", {"$Partitiv artikel", "$§Klicka.", "Je mange <du> pain.#bröd",
                             "Elle boit <de la> bière.#öl", "Il y a <des> pommes.#äpplen"});
    auto w = std::make_unique<TFLERBAR>(context);
    w->show();
    click(*w, "ValjaUtButton");
    click(*w, "SkrivutSkickaButton");
    std::vector<std::string> q = sheet(Sheet::Questions), a = sheet(Sheet::Answers);
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[1], "      Du, de la eller des ?") << "the alternatives are the note";
    EXPECT_NE(q[2].find("__________"), std::string::npos)
        << "the blank is as long as 'de la' twice";
    EXPECT_NE(a[2].find('<'), std::string::npos) << "the answer keeps its marks";
}

// A worksheet from three exercises printed to PDF, both sheets, read back as text.
TEST_F(WorksheetTest, ThreeExercisesPrintedToPdf) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    // All files are in place before the file table is made, as in the program.
    f.content.write("DATA/FRA56911.DAT",
                    {"$Verb", "$Passé composé", "$§Fyll i.", "$%Skriv verbet i passé composé.",
                     "Jag åt.#J'<ai> <mangé>.", "Hon kom.#Elle <est> <venue>.",
                     "Vi sov.#Nous <avons> <dormi>."});
    f.content.write("DATA/FRA51220.DAT",
                    {"$Partitiv artikel", "$§Klicka.", "Je mange <du> pain.#bröd",
                     "Elle boit <de la> bière.#öl", "Il y a <des> pommes.#äpplen"});
    prepare("FRA99001.DAT", words(20, "Glosor"));
    // "Välja antal" with a count of n on each file in turn.
    auto collect = [this](auto& w, int n) {
        w.show();
        click(w, "SkrivutAntalButton");
        for (int i = 1; i < n; ++i)
            QTest::keyClick(&w, Qt::Key_Up);
        click(w, "SkrivutKlartButton");
    };
    {
        TSKRIV w(context);
        collect(w, 10);
        click(w, "SkrivutAvbryt1Button");
    }
    f.s.CurrentDataFile = AnsiText::ascii("FRA56911.DAT");
    ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    {
        TSkrivinf w(context);
        collect(w, 3);
        click(w, "SkrivutAvbryt1Button");
    }
    f.s.CurrentDataFile = AnsiText::ascii("FRA51220.DAT");
    ASSERT_TRUE(f.shell.Kolla(f.s.CurrentDataFile));
    TFLERBAR tiles(context);
    collect(tiles, 3);
    QString dir = QString::fromStdString(f.content.root().string());
    QByteArray shots = qgetenv("ORVELA_SHOT_DIR");
    if (!shots.isEmpty()) dir = QString::fromUtf8(shots);
    for (int answers = 0; answers <= 1; ++answers) {
        QString file = dir + (answers ? QStringLiteral("/worksheet-facit.pdf")
                                      : QStringLiteral("/worksheet.pdf"));
        {
            PdfPrinting pdf(file);
            context.printing = &pdf;
            f.s.PrintWithAnswers = static_cast<std::uint8_t>(answers);
            EXPECT_EQ(utskrift->SkrivutFraga(), PrintOutcome::Printed);
            context.printing = &printing;
        }
        std::string text;
        for (const auto& page : pdfPages(file.toStdString()))
            for (const std::string& line : page)
                text += line + "\n";
        EXPECT_NE(text.find("Glosor"), std::string::npos);
        EXPECT_NE(text.find("Verb Passé composé"), std::string::npos);
        EXPECT_NE(text.find("Skriv verbet i passé composé."), std::string::npos);
        EXPECT_NE(text.find("Partitiv artikel"), std::string::npos);
        EXPECT_NE(text.find("13. "), std::string::npos) << "items numbered across exercises";
        EXPECT_EQ(text.find("Facit.") != std::string::npos, answers == 1);
        EXPECT_NE(text.find(answers ? "<de la>" : "Elle boit"), std::string::npos)
            << "three different word-tile items";
    }
}
