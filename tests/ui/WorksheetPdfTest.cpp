// The program's printer writing the worksheet to a PDF file when no printer is installed. (The
// printout itself: WorksheetPrintoutTest with the recording printer, and the three-exercise PDF
// in WorksheetPanelTest.)

#include "ExternalTools.h"
#include "Fakes.h"
#include "QtPrinting.h"
#include "WorksheetPrintout.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

// The program's printer on a machine without a printer, with the file question answered.
class NoPrinterMachine : public QtPrinting {
public:
    QString answer;
    QString suggested;
    int asked = 0;

protected:
    bool printerInstalled() const override { return false; }
    bool execPrintDialog(QPrinter&) override {
        ADD_FAILURE() << "the print dialog without a printer";
        return false;
    }
    QString askPdfFileName(const QString& suggestion) override {
        ++asked;
        suggested = suggestion;
        return answer;
    }
};

} // namespace

TEST(QtPrintingTest, WithoutAPrinterThePrintoutGoesToAPdfFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SharedState s;
    Worksheet w;
    w.addHeading(1, A("Verb"), AnsiText());
    w.addItem(1, A("att vara"), A("être"));
    WorksheetPrintout printout(s);
    NoPrinterMachine printer;

    printer.answer = dir.filePath(QStringLiteral("arbetsblad"));
    EXPECT_EQ(printout.SkrivutFraga(printer, w), PrintOutcome::Printed);
    EXPECT_EQ(printer.asked, 1);
    EXPECT_TRUE(printer.suggested.endsWith(QStringLiteral("Arbetsblad.pdf")));
    const QString written = dir.filePath(QStringLiteral("arbetsblad.pdf"));
    EXPECT_EQ(printer.pdfFileName(), written) << "the suffix is added";
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    if (havePdfToText()) {
        EXPECT_GE(lineWith(pdfPages(written.toStdString()).at(0), "1. att vara", true), 0);
    }

    printer.answer.clear(); // the pupil cancels the file question
    EXPECT_EQ(printout.SkrivutFraga(printer, w), PrintOutcome::Cancelled);
    EXPECT_TRUE(printer.pdfFileName().isEmpty());
    EXPECT_TRUE(printer.suggested.startsWith(dir.path())) << "the last directory is offered again";

    printer.answer = QStringLiteral("/nonexistent-directory/arbetsblad.pdf");
    EXPECT_EQ(printout.SkrivutFraga(printer, w), PrintOutcome::Failed);
}

// The answer sheet read back from the PDF file: a long answer goes on on the next line instead of
// running off the page, so the teacher gets all of it.
TEST(QtPrintingTest, ALongAnswerIsWrappedOnThePrintedAnswerSheet) {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string answer =
        "je me suis promené le long de la rivière avec mes deux cousins pendant tout "
        "l'après-midi avant de rentrer à la maison pour dîner avec toute la famille réunie";
    SharedState s;
    s.PrintWithAnswers = 1;
    Worksheet w;
    w.addHeading(1, A("Passé composé"), AnsiText());
    w.addItem(1, A("Översätt meningen"), A(answer));
    WorksheetPrintout printout(s);
    NoPrinterMachine printer;
    printer.answer = dir.filePath(QStringLiteral("facit.pdf"));
    ASSERT_EQ(printout.SkrivutFraga(printer, w), PrintOutcome::Printed);

    const std::vector<std::vector<std::string>> pages = pdfPages(printer.answer.toStdString());
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<std::string>& page = pages[0];
    const int first = lineWith(page, "je me suis promené");
    ASSERT_GE(first, 0);
    std::string printed;
    for (std::size_t i = static_cast<std::size_t>(first); i < page.size(); ++i)
        printed += (printed.empty() ? "" : " ") + page[i];
    EXPECT_EQ(printed, answer) << "the whole answer, on more than one line";
    EXPECT_NE(page[static_cast<std::size_t>(first)], answer) << "not on one line";
}
