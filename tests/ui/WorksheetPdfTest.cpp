// The worksheet printout as a real PDF file, read back with pdftotext: titles, page numbers,
// page breaks and copies as they come out of the PDF writer; and the program's printer writing a
// PDF file when no printer is installed.
//
// Set ORVELA_KEEP_PRINTOUTS to a directory to keep the PDF files for a look.

#include "PdfPrinting.h"
#include "QtPrinting.h"
#include "WorksheetPrintout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

using namespace orvela;

namespace {

AnsiText A(const std::string& utf8) { return AnsiText::fromUtf8(utf8); }

bool havePdfToText() {
    return std::system("command -v pdftotext >/dev/null 2>&1") == 0;
}

// The text of every page, in layout mode, each line with its spaces trimmed.
std::vector<std::vector<std::string>> readPages(const QString& file) {
    const std::string command = "pdftotext -layout -enc UTF-8 '" + file.toStdString() + "' -";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    std::vector<std::vector<std::string>> pages(1);
    std::string line;
    auto endLine = [&] {
        const std::size_t a = line.find_first_not_of(' ');
        const std::size_t b = line.find_last_not_of(' ');
        if (a != std::string::npos) pages.back().push_back(line.substr(a, b - a + 1));
        line.clear();
    };
    for (char c : out) {
        if (c == '\f') {
            endLine();
            pages.emplace_back();
        } else if (c == '\n') {
            endLine();
        } else {
            line += c;
        }
    }
    endLine();
    while (!pages.empty() && pages.back().empty()) pages.pop_back();
    return pages;
}

// The index of the first line that contains `text`, or -1.
int lineWith(const std::vector<std::string>& page, const std::string& text) {
    for (std::size_t i = 0; i < page.size(); ++i)
        if (page[i].find(text) != std::string::npos) return static_cast<int>(i);
    return -1;
}
int lineIs(const std::vector<std::string>& page, const std::string& text) {
    for (std::size_t i = 0; i < page.size(); ++i)
        if (page[i] == text) return static_cast<int>(i);
    return -1;
}

struct PdfFixture : ::testing::Test {
    QTemporaryDir dir;
    SharedState s;
    Worksheet w;
    WorksheetPrintout printout{s};

    void SetUp() override {
        if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
        ASSERT_TRUE(dir.isValid());
    }
    void exercise(int k, int first, int last) {
        w.addHeading(k, A("Övning " + std::to_string(k) + ": översätt"), A("Skriv på franska"));
        for (int n = first; n <= last; ++n)
            w.addItem(n, A("fråga " + std::to_string(n)), A("réponse " + std::to_string(n)));
    }
    QString print(const QString& name, int withAnswers, int copies = 1) {
        const QString file = dir.filePath(name);
        s.PrintWithAnswers = static_cast<std::uint8_t>(withAnswers);
        s.WorksheetNewPage = 1;
        {
            PdfPrinting pdf(file, copies);
            EXPECT_EQ(printout.SkrivutFraga(pdf, w), PrintOutcome::Printed);
        }
        const QByteArray keep = qgetenv("ORVELA_KEEP_PRINTOUTS");
        if (!keep.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(keep));
            const QString target = QDir(QString::fromLocal8Bit(keep)).filePath(name);
            QFile::remove(target);
            QFile::copy(file, target);
        }
        return file;
    }
};

} // namespace

TEST_F(PdfFixture, TitlePageNumbersAndProductNameAsPrinted) {
    exercise(1, 1, 12);
    exercise(2, 13, 40);
    const auto pages = readPages(print("fragor.pdf", 0));
    ASSERT_EQ(pages.size(), 3u);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        ASSERT_FALSE(pages[p].empty());
        const std::string& top = pages[p].front();
        // The page number at the top right, on the first line of the page.
        EXPECT_EQ(top.substr(top.find_last_of(' ') + 1), std::to_string(p + 1));
        EXPECT_EQ(lineWith(pages[p], "Arbetsblad från Orvela.") >= 0, p == 0);
        EXPECT_EQ(top.rfind("Orvela", 0) == 0, p > 0) << "the product name at the top left";
    }
    EXPECT_EQ(lineWith(pages[0], "Facit"), -1);
    EXPECT_GE(lineIs(pages[0], "1. Övning 1: översätt"), 0) << "heading";
    EXPECT_GE(lineIs(pages[0], "Skriv på franska"), 0) << "note";
    EXPECT_GE(lineIs(pages[0], "1. fråga 1"), 0);

    const auto answers = readPages(print("facit.pdf", 1));
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_GE(lineWith(answers[0], "Arbetsblad från Orvela. Facit."), 0);
    EXPECT_GE(lineIs(answers[0], "réponse 1"), 0);
    EXPECT_EQ(lineWith(answers[1], "Arbetsblad"), -1);
}

TEST_F(PdfFixture, ItemsStayWithTheirWritingLines) {
    exercise(1, 1, 16);
    const auto pages = readPages(print("sexton.pdf", 0));
    ASSERT_EQ(pages.size(), 2u);
    // Fifteen items fill the first page; the sixteenth (the last of the list) moves to the next
    // page with the line to write on.
    EXPECT_GE(lineIs(pages[0], "15. fråga 15"), 0);
    EXPECT_EQ(lineIs(pages[0], "16. fråga 16"), -1);
    const int item = lineIs(pages[1], "16. fråga 16");
    ASSERT_GE(item, 0);
    ASSERT_LT(static_cast<std::size_t>(item + 1), pages[1].size());
    EXPECT_EQ(pages[1][static_cast<std::size_t>(item) + 1], std::string(57, '_'));
    for (const auto& page : pages) {
        // Every item line is followed by its writing line on the same page.
        for (std::size_t i = 0; i < page.size(); ++i)
            if (page[i].find(". fråga ") != std::string::npos) {
                ASSERT_LT(i + 1, page.size()) << page[i];
                EXPECT_EQ(page[i + 1], std::string(57, '_')) << page[i];
            }
    }
}

TEST_F(PdfFixture, AHeadingWithoutRoomMovesWithItsNote) {
    exercise(1, 1, 14);
    exercise(2, 15, 16);
    const auto pages = readPages(print("rubrik.pdf", 0));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(lineIs(pages[0], "2. Övning 2: översätt"), -1);
    const int heading = lineIs(pages[1], "2. Övning 2: översätt");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(pages[1][static_cast<std::size_t>(heading) + 1], "Skriv på franska");
}

TEST_F(PdfFixture, TwoCopiesRepeatTheWholePrintout) {
    exercise(1, 1, 20);
    const auto pages = readPages(print("kopior.pdf", 1, 2));
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0], pages[2]);
    EXPECT_EQ(pages[1], pages[3]);
    EXPECT_GE(lineWith(pages[2], "Arbetsblad från Orvela. Facit."), 0);
}

TEST_F(PdfFixture, ItemNumbersNineTenAndHundred) {
    w.addHeading(1, A("Tal"), AnsiText());
    w.addItem(9, A("nio"), A("neuf"));
    w.addItem(10, A("tio"), A("dix"));
    w.addItem(100, A("hundra"), A("cent"));
    const auto pages = readPages(print("tal.pdf", 1));
    ASSERT_EQ(pages.size(), 1u);
    const int nine = lineIs(pages[0], "9. nio");
    const int ten = lineIs(pages[0], "10. tio");
    const int hundred = lineIs(pages[0], "100. hundra");
    ASSERT_TRUE(nine >= 0 && ten > nine && hundred > ten);
    EXPECT_EQ(pages[0][static_cast<std::size_t>(hundred) + 1], "cent");
    EXPECT_EQ(lineIs(pages[0], "1. Tal"), nine - 1);
}

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
    file.close();
    if (havePdfToText()) {
        const auto pages = readPages(written);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_GE(lineIs(pages[0], "1. att vara"), 0);
    }

    printer.answer.clear(); // the pupil cancels the file question
    EXPECT_EQ(printout.SkrivutFraga(printer, w), PrintOutcome::Cancelled);
    EXPECT_TRUE(printer.pdfFileName().isEmpty());
    EXPECT_TRUE(printer.suggested.startsWith(dir.path())) << "the last directory is offered again";
}

TEST(QtPrintingTest, AFileThatCannotBeWrittenFails) {
    SharedState s;
    Worksheet w;
    w.addItem(1, A("a"), A("b"));
    WorksheetPrintout printout(s);
    NoPrinterMachine printer;
    printer.answer = QStringLiteral("/nonexistent-directory/arbetsblad.pdf");
    EXPECT_EQ(printout.SkrivutFraga(printer, w), PrintOutcome::Failed);
}
