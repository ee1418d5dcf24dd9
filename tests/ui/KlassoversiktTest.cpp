// The class overview window: the grid of pupils and programmes with its colours, the averages and
// counts, the administrator's password, a pupil's protocol in the teacher's view, printing, and
// damaged diagnosis files, which are shown as far as they can be and never written.

#include "ClassOverviewPrintout.h"
#include "DiagnosisFixture.h"
#include "DiagnosisRecordCodec.h"
#include "ExternalTools.h"
#include "QtPrinting.h"
#include "TDiag.h"
#include "TKlassoversikt.h"
#include "Tdiaprot.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace orvela;
using namespace orvela::testing;

namespace {

DiagnosisRecord withResult(DiagnosisRecord r, int programme, int result, int status) {
    r.result[static_cast<std::size_t>(programme)] = result;
    r.status[static_cast<std::size_t>(programme)] = static_cast<std::uint8_t>(status);
    return r;
}

std::map<std::string, std::string> filesIn(const fs::path& dir) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::directory_iterator(dir))
        out[e.path().filename().string()] = readWholeFile(e.path()).value_or("<unreadable>");
    return out;
}

// The program's printer on a machine without a printer: every printout goes to a PDF file.
class PdfOnlyPrinting : public QtPrinting {
public:
    QString file;

protected:
    bool printerInstalled() const override { return false; }
    QString askPdfFileName(const QString&) override { return file; }
};

std::string pdfPageSize(const QString& file) {
    const std::string info = runCommand("pdfinfo " + shellQuoted(file.toStdString())).out;
    const std::size_t at = info.find("Page size:");
    return at == std::string::npos ? info : info.substr(at, info.find('\n', at) - at);
}

struct OverviewWindowTest : DiagnosisFixture {
    std::unique_ptr<TKlassoversikt> window;
    std::map<std::string, std::string> before;

    OverviewWindowTest() { f.shell.LaerarLosen(1); }

    void open(const char* password = "QORMADEX") {
        before = filesIn(dir);
        window = std::make_unique<TKlassoversikt>(context, A(password));
        window->show();
    }
    QTableWidget* grid(const char* name = "StringGrid1") {
        return child<QTableWidget>(*window, name);
    }
    std::string cell(int row, int column, const char* name = "StringGrid1") {
        QTableWidgetItem* item = grid(name)->item(row, column);
        return item ? item->text().toStdString() : "<none>";
    }
    QColor colour(int row, int column) {
        return grid()->item(row, column)->background().color();
    }
    static QColor colourOf(OverviewState s) {
        const OverviewColour c = ClassOverview::stateColour(s);
        return QColor(c.red, c.green, c.blue);
    }
    void clickName(int row) {
        QTableWidget* g = grid();
        const QRect r = g->visualItemRect(g->item(row, 0));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    }
    // The directory holds exactly what it held before the window was opened.
    void expectNothingWritten() { EXPECT_EQ(filesIn(dir), before); }
};

} // namespace

TEST_F(OverviewWindowTest, TheGridShowsEveryPupilInEveryStateWithItsColourAndTheClassSummary) {
    DiagnosisRecord anna = withResult(pupil("Anna"), 1, 17, StatusTester);
    anna = withResult(anna, 2, 12, StatusExercer);
    anna = withResult(anna, 3, 11, StatusTester);
    DiagnosisRecord bo = withResult(pupil("Bo"), 1, 8, StatusExercer);
    bo = withResult(bo, 2, 0, StatusExercer);
    writePupils({pupil("Cia"), bo, anna});
    open();
    ASSERT_TRUE(window->accepted());
    shot(*window, "klassoversikt");

    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(grid()->columnCount(), 20);
    // The number, with the short name a word a line where the screen has room for it.
    const QString first = grid()->horizontalHeaderItem(1)->text();
    EXPECT_TRUE(first == QStringLiteral("1\nGlosor\n1") || first == QStringLiteral("1"))
        << first.toStdString();
    EXPECT_EQ(grid()->horizontalHeaderItem(18)->text().split(QLatin1Char('\n')).front(),
              QStringLiteral("18"));
    EXPECT_EQ(grid()->horizontalHeaderItem(19)->text().toStdString(), "Godkända");
    EXPECT_EQ(grid()->horizontalHeaderItem(12)->toolTip().toStdString(),
              "12. Oregelbundna verb, tema");
    struct Case {
        int row, column;
        const char* text;
        OverviewState state;
    } cases[] = {
        {0, 1, "85", OverviewState::Passed},
        {0, 2, "60!", OverviewState::BelowPassMark},
        {0, 3, "55*", OverviewState::PassedAfterFollowUp},
        {0, 4, "-", OverviewState::NotDone},
        {1, 1, "40!", OverviewState::BelowPassMark},
        {1, 2, "0!", OverviewState::BelowPassMark},
        {2, 1, "-", OverviewState::NotDone},
        {2, 18, "-", OverviewState::NotDone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cell(c.row, c.column), c.text) << c.row << "," << c.column;
        EXPECT_EQ(colour(c.row, c.column), colourOf(c.state)) << c.row << "," << c.column;
    }
    EXPECT_EQ(cell(0, 0), "Anna");
    EXPECT_EQ(cell(1, 0), "Bo");
    EXPECT_EQ(cell(2, 0), "Cia");
    EXPECT_EQ(cell(0, 19), "2");
    EXPECT_EQ(cell(1, 19), "0");

    // Averages over those who have done the programme, and the counts.
    EXPECT_EQ(cell(0, 0, "SummaGrid"), "Medelvärde");
    EXPECT_EQ(cell(0, 1, "SummaGrid"), "63 %"); // (85 + 40) / 2
    EXPECT_EQ(cell(0, 2, "SummaGrid"), "30 %"); // (60 + 0) / 2
    EXPECT_EQ(cell(0, 4, "SummaGrid"), "-");
    EXPECT_EQ(cell(1, 1, "SummaGrid"), "1");  // passed
    EXPECT_EQ(cell(2, 2, "SummaGrid"), "2");  // to practise
    EXPECT_EQ(cell(3, 1, "SummaGrid"), "1");  // not done
    EXPECT_EQ(cell(3, 18, "SummaGrid"), "3");
    EXPECT_EQ(text(*window, "InfoLabel"),
              "3 elever. Klicka på ett namn för att se elevens protokoll.");

    // Read once: a store made after opening does not change what is shown.
    writePupils({pupil("Dan")});
    before = filesIn(dir);
    QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_EQ(grid()->rowCount(), 3);
    QTest::mouseClick(child<QPushButton>(*window, "StangButton"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    expectNothingWritten();
}

TEST_F(OverviewWindowTest, ItRefusesWithoutTheAdministratorPasswordAndOpensFromTheLogin) {
    writePupils({withResult(pupil("Anna"), 1, 17, StatusTester)});
    for (const char* wrong : {"", "qormadex", "fel"}) {
        f.messages.shown.clear();
        open(wrong);
        EXPECT_FALSE(window->accepted()) << wrong;
        EXPECT_EQ(grid()->rowCount(), 0) << "nothing of the results is shown";
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_NE(f.messages.shown[0].find("bara för administratören"), std::string::npos);
    }
    open("Bex Loma"); // the reserve password
    EXPECT_TRUE(window->accepted());
    window.reset();

    // From the login window: the button is on the administrator's panel only.
    TDiag login(context);
    login.show();
    auto* button = child<QPushButton>(login, "KlassoversiktButton");
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isVisible());
    EXPECT_EQ(button->text().toStdString(), "&Klassöversikt");
    // No two controls of the login share an Alt letter.
    std::set<QChar> letters;
    for (QPushButton* b : login.findChildren<QPushButton*>()) {
        const qsizetype amp = b->text().indexOf(QLatin1Char('&'));
        if (amp < 0) continue;
        EXPECT_TRUE(letters.insert(b->text().at(amp + 1).toLower()).second)
            << b->text().toStdString();
    }
    QTest::mouseClick(child<QPushButton>(login, "NyAnvandareButton"), Qt::LeftButton);
    typeAndEnter(child<QLineEdit>(login, "Edit1"), QStringLiteral("Väktor"));
    typeAndEnter(child<QLineEdit>(login, "MaskEdit1"), QStringLiteral("QORMADEX"));
    ASSERT_TRUE(button->isVisible());
    std::string shown;
    onNextModal([&](QWidget* w) {
        ASSERT_NE(w, nullptr);
        shown = w->objectName().toStdString();
        auto* g = w->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
        EXPECT_EQ(g ? g->rowCount() : -1, 1);
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("StangButton")),
                          Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(shown, "Klassoversikt");
    EXPECT_TRUE(login.isVisible()) << "back on the administrator's panel";
}

TEST_F(OverviewWindowTest, ANameClickedShowsThatPupilsProtocolWhichStartsAndStoresNothing) {
    writeDiagnosisFiles();
    DiagnosisRecord bo = withResult(pupil("Bo", "bopw"), 1, 12, StatusExercer);
    bo.year[1] = 2026;
    bo.month[1] = 11;
    bo.day[1] = 30;
    writePupils({withResult(pupil("Anna"), 1, 17, StatusTester), bo});
    f.s.ExerciseMode = Mode::DiagnosisTest;
    f.s.CurrentPupil.name = A("Väktor");
    open();

    std::string title, result, status;
    bool passwordButton = true;
    onNextModal([&](QWidget* w) {
        auto* protocol = qobject_cast<Tdiaprot*>(w);
        ASSERT_NE(protocol, nullptr);
        EXPECT_TRUE(protocol->teacherView());
        shot(*protocol, "klassoversikt-protokoll");
        EXPECT_EQ(protocol->findChild<QLabel*>(QStringLiteral("Label5"))->text().toStdString(),
                  "här startas inga test och ingenting sparas.")
            << "the help box says so";
        title = protocol->findChild<QLabel*>(QStringLiteral("Label1"))->text().toStdString();
        auto* g = protocol->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
        result = g->item(1, 2)->text().trimmed().toStdString();
        status = g->item(1, 4)->text().trimmed().toStdString();
        passwordButton = protocol->findChild<QPushButton*>(QStringLiteral("LosenButton"))
                             ->isVisible();
        QTest::keyClick(g, Qt::Key_Return); // would start the follow-up exercise
        QTest::mouseClick(protocol->findChild<QPushButton*>(QStringLiteral("AvbrytButton")),
                          Qt::LeftButton);
    });
    clickName(1);
    EXPECT_EQ(title, "Enregistrement des résultats pour Bo");
    EXPECT_EQ(result, "12");
    EXPECT_EQ(status, "Exercer");
    EXPECT_FALSE(passwordButton);
    EXPECT_TRUE(opener.opened.empty()) << "the teacher's view starts no exercise";
    EXPECT_EQ(f.s.CurrentPupil.name.toUtf8(), "Väktor") << "the shared state as it was";
    EXPECT_EQ(f.s.ExerciseMode, Mode::DiagnosisTest);
    expectNothingWritten();

    // Enter on a name does the same; on a result cell it does nothing.
    int protocols = 0;
    onNextModal([&](QWidget* w) {
        ++protocols;
        if (w) QTest::keyClick(w, Qt::Key_Escape);
    });
    grid()->setCurrentCell(0, 0);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(protocols, 1);
    grid()->setCurrentCell(0, 3);
    QTest::keyClick(grid(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(protocols, 1);
    expectNothingWritten();
}

TEST_F(OverviewWindowTest, SkrivUtPrintsTheOverviewAcrossThePage) {
    writePupils({withResult(pupil("Anna"), 1, 17, StatusTester), pupil("Bo")});
    open();
    QTest::mouseClick(child<QPushButton>(*window, "SkrivutButton"), Qt::LeftButton);
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.orientation, PageOrientation::Landscape);
    EXPECT_NE(printer.find(0, "Klassöversikt, diagnosen (2 elever)"), nullptr);
    EXPECT_NE(printer.find(0, "Utskriven 2026-12-06"), nullptr);
    EXPECT_NE(printer.findExact(0, "85"), nullptr);

    printer.failFromJob = 1;
    QTest::mouseClick(child<QPushButton>(*window, "SkrivutButton"), Qt::LeftButton);
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_NE(f.messages.shown.back().find("Utskriften kunde inte göras"), std::string::npos);
    expectNothingWritten();
}

TEST_F(OverviewWindowTest, EmptyOrDamagedFilesAreShownAsFarAsTheyCanBeAndNeverWritten) {
    struct Case {
        const char* what;
        std::string bytes;
        int rows;
        const char* info;
    };
    // A record whose name claims 100 characters: the name field holds 21.
    std::string longName = DiagnosisFile::encodeAll({withResult(pupil("x"), 1, 16, 2)});
    longName[0] = 100;
    for (std::size_t i = 1; i < 22; ++i)
        longName[i] = static_cast<char>('a' + i % 26);
    std::string garbage(kDiagnosisRecordSize, '\xff');
    const std::vector<Case> cases = {
        {"empty", "", 0, "är tom"},
        {"stray bytes", DiagnosisFile::encodeAll({pupil("Anna")}) + "xyz", 1, "slutar med 3 byte"},
        {"long name", longName, 1, "1 elev."},
        {"garbage", garbage, 1, "1 elev."},
    };
    for (const Case& c : cases) {
        f.content.writeRaw("RESULTAT/FDIAG.DIA", c.bytes);
        open();
        ASSERT_TRUE(window->accepted());
        EXPECT_EQ(grid()->rowCount(), c.rows) << c.what;
        EXPECT_NE(text(*window, "InfoLabel").find(c.info), std::string::npos)
            << c.what << ": " << text(*window, "InfoLabel");
        EXPECT_EQ(child<QPushButton>(*window, "SkrivutButton")->isEnabled(), c.rows > 0);
        if (c.rows > 0) {
            QTest::mouseClick(child<QPushButton>(*window, "SkrivutButton"), Qt::LeftButton);
            onNextModal([](QWidget* w) {
                if (w) QTest::keyClick(w, Qt::Key_Escape);
            });
            clickName(0);
        }
        expectNothingWritten();
        if (std::string(c.what) == "long name") {
            EXPECT_EQ(cell(0, 0), "bcdefghijklmnopqrstuv") << "as far as the field holds it";
            EXPECT_EQ(cell(0, 1), "80");
        }
        if (std::string(c.what) == "garbage") {
            EXPECT_EQ(grid()->item(0, 0)->text(), QString(21, QChar(0xFF)));
            EXPECT_EQ(cell(0, 1), "-") << "a result of -1 and a status of 255";
        }
    }

    fs::remove(dir / "FDIAG.DIA");
    open();
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_NE(text(*window, "InfoLabel").find("Inga diagnoser har sparats"), std::string::npos);
    expectNothingWritten();
}

TEST(OverviewPdfTest, TheProgramsPrinterTurnsThePagesOfTheOverviewOnly) {
    if (!havePdfToText()) GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PdfOnlyPrinting printer;
    printer.file = dir.filePath(QStringLiteral("klass.pdf"));
    const ClassOverview o = ClassOverview::fromRecords({withResult(pupil("Anna"), 1, 17, 2)});
    ASSERT_EQ(ClassOverviewPrintout(o, DateTime{}).print(printer), PrintOutcome::Printed);
    EXPECT_NE(pdfPageSize(printer.file).find("842 x 595"), std::string::npos)
        << pdfPageSize(printer.file);

    // The next printout, which asks for nothing, is upright again.
    printer.file = dir.filePath(QStringLiteral("upright.pdf"));
    ASSERT_TRUE(printer.choose("Prov").accepted);
    ASSERT_TRUE(printer.beginJob());
    printer.drawText(100, 100, A("Prov"));
    printer.endJob();
    printer.finish();
    EXPECT_NE(pdfPageSize(printer.file).find("595 x 842"), std::string::npos)
        << pdfPageSize(printer.file);
}
