// orvela-content diagnosis report DIR [--pdf FILE]: the class overview of DIR/FDIAG.DIA.
//
// Prints the overview as text (one line per pupil, one column per diagnosis programme, the class
// averages and counts under them, then the programmes' names and the legend); with --pdf it also
// writes the printed overview (landscape pages, as the program prints it) to FILE. The diagnosis
// file is only read.

#include "ClassOverview.h"
#include "ClassOverviewPrintout.h"
#include "Commands.h"
#include "DiagnosisFile.h"
#include "PdfPrinting.h"

#include <QGuiApplication>
#include <QString>

#include <ctime>
#include <iostream>

namespace orvela::tool {

namespace {

int fail(const std::string& message) {
    std::cerr << "orvela-content: " << message << "\n";
    return 1;
}

int usage() {
    std::cerr << "Användning:\n"
                 "  orvela-content diagnosis report KATALOG [--pdf FIL]\n"
                 "                        klassöversikten som text, med --pdf även som PDF-fil\n";
    return 2;
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::exists(a, ec) && fs::exists(b, ec) && fs::equivalent(a, b, ec);
}

// Writes the printed overview to `pdf`; false after a message when it cannot be written.
bool writePdf(const ClassOverview& overview, const DateTime& date, const std::string& pdf) {
    // Fonts and PDF writing need a GUI application object, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "orvela-content";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    bool ok = false;
    {
        PdfPrinting printer(QString::fromStdString(pdf), 1, PdfPrinting::defaultLayout(),
                            QStringLiteral("Klassöversikt"));
        printer.setOrientation(PageOrientation::Landscape);
        ClassOverviewPrintout printout(overview, date);
        ok = printout.printChosen(printer);
        printer.finish();
    }
    std::error_code ec;
    if (ok && fs::is_regular_file(pdf, ec) && fs::file_size(pdf, ec) > 0) return true;
    fail("PDF-filen " + pdf + " kunde inte skrivas");
    return false;
}

} // namespace

int diagnosisReport(int argc, char** argv) {
    // orvela-content diagnosis report DIR [--pdf FILE]
    if (argc != 4 && argc != 6) return usage();
    const std::string dir = argv[3];
    std::string pdf;
    if (argc == 6) {
        if (std::string(argv[4]) != "--pdf") return usage();
        pdf = argv[5];
        if (pdf.empty()) return usage();
    }
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return fail("katalogen " + dir + " finns inte");
    const DiagnosisFile file(dir);
    if (!pdf.empty() && sameFile(pdf, file.path()))
        return fail("PDF-filen får inte skrivas över diagnosfilen " + file.path().string());
    DiagnosisFileContents c = file.read();
    if (c.state == DiagnosisFileContents::State::Unreadable)
        return fail("diagnosfilen " + file.path().string() + " kan inte läsas");
    if (c.strayBytes > 0)
        std::cerr << "orvela-content: varning: diagnosfilen " << file.path().string()
                  << " slutar med " << c.strayBytes
                  << " byte som inte är en hel diagnos; de hela diagnoserna visas\n";
    if (c.records.empty()) {
        std::cout << (c.state == DiagnosisFileContents::State::Missing
                          ? "Inga diagnoser har sparats i " + dir
                          : "Diagnosfilen " + file.path().string() + " är tom")
                  << (pdf.empty() ? "." : "; ingen PDF-fil har skrivits.") << "\n";
        return 0;
    }

    const ClassOverview overview = ClassOverview::fromRecords(c.records);
    const DateTime date = systemNow();
    ClassOverviewPrintout heading(overview, date);
    std::cout << heading.titleText() << ", " << file.path().string() << ", "
              << heading.dateText() << "\n\n"
              << overview.textTable();
    std::cout.flush();
    if (!std::cout) return fail("kunde inte skriva till standard ut");
    if (!pdf.empty()) {
        if (!writePdf(overview, date, pdf)) return 1;
        std::cout << "\nKlassöversikten är sparad i " << pdf << ".\n";
    }
    return 0;
}

} // namespace orvela::tool
