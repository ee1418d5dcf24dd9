#pragma once
// The new-password window: the password is typed twice, the old one is refused, and a mismatch
// asks for it again ("Essayez de nouveau"). An accepted password is left in CurrentPupil.password;
// "&Annuler" leaves everything as it was. Used for a pupil's password (from the protocol) and for
// the administrator password (from the login window).

#include "AnswerEdit.h"
#include "Window.h"

#include <QLabel>
#include <QPushButton>

namespace orvela {

class TNLOS : public Window {
    Q_OBJECT
public:
    // `oldPassword` is the password in force, which is refused as the new one.
    TNLOS(AppContext& context, const AnsiText& oldPassword, QWidget* parent = nullptr);

    // Whether a new password was accepted (it is then in CurrentPupil.password).
    bool passwordAccepted() const { return accepted_; }

    void maskedit1KeyPress(); // Enter
    void maskedit1Change();
    void BitBtn1Click();

private:
    AnsiText oldPassword_;
    AnsiText first_;
    // A message is shown that the next change of the field replaces by the prompt to go on.
    bool messageShown_ = false;
    bool accepted_ = false;

    Panel* Ram = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    AnswerEdit* maskedit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;

    void FormCreate();
    void say(const char* utf8, bool messageToReplace);
};

} // namespace orvela
