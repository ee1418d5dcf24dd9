// The menu windows: what each entry opens, the data-file check, worksheet mode, Escape, the
// layout of every menu, and how a menu looks.

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
    static QPushButton* buttonWithCaption(QWidget& w, const char* caption) {
        for (QPushButton* b : w.findChildren<QPushButton*>())
            if (b->text() == QString::fromUtf8(caption)) return b;
        ADD_FAILURE() << "no button " << caption << " in " << w.objectName().toStdString();
        return nullptr;
    }
    static QColor panelColour(QWidget& w) {
        return w.findChild<Panel*>(QStringLiteral("Panel1"))->color();
    }
};

} // namespace

TEST_F(MenuFixture, ControlsAreNamedAndCaptionedAsTheCatalogueSays) {
    startShell();
    TMenu menu(context, "TF5500");
    EXPECT_EQ(menu.objectName(), QStringLiteral("TF5500"));
    EXPECT_EQ(menu.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QString::fromUtf8("Être"));
    EXPECT_EQ(button(menu, 5)->text(), QString::fromUtf8("Passé composé "));
    EXPECT_EQ(button(menu, 11)->text(), QString::fromUtf8("Till föregående meny"));
    EXPECT_EQ(button(menu, 4), nullptr) << "TF5500 has no Button4";
    // The column runs in the designed order, whatever the numbers.
    TMenu tf540(context, "TF540");
    EXPECT_LT(button(tf540, 9)->y(), button(tf540, 3)->y());
    EXPECT_LT(button(tf540, 2)->y(), button(tf540, 4)->y());
    EXPECT_TRUE(menu.windowFlags() & Qt::FramelessWindowHint);
}

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
    QTest::keyClick(&parent, Qt::Key_Escape);
    EXPECT_FALSE(parent.isVisible());
}

TEST_F(MenuFixture, BackButtonClosesTheMenu) {
    startShell();
    TMenu menu(context, "TF2");
    menu.show();
    QTest::mouseClick(button(menu, 6), Qt::LeftButton);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(MenuFixture, ArrowKeysMoveBetweenEntriesAndSkipDisabledOnes) {
    startShell();
    f.s.ExerciseMode = Mode::Worksheet;
    TMenu menu(context, "TF21");
    menu.show();
    QApplication::setActiveWindow(&menu);
    EXPECT_TRUE(button(menu, 1)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(button(menu, 2)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(button(menu, 6)->hasFocus()) << "Lite biologi is skipped in worksheet mode";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(button(menu, 1)->hasFocus()) << "the column wraps round";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(button(menu, 6)->hasFocus());
}

TEST_F(MenuFixture, WorksheetModeDisablesItsEntriesAndTurnsPanelsMaroon) {
    startShell();
    struct Case {
        const char* menu;
        int disabled; // 0: none
    } cases[] = {{"TF2", 0},     {"TF21", 3}, {"TF5", 0}, {"TF53", 2},
                 {"TF55222", 0}, {"TF3", 2},  {"TF4", 1}};
    for (Mode mode : {Mode::Worksheet, Mode::Practice, Mode::DiagnosisTest}) {
        f.s.ExerciseMode = mode;
        const bool worksheet = mode == Mode::Worksheet;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.menu) + (worksheet ? " worksheet" : " other mode"));
            TMenu menu(context, c.menu);
            EXPECT_EQ(panelColour(menu), worksheet ? colors::maroon : colors::navy);
            for (QPushButton* b : menu.findChildren<QPushButton*>()) {
                const bool off =
                    worksheet && b->objectName() == QStringLiteral("Button%1").arg(c.disabled);
                EXPECT_EQ(b->isEnabled(), !off) << b->objectName().toStdString();
            }
        }
        TMenu duel(context, "TF30");
        EXPECT_EQ(panelColour(duel), QColor(0, 128, 128)) << "TF30 keeps its own colour";
    }
    f.s.ExerciseMode = Mode::Worksheet;
    TMenu tf21(context, "TF21");
    EXPECT_EQ(button(tf21, 3)->text(), QString::fromUtf8("Lite biologi"));
    EXPECT_NE(button(tf21, 3)->palette().color(QPalette::Disabled, QPalette::ButtonText),
              QColor(Qt::black))
        << "a disabled entry is drawn greyed";
    tf21.ButtonClick(3);
    EXPECT_TRUE(opener.opened.empty()) << "a disabled entry opens nothing";
}

TEST_F(MenuFixture, SubMenuEntriesOpenTheirMenus) {
    startShell();
    TMenu menu(context, "TF5");
    QTest::mouseClick(button(menu, 6), Qt::LeftButton);
    QTest::mouseClick(button(menu, 8), Qt::LeftButton);
    ASSERT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[0].kind, WindowKind::Menu);
    EXPECT_EQ(opener.opened[0].menu, "TF55");
    EXPECT_EQ(opener.opened[1].menu, "TF57");
}

TEST_F(MenuFixture, AMissingDataFileShowsTheMessageAndOpensNothing) {
    f.content.write("DATA/FRA51400.DAT", {"$Genus", "; only a comment and a heading"});
    startShell();
    struct Case {
        const char* menu;
        int button;
        const char* file;
    } cases[] = {{"TF2", 3, "FRA24000.DAT"}, {"TF50", 4, "FRA51400.DAT"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        f.messages.shown.clear();
        TMenu menu(context, c.menu);
        menu.show();
        QTest::mouseClick(button(menu, c.button), Qt::LeftButton);
        ASSERT_FALSE(f.messages.shown.empty());
        EXPECT_EQ(f.messages.shown.back(),
                  std::string("Filen ") + c.file + " finns inte eller är felaktig");
        EXPECT_TRUE(opener.opened.empty());
        EXPECT_TRUE(menu.isVisible()) << "the menu stays open";
        EXPECT_EQ(f.s.CurrentDataFile.bytes(), c.file);
    }
}

TEST_F(MenuFixture, AGoodDataFileOpensItsExerciseWindow) {
    f.content.write("DATA/FRA24000.DAT", {"$Dina ord", "$Rubriken", "$§Översätt.", "Snö#Neige"});
    f.content.write("DATA/fra51400.dat", {"<Le> lycée.#Gymnasiet."});
    f.content.write("DATA/FRA54200.DAT", {"1#2"});
    startShell();
    struct Case {
        const char* menu;
        int button;
        const char* file;
        WindowKind kind;
    } cases[] = {{"TF2", 3, "FRA24000.DAT", WindowKind::TSKRIV},
                 {"TF50", 4, "FRA51400.DAT", WindowKind::TFLERBAR},
                 {"TF53", 2, "FRA54200.DAT", WindowKind::TKlockan}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        opener.opened.clear();
        TMenu menu(context, c.menu);
        QTest::mouseClick(button(menu, c.button), Qt::LeftButton);
        ASSERT_EQ(opener.opened.size(), 1u);
        EXPECT_EQ(opener.opened[0].kind, c.kind);
        EXPECT_EQ(f.s.CurrentDataFile.bytes(), c.file);
        EXPECT_EQ(f.s.FileTable[static_cast<std::size_t>(f.s.CurrentFileIndex)].bytes(), c.file);
    }
    EXPECT_TRUE(f.messages.shown.empty());
    // The headings read by the check are there for the exercise.
    TMenu tf2(context, "TF2");
    tf2.ButtonClick(3);
    EXPECT_EQ(f.s.HeadingLines[2].toUtf8(), "Rubriken");
    EXPECT_EQ(f.s.InstructionText.toUtf8(), "Översätt.");
}

TEST_F(MenuFixture, TheGlosorEntriesOpenTheVocabularyWithTheirProgramNumber) {
    startShell(); // no data files at all
    TMenu menu(context, "TF21");
    for (int b : {1, 2}) {
        opener.opened.clear();
        QTest::mouseClick(button(menu, b), Qt::LeftButton);
        ASSERT_EQ(opener.opened.size(), 1u);
        EXPECT_EQ(opener.opened[0].kind, WindowKind::TDinaOrd);
        EXPECT_EQ(f.s.ProgramNumber, b == 1 ? 1001 : 1002);
    }
    EXPECT_TRUE(f.messages.shown.empty()) << "no data file is checked";
}

TEST_F(MenuFixture, FranceEntriesOpenTheirWindowsWithoutAFile) {
    startShell();
    TMenu menu(context, "TF1");
    for (int b : {1, 2, 3})
        QTest::mouseClick(button(menu, b), Qt::LeftButton);
    ASSERT_EQ(opener.opened.size(), 3u);
    EXPECT_EQ(opener.opened[0].kind, WindowKind::TKarta);
    EXPECT_EQ(opener.opened[1].kind, WindowKind::TFlagga);
    EXPECT_EQ(opener.opened[2].kind, WindowKind::THymn);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(MenuFixture, FromGrammarDownToTheSharedVendreFile) {
    f.content.write("DATA/FRA63312.DAT", {"$Vendre", "jag har sålt#j'ai vendu"});
    startShell();
    // Each menu opened through the opener is built as the program would build it.
    std::string next = "TF5";
    const char* path[] = {"Verb", "Regelbundna verb", "3:e konjugationen", "Andra verb",
                          "Imparfait, plus-que-parfait et futur"};
    for (const char* caption : path) {
        SCOPED_TRACE(caption);
        opener.opened.clear();
        TMenu menu(context, next);
        QPushButton* b = buttonWithCaption(menu, caption);
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
        ASSERT_EQ(opener.opened.size(), 1u);
        next = opener.opened[0].menu;
    }
    EXPECT_EQ(opener.opened[0].kind, WindowKind::TSKRIV);
    EXPECT_EQ(f.s.CurrentDataFile.bytes(), "FRA63312.DAT");
    // The "Passé composé " entry of "Vendre" runs the same file.
    opener.opened.clear();
    TMenu vendre(context, "TF55220");
    QTest::mouseClick(buttonWithCaption(vendre, "Passé composé "), Qt::LeftButton);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(f.s.CurrentDataFile.bytes(), "FRA63312.DAT");
}

TEST_F(MenuFixture, EnterAndSpaceOnTheFocusedEntryOpenIt) {
    startShell();
    TMenu menu(context, "TF5");
    menu.show();
    QApplication::setActiveWindow(&menu);
    ASSERT_TRUE(button(menu, 1)->hasFocus());
    QTest::keyClick(button(menu, 1), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[0].menu, "TF50");
    EXPECT_EQ(opener.opened[1].menu, "TF51");
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
        for (const MenuEntry& e : def.entries) {
            QPushButton* b = button(menu, e.button);
            ASSERT_NE(b, nullptr);
            EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()) + 12, b->width())
                << b->text().toStdString();
            EXPECT_GE(b->y(), title->y() + title->height()) << "below the title";
            EXPECT_LE(b->y() + b->height(), panel->height() - 3) << "inside the panel";
            if (def.verbFont) {
                EXPECT_EQ(b->font().pointSize(), 14);
            } else {
                EXPECT_EQ(QFontInfo(b->font()).pixelSize(), def.layout.buttonFontHeight);
            }
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
    const QSize screen = Window::screenSize();
    for (const MenuDef& def : menuCatalogue()) {
        TMenu menu(context, std::string(def.name));
        EXPECT_TRUE(QRect(QPoint(0, 0), screen).contains(menu.geometry())) << def.name;
    }
    // A sub-menu lies below and to the right of its parent and covers part of it, also when it
    // is taller or shorter than its parent.
    for (const MenuDef& def : menuCatalogue()) {
        if (def.parent.empty()) continue;
        SCOPED_TRACE(std::string(def.name));
        TMenu parent(context, std::string(def.parent));
        TMenu child(context, std::string(def.name));
        EXPECT_GT(child.x(), parent.x());
        EXPECT_GT(child.y(), parent.y());
        EXPECT_TRUE(parent.geometry().intersects(child.geometry()));
    }
}

TEST_F(MenuFixture, AnUnknownMenuStillOffersAWayBack) {
    startShell();
    TMenu menu(context, "TF99");
    menu.show();
    ASSERT_NE(button(menu, 1), nullptr);
    QTest::keyClick(&menu, Qt::Key_Escape);
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(MenuFixture, RenderedMenusShowTheirPanelColourAndTitle) {
    startShell();
    const QByteArray shots = qgetenv("ORVELA_SHOT_DIR");
    for (Mode mode : {Mode::Practice, Mode::Worksheet}) {
        f.s.ExerciseMode = mode;
        for (const char* name : {"TF5", "TF554", "TF5522", "TF55222", "TF21", "TF30"}) {
            SCOPED_TRACE(name);
            TMenu menu(context, name);
            QImage img = menu.grab().toImage();
            ASSERT_EQ(img.size(), menu.size());
            if (!shots.isEmpty())
                img.save(QString::fromLocal8Bit(shots) + QStringLiteral("/%1-%2.png")
                                                             .arg(QString::fromLatin1(name))
                                                             .arg(static_cast<int>(mode)));
            // Between the bevel and the title the panel shows its colour.
            const QColor expected = std::string(name) == "TF30" ? QColor(0, 128, 128)
                                    : mode == Mode::Worksheet   ? colors::maroon
                                                                : colors::navy;
            EXPECT_EQ(img.pixelColor(6, img.height() - 6), expected);
            // The title is drawn in yellow.
            auto* title = menu.findChild<QLabel*>(QStringLiteral("Label1"));
            int yellow = 0;
            for (int y = title->y(); y < title->y() + title->height(); ++y)
                for (int x = title->x(); x < title->x() + title->width(); ++x)
                    if (img.pixelColor(x, y) == colors::yellow) ++yellow;
            EXPECT_GT(yellow, 20);
        }
    }
}

TEST_F(MenuFixture, TheProgramOpensMenusModallyByName) {
    startShell();
    AppWindowOpener program;
    AppContext programContext;
    programContext.shell = &f.shell;
    programContext.opener = &program;
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
