// The menu windows: the data-file check, worksheet mode, keys, the layout of every menu, and how a
// menu looks. (What every entry opens is walked in MenuTreeTest.cpp.)

#include "AppWindowOpener.h"
#include "Fakes.h"
#include "TMenu.h"
#include "WindowFactories.h"

#include <QFontMetrics>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct MenuFixture : ::testing::Test {
    ShellFixture f;
    FakeOpener opener;
    AppContext context;

    void SetUp() override {
        context.shell = &f.shell;
        context.opener = &opener;
        f.s.LayoutUnit = 10;
    }
    // Builds the file table once the test's files are written.
    void startShell() {
        ASSERT_TRUE(f.shell.HaemtaFilTabell());
        f.shell.SkapaSlumptal(1, 1000);
    }
    static QPushButton* button(QWidget& w, int n) {
        return w.findChild<QPushButton*>(QStringLiteral("Button%1").arg(n));
    }
    // Clicks an entry of a menu; the entries opened by it.
    std::vector<WindowRequest> click(const char* menuName, int n) {
        opener.opened.clear();
        TMenu menu(context, menuName);
        QTest::mouseClick(button(menu, n), Qt::LeftButton);
        return opener.opened;
    }
    static QColor panelColour(QWidget& w) {
        return w.findChild<Panel*>(QStringLiteral("Panel1"))->color();
    }
    static QColor expectedColour(std::string_view menu, Mode mode) {
        return menu == "TF30"            ? QColor(0, 128, 128)
               : mode == Mode::Worksheet ? colors::maroon
                                         : colors::navy;
    }
};

} // namespace

TEST_F(MenuFixture, EscapeClosesOnlyThatMenu) {
    startShell();
    TMenu parent(context, "TF5");
    TMenu child(context, "TF50");
    parent.show();
    child.show();
    QTest::keyClick(&child, Qt::Key_Escape);
    EXPECT_FALSE(child.isVisible());
    EXPECT_EQ(child.result(), QDialog::Rejected);
    EXPECT_TRUE(parent.isVisible());
    EXPECT_TRUE(opener.opened.empty()) << "going back opens nothing";

    TMenu unknown(context, "TF99");
    unknown.show();
    ASSERT_NE(button(unknown, 1), nullptr) << "an unknown menu still offers a way back";
    QTest::keyClick(&unknown, Qt::Key_Escape);
    EXPECT_FALSE(unknown.isVisible());
}

TEST_F(MenuFixture, ArrowKeysMoveBetweenEntriesAndSkipDisabledOnesEnterAndSpaceOpen) {
    startShell();
    f.s.ExerciseMode = Mode::Worksheet;
    TMenu menu(context, "TF21");
    menu.show();
    QApplication::setActiveWindow(&menu);
    EXPECT_TRUE(button(menu, 1)->hasFocus());
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Down, 2}, {Qt::Key_Down, 6}, {Qt::Key_Down, 1}, {Qt::Key_Up, 6}};
    for (const auto& [key, focused] : steps) { // Lite biologi (3) is skipped; the column wraps
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_TRUE(button(menu, focused)->hasFocus()) << focused;
    }

    f.s.ExerciseMode = Mode::Practice;
    TMenu tf5(context, "TF5");
    tf5.show();
    QApplication::setActiveWindow(&tf5);
    QTest::keyClick(button(tf5, 1), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[0].menu, "TF50");
    EXPECT_EQ(opener.opened[1].menu, "TF51");
}

TEST_F(MenuFixture, WorksheetModeDisablesItsEntriesAndTurnsPanelsMaroon) {
    startShell();
    const std::pair<const char*, int> cases[] = {{"TF2", 0},  {"TF21", 3},    {"TF5", 0},
                                                 {"TF53", 2}, {"TF55222", 0}, {"TF3", 2},
                                                 {"TF4", 1},  {"TF30", 0}};
    for (Mode mode : {Mode::Worksheet, Mode::Practice, Mode::DiagnosisTest}) {
        f.s.ExerciseMode = mode;
        for (const auto& [name, disabled] : cases) {
            SCOPED_TRACE(std::string(name) +
                         (mode == Mode::Worksheet ? " worksheet" : " other mode"));
            TMenu menu(context, name);
            EXPECT_EQ(panelColour(menu), expectedColour(name, mode)) << "TF30 keeps its own colour";
            const QImage img = menu.grab().toImage(); // and it is painted so
            EXPECT_EQ(img.pixelColor(6, img.height() - 6), expectedColour(name, mode));
            for (QPushButton* b : menu.findChildren<QPushButton*>()) {
                const bool off = mode == Mode::Worksheet && b == button(menu, disabled);
                EXPECT_EQ(b->isEnabled(), !off) << b->objectName().toStdString();
            }
        }
    }
    f.s.ExerciseMode = Mode::Worksheet;
    TMenu tf21(context, "TF21");
    EXPECT_NE(button(tf21, 3)->palette().color(QPalette::Disabled, QPalette::ButtonText),
              QColor(Qt::black))
        << "a disabled entry is drawn greyed";
    tf21.ButtonClick(3);
    EXPECT_TRUE(opener.opened.empty()) << "a disabled entry opens nothing";
}

TEST_F(MenuFixture, AMissingDataFileShowsTheMessageAndTheMenuStays) {
    f.content.write("DATA/FRA51400.DAT", {"$Genus", "; only a comment and a heading"});
    startShell();
    const std::tuple<const char*, int, const char*> cases[] = {{"TF2", 3, "FRA24000.DAT"},
                                                               {"TF50", 4, "FRA51400.DAT"}};
    for (const auto& [menuName, n, file] : cases) {
        SCOPED_TRACE(file);
        f.messages.shown.clear();
        TMenu menu(context, menuName);
        menu.show();
        QTest::mouseClick(button(menu, n), Qt::LeftButton);
        EXPECT_EQ(f.messages.shown, std::vector<std::string>{std::string("Filen ") + file +
                                                             " finns inte eller är felaktig"});
        EXPECT_TRUE(opener.opened.empty());
        EXPECT_TRUE(menu.isVisible()) << "the menu stays open";
        EXPECT_EQ(f.s.CurrentDataFile.bytes(), file);
    }
}

TEST_F(MenuFixture, FromGrammarDownToTheImparfaitOfOtherReVerbs) {
    f.content.write("DATA/FRA63312.DAT", {"$Vendre", "jag har sålt#j'ai vendu"});
    f.content.write("DATA/FRA63322.DAT", {"$Verb på -re", "jag väntade#j'attendais"});
    startShell();
    std::string next = "TF5";
    for (const char* caption : {"Verb", "Regelbundna verb", "3:e konjugationen", "Andra verb",
                                "Imparfait, plus-que-parfait et futur"}) {
        SCOPED_TRACE(caption);
        opener.opened.clear();
        TMenu menu(context, next);
        QPushButton* chosen = nullptr;
        for (QPushButton* b : menu.findChildren<QPushButton*>())
            if (b->text() == QString::fromUtf8(caption)) chosen = b;
        ASSERT_NE(chosen, nullptr);
        QTest::mouseClick(chosen, Qt::LeftButton);
        ASSERT_EQ(opener.opened.size(), 1u);
        next = opener.opened[0].menu;
    }
    EXPECT_EQ(opener.opened[0].kind, WindowKind::TSKRIV);
    EXPECT_EQ(f.s.CurrentDataFile.bytes(), "FRA63322.DAT");
    f.s.CurrentDataFile = AnsiText();
    ASSERT_EQ(click("TF55220", 2).size(), 1u) << "the \"Passé composé \" entry of \"Vendre\"";
    EXPECT_EQ(f.s.CurrentDataFile.bytes(), "FRA63312.DAT");
}

TEST_F(MenuFixture, LayoutRulesOfEveryMenu) {
    startShell();
    const int U = f.s.LayoutUnit;
    for (const MenuDef& def : menuCatalogue()) {
        SCOPED_TRACE(std::string(def.name));
        TMenu menu(context, std::string(def.name));
        auto* panel = menu.findChild<Panel*>(QStringLiteral("Panel1"));
        auto* title = menu.findChild<QLabel*>(QStringLiteral("Label1"));
        EXPECT_EQ(menu.size(), QSize(def.layout.width, def.layout.height));
        EXPECT_EQ(panel->geometry(), menu.rect());
        EXPECT_EQ(title->x(), U / 2);
        EXPECT_EQ(title->width(), panel->width() - U);
        if (def.grammar) {
            EXPECT_EQ(title->y(), 4);
        }
        // Title and captions are shown whole at their designed sizes.
        EXPECT_EQ(QFontInfo(title->font()).pixelSize(), def.layout.titleHeight);
        EXPECT_LE(QFontMetrics(title->font()).horizontalAdvance(title->text()), title->width());
        int above = title->y() + title->height();
        for (const MenuEntry& e : def.entries) {
            QPushButton* b = button(menu, e.button);
            ASSERT_NE(b, nullptr);
            EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()) + 12, b->width())
                << b->text().toStdString();
            EXPECT_GE(b->y(), above) << "in the catalogue's order, below the title";
            above = b->y() + 1;
            EXPECT_LE(b->y() + b->height(), panel->height() - 3) << "inside the panel";
            EXPECT_EQ(def.verbFont ? b->font().pointSize() : QFontInfo(b->font()).pixelSize(),
                      def.verbFont ? 14 : def.layout.buttonFontHeight);
            EXPECT_TRUE(b->font().bold());
            if (def.buttonMargins) {
                EXPECT_EQ(b->x(), 3 * U / 2);
                EXPECT_EQ(b->width(), panel->width() - 3 * U);
            }
        }
    }
}

TEST_F(MenuFixture, MenusScaleAndStayOnTheScreen) {
    startShell();
    f.s.ScalePercent = 150;
    TMenu big(context, "TF55");
    const MenuLayout& l = findMenu("TF55")->layout;
    EXPECT_EQ(big.size(), QSize(l.width * 3 / 2, l.height * 3 / 2));
    EXPECT_EQ(QFontInfo(button(big, 1)->font()).pixelSize(), l.buttonFontHeight * 3 / 2);
    f.s.ScalePercent = 100;
    const QRect screen(QPoint(0, 0), Window::screenSize());
    for (const MenuDef& def : menuCatalogue()) {
        SCOPED_TRACE(std::string(def.name));
        TMenu menu(context, std::string(def.name));
        EXPECT_TRUE(screen.contains(menu.geometry()));
        if (def.parent.empty()) continue;
        // A sub-menu lies below and to the right of its parent and covers part of it.
        TMenu parent(context, std::string(def.parent));
        EXPECT_GT(menu.x(), parent.x());
        EXPECT_GT(menu.y(), parent.y());
        EXPECT_TRUE(parent.geometry().intersects(menu.geometry()));
    }
}

TEST_F(MenuFixture, TheProgramOpensMenusModallyByName) {
    startShell();
    AppWindowOpener program;
    AppContext programContext{&f.shell, &program, nullptr, nullptr, nullptr};
    registerWindows(program, programContext);
    QString shown;
    bool closedByEscape = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shown = dialog->objectName();
        QTest::keyClick(dialog, Qt::Key_Escape);
        closedByEscape = !dialog->isVisible();
        if (!closedByEscape) dialog->done(QDialog::Rejected);
    });
    EXPECT_TRUE(program.open(WindowRequest{WindowKind::Menu, "TF53", 0}));
    EXPECT_EQ(shown, QStringLiteral("TF53"));
    EXPECT_TRUE(closedByEscape);
}
