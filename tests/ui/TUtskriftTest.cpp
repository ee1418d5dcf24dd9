// The worksheet window: its two list boxes, the preview in front of an exercise window without
// taking its keyboard focus, clearing (also by switching worksheet mode), and printing through
// the application's printer.

#include "TUtskrift.h"

#include "FakePrinting.h"
#include "Fakes.h"
#include "TForm1.h"
#include "UiHelpers.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWindow>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct WorksheetWindowFixture : ::testing::Test {
    ShellFixture f;
    FakePrinting printer;
    AppContext context;
    std::unique_ptr<TUtskrift> window;

    WorksheetWindowFixture() {
        context.shell = &f.shell;
        context.printing = &printer;
        window = std::make_unique<TUtskrift>(context);
        context.worksheet = window.get();
    }
    QListWidget* list(Sheet sheet) {
        return child<QListWidget>(*window, sheet == Sheet::Questions ? "ListBox1" : "ListBox2");
    }
    // Collects a small worksheet as an exercise window does.
    void collect() {
        WorksheetWindow& ws = *context.worksheet;
        ws.addHeading(1, A("Översätt till franska"), A("Skriv med accenter"));
        ws.addItem(1, A("huset"), A("la maison"));
        ws.addItem(2, A("bilen"), A("la voiture"));
    }
    // Everything that clearing resets.
    void expectCleared() {
        EXPECT_EQ(list(Sheet::Questions)->count(), 0);
        EXPECT_EQ(list(Sheet::Answers)->count(), 0);
        EXPECT_TRUE(window->worksheet().empty());
        EXPECT_EQ(f.s.WorksheetPageNumber, 1);
        EXPECT_EQ(f.s.WorksheetNewPage, 1);
        EXPECT_EQ(window->printout().PrintY, 0);
    }
};

// An exercise window in use: modal, with its answer field focused.
struct ExerciseStandIn {
    QDialog dialog;
    QLineEdit* edit = new QLineEdit(&dialog);
    ExerciseStandIn() { dialog.resize(400, 300); }
    void activate() {
        dialog.activateWindow();
        edit->setFocus();
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(WorksheetWindowFixture, PreviewShowsOneListInFrontKeepsTheFocusAndGoesWithTheWindow) {
    collect();
    ExerciseStandIn exercise;
    exercise.dialog.show();
    exercise.activate();
    ASSERT_EQ(QApplication::focusWidget(), exercise.edit);
    for (Sheet sheet : {Sheet::Answers, Sheet::Questions}) {
        window->showSheet(sheet);
        QCoreApplication::processEvents();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->sheetInFront(), sheet);
        EXPECT_TRUE(list(sheet)->isVisible());
        EXPECT_FALSE(
            list(sheet == Sheet::Answers ? Sheet::Questions : Sheet::Answers)->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), exercise.edit) << "the answer field keeps the focus";
    }
    window->hideSheet();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(list(Sheet::Questions)->count(), 6) << "hiding keeps the lists";
    EXPECT_EQ(list(Sheet::Answers)->item(3)->text(), QStringLiteral("       la maison"));

    window->showSheet(Sheet::Questions);
    exercise.dialog.hide();
    EXPECT_FALSE(window->isVisible()) << "the preview goes with the window that showed it";
}

TEST_F(WorksheetWindowFixture, PreviewCanBeClosedWhileAModalExerciseRuns) {
    collect();
    ExerciseStandIn exercise;
    bool closedByClick = false;
    QTimer::singleShot(0, [&] {
        exercise.activate();
        window->showSheet(Sheet::Questions);
        QCoreApplication::processEvents();
        auto* close = window->findChild<QPushButton*>(QStringLiteral("StangButton"));
        // A click through the window system, which the modality of the exercise would block.
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          close->mapTo(window.get(), close->rect().center()));
        QCoreApplication::processEvents();
        closedByClick = !window->isVisible();
        exercise.dialog.accept();
    });
    exercise.dialog.exec();
    EXPECT_TRUE(closedByClick);
}

TEST_F(WorksheetWindowFixture, ClearingAndSwitchingWorksheetModeStartAgain) {
    collect();
    f.s.WorksheetPageNumber = 3;
    f.s.WorksheetNewPage = 0;
    window->printout().PrintY = 140;
    f.s.WorksheetItemCount = 2;
    window->clear();
    expectCleared();
    EXPECT_EQ(f.s.WorksheetItemCount, 2) << "clearing leaves the numbering to the exercise";

    FakeOpener opener;
    f.content.write("DATA/FRA00001.DAT", {"a#b"});
    ASSERT_TRUE(f.shell.HaemtaFilTabell());
    TForm1 form(f.shell, opener, QSize(1024, 768));
    form.setWorksheetReset([this] { window->restart(); });
    for (int round = 0; round < 2; ++round) { // into worksheet mode and out of it
        SCOPED_TRACE(round);
        collect();
        f.s.WorksheetItemCount = 2;
        f.s.WorksheetExerciseCount = 1;
        f.s.WorksheetHeadingPending = 0;
        window->printout().PrintY = 100;
        form.Button7Click();
        expectCleared();
        EXPECT_EQ(f.s.WorksheetItemCount, 0);
        EXPECT_EQ(f.s.WorksheetExerciseCount, 0);
        EXPECT_EQ(f.s.WorksheetHeadingPending, 1);
    }
}

TEST_F(WorksheetWindowFixture, PrintsThroughTheApplicationPrinterAndTellsAFailure) {
    collect();
    printer.answer = PrintChoice{false, 1};
    EXPECT_EQ(window->SkrivutFraga(), PrintOutcome::Cancelled);
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_TRUE(f.messages.shown.empty()) << "a cancelled dialog is silent";

    printer.answer = PrintChoice{true, 1};
    f.s.PrintWithAnswers = 1;
    f.s.WorksheetNewPage = 1;
    EXPECT_EQ(context.worksheet->SkrivutFraga(), PrintOutcome::Printed);
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_NE(printer.find(0, "Arbetsblad från Orvela. Facit."), nullptr);
    EXPECT_NE(printer.find(0, "       la voiture"), nullptr);
    EXPECT_TRUE(f.messages.shown.empty());

    printer.failFromJob = 1;
    EXPECT_EQ(window->SkrivutFraga(), PrintOutcome::Failed);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].rfind("Utskriften kunde inte göras.", 0), 0u);

    context.printing = nullptr;
    EXPECT_EQ(window->SkrivutFraga(), PrintOutcome::Failed);
    EXPECT_EQ(f.messages.shown.size(), 2u);
}
