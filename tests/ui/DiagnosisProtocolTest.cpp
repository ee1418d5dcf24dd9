// The diagnosis protocol: the grid of a pupil's programmes, starting tests and follow-up
// exercises by status, new results as exercises store them, storing on leaving (and telling when
// that fails), the pupil's new password, the help box, and the printed protocol.

#include "AppWindowOpener.h"
#include "DiagnosisFixture.h"
#include "DiagnosisRules.h"
#include "ProtocolGrid.h"
#include "TDiag.h"
#include "Tdiaprot.h"
#include "WindowFactories.h"

#include <QLineEdit>
#include <QPushButton>

using namespace orvela;
using namespace orvela::testing;

namespace {

// Answers the confirmations in turn, then No.
class ScriptedMessages : public FakeMessages {
public:
    std::vector<bool> answers;
    bool confirm(std::string_view t) override {
        shown.emplace_back(t);
        if (answers.empty()) return false;
        const bool a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
};

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
    QPushButton* button(const char* name) { return child<QPushButton>(*window, name); }
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
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Diagnosprotokoll"));
    EXPECT_EQ(text(*window, "Label1"), "Enregistrement des résultats pour Lisa");
    EXPECT_EQ(grid()->rowCount(), 20);
    EXPECT_EQ(grid()->columnCount(), 5);
    const std::vector<std::string> headings = {"  No", "                  Domaine", "    Resultat",
                                               "    Date", "    Position"};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(cell(0, c), headings[static_cast<std::size_t>(c)]);
    for (int n = 1; n <= 18; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(cell(n, 0), (n < 10 ? "   " : "  ") + std::to_string(n));
        EXPECT_EQ(cell(n, 1), "  " + std::string(diagnosisProgrammeName(n)));
        EXPECT_EQ(cell(n, 2), "          0");
        EXPECT_EQ(cell(n, 3), "  ");
        EXPECT_EQ(cell(n, 4), n >= 2 && n <= 4 ? "    Attendre" : "    Commencer");
    }
    EXPECT_EQ(cell(5, 1), "  Bestämd artikel");
    EXPECT_EQ(cell(18, 1), "  Futurum");
    EXPECT_EQ(cell(19, 2), "          0") << "the total";
    for (int c : {0, 1, 3, 4})
        EXPECT_EQ(cell(19, c), "");
    EXPECT_EQ(window->selectedRow(), 1);
    EXPECT_EQ(grid()->currentRow(), 1);
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(grid()->selectionModel()->isSelected(grid()->model()->index(1, c)), c >= 1) << c;
    EXPECT_EQ(context.protocol, window.get());
    EXPECT_FALSE(visible(*window, "Panel1"));
    EXPECT_FALSE(visible(*window, "Panel2"));
    shot(*window, "protocol-new-pupil");
}

struct StartCase {
    int programme;
    WindowKind kind;
    const char* file;
};

TEST_F(ProtocolTest, StartingATestOpensItsWindowOnItsFile) {
    open(newPupil("Lisa"));
    for (const StartCase& c : {StartCase{1, WindowKind::TSKRIV, "FRDI01.DAT"},
                               StartCase{5, WindowKind::TSkrivinf, "FRDI05.DAT"},
                               StartCase{6, WindowKind::TFLERBAR, "FRDI06.DAT"},
                               StartCase{8, WindowKind::Tskriv2, "FRDI08.DAT"},
                               StartCase{12, WindowKind::TFormer, "FRDI12.DAT"},
                               StartCase{17, WindowKind::TSkrivinf, "FRDI17.DAT"},
                               StartCase{18, WindowKind::TSKRIV, "FRDI18.DAT"}}) {
        SCOPED_TRACE(c.programme);
        opener.opened.clear();
        start(c.programme);
        ASSERT_EQ(opener.opened.size(), 1u);
        const OpenedWindow& w = opener.opened[0];
        EXPECT_EQ(w.request.kind, c.kind);
        EXPECT_EQ(w.dataFile, c.file);
        EXPECT_EQ(w.mode, Mode::DiagnosisTest);
        EXPECT_EQ(w.programme, c.programme);
        EXPECT_FALSE(w.protocolEnabled) << "the protocol waits while the exercise runs";
        EXPECT_TRUE(window->isEnabled());
    }
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(ProtocolTest, ADoubleClickOnAProgrammeStartsItButNotOnTheHeadingsOrTheTotal) {
    open(newPupil("Lisa"));
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(7));
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].dataFile, "FRDI07.DAT");
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(0));
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(19));
    start(19);
    EXPECT_EQ(opener.opened.size(), 1u);
    EXPECT_TRUE(f.messages.shown.empty()) << "row 19 has no data file to complain about";
}

TEST_F(ProtocolTest, AMissingTestFileIsToldAndNothingStarts) {
    open(newPupil("Lisa"));
    fs::remove(f.content.root() / "DATA" / "FRDI09.DAT");
    f.s.ItemCount.fill(0); // counted afresh
    start(9);
    EXPECT_TRUE(opener.opened.empty());
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_NE(f.messages.shown[0].find("FRDI09.DAT"), std::string::npos);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ProtocolTest, AWaitingProgrammeSaysWhichComesFirst) {
    open(newPupil("Lisa"));
    start(3);
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_TRUE(visible(*window, "Panel2"));
    EXPECT_EQ(text(*window, "Label2"), "Il faut faire Glosor, lätta");
    EXPECT_EQ(text(*window, "Label3"), "avant de faire cet exercice.");
    shot(*window, "protocol-waiting");
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_FALSE(visible(*window, "Panel2")) << "another row hides it";

    // Programme 2 tested with fewer than 15 right.
    f.s.CurrentProgramme = 2;
    f.shell.diagnosback(12);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(3));
    EXPECT_EQ(window->selectedRow(), 3);
    EXPECT_TRUE(visible(*window, "Panel2"));
    EXPECT_EQ(text(*window, "Label2"), "Il faut faire mieux Glosor, lätta");

    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rowCentre(6));
    EXPECT_FALSE(visible(*window, "Panel2")) << "only programmes 2 to 4 wait";
}

TEST_F(ProtocolTest, AProgrammeToPractiseStartsItsFollowUp) {
    DiagnosisRecord p = newPupil("Lisa");
    p.result[7] = 10;
    p.status[7] = StatusExercer;
    open(p);
    f.s.DiagnosisReturnMarker = 5;
    start(7);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].request.kind, WindowKind::TSKRIV);
    EXPECT_EQ(opener.opened[0].dataFile, "FROVN107.DAT");
    EXPECT_EQ(opener.opened[0].mode, Mode::FollowUp1);
    EXPECT_EQ(opener.opened[0].returnMarker, 0);
    EXPECT_EQ(f.s.ExerciseMode, Mode::DiagnosisTest) << "the protocol waits again";
}

TEST_F(ProtocolTest, APassedFollowUpIsShownAndStored) {
    DiagnosisRecord p = newPupil("Lisa");
    p.result[6] = 9;
    p.status[6] = StatusExercer;
    open(p);
    opener.during = [&](const WindowRequest&) {
        // What a passed second follow-up does.
        f.s.CurrentPupil.status[6] = StatusTester;
        context.protocol->setStatusCell(6, QStringLiteral("    Tester"));
        context.protocol->hideInfoPanel();
        context.protocol->setProtocolEnabled(true);
    };
    start(6);
    EXPECT_EQ(cell(6, 4), "    Tester");
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].status[6], StatusTester);
}

TEST_F(ProtocolTest, AStoredResultIsDrawnAndStoredAtOnce) {
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
    EXPECT_EQ(window->selectedRow(), 16);
    shot(*window, "protocol-result");
}

struct ChainCase {
    int result;
    const char* second;
    const char* third;
};

TEST_F(ProtocolTest, TheVocabularyLevelsWaitForEachOther) {
    for (const ChainCase& c : {ChainCase{14, "    Exercer", "    Attendre"},
                               ChainCase{15, "    Tester", "    Tester"}}) {
        open(newPupil("Lisa"));
        f.s.CurrentProgramme = 2;
        f.shell.diagnosback(c.result);
        EXPECT_EQ(cell(2, 4), c.second) << c.result;
        EXPECT_EQ(cell(3, 4), c.third) << c.result;
    }
}

TEST_F(ProtocolTest, ResultsAndTotalsKeepTheirColumns) {
    DiagnosisRecord p = newPupil("Lisa");
    p.result[1] = 5;
    p.result[2] = 20;
    open(p);
    EXPECT_EQ(cell(1, 2), "          5");
    EXPECT_EQ(cell(2, 2), "        20");
    EXPECT_EQ(cell(19, 2), "        25");
    f.s.CurrentPupil.result[3] = 100;
    window->rita_prot();
    EXPECT_EQ(cell(3, 2), "      100");
    EXPECT_EQ(cell(19, 2), "       125");
}

TEST_F(ProtocolTest, AnnulerStoresTheRecordEvenUnchanged) {
    writePupils({pupil("Anna"), pupil("Bo")});
    DiagnosisRecord bo = pupil("Bo", "", 7);
    open(bo);
    QTest::mouseClick(button("AvbrytButton"), Qt::LeftButton);
    EXPECT_TRUE(closed());
    EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);
    EXPECT_EQ(context.protocol, nullptr);
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Anna", "Bo"}));
    EXPECT_EQ(stored()[1].result[1], 7);

    // Without a protocol the shell stores a result itself.
    f.s.CurrentProgramme = 4;
    f.shell.diagnosback(3);
    EXPECT_EQ(stored()[1].result[4], 3);
}

TEST_F(ProtocolTest, EscapeLeavesAsAnnulerDoes) {
    open(newPupil("Lisa"));
    QTest::keyClick(grid(), Qt::Key_Escape);
    EXPECT_TRUE(closed());
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Lisa"}));
}

TEST_F(ProtocolTest, AStoreThatFailsOnLeavingIsToldAndCanBeTriedAgain) {
    ScriptedMessages messages;
    messages.answers = {true};
    f.shell.services().messages = &messages;
    open(newPupil("Lisa"));
    f.content.writeRaw("blocker", "not a directory");
    f.s.DiagnosisDir = (f.content.root() / "blocker").string();
    QTest::mouseClick(button("AvbrytButton"), Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 2u) << "asked, tried again, asked again";
    EXPECT_NE(messages.shown[0].find("Diagnosen för Lisa kunde inte sparas i katalogen"),
              std::string::npos);
    EXPECT_NE(messages.shown[0].find("Vill du försöka igen?"), std::string::npos);
    EXPECT_TRUE(closed()) << "No leaves";
    f.shell.services().messages = &f.messages;
}

TEST_F(ProtocolTest, ANewPasswordIsStoredWithTheRecord) {
    open(newPupil("Lisa"));
    bool asked = false;
    onNextModal([&](QWidget* dialog) {
        asked = dialog && dialog->objectName() == QStringLiteral("NLOS");
        if (!dialog) return;
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("maskedit1"));
        typeAndEnter(field, QStringLiteral("abc"));
        typeAndEnter(field, QStringLiteral("abc"));
    });
    QTest::mouseClick(button("LosenButton"), Qt::LeftButton);
    EXPECT_TRUE(asked);
    EXPECT_EQ(f.s.CurrentPupil.password, A("abc"));
    QTest::mouseClick(button("AvbrytButton"), Qt::LeftButton);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].password, A("abc"));
}

TEST_F(ProtocolTest, TheHelpBoxComesWithAideAndGoesWithTheNextKey) {
    open(newPupil("Lisa"));
    QTest::mouseClick(button("HjalpButton"), Qt::LeftButton);
    EXPECT_TRUE(visible(*window, "Panel1"));
    EXPECT_EQ(text(*window, "Label4"), "Flytta till önskad rad och dubbelklicka");
    EXPECT_EQ(text(*window, "Label5"), "eller tryck enter så kommer diagnosen.");
    EXPECT_EQ(window->focusWidget(), grid());
    shot(*window, "protocol-help");
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_FALSE(visible(*window, "Panel1"));
    EXPECT_EQ(window->selectedRow(), 2);
}

// ---- printing ----

struct PrintCase : ProtocolTest {
    // The row of the printed table whose first text is `start`, from the top.
    static int rowOf(const FakePrinting::Text& t) { return (t.y / 10 - 14) / 8; }
};

TEST_F(PrintCase, ThePrintedTableKeepsTheScreensColumnsWhereTheTextsFit) {
    printer.page = {21000, 29700}; // 100 pixels to the millimetre: every text fits
    open(newPupil("Lisa"));
    f.s.CurrentProgramme = 5;
    f.shell.diagnosback(17);
    QTest::mouseClick(button("SkrivutButton"), Qt::LeftButton);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.jobs[0].ended);
    EXPECT_EQ(printer.jobs[0].name, "Diagnosprotokoll");
    EXPECT_EQ(printer.finishCalls, 1);
    const FakePrinting::Text* title = printer.find(0, "Enregistrement");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, "Enregistrement des résultats de \"Orvela\" pour Lisa.");
    EXPECT_EQ(title->x, 2000);
    EXPECT_EQ(title->y, 400);
    EXPECT_EQ(title->font, (PrintFont{"Arial", 12, true, false}));

    const PrintColumnTable& columns = window->printColumns();
    auto columnX = [&](int k) {
        return 1500 + TDiagutform::ProcentTillPixel(columns[static_cast<std::size_t>(k)], 21000);
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
    const FakePrinting::Text* total = printer.findExact(0, "        17");
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(window->printHolder().lastLayout().points, 12);

    // The total row's figures sit a millimetre lower.
    int totalRows = 0;
    for (const FakePrinting::Text& t : printer.pages[0].texts)
        if (t.text == "        17" && t.y == (12 + 8 * 19 + 3) * 100) ++totalRows;
    EXPECT_EQ(totalRows, 1);
    // Closing line below the twentieth row.
    const FakePrinting::Shape& closing = printer.pages[0].shapes.back();
    EXPECT_EQ(closing.y1, (12 + 8 * 20 + 2) * 100);
    EXPECT_EQ(closing.x1, 1499);
    EXPECT_EQ(closing.x2, 19501);
}

TEST_F(PrintCase, OnAPageWhereTheyWouldRunOverEveryTextStaysInItsColumn) {
    DiagnosisRecord p = newPupil("Lisa");
    for (int n = 1; n <= 18; ++n) {
        p.result[static_cast<std::size_t>(n)] = n + 2;
        p.year[static_cast<std::size_t>(n)] = 2026;
        p.status[static_cast<std::size_t>(n)] = StatusCommencer;
    }
    open(p);
    QTest::mouseClick(button("SkrivutButton"), Qt::LeftButton);
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
        std::string trimmed = t.text;
        while (!trimmed.empty() && trimmed.back() == ' ')
            trimmed.pop_back();
        const int width = static_cast<int>(A(trimmed).size()) * t.font.pointSize * 2;
        EXPECT_LE(t.x + width, 149 + layout.offsets[k + 1]) << t.text << " runs over";
        ++checked;
    }
    EXPECT_EQ(checked, 20 * 5);
    const FakePrinting::Text* longest =
        printer.findExact(0, "  Presens och passé composé av verb på -ir och -re");
    ASSERT_NE(longest, nullptr);
    EXPECT_EQ(longest->x, 150 + layout.offsets[1]);
}

TEST_F(PrintCase, ACancelledDialogPrintsNothing) {
    printer.answer = PrintChoice{false, 1};
    open(newPupil("Lisa"));
    QTest::mouseClick(button("SkrivutButton"), Qt::LeftButton);
    EXPECT_EQ(printer.chooseCalls, 1);
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(window->focusWidget(), grid());
}

TEST_F(PrintCase, TwoCopiesAreTwoJobsAndAFailedJobIsTold) {
    printer.answer = PrintChoice{true, 2};
    open(newPupil("Lisa"));
    QTest::mouseClick(button("SkrivutButton"), Qt::LeftButton);
    EXPECT_EQ(printer.jobs.size(), 2u);
    EXPECT_TRUE(f.messages.shown.empty());

    printer.failFromJob = 3;
    QTest::mouseClick(button("SkrivutButton"), Qt::LeftButton);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("Utskriften kunde inte göras"), std::string::npos);
}

TEST_F(PrintCase, WithoutAPrinterThePupilIsTold) {
    context.printing = nullptr;
    open(newPupil("Lisa"));
    QTest::mouseClick(button("SkrivutButton"), Qt::LeftButton);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("kan inte skrivas ut"), std::string::npos);
    EXPECT_FALSE(closed());
}

TEST(PrintColumns, FromTheScreensLayoutUnitAndDateWidth) {
    struct Case {
        int unit, width, date;
        std::array<int, 4> expected;
    };
    for (const Case& c : {Case{11, 1024, 116, {3, 70, 80, 92}}, Case{10, 800, 104, {4, 64, 76, 90}},
                          Case{14, 1280, 200, {3, 55, 70, 87}}}) {
        const PrintColumnTable t = TDiagutform::PrintColumnsFor(c.unit, c.width, c.date);
        for (std::size_t k = 1; k <= 4; ++k)
            EXPECT_EQ(t[k], c.expected[k - 1]) << c.width << ' ' << k;
    }
}

// ---- the whole way, with the program's own windows ----

TEST_F(ProtocolTest, FromTheLoginThroughTheProtocolAndBack) {
    writeDiagnosisFiles();
    AppWindowOpener program;
    context.opener = &program;
    registerWindows(program, context);
    std::string seen;
    onNextModal([&](QWidget* login) {
        ASSERT_NE(login, nullptr);
        EXPECT_EQ(login->objectName(), QStringLiteral("Diag"));
        auto* field = login->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        onNextModal([&](QWidget* protocol) {
            ASSERT_NE(protocol, nullptr);
            auto* g = protocol->findChild<ProtocolGrid*>(QStringLiteral("StringGrid1"));
            seen = g->text(1, 4).toStdString() + "|" + g->text(2, 4).toStdString();
            EXPECT_EQ(context.protocol, dynamic_cast<ProtocolLink*>(protocol));
            QTest::mouseClick(protocol->findChild<QPushButton*>(QStringLiteral("AvbrytButton")),
                              Qt::LeftButton);
        });
        typeAndEnter(field, QStringLiteral("Maja"));
    });
    EXPECT_TRUE(program.open(WindowRequest{WindowKind::TDiag, {}, 0}));
    EXPECT_EQ(seen, "    Commencer|    Attendre");
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Maja"}));
    EXPECT_EQ(context.protocol, nullptr);
    EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);
}

} // namespace
