// The diagnosis protocol: the grid of a pupil's programmes, starting tests and follow-up
// exercises by status, new results as exercises store them, storing on leaving (and telling when
// that fails), the pupil's new password, and the printed protocol (recorded and as a PDF file).

#include "AppWindowOpener.h"
#include "DiagnosisFixture.h"
#include "DiagnosisRules.h"
#include "ExternalTools.h"
#include "PdfPrinting.h"
#include "ProtocolGrid.h"
#include "Tdiaprot.h"
#include "WindowFactories.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace orvela;
using namespace orvela::testing;

namespace {

DiagnosisRecord newPupil(const std::string& name) {
    DiagnosisRecord r;
    clearDiagnosisRecord(r);
    r.name = A(name);
    return r;
}

struct ProtocolTest : DiagnosisFixture {
    std::unique_ptr<Tdiaprot> window;

    void open(const DiagnosisRecord& p) {
        writeDiagnosisFiles();
        f.s.CurrentPupil = p;
        window = std::make_unique<Tdiaprot>(context);
        opener.protocol = window.get();
        window->show();
    }
    ProtocolGrid* grid() { return child<ProtocolGrid>(*window, "StringGrid1"); }
    std::string cell(int row, int column) { return grid()->text(row, column).toStdString(); }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(*window, button), Qt::LeftButton);
    }
    void start(int row) {
        grid()->selectRow(row);
        QTest::keyClick(grid(), Qt::Key_Return);
    }
    QPoint rowCentre(int row) {
        return QPoint(grid()->columnWidth(0) + 20,
                      grid()->rowTop(row) + grid()->rowHeight(row) / 2);
    }
    bool closed() const { return !window->isVisible(); }
};

TEST_F(ProtocolTest, ANewPupilSeesTheEighteenProgrammes) {
    open(newPupil("Lisa"));
    EXPECT_EQ(text(*window, "Label1"), "Enregistrement des résultats pour Lisa");
    ASSERT_EQ(grid()->rowCount(), 20);
    for (int n = 1; n <= 18; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(cell(n, 0), (n < 10 ? "   " : "  ") + std::to_string(n));
        EXPECT_EQ(cell(n, 1), "  " + std::string(diagnosisProgrammeName(n)));
        EXPECT_EQ(cell(n, 2), "          0");
        EXPECT_EQ(cell(n, 4), n >= 2 && n <= 4 ? "    Attendre" : "    Commencer");
    }
    EXPECT_EQ(cell(19, 2), "          0") << "the total";
    EXPECT_EQ(window->selectedRow(), 1);
    EXPECT_EQ(context.protocol, window.get());
    shot(*window, "protocol-new-pupil");
}

TEST_F(ProtocolTest, StartingATestByEnterOrDoubleClickOpensItsWindowOnItsFile) {
    open(newPupil("Lisa"));
    const std::tuple<int, WindowKind, const char*> cases[] = {
        {1, WindowKind::TSKRIV, "FRDI01.DAT"},   {5, WindowKind::TSkrivinf, "FRDI05.DAT"},
        {6, WindowKind::TFLERBAR, "FRDI06.DAT"}, {8, WindowKind::Tskriv2, "FRDI08.DAT"},
        {12, WindowKind::TFormer, "FRDI12.DAT"}, {18, WindowKind::TSKRIV, "FRDI18.DAT"}};
    for (const auto& [programme, kind, file] : cases) {
        SCOPED_TRACE(programme);
        opener.opened.clear();
        start(programme);
        ASSERT_EQ(opener.opened.size(), 1u);
        const OpenedWindow& w = opener.opened[0];
        EXPECT_EQ(w.request.kind, kind);
        EXPECT_EQ(w.dataFile, file);
        EXPECT_EQ(w.mode, Mode::DiagnosisTest);
        EXPECT_EQ(w.programme, programme);
        EXPECT_FALSE(w.protocolEnabled) << "the protocol waits while the exercise runs";
        EXPECT_TRUE(window->isEnabled());
    }
    opener.opened.clear();
    for (int row : {7, 0, 19}) // not on the headings or the total
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(row));
    start(19);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].dataFile, "FRDI07.DAT");
    EXPECT_TRUE(f.messages.shown.empty());

    fs::remove(f.content.root() / "DATA" / "FRDI09.DAT");
    f.s.ItemCount.fill(0); // counted afresh
    start(9);
    EXPECT_EQ(opener.opened.size(), 1u) << "a missing test file is told and nothing starts";
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_NE(f.messages.shown[0].find("FRDI09.DAT"), std::string::npos);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ProtocolTest, AWaitingProgrammeSaysWhichComesFirstAndAideHelps) {
    open(newPupil("Lisa"));
    start(3);
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_TRUE(visible(*window, "Panel2"));
    EXPECT_EQ(text(*window, "Label2"), "Il faut faire Glosor, lätta");
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_FALSE(visible(*window, "Panel2")) << "another row hides it";

    f.s.CurrentProgramme = 2; // programme 2 tested with fewer than 15 right
    f.shell.diagnosback(12);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(3));
    EXPECT_EQ(text(*window, "Label2"), "Il faut faire mieux Glosor, lätta");
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(6));
    EXPECT_FALSE(visible(*window, "Panel2")) << "only programmes 2 to 4 wait";

    click("HjalpButton");
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_EQ(window->focusWidget(), grid());
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_FALSE(visible(*window, "Panel1")) << "the help box goes with the next key";
}

TEST_F(ProtocolTest, AProgrammeToPractiseStartsItsFollowUpAndAPassIsShownAndStored) {
    DiagnosisRecord p = newPupil("Lisa");
    p.result[7] = 10;
    p.status[7] = StatusExercer;
    open(p);
    f.s.DiagnosisReturnMarker = 5;
    opener.during = [&](const WindowRequest&) { // what a passed second follow-up does
        f.s.CurrentPupil.status[7] = StatusTester;
        context.protocol->setStatusCell(7, QStringLiteral("    Tester"));
        context.protocol->hideInfoPanel();
        context.protocol->setProtocolEnabled(true);
    };
    start(7);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].request.kind, WindowKind::TSKRIV);
    EXPECT_EQ(opener.opened[0].dataFile, "FROVN107.DAT");
    EXPECT_EQ(opener.opened[0].mode, Mode::FollowUp1);
    EXPECT_EQ(opener.opened[0].returnMarker, 0);
    EXPECT_EQ(f.s.ExerciseMode, Mode::DiagnosisTest) << "the protocol waits again";
    EXPECT_EQ(cell(7, 4), "    Tester");
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].status[7], StatusTester);
}

TEST_F(ProtocolTest, ATestRunUpdatesTheRowAndTheFileAtOnce) {
    open(newPupil("Lisa"));
    opener.during = [&](const WindowRequest&) { f.shell.diagnosback(16); };
    start(16);
    EXPECT_EQ(cell(16, 2), "        16");
    EXPECT_EQ(cell(16, 3), "  261206 10:30");
    EXPECT_EQ(cell(16, 4), "    Tester");
    EXPECT_EQ(cell(19, 2), "        16");
    EXPECT_EQ(f.s.ProtocolSave, 0);
    ASSERT_EQ(stored().size(), 1u) << "the file already holds it";
    EXPECT_EQ(stored()[0].name, A("Lisa"));
    EXPECT_EQ(stored()[0].result[16], 16);
    EXPECT_EQ(stored()[0].status[16], StatusTester);
    EXPECT_EQ(stored()[0].year[16], 2026);
    EXPECT_EQ(window->selectedRow(), 16);
}

TEST_F(ProtocolTest, AnnulerAndEscapeStoreTheRecordEvenUnchanged) {
    writePupils({pupil("Anna"), pupil("Bo")});
    open(pupil("Bo", "", 7));
    click("AvbrytButton");
    EXPECT_TRUE(closed());
    EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);
    EXPECT_EQ(context.protocol, nullptr);
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Anna", "Bo"}));
    EXPECT_EQ(stored()[1].result[1], 7);

    f.s.CurrentProgramme = 4; // without a protocol the shell stores a result itself
    f.shell.diagnosback(3);
    EXPECT_EQ(stored()[1].result[4], 3);

    open(newPupil("Lisa"));
    QTest::keyClick(grid(), Qt::Key_Escape);
    EXPECT_TRUE(closed());
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Anna", "Bo", "Lisa"}));
}

TEST_F(ProtocolTest, AStoreThatFailsOnLeavingIsToldAndCanBeTriedAgain) {
    struct YesThenNo : FakeMessages {
        bool confirm(std::string_view t) override {
            shown.emplace_back(t);
            return shown.size() == 1;
        }
    } messages;
    f.shell.services().messages = &messages;
    open(newPupil("Lisa"));
    f.content.writeRaw("blocker", "not a directory");
    f.s.DiagnosisDir = (f.content.root() / "blocker").string();
    click("AvbrytButton");
    ASSERT_EQ(messages.shown.size(), 2u) << "asked, tried again, asked again";
    EXPECT_NE(messages.shown[0].find("Diagnosen för Lisa kunde inte sparas i katalogen"),
              std::string::npos);
    EXPECT_NE(messages.shown[0].find("Vill du försöka igen?"), std::string::npos);
    EXPECT_TRUE(closed()) << "No leaves";
    f.shell.services().messages = &f.messages;
}

TEST_F(ProtocolTest, FromTheLoginThroughTheProtocolAndBack) {
    writeDiagnosisFiles();
    AppWindowOpener program;
    context.opener = &program;
    registerWindows(program, context);
    std::string seen;
    onNextModal([&](QWidget* login) {
        ASSERT_NE(login, nullptr);
        EXPECT_EQ(login->objectName(), QStringLiteral("Diag"));
        onNextModal([&](QWidget* protocol) {
            ASSERT_NE(protocol, nullptr);
            auto* g = protocol->findChild<ProtocolGrid*>(QStringLiteral("StringGrid1"));
            seen = g->text(1, 4).toStdString() + "|" + g->text(2, 4).toStdString();
            EXPECT_EQ(context.protocol, dynamic_cast<ProtocolLink*>(protocol));
            QTest::mouseClick(protocol->findChild<QPushButton*>(QStringLiteral("AvbrytButton")),
                              Qt::LeftButton);
        });
        typeAndEnter(login->findChild<QLineEdit*>(QStringLiteral("Edit1")), QStringLiteral("Maja"));
    });
    EXPECT_TRUE(program.open(WindowRequest{WindowKind::TDiag, {}, 0}));
    EXPECT_EQ(seen, "    Commencer|    Attendre");
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Maja"}));
    EXPECT_EQ(context.protocol, nullptr);
    EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);
}

// ---- printing ----

TEST_F(ProtocolTest, ThePrintedTableKeepsTheScreensColumnsWhereTheTextsFit) {
    printer.page = {21000, 29700}; // 100 pixels to the millimetre: every text fits
    open(newPupil("Lisa"));
    f.s.CurrentProgramme = 5;
    f.shell.diagnosback(17);
    click("SkrivutButton");
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.jobs[0].ended);
    EXPECT_EQ(printer.jobs[0].name, "Diagnosprotokoll");
    const FakePrinting::Text* title = printer.find(0, "Enregistrement");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "Enregistrement des résultats de \"Orvela\" pour Lisa.");
    EXPECT_EQ(std::make_pair(title->x, title->y), std::make_pair(2000, 400));
    EXPECT_EQ(title->font, (PrintFont{"Arial", 12, true, false}));

    auto columnX = [&](std::size_t k) {
        return 1500 + TDiagutform::ProcentTillPixel(window->printColumns()[k], 21000);
    };
    const FakePrinting::Text* name = printer.findExact(0, "  Bestämd artikel");
    const FakePrinting::Text* result = printer.findExact(0, "        17");
    ASSERT_TRUE(name && result);
    EXPECT_EQ(name->x, columnX(1));
    EXPECT_EQ(name->y, (12 + 8 * 5 + 2) * 100) << "row 5";
    EXPECT_EQ(result->x, columnX(2));
    EXPECT_EQ(result->y, name->y);
    EXPECT_EQ(printer.findExact(0, "  261206 10:30")->x, columnX(3));
    EXPECT_EQ(printer.findExact(0, "    Tester")->x, columnX(4));
    EXPECT_EQ(printer.findExact(0, "   5")->x, 1500);
    int totals = 0; // the total row's figures sit a millimetre lower
    for (const FakePrinting::Text& t : printer.pages[0].texts)
        totals += t.text == "        17" && t.y == (12 + 8 * 19 + 3) * 100;
    EXPECT_EQ(totals, 1);
    const FakePrinting::Shape& closing = printer.pages[0].shapes.back(); // below the twentieth row
    EXPECT_EQ(closing.y1, (12 + 8 * 20 + 2) * 100);
    EXPECT_EQ(std::make_pair(closing.x1, closing.x2), std::make_pair(1499, 19501));
}

TEST_F(ProtocolTest, OnAPageWhereTheyWouldRunOverEveryTextStaysInItsColumn) {
    DiagnosisRecord p = newPupil("Lisa");
    for (std::size_t n = 1; n <= 18; ++n) {
        p.result[n] = static_cast<std::int32_t>(n) + 2;
        p.year[n] = 2026;
        p.status[n] = StatusCommencer;
    }
    open(p);
    click("SkrivutButton");
    ASSERT_EQ(printer.pages.size(), 1u);
    const TDiagutform::Layout& layout = window->printHolder().lastLayout();
    EXPECT_LE(layout.points, 12);
    EXPECT_GE(layout.points, 8);
    EXPECT_EQ(layout.offsets[5], 1800) << "180 mm";
    int checked = 0;
    for (const FakePrinting::Text& t : printer.pages[0].texts) {
        if (t.y < 140) continue; // the title
        std::size_t k = 0;
        while (k < 4 && t.x >= 150 + layout.offsets[k + 1])
            ++k;
        EXPECT_EQ(t.x, 150 + layout.offsets[k]) << t.text;
        const std::string trimmed = t.text.substr(0, t.text.find_last_not_of(' ') + 1);
        const int width = static_cast<int>(A(trimmed).size()) * t.font.pointSize * 2;
        EXPECT_LE(t.x + width, 149 + layout.offsets[k + 1]) << t.text << " runs over";
        ++checked;
    }
    EXPECT_EQ(checked, 20 * 5);
}

TEST_F(ProtocolTest, CancelledCopiedFailedAndPrinterlessPrintouts) {
    open(newPupil("Lisa"));
    printer.answer = PrintChoice{false, 1};
    click("SkrivutButton");
    EXPECT_EQ(printer.chooseCalls, 1);
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_EQ(window->focusWidget(), grid());

    printer.answer = PrintChoice{true, 2};
    click("SkrivutButton");
    EXPECT_EQ(printer.jobs.size(), 2u) << "two copies are two jobs";
    EXPECT_TRUE(f.messages.shown.empty());

    printer.failFromJob = 3;
    click("SkrivutButton");
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("Utskriften kunde inte göras"), std::string::npos);

    context.printing = nullptr;
    click("SkrivutButton");
    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_NE(f.messages.shown[1].find("kan inte skrivas ut"), std::string::npos);
    EXPECT_FALSE(closed());
}

// The printed protocol as a real PDF file: every programme a line of its own.
// Set ORVELA_KEEP_PRINTOUTS to a directory to keep the file for a look.
TEST_F(ProtocolTest, ThePdfHoldsEveryProgrammeOnALineOfItsOwn) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir temp;
    QString file = temp.filePath(QStringLiteral("protokoll.pdf"));
    if (QByteArray keep = qgetenv("ORVELA_KEEP_PRINTOUTS"); !keep.isEmpty())
        file = QString::fromUtf8(keep) + QStringLiteral("/diagnosprotokoll.pdf");
    {
        PdfPrinting pdf(file);
        context.printing = &pdf;
        open(newPupil("Åsa Öberg"));
        for (int n : {1, 11, 13}) {
            f.s.CurrentProgramme = n;
            f.shell.diagnosback(n == 11 ? 9 : 17);
        }
        click("SkrivutButton");
        EXPECT_TRUE(f.messages.shown.empty());
        window.reset();
        context.printing = nullptr;
    }
    std::vector<std::string> lines;
    for (const auto& page : pdfPages(file.toStdString()))
        for (std::string l : page) { // words separated by one space
            l.erase(std::unique(l.begin(), l.end(),
                                [](char a, char b) { return a == ' ' && b == ' '; }),
                    l.end());
            lines.push_back(l);
        }
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Enregistrement des résultats de \"Orvela\" pour Åsa Öberg.");
    for (const char* expected :
         {"No Domaine Resultat Date Position", "1 Glosor, mycket lätta 17 261206 10:30 Tester",
          "2 Glosor, lätta 0 Tester",
          "11 Presens och passé composé av verb på -ir och -re 9 261206 10:30 Exercer",
          "13 Oregelbundna verb i presens och passé composé 17 261206 10:30 Tester",
          "18 Futurum 0 Commencer", "43"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

} // namespace
