// The end of a run: reward picture, praise, the diagnosis steps, and the end panel's buttons
// (correction run, continue, cancel, settings).

#include "ExerciseWindow.h"
#include "RewardPicture.h"
#include "ProtocolLink.h"
#include "QtText.h"

#include <QFontMetrics>

namespace orvela {

void ExerciseWindow::showRewardPicture() {
    regelknapp->hide();
    BildTextPanel->hide();
    // The panel covers the last item whether a picture is shown or not; the instruction above
    // it would stand half covered, so it goes while the panel stands.
    BildPanelen->show();
    BildPanelen->raise();
    instructionHiddenByPicture_ = !InstruktionsLabel->isHidden();
    InstruktionsLabel->hide();
    if (!showsRewardPicture()) {
        Image1->hide();
        return;
    }
    showNextRewardPicture(shell(), Image1, BildTextPanel, BildLabel, U());
}

void ExerciseWindow::hideRewardPicture() {
    BildPanelen->hide();
    if (instructionHiddenByPicture_) InstruktionsLabel->show();
    instructionHiddenByPicture_ = false;
}

void ExerciseWindow::Avslutning() {
    SharedState& s = state();
    runState_ = RunState::Ended;
    showRewardPicture();
    if (mode() == Mode::DiagnosisTest) s.DiagnosisReturnMarker = 0;

    if ((mode() == Mode::FollowUp1 || mode() == Mode::FollowUp2) && !s.CorrectionRun &&
        s.RightCount >= QuestionsPerRun - 2) {
        if (mode() == Mode::FollowUp2) {
            std::size_t p = static_cast<std::size_t>(std::clamp(s.CurrentProgramme, 1, 20));
            s.CurrentPupil.status[p] = 2;
            int status = shell().GeStatusTal(s.CurrentProgramme);
            s.DiagnosisReturnMarker = 5;
            if (context().protocol)
                context().protocol->setStatusCell(
                    s.CurrentProgramme, QStringLiteral("    ") + QString::fromLatin1(statusWord(status)));
            s.ExerciseMode = Mode::DiagnosisTest;
            s.RightCount = 0;
            if (context().protocol) context().protocol->setProtocolEnabled(true);
            closeWindow();
            return;
        }
        s.ExerciseMode = Mode::FollowUp2;
    }
    if (mode() == Mode::DiagnosisTest) {
        if (s.DiagnosisReturnMarker != 5) shell().diagnosback(s.RightCount);
        closeWindow();
        return;
    }
    beforePraise();
    if (mode() == Mode::Practice && !s.CorrectionRun && s.RightCount >= s.RunLength - 2) {
        LovordPanel->show();
        LovordPanel->raise();
        LovordLabel1->clear();
        if (std::optional<OneBased<AnsiText, 3>> praise = shell().nextPraise())
            RitaLovord(toQString((*praise)[1]), toQString((*praise)[2]), toQString((*praise)[3]));
    }
    Panel1->show();
    Panel1->raise();
    focusEndPanel();
    runEnded();
}

void ExerciseWindow::RitaLovord(const QString& a, const QString& b, const QString& c) {
    const int u = U();
    LovordYttershape->setGeometry(0, 0, LovordPanel->width(), LovordPanel->height());
    lovordinnershape->setGeometry(u / 2, u / 2, LovordPanel->width() - u, LovordPanel->height() - u);
    OneBased<AnsiText, 3> fields;
    fields[1] = fromQString(a);
    fields[2] = fromQString(b);
    fields[3] = fromQString(c);
    LovordLabel1->setText(toQString(Shell::praiseLine(fields)));
    const int innerW = lovordinnershape->width();
    const int innerH = lovordinnershape->height();
    int size = 30 * state().ScalePercent / 100;
    LovordLabel1->setFont(pointFont(size, true));
    auto fm = [&] { return QFontMetrics(LovordLabel1->font()); };
    while (fm().horizontalAdvance(LovordLabel1->text()) > innerW - u && size >= 11)
        LovordLabel1->setFont(pointFont(--size, true));
    while (fm().height() > innerH - u / 2 && size >= 11)
        LovordLabel1->setFont(pointFont(--size, true));
    LovordLabel1->adjustSize();
    LovordLabel1->move((innerW - LovordLabel1->width()) / 2,
                       (innerH - u / 2 - LovordLabel1->height()) / 2);
}

void ExerciseWindow::Button1Click() {
    SharedState& s = state();
    hideRewardPicture();
    if (correctionModes() && errorCountOfFile() > 0) {
        if (mode() == Mode::Practice) LovordPanel->hide();
        s.RightCount = 0;
        s.CorrectionRun = 1;
        s.RunLength = std::min({errorCountOfFile(), s.SavedRunLength, 10});
        s.QuestionNumber = 1;
        NyStartaAster(true);
        if (mode() == Mode::FollowUp1 || mode() == Mode::FollowUp2)
            s.ExerciseMode = Mode::FollowUpCorrection;
    }
    if (offersLamp()) {
        lampknapp->setVisible(!LampOn);
        LampShape->setVisible(LampOn);
    }
    Panel1->hide();
    BitBtn1->setEnabled(true);
    if (DiagPanel1->isVisible()) Aster1->hide();
    NyPost();
    setAnswerEnabled(true, true);
}

void ExerciseWindow::Button2Click() {
    SharedState& s = state();
    Panel1->hide();
    if (s.QuestionNumber >= s.RunLength) {
        hideRewardPicture();
        if (mode() == Mode::Practice) LovordPanel->hide();
        if (offersLamp()) {
            lampknapp->setVisible(!LampOn);
            LampShape->setVisible(LampOn);
        }
        s.RightCount = 0;
        s.CorrectionRun = 0;
        s.RunLength = s.SavedRunLength;
        if (mode() == Mode::FollowUpCorrection) s.ExerciseMode = Mode::FollowUp1;
        if (isDiagnosisMode(mode())) UppDateraDiagnosResultatet();
        if (mode() != Mode::Practice) {
            Aster1->hide();
            TestOverSkrift();
        } else {
            NyStartaAster(true);
        }
        s.QuestionNumber = 1;
        NyPost();
    }
    runState_ = RunState::Answering;
    setAnswerEnabled(true, true);
    rensa();
    BitBtn1->setEnabled(true);
    regelknapp->setEnabled(true);
    BitBtn3->setEnabled(true);
}

void ExerciseWindow::rensa() {
    SharedState& s = state();
    if (offersLamp()) {
        lampknapp->setVisible(!LampOn);
        lampknapp->setEnabled(true);
    } else {
        lampknapp->hide();
        LampShape->hide();
    }
    s.RightCount = 0;
    s.WrongCount = 0;
}

void ExerciseWindow::Button3Click() {
    Mode m = mode();
    if ((isDiagnosisMode(m) || m == Mode::FollowUpCorrection) && context().protocol)
        context().protocol->setProtocolEnabled(true);
    closeWindow();
}

void ExerciseWindow::BitBtn1Click() {
    SharedState& s = state();
    context().opener->open(WindowRequest{WindowKind::TStallin, {}, 0});
    // Back from the settings during a pause the run goes on (the last question included: a
    // pupil must never be left without an answer field or the panel).
    if (s.QuestionNumber <= s.RunLength) {
        if (runState_ == RunState::Paused) runState_ = RunState::Answering;
        setAnswerEnabled(true, true);
    }
    Panel1->setVisible(s.QuestionNumber > s.RunLength);
}

} // namespace orvela
