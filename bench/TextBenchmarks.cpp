// The routines every item goes through, per call: splitting an item line into its fields,
// judging a typed answer, breaking a text into lines; and a long worksheet printed to PDF.

#include "BenchSupport.h"

#include "PdfPrinting.h"
#include "QtServices.h"
#include "Scrambling.h"
#include "Shell.h"
#include "Worksheet.h"
#include "WorksheetPrintout.h"

#include <benchmark/benchmark.h>

#include <QString>

using namespace orvela;
using namespace orvela::bench;

namespace {

// A Shell with the program's own text measuring, on an empty content tree.
struct ShellBench {
    ScratchDir root;
    SilentMessages messages;
    FixedClock clock;
    QtTextMeasure measure;
    NoSound sound;
    Shell shell{ContentPaths(root.path()), ShellServices{&messages, &clock, &measure, &sound}};
};

const AnsiText kItem = kryptrad(AnsiText::fromUtf8(
    "Je voudrais un café au lait, s'il vous plaît.#Jag skulle vilja ha ett kaffe med mjölk, "
    "tack.#&Jag vill ha ett kaffe med mjölk, tack.#&Ett kaffe med mjölk, tack."));

void BM_SplitItemLine(benchmark::State& state) {
    ShellBench b;
    for (auto _ : state) {
        b.shell.str_postarray(kItem);
        benchmark::DoNotOptimize(b.shell.state().ItemFieldCount);
    }
}
BENCHMARK(BM_SplitItemLine);

// Judging: a right answer found among the alternatives (range 1) and a wrong one (range 0),
// letter case ignored and edge punctuation dropped (mode 3).
void BM_JudgeAnswer(benchmark::State& state) {
    ShellBench b;
    b.shell.str_postarray(kItem);
    const AnsiText expected = b.shell.state().ItemFields[2];
    const AnsiText typed = AnsiText::fromUtf8(state.range(0) ? "ett kaffe med mjölk, tack"
                                                             : "ett te med mjölk, tack");
    for (auto _ : state) benchmark::DoNotOptimize(b.shell.svarstest(expected, typed, 3));
}
BENCHMARK(BM_JudgeAnswer)->Arg(0)->Arg(1);

// Breaking a sentence into at most three lines of the answer window's width.
void BM_SplitSentenceIntoLines(benchmark::State& state) {
    ShellBench b;
    const AnsiText text = AnsiText::fromUtf8(
        "Quand nous sommes arrivés à la gare, le train pour Lyon était déjà parti, et nous "
        "avons dû attendre le suivant pendant deux longues heures dans le froid.");
    for (auto _ : state) {
        b.shell.dela_mening(20, 600, text, 3);
        benchmark::DoNotOptimize(b.shell.state().SplitLines[1]);
    }
}
BENCHMARK(BM_SplitSentenceIntoLines);

// A 300-item worksheet (ten exercises of thirty items) printed to a PDF file, question sheet.
void BM_WorksheetToPdf(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    ScratchDir dir;
    Worksheet sheet;
    for (int n = 1; n <= items; ++n) {
        if ((n - 1) % 30 == 0)
            sheet.addHeading((n - 1) / 30 + 1, AnsiText::fromUtf8("Övning " + std::to_string(n)),
                             AnsiText::fromUtf8("Översätt meningarna till franska."));
        sheet.addItem(n, AnsiText::fromUtf8("Jag skulle vilja ha ett kaffe med mjölk, tack."),
                      AnsiText::fromUtf8("Je voudrais un café au lait, s'il vous plaît."));
    }
    const QString pdf = QString::fromStdString((dir.path() / "sheet.pdf").string());
    int pages = 0;
    for (auto _ : state) {
        SharedState s;
        s.WorksheetNewPage = 1;
        PdfPrinting printer(pdf);
        WorksheetPrintout printout(s);
        if (printout.SkrivutFraga(printer, sheet) != PrintOutcome::Printed)
            state.SkipWithError("not printed");
        pages = printout.PrintSheet;
    }
    benchmark::DoNotOptimize(pages);
    state.counters["items"] = items;
}
BENCHMARK(BM_WorksheetToPdf)->Arg(300)->Unit(benchmark::kMillisecond);

} // namespace
