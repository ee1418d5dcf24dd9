// The vocabulary exercise's run: the next item, judging and points, the answer display, the end
// of a run, the correction run, pause and continue, the scores, and worksheet items.

#include "TDinaOrd.h"
#include "RewardPicture.h"

#include "QtText.h"
#include "WordList.h"

#include <QPixmap>

namespace orvela {

void TDinaOrd::NyPost() {
    if (!ListReady) return;
    SharedState& s = state();
    const int n = listNumber();
    lampknapp->setEnabled(true);
    if (s.CorrectionRun) {
        loadErrorItem();
    } else {
        const int item =
            HaemtaOrdnummer(s.WordListPosition[static_cast<std::size_t>(n)],
                            s.WordListItemCount[static_cast<std::size_t>(n)], s.RandomOrder);
        s.CurrentItem = static_cast<std::uint16_t>(item);
        if (std::optional<AnsiText> line = readWordListItem(s.WordListFile, item))
            s.CurrentLine = *line;
        else
            shell().showMessage("Filen " + s.WordListFile + " finns inte eller är felaktig");
    }
    shell().str_postarray(s.CurrentLine);
    stopTimers();
    s.TickCount = 0;
    Edit1->clear();
    Panel1->hide();
    Button1->setEnabled(false);
    presentItem();
    if (s.CorrectionRun)
        UppDateraFelKvarRutan();
    else
        UppDateraResultatet();
    if (mode() == Mode::Worksheet) return;
    if (mode() == Mode::Practice) stopwatch_.start();
    runState_ = RunState::Answering;
    setAnswerEnabled(true, !FirstItem);
    FirstItem = 0;
}

bool TDinaOrd::loadErrorItem() {
    SharedState& s = state();
    const int n = listNumber();
    const int item = firstWordListError(s.WordListErrors, n);
    if (item <= 0 || item > s.WordListItemCount[static_cast<std::size_t>(n)]) return false;
    std::optional<AnsiText> line = readWordListItem(s.WordListFile, item);
    if (!line) {
        shell().showMessage("Filen " + s.WordListFile + " finns inte eller är felaktig");
        return false;
    }
    s.CurrentLine = *line;
    s.CurrentItem = static_cast<std::uint16_t>(item);
    return true;
}

void TDinaOrd::presentItem() {
    SharedState& s = state();
    // The question on one or two lines, as wide as the screen less three times its margin.
    const int left = FrageLabel1->x();
    shell().dela_mening(left, left + W - 3 * left, s.ItemFields[1], 2);
    if (s.SplitLines[2].empty()) {
        FrageLabel2->setText(toQString(s.ItemFields[1]));
        FrageLabel1->hide();
    } else {
        FrageLabel1->setText(toQString(s.SplitLines[1]));
        FrageLabel2->setText(toQString(s.SplitLines[2]));
        FrageLabel1->show();
    }
    FrageLabel2->show();
    SvarsLabel->setText(toQString(s.ItemFields[2]));
    SvarsLabel->setVisible(mode() == Mode::Worksheet);

    // The answer field is as wide as the answer and some room, within the screen.
    const int u = U();
    int width = SvarsLabel->width() + 6 * u;
    width = std::min(width, W - u - Edit1->x());
    Edit1->setFixedWidth(std::max(width, 12 * u));
    Edit1->setVisible(mode() != Mode::Worksheet);
}

void TDinaOrd::setAnswerEnabled(bool enabled, bool focus) {
    if (mode() == Mode::Worksheet) return;
    Edit1->setEnabled(enabled);
    if (enabled) {
        Edit1->show();
        if (focus) Edit1->setFocus();
    } else {
        setFocus();
    }
}

void TDinaOrd::Edit1Enter() {
    if (runState_ != RunState::Answering || !Edit1->isEnabled()) return;
    SharedState& s = state();
    if (s.QuestionNumber > s.RunLength) return;
    setAnswerEnabled(false, false);
    const int n = listNumber();
    const std::uint16_t r = shell().svarstest(s.ItemFields[2], fromQString(Edit1->text()), 1);
    if (r == 0) {
        s.LastAnswerRight = 1;
        ++s.RightCount;
        if (s.CorrectionRun) {
            removeWordListError(s.WordListErrors, s.WordListErrorCount, n);
            UppDateraFelKvarRutan();
        } else {
            if (mode() == Mode::Practice) {
                const long hundredths = stopwatch_.stop(1);
                Score += answerPoints(s.ItemFields[2].size(), hundredths, LampShape->isVisible());
            }
            UppDateraResultatet();
        }
    } else {
        s.LastAnswerRight = 0;
        ++s.WrongCount;
        if (s.CorrectionRun)
            moveWordListErrorToEnd(s.WordListErrors, n);
        else
            appendWordListError(s.WordListErrors, s.WordListErrorCount, s.CurrentItem, n);
        SvarsLabel->show();
        runState_ = RunState::ShowingAnswer;
        Timer1->start(100);
        setFocus();
    }
    questionDone();
}

void TDinaOrd::questionDone() {
    SharedState& s = state();
    ++s.QuestionNumber;
    if (s.QuestionNumber <= s.RunLength) {
        if (s.LastAnswerRight) NyPost();
        return;
    }
    lampknapp->setEnabled(false);
    Edit1->setEnabled(false);
    Timer1->stop();
    if (!s.LastAnswerRight) {
        runState_ = RunState::ShowingLastAnswer;
        Timer2->start(100);
        setFocus();
    } else {
        Avslutning();
    }
}

void TDinaOrd::Timer1Timer() {
    SharedState& s = state();
    ++s.TickCount;
    if (s.TickCount >= 10 * s.ShowAnswerSeconds) {
        Timer1->stop();
        if (s.QuestionNumber <= s.RunLength) NyPost();
    }
}

void TDinaOrd::Timer2Timer() {
    SharedState& s = state();
    ++s.TickCount;
    if (s.TickCount >= 10 * s.ShowAnswerSeconds) {
        Timer2->stop();
        Panel1->show();
        Avslutning();
    }
}

void TDinaOrd::stopTimers() {
    Timer1->stop();
    Timer2->stop();
}

void TDinaOrd::Edit1Escape() {
    if (runState_ == RunState::Answering) pause();
}

void TDinaOrd::pause() {
    SharedState& s = state();
    if (s.QuestionNumber > s.RunLength) return;
    runState_ = RunState::Paused;
    Panel2->hide();
    Edit1->setEnabled(false);
    Panel1->show();
    Panel1->raise();
    focusEndPanel();
}

void TDinaOrd::focusEndPanel() {
    const bool errors = errorCount() > 0;
    Button1->setEnabled(errors);
    if (errors)
        Button1->setFocus();
    else
        Button2->setFocus();
}

void TDinaOrd::Avslutning() {
    SharedState& s = state();
    runState_ = RunState::Ended;
    InstruktionsLabel->hide();
    // The score of a run can be offered once; a correction run earns none.
    Button3->setEnabled(mode() == Mode::Practice && !s.CorrectionRun);
    showRewardPicture();
    Panel1->show();
    Panel1->raise();
    focusEndPanel();
}

void TDinaOrd::showRewardPicture() {
    BildPanelen->show();
    BildPanelen->raise();
    Panel1->raise();
    showNextRewardPicture(shell(), Image1, BildTextPanel, BildLabel, U());
}

void TDinaOrd::showLampControls() {
    lampknapp->setVisible(!LampOn);
    lampknapp->setEnabled(true);
    LampShape->setVisible(LampOn);
}

void TDinaOrd::Button1Click() {
    SharedState& s = state();
    BildPanelen->hide();
    const int errors = errorCount();
    if (errors <= 0) return;
    s.RightCount = 0;
    s.WrongCount = 0;
    s.RunLength = std::min(errors, s.SavedRunLength);
    showLampControls();
    Score = 0;
    s.CorrectionRun = 1;
    s.QuestionNumber = 1;
    Panel1->hide();
    Button3->setEnabled(false);
    InstruktionsLabel->show();
    UppDateraFelKvarRutan();
    NyPost();
}

void TDinaOrd::Button2Click() {
    SharedState& s = state();
    s.CorrectionRun = 0;
    BildPanelen->hide();
    Panel1->hide();
    if (s.QuestionNumber < s.RunLength) {
        // Back from a pause: the run goes on (a correction run as an ordinary one).
        runState_ = RunState::Answering;
        UppDateraResultatet();
        setAnswerEnabled(true, true);
        return;
    }
    startRun();
}

void TDinaOrd::startRun() {
    SharedState& s = state();
    s.RunLength = s.SavedRunLength;
    s.QuestionNumber = 1;
    s.RightCount = 0;
    s.WrongCount = 0;
    Score = 0;
    Button3->setEnabled(false);
    InstruktionsLabel->show();
    showLampControls();
    NyPost();
}

void TDinaOrd::Button3Click() {
    if (!Button3->isEnabled()) return;
    SharedState& s = state();
    Button3->setEnabled(false);
    s.NewRecord = ScoreRecord{};
    s.NewRecord.name = s.PupilName;
    s.NewRecord.score = roundedScore(Score);
    context().opener->open(WindowRequest{WindowKind::TRekord, {}, 0});
    BildPanelen->show();
    Panel1->raise();
    focusEndPanel();
}

void TDinaOrd::Button4Click() {
    closeWindow();
}

void TDinaOrd::LampknappClick() {
    lampknapp->hide();
    LampOn = LampOn ? 0 : 1;
    LampShape->setVisible(LampOn);
    if (Edit1->isEnabled()) setAnswerEnabled(true, true);
}

void TDinaOrd::LampShapeMouseDown() {
    LampShape->hide();
    LampOn = 0;
    lampknapp->show();
    if (Edit1->isEnabled()) setAnswerEnabled(true, true);
}

void TDinaOrd::Edit1Change() {
    if (!LampShape->isVisible() || mode() != Mode::Practice) return;
    const bool green = shell().GreenRedTest(fromQString(Edit1->text()), state().ItemFields[2]) == 1;
    LampShape->setBrushColor(green ? colors::lime : colors::red);
}

void TDinaOrd::UppDateraResultatet() {
    SharedState& s = state();
    TestOverSkrift();
    if (mode() == Mode::Worksheet) return;
    Panel13->hide();
    DiagPanel1->show();
    if (mode() == Mode::Practice) {
        DiagLabel4->setText(QStringLiteral(" Score "));
        DiagLabel5->setText(QString::number(roundedScore(Score)));
    } else {
        DiagLabel4->setText(QStringLiteral("Riktiga"));
        DiagLabel5->setText(QString::number(s.RightCount));
    }
    DiagLabel3->setText(QStringLiteral("%1/%2").arg(s.QuestionNumber).arg(s.SavedRunLength));
}

void TDinaOrd::UppDateraFelKvarRutan() {
    if (!state().CorrectionRun) return;
    DiagPanel1->hide();
    Panel13->show();
    Label17->setText(QString::number(errorCount()));
}

void TDinaOrd::TestOverSkrift() {
    FilLabel->setText(toQString(state().WordListTitle));
}

void TDinaOrd::addWorksheetItem(int n) {
    const SharedState& s = state();
    vocabularyWorksheet_.addVocabularyItem(n, s.ItemFields[1],
                                           vocabularyWorksheet_.UtSkriftSvar(s.ItemFields[2]));
}

} // namespace orvela
