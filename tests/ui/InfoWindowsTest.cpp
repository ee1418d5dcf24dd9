// The manual window (reading, the missing file, printing all or a selection page by page, long
// lines, keys), the sample course's manual on paper, and the about window.

#include "ExternalTools.h"
#include "FakePrinting.h"
#include "Fakes.h"
#include "PdfPrinting.h"
#include "QtText.h"
#include "TManual.h"
#include "TOmVamlo.h"
#include "UiHelpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <fstream>
#include <iterator>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct InfoWindowsTest : ::testing::Test {
    ShellFixture f;
    FakeOpener opener;
    FakePrinting printer;
    AppContext context{&f.shell, &opener, &printer, nullptr, nullptr};

    std::vector<std::string> numberedLines(int n) {
        std::vector<std::string> lines;
        for (int i = 1; i <= n; ++i)
            lines.push_back("Rad " + std::to_string(i));
        return lines;
    }
    std::unique_ptr<TManual> openManual(const std::vector<std::string>& lines) {
        f.content.write("DATA/FRANSMAN.TXT", lines);
        auto w = std::make_unique<TManual>(context);
        w->show();
        return w;
    }
    static QPlainTextEdit* memo(QWidget& w, const char* name = "Memo1") {
        return child<QPlainTextEdit>(w, name);
    }
    // Marks the whole lines first..last (0-based) of the manual, as a pupil drags over them.
    static void selectLines(QWidget& w, int first, int last) {
        QPlainTextEdit* m = memo(w);
        QTextCursor c(m->document()->findBlockByNumber(first));
        c.setPosition(m->document()->findBlockByNumber(last).position() +
                          m->document()->findBlockByNumber(last).length() - 1,
                      QTextCursor::KeepAnchor);
        m->setTextCursor(c);
    }
    const std::string kCannotPrint = "Utskriften kunde inte göras. Kontrollera skrivaren eller att "
                                     "filen kan sparas där du valde.";
};

constexpr int kPx = 10; // the recording printer's pixels per millimetre

} // namespace

TEST_F(InfoWindowsTest, ManualLinesStandTwoBlanksInAndTheButtonsBelowTheText) {
    auto w = openManual({"Manual till Orvela", "",
                         "Rätt svar visas i tre sekunder; "
                         "mellanslag avbryter."});
    EXPECT_TRUE(w->manualRead());
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(memo(*w)->toPlainText(), qs("  Manual till Orvela\n  \n  Rätt svar visas i tre "
                                          "sekunder; mellanslag avbryter."));
    EXPECT_FALSE(visible(*w, "Memo2"));
    EXPECT_EQ(text(*w, "Label1"), "Manual till Orvela");
    const QRect text = memo(*w)->geometry();
    for (const char* name : {"Button1", "Button2", "Button3"}) {
        auto* b = child<QPushButton>(*w, name);
        EXPECT_GE(b->y(), text.bottom()) << name << " lies under the text box";
        EXPECT_LE(b->geometry().bottom(), w->height()) << name;
        EXPECT_GE(b->width(), b->sizeHint().width()) << name << " shows its whole caption";
    }
    shot(*w, "manual");

    // A manual written with lower-case letters in its name is found as well.
    std::filesystem::remove(f.content.root() / "DATA/FRANSMAN.TXT");
    f.content.write("DATA/fransman.txt", {"liten"});
    TManual lower(context);
    EXPECT_EQ(memo(lower)->toPlainText(), qs("  liten"));
}

TEST_F(InfoWindowsTest, MissingManualIsReportedAndTheWindowClosesAtOnce) {
    TManual w(context);
    EXPECT_FALSE(w.manualRead());
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0], "Filen " + f.shell.paths().rootText() +
                                       "/DATA/FRANSMAN.TXT finns inte eller är felaktig");
    // Should the window wait for the pupil after all, the guard closes it and says so.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&w] {
        ADD_FAILURE() << "the window waited";
        w.reject();
    });
    guard.start(0);
    EXPECT_EQ(w.exec(), QDialog::Rejected);
}

TEST_F(InfoWindowsTest, WholeManualPrintsPageByPageEachPageItsOwnJob) {
    auto w = openManual(numberedLines(100));
    w->Button2Click();
    EXPECT_EQ(printer.chooseCalls, 1);
    EXPECT_EQ(printer.finishCalls, 1);
    // The line height is "Hej" in Arial 12: 48 pixels, 5 mm; a line takes 6 mm. The first page
    // holds the lines at 15, 21 … 255 mm; the next line would begin below 256 mm.
    EXPECT_EQ(w->printout().lineHeightMm(), 5);
    ASSERT_EQ(printer.pages.size(), 3u);
    ASSERT_EQ(printer.jobs.size(), 3u);
    for (std::size_t p = 0; p < 3; ++p) {
        EXPECT_EQ(printer.pages[p].job, static_cast<int>(p)) << "each page is a job of its own";
        EXPECT_TRUE(printer.jobs[p].ended);
        const auto* number = printer.findExact(p, std::to_string(p + 1));
        ASSERT_NE(number, nullptr) << p;
        EXPECT_EQ(number->x, 200 * kPx);
        EXPECT_EQ(number->y, 2 * kPx);
        EXPECT_EQ(number->font, (PrintFont{"Arial", 12, false, false}));
    }
    EXPECT_EQ(printer.textsOn(0).size(), 1u + 41u);
    EXPECT_EQ(printer.textsOn(1).size(), 1u + 42u);
    EXPECT_EQ(printer.textsOn(2).size(), 1u + 17u);
    const auto* first = printer.findExact(0, "  Rad 1");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x, 15 * kPx);
    EXPECT_EQ(first->y, 15 * kPx);
    EXPECT_EQ(printer.findExact(0, "  Rad 41")->y, 255 * kPx);
    EXPECT_EQ(printer.findExact(1, "  Rad 42")->y, 9 * kPx) << "4 mm + one line";
    EXPECT_EQ(printer.pageOf("  Rad 100"), 2);
    EXPECT_EQ(printer.jobs[0].name, "Manual till Orvela");

    // Two copies repeat the whole printout, numbered from 1 again.
    printer.jobs.clear();
    printer.pages.clear();
    printer.answer.copies = 2;
    w->Button2Click();
    ASSERT_EQ(printer.pages.size(), 6u);
    EXPECT_NE(printer.findExact(3, "1"), nullptr);
    EXPECT_NE(printer.findExact(3, "  Rad 1"), nullptr);
}

TEST_F(InfoWindowsTest, SelectionPrintsExactlyItsLinesOnOnePageThroughTheClipboard) {
    auto w = openManual(numberedLines(20));
    selectLines(*w, 2, 4);
    w->Button3Click();
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.textsOn(0), (std::vector<std::string>{"1", "  Rad 3", "  Rad 4", "  Rad 5"}));
    EXPECT_EQ(printer.findExact(0, "  Rad 3")->y, 10 * kPx) << "a selection begins at 5 mm";
    EXPECT_EQ(printer.findExact(0, "  Rad 5")->y, 22 * kPx);
    EXPECT_TRUE(printer.jobs[0].ended);
    EXPECT_EQ(memo(*w, "Memo2")->toPlainText(), qs("  Rad 3\n  Rad 4\n  Rad 5"));
    EXPECT_FALSE(visible(*w, "Memo2"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), qs("  Rad 3\n  Rad 4\n  Rad 5"));

    // A selection that ends with a line end has no empty line after it; a new selection
    // replaces the old one in Memo2.
    QPlainTextEdit* m = memo(*w);
    QTextCursor c(m->document()->findBlockByNumber(7));
    c.setPosition(m->document()->findBlockByNumber(9).position(), QTextCursor::KeepAnchor);
    m->setTextCursor(c);
    printer.pages.clear();
    printer.jobs.clear();
    w->Button3Click();
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.textsOn(0), (std::vector<std::string>{"1", "  Rad 8", "  Rad 9"}));
}

TEST_F(InfoWindowsTest, NothingIsPrintedWithoutSelectionPrinterOrConfirmedDialog) {
    auto w = openManual(numberedLines(5));
    w->Button3Click();
    EXPECT_EQ(printer.chooseCalls, 0) << "nothing marked: no dialog";
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].rfind("Markera först den text som ska skrivas ut", 0), 0u);

    printer.answer.accepted = false;
    w->Button2Click();
    EXPECT_EQ(printer.chooseCalls, 1);
    EXPECT_TRUE(printer.jobs.empty()) << "the dialog was cancelled";
    EXPECT_EQ(f.messages.shown.size(), 1u) << "a cancelled dialog needs no message";

    printer.answer.accepted = true;
    printer.failFromJob = 1;
    w->Button2Click();
    EXPECT_EQ(f.messages.shown.back(), kCannotPrint);

    context.printing = nullptr;
    w->Button2Click();
    EXPECT_EQ(f.messages.shown.back(),
              "Manualen kan inte skrivas ut: det finns ingen skrivare i programmet.");

    context.printing = &printer;
    printer.failFromJob = 0;
    printer.chooseCalls = 0;
    auto empty = openManual({});
    empty->Button2Click();
    EXPECT_EQ(printer.chooseCalls, 0) << "an empty manual prints no empty page";
}

TEST_F(InfoWindowsTest, LongLinesAreBrokenBetweenWordsInsideThePage) {
    // The recording printer's Arial 12 is 24 pixels a character: 77 characters from 15 to 200 mm.
    std::string words = "ordet1";
    for (int i = 2; i <= 30; ++i)
        words += " ordet" + std::to_string(i % 10);
    auto w = openManual({words, "- " + words, std::string(100, 'x')});
    w->Button2Click();
    ASSERT_EQ(printer.pages.size(), 1u);
    const auto& printed = printer.pages[0].texts;
    std::string first, list, cut;
    for (std::size_t i = 1; i < printed.size(); ++i) {
        const std::string& t = printed[i].text;
        EXPECT_LE(printed[i].x + static_cast<int>(t.size()) * 24, 200 * kPx) << t;
        EXPECT_EQ(printed[i].y, (15 + 6 * static_cast<int>(i - 1)) * kPx) << "6 mm a line";
        if (t.find('x') != std::string::npos)
            cut += t.substr(2);
        else if (t.starts_with("  - ") || !list.empty())
            list += t + "|";
        else
            first += (first.empty() ? "" : " ") + t.substr(2);
    }
    EXPECT_EQ(first, words) << "broken between words, each part two blanks in, nothing lost";
    EXPECT_EQ(list.find("|    ordet"), list.find('|')) << "a list line goes on under its text";
    EXPECT_EQ(cut, std::string(100, 'x')) << "a word wider than the page is cut";
}

TEST_F(InfoWindowsTest, EscapeAndAvbrytCloseTheManual) {
    auto w = openManual({"Rad"});
    QTest::keyClick(memo(*w), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Rejected);
    auto w2 = openManual({"Rad"});
    child<QPushButton>(*w2, "Button2")->setFocus();
    QTest::keyClick(child<QPushButton>(*w2, "Button2"), Qt::Key_Escape);
    EXPECT_FALSE(w2->isVisible()) << "Escape wherever the focus is";
    EXPECT_TRUE(printer.jobs.empty());
    auto w3 = openManual({"Rad"});
    QTest::mouseClick(child<QPushButton>(*w3, "Button1"), Qt::LeftButton);
    EXPECT_FALSE(w3->isVisible());
}

TEST_F(InfoWindowsTest, SampleManualFitsThePrintedPageAndReadsBackFromPdf) {
    const std::filesystem::path source =
        std::filesystem::path(ORVELA_SOURCE_DIR) / "content/DATA/FRANSMAN.TXT";
    std::ifstream in(source, std::ios::binary);
    ASSERT_TRUE(in) << source;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Windows-1252 with CR LF, lines short enough for the screen and the paper.
    std::size_t lineCount = 0;
    for (std::size_t start = 0; start < bytes.size(); ++lineCount) {
        const std::size_t end = bytes.find('\n', start);
        ASSERT_NE(end, std::string::npos) << "the last line ends with CR LF";
        ASSERT_GT(end, start) << "line " << lineCount + 1 << " ends with LF alone";
        EXPECT_EQ(bytes[end - 1], '\r') << "line " << lineCount + 1;
        EXPECT_LE(end - 1 - start, 90u) << "line " << lineCount + 1;
        start = end + 1;
    }
    EXPECT_GT(lineCount, 200u);
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos) << "no UTF-8 å, ä, ö …";
    f.content.writeRaw("DATA/FRANSMAN.TXT", bytes);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray shotDir = qgetenv("ORVELA_SHOT_DIR");
    const QString file = (shotDir.isEmpty() ? dir.path() : QString::fromUtf8(shotDir)) +
                         QStringLiteral("/manual.pdf");
    {
        PdfPrinting pdf(file);
        context.printing = &pdf;
        TManual w(context);
        ASSERT_TRUE(w.manualRead());
        // Every line fits between 15 and 200 mm as it is: none has to be broken.
        pdf.choose("Manual till Orvela");
        const PageScale scale{pdf.pageSize()};
        pdf.setFont(PrintFont{"Arial", 12, false, false});
        const int width = scale.XmmTillPixel(200) - scale.XmmTillPixel(15);
        for (const QString& line : memo(w)->toPlainText().split(QLatin1Char('\n')))
            EXPECT_LE(pdf.textWidth(fromQString(line)), width) << line.toStdString();
        w.Button2Click();
    }
    EXPECT_EQ(f.messages.shown.size(), 0u);
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    const auto pages = pdfPages(file.toStdString());
    ASSERT_GE(pages.size(), lineCount / 45) << "about 41 lines a page";
    EXPECT_GE(lineWith(pages[0], "MANUAL TILL ORVELA"), 0);
    EXPECT_GE(lineWith(pages.back(), std::to_string(pages.size()), true), 0)
        << "the last page carries its number";
}

TEST_F(InfoWindowsTest, AboutWindowShowsNameVersionAndPanelsByPicture) {
    TOmVamlo w(context);
    w.show();
    EXPECT_EQ(text(w, "TitleLabel"), "Orvela 1.0");
    EXPECT_EQ(text(w, "SubtitleLabel"), "Franska för svenska elever");
    EXPECT_NE(text(w, "DescriptionLabel").find("övningsprogram i franska"), std::string::npos);
    auto* panel1 = child(w, "InfoPanel1");
    auto* panel2 = child(w, "InfoPanel2");
    ASSERT_TRUE(panel1 && panel2);
    const std::string about = child<QLabel>(*panel1, "TextLabel")->text().toStdString();
    EXPECT_NE(about.find("version 1.0"), std::string::npos);
    EXPECT_NE(about.find("Exempelkursen hör till programmet"), std::string::npos);
    EXPECT_NE(about.find("franska bilderna"), std::string::npos);
    const std::string publisher = child<QLabel>(*panel2, "TextLabel")->text().toStdString();
    EXPECT_NE(publisher.find("Kursens filer: "), std::string::npos);
    shot(w, "about");

    // Each click, then which panels are shown ("1", "2", "12" or "").
    auto shown = [&] {
        return std::string(panel1->isVisible() ? "1" : "") + (panel2->isVisible() ? "2" : "");
    };
    const std::vector<std::pair<QWidget*, std::string>> clicks = {
        {child(w, "Image2"), "1"}, {child(w, "Image3"), "2"},        {child(w, "Image3"), ""},
        {child(w, "Image2"), "1"}, {child(w, "Image2"), ""},         {child(w, "Image3"), "2"},
        {child(w, "Image1"), ""},  {child(w, "Image2"), "1"},        {panel1, ""},
        {child(w, "Image3"), "2"}, {child(*panel2, "TextLabel"), ""}};
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        QTest::mouseClick(clicks[i].first, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(shown(), clicks[i].second) << "click " << i + 1;
        if (i == 0) shot(w, "about-panel1");
    }

    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    TOmVamlo w2(context);
    w2.show();
    QTest::mouseClick(child(w2, "Button1"), Qt::LeftButton);
    EXPECT_FALSE(w2.isVisible());
}

TEST_F(InfoWindowsTest, AboutWindowStaysOnAWideScreenScaledByItsWidth) {
    f.s.ScalePercent = 260; // a very wide screen: the scale follows the width
    TOmVamlo w(context);
    w.show();
    const QSize screen = Window::screenSize();
    EXPECT_LE(w.height(), screen.height());
    EXPECT_LE(w.width(), screen.width());
    const QRect inner = child(w, "InnerPanel")->rect();
    for (const char* name : {"Button1", "Image1", "Image3", "InfoPanel1"}) {
        QWidget* c = child(w, name);
        EXPECT_TRUE(
            inner.contains(QRect(c->mapTo(child(w, "InnerPanel"), QPoint(0, 0)), c->size())))
            << name;
    }
}
