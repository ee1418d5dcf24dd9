// The worksheet window: its two list boxes, the preview in front of an exercise window without
// taking its keyboard focus, clearing (also by switching worksheet mode), the answer text of the
// current item, and printing through the application's printer.

#include "AppContext.h"
#include "FakePrinting.h"
#include "Fakes.h"
#include "TForm1.h"
#include "TUtskrift.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

AnsiText A(const std::string& utf8) { return AnsiText::fromUtf8(utf8); }

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
    QListWidget* list(const char* name) {
        auto* l = window->findChild<QListWidget*>(QString::fromLatin1(name));
        EXPECT_NE(l, nullptr) << name;
        return l;
    }
    static std::vector<std::string> rows(QListWidget* l) {
        std::vector<std::string> out;
        for (int r = 0; r < l->count(); ++r) out.push_back(l->item(r)->text().toStdString());
        return out;
    }
    // Collects a small worksheet as an exercise window does.
    void collect() {
        WorksheetWindow& ws = *context.worksheet;
        ws.addHeading(1, A("Översätt till franska"), A("Skriv med accenter"));
        ws.addItem(1, A("huset"), A("la maison"));
        ws.addItem(2, A("bilen"), A("la voiture"));
    }
};

// An exercise window in use: modal, with its answer field focused.
struct ExerciseStandIn {
    QDialog dialog;
    QLineEdit* edit = new QLineEdit(&dialog);
    ExerciseStandIn() {
        dialog.setObjectName(QStringLiteral("Exercise"));
        dialog.resize(400, 300);
    }
    void activate() {
        dialog.activateWindow();
        edit->setFocus();
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(WorksheetWindowFixture, LinesGoToTheirListBoxesWithTheirKinds) {
    collect();
    const std::vector<std::string> questions = rows(list("ListBox1"));
    const std::vector<std::string> answers = rows(list("ListBox2"));
    ASSERT_EQ(questions.size(), 6u);
    ASSERT_EQ(answers.size(), 6u);
    EXPECT_EQ(questions[0], "1.  Översätt till franska");
    EXPECT_EQ(questions[1], "      Skriv med accenter");
    EXPECT_EQ(questions[2], "   1. huset");
    EXPECT_EQ(questions[3], "       " + std::string(57, '_'));
    EXPECT_EQ(answers[3], "       la maison");
    EXPECT_EQ(answers[5], "       la voiture");
    EXPECT_EQ(list("ListBox1")->item(2)->data(Qt::UserRole).toInt(), int(LineKind::Item));
    EXPECT_EQ(window->worksheet().size(Sheet::Questions), 6u);
    EXPECT_EQ(window->UppgiftTillNySida(0, Sheet::Questions), 3);
    EXPECT_EQ(window->UppgiftTillNySida(2, Sheet::Answers), 1);
    EXPECT_TRUE(window->InstruktionFinns(0, Sheet::Answers));
    EXPECT_FALSE(window->InstruktionFinns(5, Sheet::Answers));
}

TEST_F(WorksheetWindowFixture, PreviewShowsOneListInFrontAndKeepsTheFocus) {
    collect();
    ExerciseStandIn exercise;
    exercise.dialog.show();
    exercise.activate();
    ASSERT_EQ(QApplication::focusWidget(), exercise.edit);

    window->showSheet(Sheet::Answers);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->sheetInFront(), Sheet::Answers);
    EXPECT_TRUE(list("ListBox2")->isVisible());
    EXPECT_FALSE(list("ListBox1")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), exercise.edit) << "the answer field keeps the focus";
    EXPECT_EQ(QApplication::activeWindow(), &exercise.dialog);

    window->showSheet(Sheet::Questions);
    QCoreApplication::processEvents();
    EXPECT_TRUE(list("ListBox1")->isVisible());
    EXPECT_FALSE(list("ListBox2")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), exercise.edit);

    window->hideSheet();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->worksheet().size(Sheet::Questions), 6u) << "hiding keeps the lists";
}

TEST_F(WorksheetWindowFixture, PreviewGoesWithTheWindowThatShowedIt) {
    collect();
    ExerciseStandIn exercise;
    exercise.dialog.show();
    exercise.activate();
    window->showSheet(Sheet::Questions);
    ASSERT_TRUE(window->isVisible());
    exercise.dialog.hide();
    EXPECT_FALSE(window->isVisible());
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
        const QPoint at = close->mapTo(window.get(), close->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
        closedByClick = !window->isVisible();
        exercise.dialog.accept();
    });
    exercise.dialog.exec();
    EXPECT_TRUE(closedByClick);
}

TEST_F(WorksheetWindowFixture, ClearEmptiesBothListsAndResetsThePageState) {
    collect();
    f.s.WorksheetPageNumber = 3;
    f.s.WorksheetNewPage = 0;
    window->printout().PrintY = 140;
    f.s.WorksheetItemCount = 2;
    window->clear();
    EXPECT_EQ(list("ListBox1")->count(), 0);
    EXPECT_EQ(list("ListBox2")->count(), 0);
    EXPECT_TRUE(window->worksheet().empty());
    EXPECT_EQ(f.s.WorksheetPageNumber, 1);
    EXPECT_EQ(f.s.WorksheetNewPage, 1);
    EXPECT_EQ(window->printout().PrintY, 0);
    EXPECT_EQ(f.s.WorksheetItemCount, 2) << "clearing leaves the numbering to the exercise";
}

TEST_F(WorksheetWindowFixture, SwitchingWorksheetModeEmptiesTheWorksheetAndItsNumbering) {
    FakeOpener opener;
    f.content.write("DATA/FRA00001.DAT", {"a#b"});
    ASSERT_TRUE(f.shell.HaemtaFilTabell());
    TForm1 form(f.shell, opener, QSize(1024, 768));
    form.setWorksheetReset([this] { window->restart(); });
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        collect();
        f.s.WorksheetItemCount = 2;
        f.s.WorksheetExerciseCount = 1;
        f.s.WorksheetHeadingPending = 0;
        window->printout().PrintY = 100;
        form.Button7Click();
        EXPECT_EQ(list("ListBox1")->count(), 0);
        EXPECT_EQ(list("ListBox2")->count(), 0);
        EXPECT_EQ(f.s.WorksheetItemCount, 0);
        EXPECT_EQ(f.s.WorksheetExerciseCount, 0);
        EXPECT_EQ(f.s.WorksheetHeadingPending, 1);
        EXPECT_EQ(f.s.WorksheetPageNumber, 1);
        EXPECT_EQ(f.s.WorksheetNewPage, 1);
        EXPECT_EQ(window->printout().PrintY, 0);
    }
}

TEST_F(WorksheetWindowFixture, AnswerTextOfTheCurrentItem) {
    f.shell.str_postarray(A("huset#maison#&la maison#&une maison"));
    EXPECT_EQ(window->UtSkriftSvar(f.s.ItemFields[2]).toUtf8(),
              "maison eller la maison, une maison.");
    f.shell.str_postarray(A("bilen#la voiture"));
    EXPECT_EQ(window->UtSkriftSvar(f.s.ItemFields[2]).toUtf8(), "la voiture");
}

TEST_F(WorksheetWindowFixture, PrintsTheChosenListThroughTheApplicationPrinter) {
    collect();
    f.s.PrintWithAnswers = 1;
    f.s.WorksheetNewPage = 1;
    EXPECT_EQ(context.worksheet->SkrivutFraga(), PrintOutcome::Printed);
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_NE(printer.find(0, "Arbetsblad från Orvela. Facit."), nullptr);
    EXPECT_NE(printer.find(0, "       la voiture"), nullptr);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(WorksheetWindowFixture, APrintoutThatFailsIsReported) {
    collect();
    printer.failFromJob = 1;
    EXPECT_EQ(window->SkrivutFraga(), PrintOutcome::Failed);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].rfind("Utskriften kunde inte göras.", 0), 0u);

    context.printing = nullptr;
    EXPECT_EQ(window->SkrivutFraga(), PrintOutcome::Failed);
    EXPECT_EQ(f.messages.shown.size(), 2u);
}

TEST_F(WorksheetWindowFixture, ACancelledDialogIsSilent) {
    collect();
    printer.answer = PrintChoice{false, 1};
    EXPECT_EQ(window->SkrivutFraga(), PrintOutcome::Cancelled);
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_TRUE(f.messages.shown.empty());
}
