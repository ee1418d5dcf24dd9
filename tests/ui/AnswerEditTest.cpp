// The pop-up menu of the answer field: each entry pastes its letter at the caret and leaves it on
// the clipboard.

#include "AnswerEdit.h"

#include "UiHelpers.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

using namespace orvela;

namespace {

// Opens the field's pop-up menu and chooses the entry `entry` (by its name) as a pupil would:
// the entry is made the active one and Enter is pressed on the open menu.
QStringList chooseFromPopup(AnswerEdit& field, const char* entry) {
    QStringList captions;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QStringLiteral("PopupMenu1"));
        for (QAction* a : menu->actions())
            captions << a->text();
        auto* action = menu->findChild<QAction*>(QString::fromLatin1(entry));
        if (!action) {
            ADD_FAILURE() << entry;
            menu->close();
            return;
        }
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            field.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&field, &event);
    return captions;
}

} // namespace

TEST(AnswerEditPopup, PastesCedillaAndOeLetters) {
    QWidget window;
    AnswerEdit field(&window);
    window.show();
    field.setText(QStringLiteral("sur"));
    field.setCursorPosition(1);

    const QStringList captions = chooseFromPopup(field, "Klistrain3");
    EXPECT_EQ(captions,
              (QStringList{QStringLiteral("Klistra in Ç"), QStringLiteral("Klistra in ç"),
                           QStringLiteral("Klistra in œ"), QStringLiteral("Klistra in Œ")}));
    EXPECT_EQ(field.text(), QStringLiteral("sœur"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("œ"));

    field.setText(QStringLiteral("UVRE"));
    field.setCursorPosition(0);
    chooseFromPopup(field, "Klistrain4");
    EXPECT_EQ(field.text(), QStringLiteral("ŒUVRE"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Œ"));

    field.setText(QStringLiteral("a va"));
    field.setCursorPosition(0);
    chooseFromPopup(field, "Klistrain2");
    EXPECT_EQ(field.text(), QStringLiteral("ça va"));
}
