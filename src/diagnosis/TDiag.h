#pragma once
// The diagnosis login window: the sorted list of the pupils who have a diagnosis, a new pupil's
// name, the pupil's password (three attempts), the administrator's login under the name "VÄKTOR"
// with the panel to delete diagnoses, read the help text and change the administrator password,
// and the deletion of one pupil's diagnosis with R in the list. A successful login loads the
// pupil's record into CurrentPupil and opens the protocol; when the protocol closes, so does
// this window.

#include "AnswerEdit.h"
#include "Window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace orvela {

class TDiag : public Window {
    Q_OBJECT
public:
    explicit TDiag(AppContext& context, QWidget* parent = nullptr);

    // The lines of the help text ("Info"), top to bottom (UTF-8).
    static const std::vector<const char*>& helpLines();

    // Handlers, also driven directly by tests.
    void VisaListbox();
    void Edit1KeyPress(); // Enter in the name field
    void ListBox1KeyPress(int key, const QString& text);
    void ListBox1DblClick();
    void MaskEdit1KeyPress(); // Enter in the password field
    void NyAnvandareButtonClick();
    void AvbrytButtonClick();
    void Button1Click(); // "Ta bort alla diagnoser"
    void Button2Click(); // "Info"
    void Button3Click(); // "Ta bort enstaka med lösen"
    void Button4Click(); // "Ta bort enstaka utan lösen"
    void Button5Click(); // "Stäng"
    void KlassoversiktButtonClick(); // "Klassöversikt": the class overview
    void Button2KeyPress(const QString& text);
    // Pastes "Ç" (1) or "ç" (2) into the focused field.
    void Klistrain1Click(int which);

    int attempts() const { return Attempts; }
    bool teacherLogin() const { return TeacherLogin != 0; }
    int teacherDeleteKind() const { return TeacherDeleteKind; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    // Esc and closing the window cancel the login.
    void reject() override;

private:
    std::uint8_t TeacherLogin = 0;
    std::int32_t Attempts = 0;
    std::uint8_t TeacherFirstTry = 1;
    std::uint8_t TeacherDeleteKind = 0;
    // The password HaemtaElev gave for the chosen pupil (unscrambled when stored scrambled).
    AnsiText loadedPassword_;
    // The administrator password accepted at this window's login (empty until then).
    AnsiText teacherPassword_;

    QLabel* OverskriftLabel = nullptr;
    QLabel* ListOverskriftLabel = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* SkrivDittNamnLabel = nullptr;
    AnswerEdit* Edit1 = nullptr;
    QLabel* SkrivLosenLabel = nullptr;
    QLabel* FelLosenLabel = nullptr;
    AnswerEdit* MaskEdit1 = nullptr;
    QPushButton* NyAnvandareButton = nullptr;
    QPushButton* AvbrytButton = nullptr;
    Panel* Panel3 = nullptr;
    QLabel* LararLabel = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* KlassoversiktButton = nullptr;
    Panel* Regelpanel = nullptr;
    QLabel* RegelLabel = nullptr;
    QPushButton* Button5 = nullptr;

    void createControls();
    void FormCreate();
    void layoutHelpPanel();
    bool SparaRaderaProt();
    // Shows the password field in place of the list and the name field.
    void askForPassword();
    // A wrong password: three in this window close it.
    void wrongPassword();
    // Opens the protocol for CurrentPupil; this window closes when it has closed.
    void openProtocol();
    void leave();
    // Whether a typed password is the chosen pupil's: as stored, or as unscrambled.
    bool passwordMatches(const AnsiText& typed);
    void showMessage(const std::string& text);
};

} // namespace orvela
