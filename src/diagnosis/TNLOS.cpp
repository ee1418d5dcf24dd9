#include "TNLOS.h"

#include "DiagnosisRecordCodec.h"
#include "QtText.h"

namespace orvela {

namespace {
constexpr int kWidth = 560;
constexpr int kHeight = 230;
} // namespace

TNLOS::TNLOS(AppContext& context, const AnsiText& oldPassword, QWidget* parent)
    : Window(context, parent), oldPassword_(oldPassword) {
    setObjectName(QStringLiteral("NLOS"));
    setWindowTitle(qs("Nouveau mot de passe"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setBackground(colors::teal);

    Ram = new Panel(this, colors::teal, 2);
    Ram->setObjectName(QStringLiteral("Ram"));
    Label1 = new QLabel(qs("Écrivez votre nouveau mot de passe"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(qs("Essayez de nouveau"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel* l : {Label1, Label2}) {
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color: white; background: transparent"));
    }
    Label2->setStyleSheet(QStringLiteral("color: yellow; background: transparent"));
    Label2->hide();

    maskedit1 = new AnswerEdit(this, qs("Klistra in Ç "), qs("Klistra in ç"));
    maskedit1->setSharpSKeys(false);
    maskedit1->setObjectName(QStringLiteral("maskedit1"));
    maskedit1->setEchoMode(QLineEdit::Password);
    maskedit1->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    maskedit1->setMaxLength(static_cast<int>(kPupilPasswordMax));
    connect(maskedit1, &AnswerEdit::enterPressed, this, &TNLOS::maskedit1KeyPress);
    connect(maskedit1, &AnswerEdit::escapePressed, this, &TNLOS::BitBtn1Click);
    // Only the pupil's own typing counts as a change: emptying the field after a message keeps it.
    connect(maskedit1, &QLineEdit::textEdited, this, &TNLOS::maskedit1Change);

    BitBtn1 = new QPushButton(qs("&Annuler"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TNLOS::BitBtn1Click);

    FormCreate();
}

void TNLOS::FormCreate() {
    const int percent = state().ScalePercent;
    const int w = scaled(kWidth, percent);
    const int h = scaled(kHeight, percent);
    resize(w, h);
    const QSize screen = screenSize();
    move((screen.width() - w) / 2, (screen.height() - h) / 2);
    Ram->setGeometry(0, 0, w, h);

    const QFont font = pixelFont(scaled(18, percent), true);
    setFont(font);
    const int margin = scaled(16, percent);
    const int line = scaled(30, percent);
    Label1->setFont(font);
    Label2->setFont(font);
    Label1->setGeometry(margin, scaled(18, percent), w - 2 * margin, line);
    Label2->setGeometry(margin, scaled(52, percent), w - 2 * margin, line);
    const int editWidth = scaled(220, percent);
    maskedit1->setFont(font);
    maskedit1->setGeometry((w - editWidth) / 2, scaled(96, percent), editWidth,
                           scaled(34, percent));
    const int buttonWidth = scaled(140, percent);
    BitBtn1->setFont(font);
    BitBtn1->setGeometry((w - buttonWidth) / 2, h - scaled(62, percent), buttonWidth,
                         scaled(38, percent));
    maskedit1->setFocus();
}

void TNLOS::say(const char* utf8, bool messageToReplace) {
    Label1->setText(qs(utf8));
    messageShown_ = messageToReplace;
}

void TNLOS::maskedit1KeyPress() {
    const AnsiText typed = fromQString(maskedit1->text());
    if (typed == oldPassword_) {
        maskedit1->clear();
        say("Vous avez mis votre vieux mot de passe!", true);
        Label2->show();
    } else if (typed != first_) {
        if (typed.empty()) {
            say("Un mot de passe correct s'il vous plaît!", true);
        } else if (!first_.empty()) {
            // A second entry that does not match; the next entry that equals the first is taken.
            say("Vous n'avez pas écrivé le même mot de passe.", true);
            Label2->show();
            maskedit1->clear();
        } else {
            first_ = typed;
            say("Écrivez votre mot de passe de nouveau.", false);
            Label2->hide();
            maskedit1->clear();
        }
    } else if (!typed.empty()) {
        AnsiText password = typed;
        password.truncate(kPupilPasswordMax);
        state().CurrentPupil.password = password;
        accepted_ = true;
        done(QDialog::Accepted);
    } else {
        say("Un mot de passe correct, s'il vous plaît!", true);
    }
    maskedit1->setFocus();
}

void TNLOS::maskedit1Change() {
    if (!messageShown_) return;
    say("Continuez, écrivez votre nouveau mot de passe.", false);
    Label2->hide();
}

void TNLOS::BitBtn1Click() {
    done(QDialog::Rejected);
}

} // namespace orvela
