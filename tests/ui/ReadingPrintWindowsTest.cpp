// The horoscope and compose-a-story windows: choosing a sign on the list and the star picture,
// the horoscope and its vocabulary, paging the story starters, writing and splitting lines, and
// both printouts read back from PDF files.

#include "Horoscope.h"
#include "PdfPrinting.h"
#include "Tberaetta.h"
#include "StoryPrintout.h"
#include "Thoroskop.h"

#include "ExerciseFixture.h"
#include "ExternalTools.h"
#include "FakePrinting.h"

#include "AnswerEdit.h"

#include <QListWidget>
#include <QToolButton>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace orvela;
using namespace orvela::testing;

namespace {

// A horoscope file with every pool line named by its number and closing lines between the pools.
std::vector<std::string> horoscopeFile(int lineCount = 330) {
    std::vector<std::string> lines;
    for (int n = 1; n <= lineCount; ++n) {
        bool pool = false;
        for (const ZodiacSign& s : Horoscope::signs()) pool = pool || (n >= s.firstLine && n <= s.lastLine);
        lines.push_back(pool ? "Phrase " + std::to_string(n) + "." : "$Au revoir " + std::to_string(n) + "!");
    }
    return lines;
}

struct ThoroskopTest : ExerciseFixture {
    std::unique_ptr<Thoroskop> window;

    void open(const std::vector<std::string>& lines = horoscopeFile()) {
        prepare("FRA42000.DAT", lines);
        window = std::make_unique<Thoroskop>(context);
        window->show();
    }
    QListWidget* signs() { return child<QListWidget>(*window, "ListBox3"); }
    QPoint frame() {
        QWidget* image = child(*window, "Image1");
        return child(*window, "hrut")->pos() - image->pos();
    }
};

} // namespace

TEST_F(ThoroskopTest, ChoosingASignOnTheListAndOnThePicture) {
    f.content.writeRaw("BILD/HOROSKOP.BMP", "");
    open();
    ASSERT_EQ(f.messages.shown.size(), 1u) << "the star picture cannot be read";
    EXPECT_NE(f.messages.shown[0].find("HOROSKOP.BMP finns inte eller är felaktig"), std::string::npos);
    EXPECT_EQ(signs()->count(), 12);
    EXPECT_EQ(signs()->currentRow(), 0);
    EXPECT_TRUE(signs()->item(0)->text().startsWith(QString::fromUtf8("Bélier")));
    EXPECT_TRUE(signs()->item(9)->text().endsWith(QStringLiteral("-  jan 20")));
    EXPECT_TRUE(signs()->item(2)->text().startsWith(QString::fromUtf8("Gémeaux")));
    EXPECT_EQ(frame(), QPoint(10, 10));
    EXPECT_EQ(text(*window, "Label2"), "\u2648");
    EXPECT_EQ(text(*window, "Label3"), "\u2648");
    shot(*window, "thoroskop-signs");

    QWidget* image = child(*window, "Image1");
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(50, 250));
    EXPECT_EQ(signs()->currentRow(), 2);
    EXPECT_EQ(frame(), QPoint(10, 220));
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(150, 400));
    EXPECT_EQ(signs()->currentRow(), 4);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(600, 50));
    EXPECT_EQ(signs()->currentRow(), 11);
    EXPECT_EQ(text(*window, "Label2"), "\u2653");
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(signs()->currentRow(), 11) << "the middle of the picture changes nothing";
    EXPECT_FALSE(visible(*window, "Panel1")) << "a click never opens a horoscope";
    child<QPushButton>(*window, "Button4")->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ThoroskopTest, TheHoroscopeItsVocabularyAndThePrintout) {
    f.content.write("DATA/FRA42005.ORD", {"le soleil#solen", "courageux#modig", "la fierté#stoltheten"});
    open();
    EXPECT_EQ(f.messages.shown.size(), 1u); // no star picture in this content tree
    signs()->setCurrentRow(4);
    QTest::keyClick(signs(), Qt::Key_Return);
    ASSERT_TRUE(visible(*window, "Panel1"));
    EXPECT_FALSE(visible(*window, "ListBox3"));
    const auto& lines = window->horoscope();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], A("   Lion"));
    int last = 0;
    for (std::size_t k = 1; k <= 7; ++k) {
        const int n = std::stoi(lines[k].toUtf8().substr(7));
        EXPECT_GT(n, last);
        EXPECT_GE(n, 109);
        EXPECT_LE(n, 130);
        last = n;
    }
    EXPECT_EQ(lines[8], A("Au revoir 131!"));
    EXPECT_EQ(lines[10], A("Au revoir 133!"));
    EXPECT_TRUE(child<QPlainTextEdit>(*window, "Memo1")->toPlainText().startsWith(QStringLiteral("   Lion\n")));

    child<QPushButton>(*window, "Button3")->click();
    EXPECT_TRUE(visible(*window, "ordlista"));
    const QString vocabulary = child<QPlainTextEdit>(*window, "Memo2")->toPlainText();
    EXPECT_TRUE(vocabulary.contains(QStringLiteral("solen")));
    EXPECT_TRUE(vocabulary.startsWith(QStringLiteral("le soleil ")));
    EXPECT_LE(child(*window, "Panel1")->geometry().right(), child(*window, "ordlista")->x())
        << "the horoscope gives way to the vocabulary";
    shot(*window, "thoroskop-vocabulary");
    child<QPushButton>(*window, "Button2")->click();
    EXPECT_FALSE(visible(*window, "ordlista"));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("horoskop.pdf"));
    {
        PdfPrinting printer(pdf);
        context.printing = &printer;
        child<QPushButton>(*window, "BitBtn1")->click();
        context.printing = nullptr;
    }
    if (havePdfToText()) {
        const auto pages = pdfPages(pdf.toStdString());
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_GE(lineWith(pages[0], "Orvela - Horoskopet", true), 0);
        EXPECT_LT(lineWith(pages[0], "Orvela - Horoskopet"), lineWith(pages[0], "Lion", true));
        for (std::size_t k = 1; k < lines.size(); ++k)
            EXPECT_GE(lineWith(pages[0], lines[k].toUtf8(), true), 0) << lines[k].toUtf8();
    }

    QTest::keyClick(child(*window, "BitBtn1"), Qt::Key_Escape);
    EXPECT_FALSE(visible(*window, "Panel1"));
    EXPECT_TRUE(signs()->isVisible());
    EXPECT_TRUE(signs()->isEnabled());

    // The vocabulary of a sign without its file.
    f.messages.shown.clear();
    signs()->setCurrentRow(0);
    window->Horoscoptext();
    child<QPushButton>(*window, "Button3")->click();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("FRA42001.ORD finns inte eller är felaktig"), std::string::npos);
}

TEST_F(ThoroskopTest, AFileThatDoesNotReachThePoolGivesAMessage) {
    open(horoscopeFile(250));
    f.messages.shown.clear();
    signs()->setCurrentRow(11);
    window->Horoscoptext();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].find("raderna 298–323 för Poissons"), std::string::npos);
    EXPECT_FALSE(visible(*window, "Panel1"));
    signs()->setCurrentRow(1);
    window->Horoscoptext();
    EXPECT_TRUE(visible(*window, "Panel1"));
}

namespace {

struct TberaettaTest : ExerciseFixture {
    std::unique_ptr<Tberaetta> window;

    void open(int starters = 16) {
        f.s.LayoutUnit = 100; // a narrow line, so that a typed line can be too wide
        std::vector<std::string> lines;
        for (int n = 1; n <= starters; ++n) {
            lines.push_back("#");
            for (int k = 1; k <= 3; ++k)
                lines.push_back("Début " + std::to_string(n) + ", ligne " + std::to_string(k) + ".");
        }
        prepare("FRA44000.DAT", lines);
        window = std::make_unique<Tberaetta>(context);
        window->show();
    }
    AnswerEdit* edit() { return child<AnswerEdit>(*window, "Edit1"); }
    void write(const QString& line) {
        edit()->setText(line);
        QTest::keyClick(edit(), Qt::Key_Return);
    }
};

} // namespace

TEST_F(TberaettaTest, PagingTheStartersAtBothEnds) {
    open();
    EXPECT_TRUE(window->ready());
    EXPECT_EQ(text(*window, "Label8"), "1 of 16");
    EXPECT_EQ(text(*window, "Label1"), "Début 1, ligne 1.");
    QTest::keyClick(window.get(), Qt::Key_PageUp);
    EXPECT_EQ(text(*window, "Label8"), "1 of 16");
    QWidget* ok = child(*window, "BitBtn1");
    ok->setFocus();
    for (int k = 0; k < 15; ++k) QTest::keyClick(ok, Qt::Key_PageDown);
    EXPECT_EQ(text(*window, "Label8"), "16 of 16");
    QTest::keyClick(ok, Qt::Key_PageDown);
    child<QToolButton>(*window, "SpeedButton1")->click();
    EXPECT_EQ(text(*window, "Label8"), "16 of 16");
    EXPECT_EQ(text(*window, "Label3"), "Début 16, ligne 3.");
    child<QToolButton>(*window, "SpeedButton2")->click();
    EXPECT_EQ(text(*window, "Label8"), "15 of 16");
}

TEST_F(TberaettaTest, WritingSplittingEndingAndPrintingTheStory) {
    open();
    QTest::keyClick(window.get(), Qt::Key_PageDown);
    child<QPushButton>(*window, "BitBtn1")->click();
    EXPECT_TRUE(visible(*window, "Edit1"));
    EXPECT_TRUE(visible(*window, "Panel5"));
    EXPECT_FALSE(child<QPushButton>(*window, "BitBtn1")->isEnabled());
    QTest::keyClick(edit(), Qt::Key_PageDown);
    EXPECT_EQ(text(*window, "Label8"), "2 of 16") << "the starter stays while writing";

    write(QStringLiteral("Il fait beau."));
    EXPECT_EQ(text(*window, "Label1"), "Début 2, ligne 2.");
    EXPECT_EQ(text(*window, "Label3"), "Il fait beau.");
    shot(*window, "tberaetta-writing");
    EXPECT_TRUE(edit()->text().isEmpty());

    // A line wider than the panel: the first part goes into the story, the rest stays.
    const QString longLine =
        QStringLiteral("Mmmmmm mmmmmm mmmmmm mmmmmm mmmmmm mmmmmm mmmmmm mmmmmm mmmmmm mmmmmm");
    QString typed = longLine.left(Tberaetta::kLineMax);
    QWidget* panel = child(*window, "Panel2");
    ASSERT_GT(QFontMetrics(child(*window, "Label3")->font()).horizontalAdvance(typed),
              panel->width() - 2 * f.s.LayoutUnit) << "the test line must be too wide";
    write(typed);
    const QString first = QString::fromStdString(text(*window, "Label3"));
    const QString rest = edit()->text();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_FALSE(rest.isEmpty());
    EXPECT_LE(QFontMetrics(child(*window, "Label3")->font()).horizontalAdvance(first),
              panel->width() - 2 * f.s.LayoutUnit);
    EXPECT_EQ(first + QLatin1Char(' ') + rest, typed) << "nothing typed is lost";
    write(rest);
    write(QString());
    EXPECT_TRUE(visible(*window, "Panel6"));
    EXPECT_FALSE(visible(*window, "Edit1"));
    EXPECT_EQ(text(*window, "Label1"), "Début 2, ligne 1.") << "the starter is shown again";
    const auto& story = window->story();
    ASSERT_EQ(story.size(), 6u);
    EXPECT_EQ(story[3], A("Il fait beau."));
    EXPECT_EQ(story[4].toUtf8(), first.toStdString());
    EXPECT_EQ(child<QPlainTextEdit>(*window, "Memo2")->toPlainText().count(QLatin1Char('\n')), 5);
    shot(*window, "tberaetta-end");

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("histoire.pdf"));
    {
        PdfPrinting printer(pdf);
        context.printing = &printer;
        child<QPushButton>(*window, "BitBtn2")->click();
        context.printing = nullptr;
    }
    if (havePdfToText()) {
        const auto pages = pdfPages(pdf.toStdString());
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(lineWith(pages[0], "Composez une histoire", true), 0);
        EXPECT_EQ(lineWith(pages[0], "Début 2, ligne 1.", true), 1);
        EXPECT_EQ(lineWith(pages[0], "Il fait beau.", true), 4);
    }
    FakePrinting fake;
    context.printing = &fake;
    child<QPushButton>(*window, "BitBtn2")->click();
    context.printing = nullptr;
    const int h = FakePrinting::lineHeight(14);
    EXPECT_EQ(fake.find(0, "Il fait")->y - fake.find(0, "Début 2, ligne 3")->y,
              h + StoryPrintout::gap(PageScale{fake.page}));

    child<QPushButton>(*window, "Button2")->click();
    EXPECT_FALSE(visible(*window, "Panel6"));
    EXPECT_EQ(text(*window, "Label8"), "2 of 16");
    child<QPushButton>(*window, "BitBtn1")->click();
    write(QString());
    EXPECT_EQ(window->story().size(), 3u) << "an empty line at once ends with the starter alone";
}

TEST_F(TberaettaTest, AMissingOrEmptyStarterFile) {
    prepare("FRA44000.DAT", {"une ligne"});
    std::filesystem::remove(f.content.root() / "DATA" / "FRA44000.DAT");
    Tberaetta missing(context);
    EXPECT_FALSE(missing.ready());
    EXPECT_EQ(missing.exec(), QDialog::Rejected);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Filen FRA44000.DAT finns inte eller är felaktig");

    f.content.write("DATA/FRA44000.DAT", {"#", "une seule ligne"});
    f.messages.shown.clear();
    Tberaetta empty(context);
    EXPECT_TRUE(empty.ready());
    EXPECT_EQ(text(empty, "Label8"), "0 of 0");
    EXPECT_FALSE(child<QPushButton>(empty, "BitBtn1")->isEnabled());
    EXPECT_EQ(f.messages.shown.size(), 1u);
}
