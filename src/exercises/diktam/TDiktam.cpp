#include "TDiktam.h"

#include "QtText.h"
#include "WorksheetWindow.h"

#include <QFontMetrics>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>

namespace orvela {

namespace {

constexpr int kReading = 32000;
constexpr int kSpelling = 33000;
constexpr int kPresentingMs = 100;   // the first item: ShowAnswerSeconds ticks of this
constexpr int kNextPresentingMs = 2; // later items follow almost at once
constexpr int kLetterTickMs = 100;
constexpr int kLetterRestartMs = 5;

QString nnn(int n) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", ((n % 1000) + 1000) % 1000);
    return QString::fromLatin1(digits);
}

} // namespace

std::vector<AnsiText> TDiktam::letterSoundNames(const AnsiText& word) {
    std::vector<AnsiText> names;
    const AnsiText upper = toUpper(word);
    for (std::size_t i = 0; i < upper.size() && names.size() < kMaxLetters; ++i) {
        const unsigned char c = upper[i];
        if (c < 'A' || c > 'Z') continue;
        names.push_back(AnsiText::ascii("F330" + nnn(c - 'A' + 1).toStdString() + ".WAV"));
    }
    return names;
}

TDiktam::TDiktam(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TDiktam"));
    auto label = [this](const char* name, const QColor& color, int points) {
        return itemLabel(QString::fromLatin1(name), color, points);
    };
    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setFont(pointFont(12, true));
        // Clicked, never focused: the pupil's keys belong to the answer field.
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    FrageLabel1 = label("FrageLabel1", colors::navy, 16);
    FrageLabel2 = label("FrageLabel2", colors::navy, 16);
    Svensklabel1 = label("Svensklabel1", colors::maroon, 14);
    Svensklabel2 = label("Svensklabel2", colors::maroon, 14);
    BlinkLabel = label("BlinkLabel", colors::navy, 28);
    Label5 = label("Label5", colors::maroon, 16);
    Label6 = label("Label6", colors::navy, 14);

    Edit1 = makeAnswerField(QStringLiteral("Edit1"), 16, kAnswerLength);
    connect(Edit1, &AnswerEdit::enterPressed, this, &TDiktam::Edit1Enter);
    connect(Edit1, &QLineEdit::textEdited, this, &TDiktam::Edit1Change);

    const int p = Shell::GeProgramtal(state().CurrentDataFile);
    UpprepaButton = button("UpprepaButton", p == kReading || p == 34000
                                                ? QStringLiteral("&Répétez -- F2")
                                                : QStringLiteral("&Répétez le mot -- F2"));
    BaraHoraButton = button("BaraHoraButton", QStringLiteral("&Entendre le mot"));
    BaraseordetButton = button("BaraseordetButton", QStringLiteral("&Voir le mot"));
    SeochHoraButton = button("SeochHoraButton", QStringLiteral("Entendre et v&oir le mot"));
    NextButton = button("NextButton", QStringLiteral("Le &prochain"));
    NextButton->setFocusPolicy(Qt::StrongFocus); // the reading's one key: Enter or Space
    HelpButton = button("HelpButton", QStringLiteral("Ai&de"));
    NextButton->hide();
    HelpButton->hide();
    connect(UpprepaButton, &QPushButton::clicked, this, &TDiktam::UpprepaButtonClick);
    connect(BaraHoraButton, &QPushButton::clicked, this, &TDiktam::BaraHoraButtonClick);
    connect(BaraseordetButton, &QPushButton::clicked, this, &TDiktam::BaraseordetButtonClick);
    connect(SeochHoraButton, &QPushButton::clicked, this, &TDiktam::SeochHoraButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TDiktam::NextButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TDiktam::HelpButtonClick);

    SeIntervalLabel = label("SeIntervalLabel", colors::navy, 12);
    SeIntervalLabel->setText(QStringLiteral("Temps d'apparition:"));
    SeTidPanel = new Panel(this, colors::white, 1);
    SeTidPanel->setObjectName(QStringLiteral("SeTidPanel"));
    SeTidLabel = new QLabel(SeTidPanel);
    SeTidLabel->setObjectName(QStringLiteral("SeTidLabel"));
    SeTidLabel->setFont(pointFont(12, true));
    SeTidLabel->setAlignment(Qt::AlignCenter);
    SeTidLabel->setStyleSheet(QStringLiteral("color: #000080; background: transparent"));
    TidSpinButton = new QWidget(this);
    TidSpinButton->setObjectName(QStringLiteral("TidSpinButton"));
    TidSpinUp = new QToolButton(TidSpinButton);
    TidSpinUp->setObjectName(QStringLiteral("TidSpinButtonUp"));
    TidSpinUp->setArrowType(Qt::UpArrow);
    TidSpinDown = new QToolButton(TidSpinButton);
    TidSpinDown->setObjectName(QStringLiteral("TidSpinButtonDown"));
    TidSpinDown->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {TidSpinUp, TidSpinDown}) b->setFocusPolicy(Qt::NoFocus);
    connect(TidSpinUp, &QToolButton::clicked, this, &TDiktam::TidSpinButtonUpClick);
    connect(TidSpinDown, &QToolButton::clicked, this, &TDiktam::TidSpinButtonDownClick);
    showSpin(false);

    // The help text button is the framework's help button.
    BitBtn2 = regelknapp;
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(BitBtn2, &QPushButton::clicked, this, &TDiktam::BitBtn2Click);

    // The framework's wait before the end is this window's Timer4; Timer3 is the flash.
    ExerciseWindow::Timer3->setObjectName(QStringLiteral("Timer4"));
    FlashTimer = new QTimer(this);
    FlashTimer->setObjectName(QStringLiteral("Timer3"));
    FlashTimer->setSingleShot(true);
    connect(FlashTimer, &QTimer::timeout, this, &TDiktam::FlashEnded);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer2, &QTimer::timeout, this, &TDiktam::Timer2Timer);
    Timer5 = new QTimer(this);
    Timer5->setObjectName(QStringLiteral("Timer5"));
    connect(Timer5, &QTimer::timeout, this, &TDiktam::Timer5Timer);
    BitBtn1->setObjectName(QStringLiteral("Button4"));

    // Sound folder, whether the program has recordings, and the mode for this program.
    SharedState& s = state();
    s.ProgramNumber = static_cast<std::uint16_t>(p);
    shell().GeLjudDirectory();
    SoundsAvailable = (p >= 31100 && p <= 37000 && soundsOn()) ? 1 : 0;
    FlashTime = kShortestFlashMs;
    if (p == kReading) {
        s.DictationMode = 0;
    } else if (p == kSpelling || p == 34000 || p == 35000 || p == 37000) {
        s.DictationMode = 0;
    }
    if (!soundsOn()) {
        FlashTime = kFlashWithoutSoundMs;
        if (p != kReading) s.DictationMode = 1;
    }
    if (s.DictationMode > 2) s.DictationMode = 0;

    FormCreate();
    Button1->setText(QStringLiteral("Corrigez les &fautes"));
    connect(BitBtn1, &QPushButton::clicked, this, &TDiktam::afterSettings);

    const bool modeButtons = p != kReading && p != kSpelling && p != 34000 && p != 35000 &&
                             p != 37000 && mode() != Mode::Worksheet;
    for (QPushButton* b : {BaraHoraButton, BaraseordetButton, SeochHoraButton})
        b->setVisible(modeButtons);
    NextButton->setVisible(p == kReading);
    if (p == kReading || p == kSpelling || p == 34000 || p == 35000 || p == 37000) {
        lampknapp->hide();
        LampShape->hide();
        BitBtn2->move(lampknapp->pos()); // the help button takes the lamp's place
    }
    if (p == kReading) Button1->hide();
    HelpButton->setVisible(helpWordProgram());
    showFlashTime();
    showSpin(p != kReading && s.DictationMode != 0);
    enableSoundButtons();
}

TDiktam::~TDiktam() = default;


bool TDiktam::readingProgram() { return state().ProgramNumber == kReading; }
bool TDiktam::spellingProgram() { return state().ProgramNumber == kSpelling; }
bool TDiktam::helpWordProgram() {
    const int p = state().ProgramNumber;
    return p == 36100 || p == 36200;
}
bool TDiktam::soundsOn() { return state().SoundSetting == 1 || state().SoundSetting == 3; }

AnsiText TDiktam::textToWrite() { return state().ItemFields[helpWordProgram() ? 2 : 1]; }

void TDiktam::layoutItemArea() {
    const int u = U();
    const int left = InstruktionsLabel->x();
    auto lineHeight = [](const QWidget* w) { return QFontMetrics(w->font()).height(); };
    const int buttonHeight = lineHeight(BaraHoraButton) + u / 2 + 6;

    // The row of mode buttons, the flash time below it.
    int top = InstruktionsLabel->y() + 2 * InstruktionsLabel->height();
    int x = left;
    for (QPushButton* b : {BaraHoraButton, BaraseordetButton, SeochHoraButton}) {
        const int width = QFontMetrics(b->font()).horizontalAdvance(b->text()) + 2 * u;
        b->setGeometry(x, top, width, buttonHeight);
        x += width + u;
    }
    top += buttonHeight + u;
    SeIntervalLabel->move(left, top + (buttonHeight - lineHeight(SeIntervalLabel)) / 2);
    const int panelLeft = left + QFontMetrics(SeIntervalLabel->font())
                                     .horizontalAdvance(SeIntervalLabel->text()) + u;
    SeTidPanel->setGeometry(panelLeft, top, 3 * u, buttonHeight);
    SeTidLabel->setGeometry(0, 0, SeTidPanel->width(), SeTidPanel->height());
    TidSpinButton->setGeometry(panelLeft + SeTidPanel->width() + u / 4, top, 2 * u, buttonHeight);
    TidSpinUp->setGeometry(0, 0, 2 * u, buttonHeight / 2);
    TidSpinDown->setGeometry(0, buttonHeight / 2, 2 * u, buttonHeight - buttonHeight / 2);
    top += buttonHeight + u;

    // The reading shows its French and Swedish where the mode buttons stand in a dictation.
    const int readingTop = InstruktionsLabel->y() + 2 * InstruktionsLabel->height();
    FrageLabel1->move(left, readingTop);
    FrageLabel2->move(left, readingTop + lineHeight(FrageLabel1) * 4 / 3);
    Svensklabel1->move(2 * u, FrageLabel2->y() + lineHeight(FrageLabel2) * 2);
    Svensklabel2->move(2 * u, Svensklabel1->y() + lineHeight(Svensklabel1) * 4 / 3);

    BlinkLabel->move(left, top);
    top += lineHeight(BlinkLabel) * 3 / 2;
    Edit1->setFixedHeight(lineHeight(Edit1) + 8);
    Edit1->move(left, top);
    Label5->move(left, Edit1->y() + Edit1->height() + lineHeight(Label5) / 2);
    Label6->move(left, Label5->y() + lineHeight(Label5) * 5 / 4);

    // The buttons of an item: repeat, help word, lamp and help text (the framework puts the help
    // text button right of the lamp).
    int row = Label6->y() + 2 * lineHeight(Label6);
    if (state().ProgramNumber == kReading)
        row = std::max(row, Svensklabel2->y() + 2 * lineHeight(Svensklabel2));
    x = left;
    for (QPushButton* b : {UpprepaButton, HelpButton, NextButton}) {
        const int width = QFontMetrics(b->font()).horizontalAdvance(b->text()) + 2 * u;
        b->setGeometry(x, row, width, buttonHeight);
        // The help word belongs to 36100 and 36200, the next button to the reading.
        const bool used = b == UpprepaButton || (b == HelpButton && helpWordProgram()) ||
                          (b == NextButton && state().ProgramNumber == kReading);
        if (used) x += width + u;
    }
    lampknapp->move(x, row + (buttonHeight - lampknapp->height()) / 2);
}

void TDiktam::NollaLabeller() {
    for (AutoLabel* l : {FrageLabel1, FrageLabel2, Svensklabel1, Svensklabel2, Label5, Label6}) {
        l->setText(QString());
        l->hide();
    }
    BlinkLabel->hide();
    Edit1->clear();
}

void TDiktam::presentItem() {
    SharedState& s = state();
    Shell& sh = shell();
    Timer2->stop();
    Timer5->stop();
    FlashTimer->stop();

    // Help text: as the translation exercise counts it.
    HelpCount = 0;
    for (int f = s.AltFieldCount + 3; f <= 5 && HelpCount < 3; ++f) {
        const AnsiText& field = s.ItemFields[static_cast<std::size_t>(f)];
        if (field.empty() || field.front() == '&') break;
        ++HelpCount;
    }
    if (mode() == Mode::Worksheet || mode() == Mode::DiagnosisTest) HelpCount = 0;
    BitBtn2->setVisible(HelpCount == 1 || HelpCount == 2);
    Label6->setText(toQString(s.ItemFields[3]));

    DictationWord = textToWrite();
    Label5->setText(toQString(DictationWord));
    // A text longer than the field's 45 characters must still be possible to write.
    Edit1->setMaxLength(std::max(kAnswerLength, static_cast<int>(DictationWord.size())));
    if (spellingProgram()) {
        LetterSounds = letterSoundNames(s.ItemFields[1]);
        LetterCount = static_cast<std::int32_t>(s.ItemFields[1].size());
    }

    if (readingProgram()) {
        const int right = W - 5 * U();
        sh.dela_mening(FrageLabel2->x(), right, s.ItemFields[2], 2);
        // One line stands in FrageLabel2; two lines begin in FrageLabel1.
        const bool two = !s.SplitLines[2].empty();
        FrageLabel1->setText(two ? toQString(s.SplitLines[1]) : QString());
        FrageLabel2->setText(toQString(s.SplitLines[two ? 2 : 1]));
        FrageLabel1->setVisible(two);
        FrageLabel2->show();
        sh.dela_mening(2 * U(), W - 2 * U(), s.ItemFields[1], 2);
        AutoLabel* swedish[2] = {Svensklabel1, Svensklabel2};
        for (int i = 0; i < 2; ++i) {
            swedish[i]->setText(toQString(s.SplitLines[static_cast<std::size_t>(i + 1)]));
            swedish[i]->setVisible(!swedish[i]->text().isEmpty());
        }
    }

    // The answer field is as wide as the text to write and a margin, before the squares.
    const int width = std::max(QFontMetrics(Label5->font()).horizontalAdvance(Label5->text()) + 60,
                               8 * U());
    Edit1->setFixedWidth(std::min(width, Aster1->x() - U() - Edit1->x()));
    Edit1->setVisible(!readingProgram() && mode() != Mode::Worksheet);

    enableSoundButtons();
    HelpButton->setEnabled(true);
    TidSpinButton->setEnabled(true);
    PlayTicks = 0;
    if (mode() == Mode::Worksheet) {
        // The teacher sees the text that a worksheet would get.
        BlinkLabel->setText(toQString(DictationWord));
        BlinkLabel->show();
        return;
    }
    // The word is presented shortly after the item is shown: the letters by their own timer.
    if (spellingProgram() && s.DictationMode != 1) Timer2->start(kLetterTickMs);
    if (!spellingProgram() || s.DictationMode != 0)
        startPresenting(FirstItem ? kPresentingMs : kNextPresentingMs);
}

void TDiktam::startPresenting(int intervalMs) {
    state().TickCount = 0;
    Timer5->start(intervalMs);
}

void TDiktam::Timer5Timer() {
    SharedState& s = state();
    ++s.TickCount;
    if (s.TickCount < s.ShowAnswerSeconds) return;
    Timer5->stop();
    // The spelling plays its letters by its own timer; only its flash is presented here.
    if (spellingProgram()) {
        if (s.DictationMode != 0) flashWord();
        return;
    }
    Timer2->stop();
    presentWord();
}

void TDiktam::presentWord() {
    const std::uint8_t m = state().DictationMode;
    if (m == 0 || m == 2) playWord();
    if (m == 1 || m == 2) flashWord();
}

void TDiktam::flashWord() {
    if (readingProgram()) return; // the reading shows its text all the time
    if (state().DictationMode == 2) Edit1->clear();
    BlinkLabel->setText(toQString(DictationWord));
    BlinkLabel->show();
    BlinkLabel->raise();
    Edit1->setEnabled(false);
    FlashTimer->start(FlashTime);
}

void TDiktam::FlashEnded() {
    FlashTimer->stop();
    BlinkLabel->hide();
    if (runState() == RunState::Answering && !Panel1->isVisible()) setAnswerEnabled(true, true);
}

void TDiktam::playWord() {
    SharedState& s = state();
    if (!soundsOn() || !SoundsAvailable) return;
    if (spellingProgram()) {
        playLetters();
        return;
    }
    const AnsiText name = s.SoundDir + AnsiText::ascii(nnn(s.CurrentItem).toStdString() + ".WAV");
    // Without a recording the French text is spoken: field 2 of the reading, else the text to
    // write.
    shell().SpelaUppWavLjud(name, readingProgram() ? s.ItemFields[2] : DictationWord);
}

void TDiktam::playLetters() {
    if (!soundsOn() || !SoundsAvailable) return;
    // Each letter is played to its end before the next one (the sound service waits for this
    // program), so that the letters never overlap.
    const std::vector<AnsiText> letters = LetterSounds;
    for (const AnsiText& name : letters) {
        const int n = std::atoi(name.toUtf8().substr(4, 3).c_str());
        AnsiText letter;
        letter.push_back(static_cast<unsigned char>('A' + n - 1));
        shell().SpelaUppWavLjud(name, letter);
    }
}

void TDiktam::Timer2Timer() {
    if (!spellingProgram()) {
        PlayTicks = 0;
        return;
    }
    if (++PlayTicks < 2) return;
    Timer2->stop();
    playWord();
}

void TDiktam::addWorksheetItem(WorksheetWindow& worksheet, int n) {
    // A dictation on paper: the teacher reads the texts aloud; the question sheet has the help
    // (the Swedish word of 36100 and 36200, else the help text) and a line to write on, the
    // answer sheet the text.
    const SharedState& s = state();
    DictationWord = textToWrite();
    worksheet.addItem(n, s.ItemFields[helpWordProgram() ? 1 : 3], worksheet.UtSkriftSvar(DictationWord));
}

void TDiktam::setAnswerEnabled(bool enabled, bool focus) {
    if (mode() == Mode::Worksheet) return;
    if (readingProgram()) {
        Edit1->hide();
        Edit1->setEnabled(false);
        NextButton->setEnabled(enabled);
        if (enabled && focus && NextButton->isVisible()) NextButton->setFocus();
        if (!enabled) setFocus();
        return;
    }
    // The field stays closed while the word is flashed.
    if (enabled && FlashTimer->isActive()) return;
    Edit1->setEnabled(enabled);
    if (enabled) {
        Edit1->show();
        if (focus && Edit1->isVisible()) Edit1->setFocus();
    } else {
        setFocus();
    }
}

void TDiktam::enableSoundButtons() {
    const bool on = soundsOn();
    for (QPushButton* b : {UpprepaButton, BaraHoraButton, BaraseordetButton, SeochHoraButton})
        b->setEnabled(on);
}

void TDiktam::Edit1Enter() {
    if (runState() != RunState::Answering || !Edit1->isEnabled() || readingProgram()) return;
    SharedState& s = state();
    Timer5->stop();
    Timer2->stop();
    setAnswerEnabled(false, false);
    HelpButton->setEnabled(false);
    for (QPushButton* b : {UpprepaButton, BaraHoraButton, BaraseordetButton, SeochHoraButton})
        b->setEnabled(false);
    TidSpinButton->setEnabled(false);
    DictationWord = textToWrite();
    const std::uint16_t r = shell().svarstest(DictationWord, fromQString(Edit1->text()), 3);
    if (r == 0) {
        answerRight(HelpUsed == 0);
    } else {
        // The square steps on and shows the mistake in every mode.
        answerWrong(false);
        advanceSquare(true);
        startAnswerTimer();
        Label5->show();
    }
    questionDone();
    if (s.QuestionNumber > s.RunLength) {
        if (soundsOn() && shell().services().sound) shell().services().sound->stop();
        lampknapp->setEnabled(false);
        if (s.LastAnswerRight) {
            UpprepaButton->setEnabled(false);
            BitBtn2->setEnabled(false);
        }
    }
}

void TDiktam::Edit1Change() { updateLamp(fromQString(Edit1->text()), textToWrite()); }

void TDiktam::NextButtonClick() {
    if (!readingProgram() || runState() != RunState::Answering) return;
    // Each sentence read along counts as a question of the run.
    answerRight(true);
    questionDone();
}

void TDiktam::UpprepaButtonClick() {
    if (runState() != RunState::Answering) return;
    if (spellingProgram()) {
        if (state().DictationMode == 1) {
            flashWord();
        } else {
            PlayTicks = 0;
            Timer2->start(kLetterRestartMs);
        }
    } else {
        presentWord();
    }
    setAnswerEnabled(true, true);
}

void TDiktam::F2Pressed() {
    if (runState() != RunState::Answering) return;
    if (!soundsOn() || !SoundsAvailable || state().DictationMode == 1) return;
    if (spellingProgram()) {
        PlayTicks = 0;
        Timer2->start(kLetterRestartMs);
    } else {
        playWord();
    }
}

bool TDiktam::windowKey(QKeyEvent* e) {
    if (e->key() == Qt::Key_F2) {
        F2Pressed();
        return true;
    }
    // The reading has no answer field: Enter goes on, Esc pauses.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && readingProgram()) {
        NextButtonClick();
        return true;
    }
    if (e->key() == Qt::Key_Escape && runState() == RunState::Answering && readingProgram()) {
        pause();
        return true;
    }
    return false;
}

void TDiktam::onPause() {
    Timer5->stop();
    Timer2->stop();
    FlashTimer->stop();
    BlinkLabel->hide();
    if (soundsOn() && shell().services().sound) shell().services().sound->stop();
    lampknapp->setEnabled(false);
}

void TDiktam::Button2Click() {
    const SharedState& s = state();
    const bool resumes = s.QuestionNumber < s.RunLength;
    ExerciseWindow::Button2Click();
    // Back from a pause the word is said (or shown) again.
    if (resumes && runState() == RunState::Answering) {
        if (spellingProgram() && s.DictationMode != 1) {
            PlayTicks = 0;
            Timer2->start(kLetterTickMs);
        } else {
            startPresenting(kNextPresentingMs);
        }
    }
}

void TDiktam::chooseMode(std::uint8_t m) {
    state().DictationMode = m;
    showSpin(m != 0);
    showFlashTime();
    Edit1->show();
    setAnswerEnabled(true, true);
}

void TDiktam::BaraHoraButtonClick() { chooseMode(0); }
void TDiktam::BaraseordetButtonClick() { chooseMode(1); }
void TDiktam::SeochHoraButtonClick() { chooseMode(2); }

void TDiktam::showSpin(bool show) {
    for (QWidget* w : {static_cast<QWidget*>(TidSpinButton), static_cast<QWidget*>(SeIntervalLabel),
                       static_cast<QWidget*>(SeTidPanel)})
        w->setVisible(show);
}

void TDiktam::showFlashTime() { SeTidLabel->setText(QString::number(FlashTime / 100)); }

void TDiktam::TidSpinButtonUpClick() {
    if (FlashTime < kLongestFlashMs) FlashTime += kFlashStepMs;
    showFlashTime();
    setAnswerEnabled(true, true);
}

void TDiktam::TidSpinButtonDownClick() {
    if (FlashTime > kShortestFlashMs) FlashTime -= kFlashStepMs;
    showFlashTime();
    setAnswerEnabled(true, true);
}

void TDiktam::HelpButtonClick() {
    Label6->setText(toQString(state().ItemFields[1]));
    Label6->move(Label6->x(), Label5->y() + QFontMetrics(Label5->font()).height() * 5 / 4);
    Label6->show();
    HelpButton->setEnabled(false);
    setAnswerEnabled(true, true);
}

void TDiktam::BitBtn2Click() {
    if (isDiagnosisMode(mode())) ++HelpUsed;
    Label6->setText(toQString(state().ItemFields[3]));
    Label6->show();
    BitBtn2->hide();
    setAnswerEnabled(true, true);
}

void TDiktam::afterSettings() {
    SharedState& s = state();
    const int p = s.ProgramNumber;
    SoundsAvailable = (p >= 31100 && p <= 37000 && soundsOn()) ? 1 : 0;
    // Sounds switched off leave the pupil nothing to hear: the word is shown instead.
    if (!soundsOn() && !readingProgram() && s.DictationMode == 0) {
        s.DictationMode = 1;
        if (FlashTime < kFlashWithoutSoundMs) FlashTime = kFlashWithoutSoundMs;
        showSpin(true);
        showFlashTime();
    }
    if (s.QuestionNumber <= s.RunLength) enableSoundButtons();
    lampknapp->setEnabled(true);
}

} // namespace orvela
