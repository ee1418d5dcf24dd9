// The printed diagnosis protocol as a real PDF file, read back with pdftotext: the title, every
// programme on its own line with its result, date and status, and the total.
//
// Set ORVELA_KEEP_PRINTOUTS to a directory to keep the PDF file for a look.

#include "DiagnosisFixture.h"
#include "DiagnosisRules.h"
#include "PdfPrinting.h"
#include "Tdiaprot.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

using namespace orvela;
using namespace orvela::testing;

namespace {

// The lines of the PDF's text in layout mode, their spaces trimmed at both ends.
std::vector<std::string> pdfLines(const QString& file) {
    const std::string command = "pdftotext -layout -enc UTF-8 '" + file.toStdString() + "' -";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        pclose(pipe);
    }
    std::vector<std::string> lines;
    std::string line;
    for (char c : out + "\n") {
        if (c != '\n' && c != '\f') {
            line += c;
            continue;
        }
        const std::size_t a = line.find_first_not_of(' ');
        if (a != std::string::npos)
            lines.push_back(line.substr(a, line.find_last_not_of(' ') - a + 1));
        line.clear();
    }
    return lines;
}

// Words of a line, separated by runs of spaces.
std::string squeezed(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    return out;
}

struct ProtocolPdfTest : DiagnosisFixture {};

TEST_F(ProtocolPdfTest, EveryProgrammeIsALineOfItsOwn) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir temp;
    QString file = temp.filePath(QStringLiteral("protokoll.pdf"));
    if (QByteArray keep = qgetenv("ORVELA_KEEP_PRINTOUTS"); !keep.isEmpty())
        file = QDir(QString::fromUtf8(keep)).filePath(QStringLiteral("diagnosprotokoll.pdf"));

    DiagnosisRecord p;
    clearDiagnosisRecord(p);
    p.name = A("Åsa Öberg");
    f.s.CurrentPupil = p;
    {
        PdfPrinting pdf(file);
        context.printing = &pdf;
        Tdiaprot window(context);
        for (int n : {1, 11, 13}) {
            f.s.CurrentProgramme = n;
            f.shell.diagnosback(n == 11 ? 9 : 17);
        }
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("SkrivutButton")),
                          Qt::LeftButton);
        EXPECT_TRUE(f.messages.shown.empty());
        EXPECT_GE(window.printHolder().lastLayout().points, 8);
        context.printing = nullptr;
    }
    const std::vector<std::string> lines = pdfLines(file);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Enregistrement des résultats de \"Orvela\" pour Åsa Öberg.");
    std::vector<std::string> squeezedLines;
    for (const std::string& l : lines)
        squeezedLines.push_back(squeezed(l));
    auto has = [&](const std::string& line) {
        return std::find(squeezedLines.begin(), squeezedLines.end(), line) != squeezedLines.end();
    };
    EXPECT_TRUE(has("No Domaine Resultat Date Position"));
    EXPECT_TRUE(has("1 Glosor, mycket lätta 17 261206 10:30 Tester"));
    EXPECT_TRUE(has("2 Glosor, lätta 0 Tester"));
    EXPECT_TRUE(has("11 Presens och passé composé av verb på -ir och -re 9 261206 10:30 Exercer"));
    EXPECT_TRUE(has("13 Oregelbundna verb i presens och passé composé 17 261206 10:30 Tester"));
    EXPECT_TRUE(has("18 Futurum 0 Commencer"));
    EXPECT_TRUE(has("43")) << "the total";
}

} // namespace
