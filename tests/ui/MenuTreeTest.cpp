// The whole menu tree walked on the sample course, without showing any window modally: every
// entry opens its sub-menu, or checks its data file and would open the catalogue's window kind
// (or, for an exercise kind whose content is not written yet, shows the missing-file message and
// stays), every menu has one back button and Escape presses it.

#include "Catalogue.h"
#include "Fakes.h"
#include "TMenu.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvela;
using namespace orvela::testing;

TEST(MenuTree, EveryEntryDoesWhatTheCatalogueSays) {
    FakeMessages messages;
    FakeClock clock;
    FakeMeasure measure;
    Shell shell(ContentPaths(std::filesystem::path(ORVELA_SOURCE_DIR) / "content"),
                ShellServices{&messages, &clock, &measure, nullptr});
    ASSERT_TRUE(shell.HaemtaFilTabell());
    shell.SkapaSlumptal(1, 1000);
    FakeOpener opener;
    AppContext context;
    context.shell = &shell;
    context.opener = &opener;

    int exercisesOpened = 0;
    for (const MenuDef& def : menuCatalogue()) {
        SCOPED_TRACE(std::string(def.name));
        int backs = 0;
        for (const MenuEntry& entry : def.entries) {
            TMenu menu(context, std::string(def.name));
            menu.show();
            auto* b = menu.findChild<QPushButton*>(QStringLiteral("Button%1").arg(entry.button));
            ASSERT_NE(b, nullptr) << entry.caption;
            EXPECT_EQ(b->text().toStdString(), std::string(entry.caption));
            opener.opened.clear();
            messages.shown.clear();
            b->click();
            switch (entry.action) {
            case EntryAction::Back:
                ++backs;
                EXPECT_FALSE(menu.isVisible()) << "the back button closes the menu";
                break;
            case EntryAction::SubMenu:
                ASSERT_EQ(opener.opened.size(), 1u);
                EXPECT_EQ(opener.opened[0].kind, WindowKind::Menu);
                EXPECT_EQ(opener.opened[0].menu, std::string(entry.target));
                break;
            case EntryAction::Exercise:
                EXPECT_EQ(shell.state().CurrentDataFile.toUtf8(), std::string(entry.target));
                if (opener.opened.empty()) {
                    ASSERT_FALSE(messages.shown.empty()) << entry.target;
                    EXPECT_NE(messages.shown[0].find("finns inte eller är felaktig"), std::string::npos);
                    EXPECT_TRUE(menu.isVisible()) << "the menu stays";
                    bool written = entry.window == WindowKind::TSKRIV ||
                                   entry.window == WindowKind::TSkrivinf ||
                                   entry.window == WindowKind::TFLERBAR ||
                                   entry.window == WindowKind::TPassAkt ||
                                   entry.window == WindowKind::TBilden ||
                                   entry.window == WindowKind::TBildvis ||
                                   entry.window == WindowKind::TDiktam ||
                                   entry.window == WindowKind::TFalska;
                    EXPECT_FALSE(written) << entry.target << " is missing from the sample course";
                } else {
                    ++exercisesOpened;
                    EXPECT_EQ(opener.opened[0].kind, entry.window) << entry.target;
                }
                break;
            case EntryAction::Vocabulary:
            case EntryAction::Window:
                ASSERT_EQ(opener.opened.size(), 1u);
                EXPECT_EQ(opener.opened[0].kind, entry.window);
                break;
            }
        }
        EXPECT_EQ(backs, 1) << "exactly one back button";
        TMenu menu(context, std::string(def.name));
        menu.show();
        QTest::keyClick(&menu, Qt::Key_Escape);
        EXPECT_FALSE(menu.isVisible()) << "Escape presses the back button";
    }
    EXPECT_GE(exercisesOpened, 58 + 36 + 2) << "every translation, fill-in and word-tile entry opens";
}
