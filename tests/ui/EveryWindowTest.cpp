// Every window of the program, opened on the sample course as its menu entry opens it: no two
// of its controls share an Alt letter (Alt+A must not mean both "&Aide" and "&Annuler"); in
// every exercise kind the answer field keeps the keyboard focus, and Esc on the end or pause
// panel closes the window; long instructions fit left of the squares at every screen size.

#include "AppWindowOpener.h"
#include "Catalogue.h"
#include "Fakes.h"
#include "TMenu.h"
#include "UiHelpers.h"
#include "WindowFactories.h"

#include "ExerciseWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

using namespace orvela;
using namespace orvela::testing;

namespace {

// The Alt letter of a caption ("Corrigez les &fautes" → 'f'), or 0.
QChar altLetter(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return QChar();
}

// "x: 'A&ide' and '&Annuler'" for each letter two buttons of `window` share.
std::vector<std::string> clashes(QWidget& window) {
    std::map<QChar, QString> seen;
    std::vector<std::string> found;
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        const QChar letter = altLetter(b->text());
        if (letter.isNull()) continue;
        auto [it, fresh] = seen.emplace(letter, b->text());
        if (!fresh)
            found.push_back(QString(letter).toStdString() + ": '" + it->second.toStdString() +
                            "' and '" + b->text().toStdString() + "'");
    }
    return found;
}

struct EveryWindowTest : ::testing::Test {
    ShellFixture f;
    FakeOpener fakeOpener; // windows opened from the windows under test are only recorded
    AppWindowOpener factories;
    AppContext context;

    EveryWindowTest() {
        std::filesystem::copy(std::filesystem::path(ORVELA_SOURCE_DIR) / "content", f.content.root(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        context.shell = &f.shell;
        context.opener = &fakeOpener;
        registerWindows(factories, context);
        EXPECT_TRUE(f.shell.HaemtaFilTabell());
        f.shell.SkapaSlumptal(1, 1000);
    }

    ~EveryWindowTest() override { Window::setScreenSize(QSize()); }

    std::unique_ptr<ExerciseWindow> openExercise(WindowKind kind) {
        f.s.ExerciseMode = Mode::Practice;
        if (!prepareFor(kind)) return nullptr;
        std::unique_ptr<QDialog> w = factories.create(WindowRequest{kind, {}, 0});
        auto* exercise = dynamic_cast<ExerciseWindow*>(w.get());
        if (!exercise) return nullptr;
        w.release();
        std::unique_ptr<ExerciseWindow> window(exercise);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }
    // A key as the keyboard sends it: to the widget that has the focus.
    static void press(QWidget& window, Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target && target->window() == &window ? target : &window, key);
    }

    // Prepares the shared state as the first menu entry of `kind` would; false when no entry of
    // the course opens that kind.
    bool prepareFor(WindowKind kind) {
        for (const MenuDef& def : menuCatalogue()) {
            for (const MenuEntry& e : def.entries) {
                if (e.window != kind) continue;
                if (e.action == EntryAction::Exercise) {
                    f.s.CurrentDataFile = AnsiText::ascii(std::string(e.target));
                    if (!f.shell.Kolla(f.s.CurrentDataFile)) continue;
                    return true;
                }
                if (e.action == EntryAction::Vocabulary) {
                    f.s.ProgramNumber = static_cast<std::uint16_t>(e.programNumber);
                    return true;
                }
                if (e.action == EntryAction::Window) return true;
            }
        }
        return false;
    }
};

} // namespace

TEST_F(EveryWindowTest, NoWindowGivesOneAltLetterToTwoControls) {
    int checked = 0;
    for (int k = static_cast<int>(WindowKind::TSKRIV); k <= static_cast<int>(WindowKind::TRekord); ++k) {
        const auto kind = static_cast<WindowKind>(k);
        SCOPED_TRACE(windowKindName(kind));
        f.s.ExerciseMode = Mode::Practice;
        // Windows opened from a menu entry are opened on that entry's file.
        if (!prepareFor(kind) && kind < WindowKind::TDiag) continue;
        if (kind == WindowKind::Tdiaprot) f.s.CurrentPupil.name = AnsiText::ascii("Elev");
        std::unique_ptr<QDialog> window = factories.create(WindowRequest{kind, {}, 51110});
        if (!window) continue; // no window of this kind in the program
        window->show();
        for (const std::string& clash : clashes(*window)) ADD_FAILURE() << clash;
        window->close();
        ++checked;
    }
    EXPECT_GE(checked, 8);

    for (const MenuDef& def : menuCatalogue()) {
        TMenu menu(context, std::string(def.name));
        for (const std::string& clash : clashes(menu)) ADD_FAILURE() << def.name << " " << clash;
    }
}

TEST_F(EveryWindowTest, EscOnTheEndOrPausePanelClosesEveryKind) {
    int checked = 0;
    for (WindowKind kind : {WindowKind::TSKRIV, WindowKind::TSkrivinf, WindowKind::Tskriv2,
                            WindowKind::TFLERBAR, WindowKind::TFormer, WindowKind::TSats,
                            WindowKind::TKlockan}) {
        SCOPED_TRACE(windowKindName(kind));
        std::unique_ptr<ExerciseWindow> window = openExercise(kind);
        if (!window) continue;
        ++checked;
        ASSERT_EQ(window->runState(), ExerciseWindow::RunState::Answering);
        press(*window, Qt::Key_Escape);
        EXPECT_TRUE(visible(*window, "Panel1")) << "Esc while answering pauses";
        press(*window, Qt::Key_Escape);
        EXPECT_EQ(window->runState(), ExerciseWindow::RunState::Closed) << "Esc on the panel cancels";
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_GE(checked, 5);
}

TEST_F(EveryWindowTest, TheAnswerFieldKeepsTheFocusAndEnterIsJudgedWhereverTheFocusIs) {
    std::unique_ptr<ExerciseWindow> window = openExercise(WindowKind::TSKRIV);
    ASSERT_NE(window, nullptr);
    auto* edit = child<QLineEdit>(*window, "Edit1");
    edit->setFocus();
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(5, window->height() / 2));
    EXPECT_TRUE(edit->hasFocus()) << "a click on an empty part leaves the focus in the field";

    // Keys that reach the window itself go to the field: letters, then Enter judges.
    window->setFocus();
    const QString answer = QString::fromStdString(f.s.ItemFields[2].toUtf8());
    for (QChar c : answer) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(window.get(), &key);
    }
    EXPECT_EQ(edit->text(), answer);
    EXPECT_TRUE(edit->hasFocus());
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(f.s.RightCount, 1) << "Enter judged the answer";
    EXPECT_EQ(f.s.QuestionNumber, 2);

    // Back from the settings during a pause, "Continuer" puts the focus in the field.
    press(*window, Qt::Key_Escape);
    child<QPushButton>(*window, "BitBtn1")->click();
    EXPECT_EQ(fakeOpener.opened.back().kind, WindowKind::TStallin);
    child<QPushButton>(*window, "Button2")->click();
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(EveryWindowTest, ALongInstructionFitsLeftOfTheSquaresAtEveryScreenSize) {
    for (QSize size : {QSize(640, 480), QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(size.width());
        Window::setScreenSize(size);
        // The first translation file of the course, given the longest instruction a file can
        // give (80 characters).
        ASSERT_TRUE(prepareFor(WindowKind::TSKRIV));
        f.content.write("DATA/" + f.s.CurrentDataFile.toUtf8(),
                        {"$Verb", "$§Skriv verbet i presens och passé composé och glöm inte kongruensböjningen nu",
                         "jag talar#je parle", "du talar#tu parles", "han talar#il parle"});
        std::unique_ptr<ExerciseWindow> window = openExercise(WindowKind::TSKRIV);
        ASSERT_NE(window, nullptr);
        QWidget* instruction = child(*window, "InstruktionsLabel");
        QWidget* squares = child(*window, "Aster1");
        EXPECT_EQ(window->width(), size.width());
        EXPECT_LE(instruction->geometry().right(), squares->x()) << "clear of the squares";
        EXPECT_GE(instruction->x(), 0);
        EXPECT_LE(instruction->height(), 3 * QFontMetrics(instruction->font()).height())
            << "at most two lines";
        EXPECT_LT(instruction->geometry().bottom(), child(*window, "FrageLabel2")->y())
            << "above the question";
    }
}

// The reading windows lay themselves out and then scale: on a wide screen, with the scale the
// main window measures there, every part of them stays on the screen.
TEST_F(EveryWindowTest, TheReadingWindowsFitAWideScreenAtItsScale) {
    const QSize size(1920, 1080);
    Window::setScreenSize(size);
    f.s.ScalePercent = 224;
    f.s.LayoutUnit = static_cast<std::uint16_t>(layoutUnit(224));
    for (WindowKind kind :
         {WindowKind::TSpeed, WindowKind::Tavsloj, WindowKind::Tberaetta, WindowKind::Thoroskop}) {
        SCOPED_TRACE(windowKindName(kind));
        ASSERT_TRUE(prepareFor(kind));
        std::unique_ptr<QDialog> window = factories.create(WindowRequest{kind, {}, 0});
        ASSERT_NE(window, nullptr);
        window->show();
        for (QWidget* part : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!part->isVisible()) continue;
            EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(part->geometry()))
                << part->objectName().toStdString();
        }
    }
}
