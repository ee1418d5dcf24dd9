// The diagnosis login window and the new-password window: the name list, new pupils, passwords
// and their three attempts, the administrator's login and panel, deleting one diagnosis with R,
// putting all diagnoses aside, the help text, and changing the administrator password.

#include "DiagnosisFixture.h"
#include "DiagnosisRecordCodec.h"
#include "SafeFile.h"
#include "Scrambling.h"
#include "TDiag.h"
#include "TNLOS.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace orvela;
using namespace orvela::testing;

namespace {

struct LoginTest : DiagnosisFixture {
    std::unique_ptr<TDiag> window;

    // Opens the login as the main menu's "Diagnos" does.
    void open() {
        f.s.ExerciseMode = Mode::DiagnosisTest;
        window = std::make_unique<TDiag>(context);
        window->show();
    }
    QListWidget* list() { return child<QListWidget>(*window, "ListBox1"); }
    QLineEdit* nameField() { return child<QLineEdit>(*window, "Edit1"); }
    QLineEdit* passwordField() { return child<QLineEdit>(*window, "MaskEdit1"); }
    QPushButton* button(const char* name) { return child<QPushButton>(*window, name); }
    std::vector<std::string> listed() {
        std::vector<std::string> out;
        for (int i = 0; i < list()->count(); ++i)
            out.push_back(list()->item(i)->text().toStdString());
        return out;
    }
    // Chooses a list entry with the keyboard and presses `key` in the list.
    void pressInList(const std::string& entry, Qt::Key key) {
        const auto found = list()->findItems(QString::fromStdString(entry), Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << entry;
        list()->setCurrentItem(found.front());
        QTest::keyClick(list(), key);
    }
    void typeNewName(const std::string& name) {
        QTest::mouseClick(button("NyAnvandareButton"), Qt::LeftButton);
        nameField()->clear();
        typeAndEnter(nameField(), QString::fromStdString(name));
    }
    bool closed() const { return !window->isVisible(); }
    // Logs in as the administrator with `password`.
    void loginAsTeacher(const std::string& password) {
        typeNewName("Väktor");
        typeAndEnter(passwordField(), QString::fromStdString(password));
    }
    std::string passwordFileField2() {
        auto bytes = readWholeFile(dir / "FRA45444.DOT");
        if (!bytes || bytes->size() < kPasswordRecordSize) return "<none>";
        return dekryptrad(decodePasswordRecord(*bytes).field2).toUtf8();
    }
};

// ---- the name list and new pupils ----

TEST_F(LoginTest, WithoutADiagnosisFileTheNameIsAskedAtOnce) {
    open();
    EXPECT_FALSE(visible(*window, "ListBox1"));
    EXPECT_FALSE(visible(*window, "ListOverskriftLabel"));
    EXPECT_TRUE(visible(*window, "Edit1"));
    EXPECT_EQ(text(*window, "SkrivDittNamnLabel"), "Écrivez votre nom:");
    EXPECT_FALSE(button("NyAnvandareButton")->isEnabled());
    EXPECT_FALSE(visible(*window, "MaskEdit1"));
    EXPECT_FALSE(visible(*window, "Panel3"));
    EXPECT_FALSE(visible(*window, "Regelpanel"));
    EXPECT_EQ(text(*window, "OverskriftLabel"), "Diagnostic");
    EXPECT_EQ(f.s.DiagnosisPathChecked, 1) << "the directory was checked";
    EXPECT_TRUE(f.messages.shown.empty());
    shot(*window, "diag-no-file");
}

TEST_F(LoginTest, StoredPupilsAreListedInSwedishOrder) {
    writePupils({pupil("Örjan"), pupil("bertil"), pupil("Anna"), pupil("Åsa")});
    open();
    EXPECT_TRUE(visible(*window, "ListBox1"));
    EXPECT_EQ(text(*window, "ListOverskriftLabel"), "Liste des noms:");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Anna", "bertil", "Åsa", "Örjan"}));
    EXPECT_FALSE(visible(*window, "Edit1")) << "a new name only after \"Nouvel utilisateur\"";
    EXPECT_TRUE(button("NyAnvandareButton")->isEnabled());
    EXPECT_EQ(button("NyAnvandareButton")->text(), QStringLiteral("&Nouvel utilisateur"));
    shot(*window, "diag-list");
}

TEST_F(LoginTest, ANewPupilGoesStraightToTheProtocol) {
    writePupils({pupil("Anna")});
    open();
    typeNewName("Lisa");
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].request.kind, WindowKind::Tdiaprot);
    EXPECT_EQ(opener.opened[0].pupilName, "Lisa");
    EXPECT_EQ(opener.opened[0].mode, Mode::DiagnosisTest);
    EXPECT_EQ(f.s.CurrentPupil.status[2], 1) << "a new pupil's statuses";
    EXPECT_TRUE(f.s.CurrentPupil.password.empty());
    EXPECT_TRUE(closed()) << "the login closes when the protocol has closed";
    EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);
}

struct NameCase {
    const char* typed;
    const char* label;
};

TEST_F(LoginTest, NamesThatOpenNoProtocolSaySo) {
    writePupils({pupil("Anna")});
    open();
    for (const NameCase& c :
         {NameCase{"", "Écrivez un vrai nom!"}, NameCase{"   ", "Écrivez un vrai nom!"},
          NameCase{"ANNA", "Tapez votre nom"}, NameCase{"anna", "Tapez votre nom"}}) {
        typeNewName(c.typed);
        EXPECT_EQ(text(*window, "SkrivDittNamnLabel"), c.label) << '"' << c.typed << '"';
        EXPECT_FALSE(closed());
    }
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(LoginTest, TheAdministratorsNameInAnyLetterCaseAsksForThePassword) {
    for (const char* name : {"VÄKTOR", "väktor", "Väktor", " vÄktoR "}) {
        writePupils({pupil("Väktor")});
        open();
        typeNewName(name);
        EXPECT_TRUE(window->teacherLogin()) << name;
        EXPECT_TRUE(visible(*window, "MaskEdit1")) << name;
        EXPECT_TRUE(visible(*window, "SkrivLosenLabel"));
        EXPECT_FALSE(visible(*window, "Edit1"));
        EXPECT_FALSE(visible(*window, "ListBox1"));
        EXPECT_TRUE(opener.opened.empty()) << "no pupil is named so";
    }
}

// ---- passwords ----

TEST_F(LoginTest, APupilWithoutPasswordIsInAtTheDoubleClick) {
    DiagnosisRecord anna = pupil("Anna", "", 17);
    writePupils({pupil("Bo"), anna});
    open();
    const auto found = list()->findItems(QStringLiteral("Anna"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const QRect r = list()->visualItemRect(found.front());
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].request.kind, WindowKind::Tdiaprot);
    EXPECT_EQ(f.s.CurrentPupil.result[1], 17) << "the record is loaded";
    EXPECT_TRUE(closed());
}

TEST_F(LoginTest, APupilsPasswordIsAskedAndTheRightOneOpensTheProtocol) {
    writePupils({pupil("Anna", "hemlig", 12)});
    open();
    pressInList("Anna", Qt::Key_Return);
    EXPECT_TRUE(visible(*window, "MaskEdit1"));
    EXPECT_EQ(passwordField()->echoMode(), QLineEdit::Password);
    QTest::keyClicks(passwordField(), QStringLiteral("abc"));
    EXPECT_EQ(passwordField()->displayText(), QStringLiteral("***"));
    passwordField()->clear();
    EXPECT_EQ(text(*window, "SkrivLosenLabel"), "Écrivez votre mot de passe:");
    EXPECT_FALSE(visible(*window, "ListBox1"));
    EXPECT_FALSE(button("NyAnvandareButton")->isEnabled());
    EXPECT_TRUE(opener.opened.empty());
    shot(*window, "diag-password");

    typeAndEnter(passwordField(), QStringLiteral("fel"));
    EXPECT_EQ(text(*window, "FelLosenLabel"), "Felaktigt lösen. Försök igen!");
    EXPECT_TRUE(visible(*window, "FelLosenLabel"));
    EXPECT_FALSE(visible(*window, "SkrivLosenLabel"));
    EXPECT_TRUE(passwordField()->text().isEmpty());

    typeAndEnter(passwordField(), QStringLiteral("hemlig"));
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].pupilName, "Anna");
    EXPECT_EQ(f.s.CurrentPupil.result[1], 12);
    EXPECT_TRUE(closed());
}

TEST_F(LoginTest, ThreeWrongPasswordsCloseTheWindowAndTheCountStartsAgain) {
    writePupils({pupil("Anna", "hemlig")});
    open();
    pressInList("Anna", Qt::Key_Return);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        typeAndEnter(passwordField(), QStringLiteral("fel"));
        EXPECT_EQ(window->attempts(), attempt);
        EXPECT_FALSE(closed()) << attempt;
    }
    typeAndEnter(passwordField(), QStringLiteral("hemlig?"));
    EXPECT_TRUE(closed());
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);

    open();
    EXPECT_EQ(window->attempts(), 0);
    pressInList("Anna", Qt::Key_Return);
    EXPECT_TRUE(visible(*window, "MaskEdit1"));
    typeAndEnter(passwordField(), QStringLiteral("hemlig"));
    EXPECT_EQ(opener.opened.size(), 1u);
}

// ---- the administrator ----

TEST_F(LoginTest, TheInitialAndTheReservePasswordLetTheAdministratorIn) {
    for (const char* password : {"QORMADEX", "Bex Loma"}) {
        fs::remove(dir / "FRA45444.DOT");
        writePupils({pupil("Anna"), pupil("Bo")});
        open();
        loginAsTeacher(password);
        EXPECT_TRUE(visible(*window, "Panel3")) << password;
        EXPECT_EQ(window->focusWidget(), button("Button2"));
        EXPECT_TRUE(visible(*window, "ListBox1"));
        EXPECT_FALSE(list()->isEnabled()) << "the list waits for a choice";
        EXPECT_FALSE(visible(*window, "MaskEdit1"));
        EXPECT_FALSE(visible(*window, "SkrivLosenLabel"));
        EXPECT_EQ(text(*window, "LararLabel"), "Välj ett alternativ");
        EXPECT_EQ(passwordFileField2(), "QORMADEX") << "the password file is created";
        EXPECT_TRUE(opener.opened.empty());
    }
    shot(*window, "diag-administrator");
}

TEST_F(LoginTest, TheAdministratorHasThreeAttemptsToo) {
    writePupils({pupil("Anna")});
    open();
    typeNewName("VÄKTOR");
    typeAndEnter(passwordField(), QStringLiteral("qormadex"));
    EXPECT_EQ(text(*window, "FelLosenLabel"), "Felaktigt lösen. Försök igen!");
    EXPECT_FALSE(visible(*window, "Panel3"));
    typeAndEnter(passwordField(), QString());
    EXPECT_FALSE(closed()) << "an empty password is no password";
    typeAndEnter(passwordField(), QStringLiteral("Bex loma"));
    EXPECT_TRUE(closed());
}

TEST_F(LoginTest, DeletingAllPutsTheFileAsideAndCloses) {
    writePupils({pupil("Anna"), pupil("Bo")});
    open();
    loginAsTeacher("QORMADEX");
    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    EXPECT_TRUE(closed());
    EXPECT_FALSE(fileExists("FDIAG.DIA"));
    EXPECT_TRUE(fileExists("FR2612061030.DIS")) << "6 December 2026, 10:30";
    EXPECT_EQ(DiagnosisFile(dir).read().state, DiagnosisFileContents::State::Missing);
}

TEST_F(LoginTest, InfoShowsTheHelpTextUntilStaengIsPressed) {
    writePupils({pupil("Anna")});
    open();
    loginAsTeacher("QORMADEX");
    QTest::mouseClick(button("Button2"), Qt::LeftButton);
    ASSERT_TRUE(visible(*window, "Regelpanel"));
    const QStringList lines = child<QLabel>(*window, "RegelLabel")->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0], QStringLiteral("Ta bort diagnoser"));
    EXPECT_EQ(lines[1], QStringLiteral("1. Så här tar du bort din sin egen diagnos: "));
    EXPECT_EQ(lines[13],
              QStringLiteral(
                  "     i en fil FR0212010823.DIS i samma katalog(FR+år+mån+dag+tim+min.DIS). "));
    EXPECT_EQ(
        lines[18],
        QStringLiteral(
            "- När INFO-knappen har focus trycker du bokstaven Ä och ändrar ditt lösenord. "));
    EXPECT_TRUE(lines[19].contains(QStringLiteral("reservlösenord")));
    shot(*window, "diag-info");
    QTest::mouseClick(child<QPushButton>(*window, "Button5"), Qt::LeftButton);
    EXPECT_FALSE(visible(*window, "Regelpanel"));
}

TEST_F(LoginTest, AeOnTheInfoButtonChangesTheAdministratorPassword) {
    writePupils({pupil("Anna")});
    open();
    loginAsTeacher("QORMADEX");
    bool dialogShown = false;
    onNextModal([&](QWidget* dialog) {
        dialogShown = dialog && dialog->objectName() == QStringLiteral("NLOS");
        if (!dialog) return;
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("maskedit1"));
        typeAndEnter(field, QStringLiteral("QORMADEX"));
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                  QStringLiteral("Vous avez mis votre vieux mot de passe!"));
        typeAndEnter(field, QStringLiteral("Nytt1"));
        typeAndEnter(field, QStringLiteral("Nytt1"));
    });
    QKeyEvent ae(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, QStringLiteral("ä"));
    QApplication::sendEvent(button("Button2"), &ae);
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(passwordFileField2(), "Nytt1");
    EXPECT_FALSE(closed());

    // In force from the next login.
    open();
    loginAsTeacher("Nytt1");
    EXPECT_TRUE(visible(*window, "Panel3"));
}

// ---- deleting one diagnosis ----

TEST_F(LoginTest, RDeletesAPupilsDiagnosisWithThePasswordAfterAsking) {
    writePupils({pupil("Anna", "hemlig"), pupil("Bo")});
    open();
    pressInList("Anna", Qt::Key_R);
    EXPECT_TRUE(visible(*window, "MaskEdit1"));
    EXPECT_FALSE(visible(*window, "NyAnvandareButton"));

    typeAndEnter(passwordField(), QStringLiteral("fel"));
    EXPECT_EQ(text(*window, "FelLosenLabel"), "Felaktigt lösen.!");
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_EQ(f.messages.shown.back(), "Felaktigt lösen.");
    EXPECT_EQ(f.s.DeleteMode, 1) << "the next Enter checks again";
    EXPECT_EQ(window->attempts(), 0) << "a deletion is not a login";

    f.messages.answer = false;
    typeAndEnter(passwordField(), QStringLiteral("hemlig"));
    EXPECT_EQ(f.messages.shown.back(), "Vill du verkligen ta bort diagnosen \"Anna\"?");
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Anna", "Bo"})) << "No keeps it";
    EXPECT_EQ(listed(), (std::vector<std::string>{"Anna", "Bo"}));
    EXPECT_EQ(f.s.DeleteMode, 0);
    EXPECT_TRUE(visible(*window, "ListBox1"));
    EXPECT_TRUE(visible(*window, "NyAnvandareButton"));

    f.messages.answer = true;
    pressInList("Anna", Qt::Key_R);
    typeAndEnter(passwordField(), QStringLiteral("hemlig"));
    EXPECT_EQ(f.messages.shown.back(), "Diagnosen \"Anna\" är borttagen.");
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Bo"}));
    EXPECT_EQ(listed(), (std::vector<std::string>{"Bo"}));
    EXPECT_TRUE(button("NyAnvandareButton")->isEnabled());
    EXPECT_FALSE(closed());
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(LoginTest, APupilWithoutPasswordIsOnlyAskedToConfirm) {
    writePupils({pupil("Anna"), pupil("Bo"), pupil("Anna")});
    open();
    pressInList("Anna", Qt::Key_R);
    EXPECT_EQ(f.messages.shown.at(0), "Vill du verkligen ta bort diagnosen \"Anna\"?");
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Bo"}));
    EXPECT_EQ(listed(), (std::vector<std::string>{"Bo"})) << "a name stored twice goes twice";
}

TEST_F(LoginTest, RWithNothingChosenDeletesNothing) {
    writePupils({pupil("Anna")});
    open();
    list()->setCurrentRow(-1);
    QTest::keyClick(list(), Qt::Key_R);
    EXPECT_EQ(f.s.DeleteMode, 0);
    EXPECT_TRUE(visible(*window, "NyAnvandareButton"));
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST_F(LoginTest, TheAdministratorDeletesWithOrWithoutThePupilsPassword) {
    writePupils({pupil("Anna", "hemlig"), pupil("Bo", "bopw"), pupil("Cilla")});
    open();
    loginAsTeacher("QORMADEX");

    QTest::mouseClick(button("Button4"), Qt::LeftButton);
    EXPECT_EQ(window->teacherDeleteKind(), 3);
    EXPECT_TRUE(list()->isEnabled());
    pressInList("Bo", Qt::Key_R);
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Anna", "Cilla"})) << "no password asked";
    EXPECT_EQ(listed(), (std::vector<std::string>{"Anna", "Cilla"}));

    QTest::mouseClick(button("Button3"), Qt::LeftButton);
    EXPECT_EQ(window->teacherDeleteKind(), 2);
    pressInList("Anna", Qt::Key_R);
    EXPECT_TRUE(visible(*window, "MaskEdit1")) << "the pupil's password is asked";
    typeAndEnter(passwordField(), QStringLiteral("hemlig"));
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Cilla"}));

    // The administrator's list serves deletions: choosing a name logs nobody in.
    pressInList("Cilla", Qt::Key_Return);
    EXPECT_TRUE(opener.opened.empty());
}

// ---- the pop-up menu and leaving ----

TEST_F(LoginTest, ThePopupMenuPastesCedillas) {
    open();
    nameField()->setFocus();
    window->Klistrain1Click(1);
    window->Klistrain1Click(2);
    EXPECT_EQ(nameField()->text(), QStringLiteral("Çç"));

    bool menuShown = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        menuShown = menu->objectName() == QStringLiteral("PopupMenu1");
        const QList<QAction*> actions = menu->actions();
        EXPECT_EQ(actions.at(0)->text(), QStringLiteral("Klistra in Ç"));
        EXPECT_EQ(actions.at(1)->text(), QStringLiteral("Klistra in ç"));
        menu->setActiveAction(actions.at(1));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            nameField()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(nameField(), &event);
    EXPECT_TRUE(menuShown);
    EXPECT_EQ(nameField()->text(), QStringLiteral("Ççç"));
}

TEST_F(LoginTest, EscapeCancelsTheLogin) {
    writePupils({pupil("Anna")});
    open();
    QTest::keyClick(list(), Qt::Key_Escape);
    EXPECT_TRUE(closed());
    EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);
    EXPECT_TRUE(opener.opened.empty());
}

// ---- the new-password window ----

struct NewPasswordTest : DiagnosisFixture {
    std::unique_ptr<TNLOS> window;
    QLineEdit* field() { return child<QLineEdit>(*window, "maskedit1"); }
    std::string label1() { return text(*window, "Label1"); }
    void open(const std::string& old) {
        f.s.CurrentPupil.password = A(old);
        window = std::make_unique<TNLOS>(context, A(old));
        window->show();
    }
};

TEST_F(NewPasswordTest, TheMessagesLeadToAPasswordTypedTwice) {
    open("gammal");
    EXPECT_EQ(label1(), "Écrivez votre nouveau mot de passe");
    EXPECT_FALSE(visible(*window, "Label2"));
    shot(*window, "nlos");

    struct Step {
        const char* typed;
        const char* label;
        bool tryAgain;
    };
    for (const Step& step : {Step{"gammal", "Vous avez mis votre vieux mot de passe!", true},
                             Step{"", "Un mot de passe correct, s'il vous plaît!", true},
                             Step{"nytt", "Écrivez votre mot de passe de nouveau.", false},
                             Step{"", "Un mot de passe correct s'il vous plaît!", false},
                             Step{"nyt", "Vous n'avez pas écrivé le même mot de passe.", true},
                             Step{"nytt2", "Vous n'avez pas écrivé le même mot de passe.", true}}) {
        field()->clear();
        typeAndEnter(field(), QString::fromUtf8(step.typed));
        EXPECT_EQ(label1(), step.label) << step.typed;
        EXPECT_EQ(visible(*window, "Label2"), step.tryAgain) << step.typed;
        EXPECT_FALSE(window->passwordAccepted());
    }
    EXPECT_EQ(f.s.CurrentPupil.password, A("gammal"));

    QTest::keyClick(field(), Qt::Key_N);
    EXPECT_EQ(label1(), "Continuez, écrivez votre nouveau mot de passe.");
    EXPECT_FALSE(visible(*window, "Label2"));
    field()->clear();
    typeAndEnter(field(), QStringLiteral("nytt"));
    EXPECT_TRUE(window->passwordAccepted()) << "the entry that equals the first";
    EXPECT_EQ(f.s.CurrentPupil.password, A("nytt"));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(NewPasswordTest, AnEmptyEntryAgainstNoPasswordIsTheOldOne) {
    open("");
    typeAndEnter(field(), QString());
    EXPECT_EQ(label1(), "Vous avez mis votre vieux mot de passe!");
    EXPECT_FALSE(window->passwordAccepted());
}

TEST_F(NewPasswordTest, AnnulerLeavesThePasswordAsItWas) {
    open("gammal");
    typeAndEnter(field(), QStringLiteral("nytt"));
    QTest::mouseClick(child<QPushButton>(*window, "BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->passwordAccepted());
    EXPECT_EQ(f.s.CurrentPupil.password, A("gammal"));
}

TEST_F(NewPasswordTest, APasswordIsAtMostTenCharacters) {
    open("");
    typeAndEnter(field(), QStringLiteral("abcdefghijkl"));
    typeAndEnter(field(), QStringLiteral("abcdefghijkl"));
    EXPECT_TRUE(window->passwordAccepted());
    EXPECT_EQ(f.s.CurrentPupil.password, A("abcdefghij"));
}

} // namespace
