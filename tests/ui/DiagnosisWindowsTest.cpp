// The diagnosis login window and the new-password window: the name list, new pupils, passwords
// and their three attempts, the administrator's login and panel, deleting with R, putting all
// diagnoses aside, and changing a password. (The rules behind them: DiagnosisPupilsTest.)

#include "DiagnosisFixture.h"
#include "DiagnosisRecordCodec.h"
#include "Scrambling.h"
#include "TDiag.h"
#include "TNLOS.h"

#include <QListWidget>
#include <QPushButton>

using namespace orvela;
using namespace orvela::testing;

namespace {

using Names = std::vector<std::string>;

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
    QPushButton* button(const char* name) { return child<QPushButton>(*window, name); }
    Names listed() {
        Names out;
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
    void typePassword(const char* password) {
        typeAndEnter(child<QLineEdit>(*window, "MaskEdit1"), QString::fromUtf8(password));
    }
    void loginAsTeacher(const char* password) {
        typeNewName("Väktor");
        typePassword(password);
    }
    bool closed() const { return !window->isVisible(); }
    std::string teacherPasswordStored() {
        auto bytes = readWholeFile(dir / "FRA45444.DOT");
        if (!bytes || bytes->size() < kPasswordRecordSize) return "<none>";
        return dekryptrad(decodePasswordRecord(*bytes).field2).toUtf8();
    }
};

TEST_F(LoginTest, WithoutADiagnosisFileTheNameIsAskedAtOnceElseTheListComesFirst) {
    open();
    EXPECT_FALSE(visible(*window, "ListBox1"));
    EXPECT_TRUE(visible(*window, "Edit1"));
    EXPECT_EQ(f.s.DiagnosisPathChecked, 1) << "the directory was checked";

    writePupils({pupil("Örjan"), pupil("bertil"), pupil("Anna"), pupil("Åsa")});
    open();
    EXPECT_EQ(listed(), (Names{"Anna", "bertil", "Åsa", "Örjan"}));
    EXPECT_FALSE(visible(*window, "Edit1")) << "a new name only after \"Nouvel utilisateur\"";
    shot(*window, "diag-list");
}

TEST_F(LoginTest, ANewPupilGoesStraightToTheProtocolOtherNamesAreRefused) {
    writePupils({pupil("Anna")});
    open();
    const std::pair<const char*, const char*> refused[] = {
        {"", "Écrivez un vrai nom!"}, {"   ", "Écrivez un vrai nom!"}, {"anna", "Tapez votre nom"}};
    for (const auto& [typed, label] : refused) {
        typeNewName(typed);
        EXPECT_EQ(text(*window, "SkrivDittNamnLabel"), label) << '"' << typed << '"';
    }
    EXPECT_TRUE(opener.opened.empty());
    typeNewName("Lisa");
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].request.kind, WindowKind::Tdiaprot);
    EXPECT_EQ(opener.opened[0].pupilName, "Lisa");
    EXPECT_EQ(opener.opened[0].mode, Mode::DiagnosisTest);
    EXPECT_EQ(opener.opened[0].pupil.status[2], 1) << "a new pupil's statuses";
    EXPECT_TRUE(closed()) << "the login closes when the protocol has closed";
    EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);
    EXPECT_TRUE(f.s.CurrentPupil.name.empty())
        << "the pupil who left is not praised by name in the next pupil's practice";

    open();
    QTest::keyClick(list(), Qt::Key_Escape);
    EXPECT_TRUE(closed()) << "Escape cancels the login";
    EXPECT_EQ(opener.opened.size(), 1u);
}

TEST_F(LoginTest, APupilWithoutPasswordIsInAtTheDoubleClickOthersAfterTheirPassword) {
    writePupils({pupil("Bo", "", 17), pupil("Anna", "hemlig", 12)});
    open();
    const QRect r =
        list()->visualItemRect(list()->findItems(QStringLiteral("Bo"), Qt::MatchExactly).at(0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, r.center());
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].pupil.result[1], 17) << "the record is loaded";
    EXPECT_TRUE(closed());

    open();
    pressInList("Anna", Qt::Key_Return);
    EXPECT_EQ(child<QLineEdit>(*window, "MaskEdit1")->echoMode(), QLineEdit::Password);
    shot(*window, "diag-password");
    typePassword("fel");
    EXPECT_EQ(text(*window, "FelLosenLabel"), "Felaktigt lösen. Försök igen!");
    EXPECT_EQ(opener.opened.size(), 1u);
    typePassword("hemlig");
    ASSERT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[1].pupilName, "Anna");
    EXPECT_EQ(opener.opened[1].pupil.result[1], 12);
}

TEST_F(LoginTest, ThreeWrongPasswordsCloseTheWindowAndTheCountStartsAgain) {
    writePupils({pupil("Anna", "hemlig")});
    for (bool teacher : {false, true}) {
        SCOPED_TRACE(teacher ? "the administrator" : "a pupil");
        open();
        if (teacher) {
            typeNewName("VÄKTOR");
            EXPECT_TRUE(window->teacherLogin());
        } else {
            pressInList("Anna", Qt::Key_Return);
        }
        for (const char* wrong : {"Hemlig", ""}) { // an empty password is a wrong one too
            typePassword(wrong);
            EXPECT_FALSE(closed()) << '"' << wrong << '"';
        }
        EXPECT_EQ(window->attempts(), 2);
        typePassword("hemlig?");
        EXPECT_TRUE(closed());
        EXPECT_TRUE(opener.opened.empty());
        EXPECT_EQ(f.s.ExerciseMode, Mode::Practice);
    }
    open();
    EXPECT_EQ(window->attempts(), 0);
    pressInList("Anna", Qt::Key_Return);
    typePassword("hemlig");
    EXPECT_EQ(opener.opened.size(), 1u);
}

TEST_F(LoginTest, TheInitialAndTheReservePasswordLetTheAdministratorIn) {
    for (const char* password : {"QORMADEX", "Bex Loma"}) {
        fs::remove(dir / "FRA45444.DOT");
        writePupils({pupil("Anna"), pupil("Bo")});
        open();
        typeNewName(password[0] == 'Q' ? " vÄktoR " : "väktor"); // in any letter case
        typePassword(password);
        EXPECT_TRUE(visible(*window, "Panel3")) << password;
        EXPECT_FALSE(list()->isEnabled()) << "the list waits for a choice";
        EXPECT_EQ(teacherPasswordStored(), "QORMADEX") << "the password file is created";
    }
    shot(*window, "diag-administrator");
    QTest::mouseClick(button("Button1"), Qt::LeftButton); // delete all
    EXPECT_TRUE(closed());
    EXPECT_FALSE(fs::exists(dir / "FDIAG.DIA"));
    EXPECT_TRUE(fs::exists(dir / "FR2612061030.DIS")) << "6 December 2026, 10:30";
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(LoginTest, AeOnTheInfoButtonChangesTheAdministratorPassword) {
    writePupils({pupil("Anna")});
    open();
    loginAsTeacher("QORMADEX");
    onNextModal([&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("maskedit1"));
        typeAndEnter(field, QStringLiteral("Nytt1"));
        typeAndEnter(field, QStringLiteral("Nytt1"));
    });
    QKeyEvent ae(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, QStringLiteral("ä"));
    QApplication::sendEvent(button("Button2"), &ae);
    EXPECT_EQ(teacherPasswordStored(), "Nytt1");
    EXPECT_FALSE(closed());
    open(); // in force from the next login
    loginAsTeacher("Nytt1");
    EXPECT_TRUE(visible(*window, "Panel3"));
}

TEST_F(LoginTest, RDeletesAPupilsDiagnosisWithThePasswordAfterAsking) {
    writePupils({pupil("Anna", "hemlig"), pupil("Bo"), pupil("Cia"), pupil("Cia")});
    open();
    list()->setCurrentRow(-1);
    QTest::keyClick(list(), Qt::Key_R);
    EXPECT_EQ(f.s.DeleteMode, 0) << "R with nothing chosen deletes nothing";

    pressInList("Anna", Qt::Key_R);
    typePassword("fel");
    EXPECT_EQ(f.messages.shown.back(), "Felaktigt lösen.");
    EXPECT_EQ(window->attempts(), 0) << "a deletion is not a login";
    f.messages.answer = false;
    typePassword("hemlig");
    EXPECT_EQ(storedNames(), (Names{"Anna", "Bo", "Cia", "Cia"})) << "No keeps it";

    f.messages.answer = true;
    pressInList("Anna", Qt::Key_R);
    typePassword("hemlig");
    EXPECT_EQ(listed(), (Names{"Bo", "Cia", "Cia"}));
    pressInList("Cia", Qt::Key_R); // without a password only the question
    EXPECT_EQ(storedNames(), (Names{"Bo"}));
    EXPECT_EQ(listed(), (Names{"Bo"}));
    EXPECT_FALSE(closed());
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(LoginTest, TheAdministratorDeletesWithOrWithoutThePupilsPassword) {
    writePupils({pupil("Anna", "hemlig"), pupil("Bo", "bopw"), pupil("Cilla")});
    open();
    loginAsTeacher("QORMADEX");
    QTest::mouseClick(button("Button4"), Qt::LeftButton);
    pressInList("Bo", Qt::Key_R);
    EXPECT_EQ(storedNames(), (Names{"Anna", "Cilla"})) << "no password asked";
    QTest::mouseClick(button("Button3"), Qt::LeftButton);
    pressInList("Anna", Qt::Key_R);
    typePassword("hemlig");
    EXPECT_EQ(storedNames(), (Names{"Cilla"})) << "the pupil's password asked";
    pressInList("Cilla", Qt::Key_Return);
    EXPECT_TRUE(opener.opened.empty()) << "the administrator's list logs nobody in";
}

// Every button the help text tells the user to click is there with that caption.
TEST_F(LoginTest, TheHelpTextNamesTheButtonsAsTheyRead) {
    open();
    QStringList captions;
    for (QPushButton* b : window->findChildren<QPushButton*>())
        captions << b->text().remove(QLatin1Char('&')).trimmed();
    int named = 0;
    for (const char* line : TDiag::helpLines()) {
        const QString l = QString::fromUtf8(line);
        const qsizetype at = l.indexOf(QStringLiteral("Klicka på "));
        if (at < 0) continue;
        ++named;
        const QString caption = l.mid(at + 10).trimmed();
        EXPECT_TRUE(captions.contains(caption)) << caption.toStdString();
    }
    EXPECT_GE(named, 1);
}

// ---- the new-password window ----

struct NewPasswordTest : DiagnosisFixture {
    std::unique_ptr<TNLOS> window;
    void open(const std::string& old) {
        f.s.CurrentPupil.password = A(old);
        window = std::make_unique<TNLOS>(context, A(old));
        window->show();
    }
    void enter(const char* typed) {
        auto* field = child<QLineEdit>(*window, "maskedit1");
        field->clear();
        typeAndEnter(field, QString::fromUtf8(typed));
    }
};

TEST_F(NewPasswordTest, TheMessagesLeadToAPasswordTypedTwice) {
    open("gammal");
    const std::tuple<const char*, const char*, bool> steps[] = {
        {"gammal", "Vous avez mis votre vieux mot de passe!", true},
        {"", "Un mot de passe correct, s'il vous plaît!", true},
        {"nytt", "Écrivez votre mot de passe de nouveau.", false},
        {"", "Un mot de passe correct s'il vous plaît!", false},
        {"nyt", "Vous n'avez pas écrivé le même mot de passe.", true},
        {"nytt2", "Vous n'avez pas écrivé le même mot de passe.", true}};
    for (const auto& [typed, label, tryAgain] : steps) {
        enter(typed);
        EXPECT_EQ(text(*window, "Label1"), label) << typed;
        EXPECT_EQ(visible(*window, "Label2"), tryAgain) << typed;
        EXPECT_FALSE(window->passwordAccepted());
    }
    EXPECT_EQ(f.s.CurrentPupil.password, A("gammal"));
    QTest::keyClick(child(*window, "maskedit1"), Qt::Key_N);
    EXPECT_EQ(text(*window, "Label1"), "Continuez, écrivez votre nouveau mot de passe.");
    enter("nytt");
    EXPECT_TRUE(window->passwordAccepted()) << "the entry that equals the first";
    EXPECT_EQ(f.s.CurrentPupil.password, A("nytt"));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(NewPasswordTest, AnEmptyEntryAgainstNoPasswordIsTheOldOneAndTenCharactersAreKept) {
    open("");
    enter("");
    EXPECT_EQ(text(*window, "Label1"), "Vous avez mis votre vieux mot de passe!");
    enter("abcdefghijkl");
    enter("abcdefghijkl");
    EXPECT_TRUE(window->passwordAccepted());
    EXPECT_EQ(f.s.CurrentPupil.password, A("abcdefghij"));
}

TEST_F(NewPasswordTest, AnnulerLeavesThePasswordAsItWas) {
    open("gammal");
    enter("nytt");
    QTest::mouseClick(child<QPushButton>(*window, "BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->passwordAccepted());
    EXPECT_EQ(f.s.CurrentPupil.password, A("gammal"));
}

} // namespace
