#include "ExerciseWindow.h"

#include "ProtocolLink.h"
#include "QtText.h"
#include "WorksheetWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>

namespace orvela {

namespace {
const char* const kStatusWords[4] = {"Commencer", "Attendre", "Tester", "Exercer"};
} // namespace

const char* ExerciseWindow::statusWord(int status) {
    return status >= 0 && status <= 3 ? kStatusWords[status] : "";
}

ExerciseWindow::ExerciseWindow(AppContext& context, QWidget* parent) : Window(context, parent) {
    makeFullScreen(colors::silver);
    setFont(pointFont(12, true));
    // The window takes the focus when told to (during the answer display, for Space), never
    // from a click: a click on an empty part of the window leaves it in the answer field.
    setFocusPolicy(Qt::TabFocus);
    createCommonControls();
}

ExerciseWindow::~ExerciseWindow() = default;

void ExerciseWindow::createCommonControls() {
    auto label = [this](const char* name, QWidget* parent, const QColor& color, int points) {
        auto* l = new QLabel(parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(pointFont(points, true));
        l->setStyleSheet(QStringLiteral("color: %1; background: transparent").arg(color.name()));
        return l;
    };
    auto button = [](const char* name, QWidget* parent, const QString& caption) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setFont(pointFont(12, true));
        return b;
    };

    Heading = new HeadingBox(this, U());
    InstruktionsLabel = label("InstruktionsLabel", this, colors::green, 14);
    InstruktionsLabel->setFont(pixelFont(25, true));

    Aster1 = new TAster(shell(), this);
    Aster1->setObjectName(QStringLiteral("Aster1"));
    Aster1->setAsterColor(colors::silver);

    DiagPanel1 = new Panel(this, colors::green, 2);
    DiagPanel1->setObjectName(QStringLiteral("DiagPanel1"));
    DiagPanel2 = new Panel(DiagPanel1, colors::yellow, 1);
    DiagPanel2->setObjectName(QStringLiteral("DiagPanel2"));
    DiagLabel1 = label("DiagLabel1", DiagPanel2, colors::green, 12);
    DiagLabel2 = label("DiagLabel2", DiagPanel1, colors::yellow, 12);
    DiagLabel2->setText(QStringLiteral("Tâche"));
    DiagLabel3 = label("DiagLabel3", DiagPanel1, colors::white, 16);
    DiagLabel4 = label("DiagLabel4", DiagPanel1, colors::yellow, 12);
    DiagLabel4->setText(QStringLiteral("Correctes"));
    DiagLabel5 = label("DiagLabel5", DiagPanel1, colors::white, 16);
    for (QLabel* l : {DiagLabel1, DiagLabel2, DiagLabel3, DiagLabel4, DiagLabel5})
        l->setAlignment(Qt::AlignCenter);
    DiagPanel1->hide();

    lampknapp = button("lampknapp", this, QString());
    lampknapp->setToolTip(QStringLiteral("Signe d'erreur"));
    lampknapp->setIcon(QIcon());
    lampknapp->setText(QStringLiteral("●"));
    LampShape = new Shape(this, Shape::Circle, colors::lime, colors::black);
    LampShape->setObjectName(QStringLiteral("LampShape"));
    LampShape->setToolTip(QStringLiteral("Cliquer ici pour annuler le signe d'erreur"));
    LampShape->hide();
    regelknapp = button("regelknapp", this, QStringLiteral("&Aide"));
    BitBtn3 = button("BitBtn3", this, QStringLiteral("Aide &2"));
    regelknapp->hide();
    BitBtn3->hide();
    // The pupil's keys belong to the answer field: these buttons are clicked, never focused, so
    // that Space or Enter during the answer display cannot press them.
    for (QPushButton* b : {lampknapp, regelknapp, BitBtn3}) b->setFocusPolicy(Qt::NoFocus);
    connect(lampknapp, &QPushButton::clicked, this, &ExerciseWindow::LampknappClick);
    connect(LampShape, &Shape::pressed, this, &ExerciseWindow::LampShapeMouseDown);

    Panel1 = new Panel(this, colors::navy, 2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Button1 = button("Button1", Panel1, QString());
    Button2 = button("Button2", Panel1, QString());
    Button3 = button("Button3", Panel1, QString());
    BitBtn1 = button("BitBtn1", Panel1, QString());
    connect(Button1, &QPushButton::clicked, this, &ExerciseWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &ExerciseWindow::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &ExerciseWindow::Button3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &ExerciseWindow::BitBtn1Click);
    Panel1->hide();

    BildPanelen = new Panel(this, colors::silver);
    BildPanelen->setObjectName(QStringLiteral("BildPanelen"));
    Image1 = new QLabel(BildPanelen);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    BildTextPanel = new Panel(BildPanelen, colors::navy, 1);
    BildTextPanel->setObjectName(QStringLiteral("BildTextPanel"));
    BildLabel = label("BildLabel", BildTextPanel, colors::yellow, 12);
    BildLabel->setAlignment(Qt::AlignCenter);
    BildPanelen->hide();

    LovordPanel = new Panel(this, colors::silver);
    LovordPanel->setObjectName(QStringLiteral("LovordPanel"));
    LovordYttershape = new Shape(LovordPanel, Shape::RoundRect, colors::blue, colors::blue);
    LovordYttershape->setObjectName(QStringLiteral("LovordYttershape"));
    lovordinnershape = new Shape(LovordPanel, Shape::RoundRect, colors::yellow, colors::yellow);
    lovordinnershape->setObjectName(QStringLiteral("lovordinnershape"));
    LovordLabel1 = label("LovordLabel1", lovordinnershape, colors::navy, 30);
    LovordPanel->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    connect(Timer1, &QTimer::timeout, this, &ExerciseWindow::Timer1Timer);
    connect(Timer3, &QTimer::timeout, this, &ExerciseWindow::Timer3Timer);
}

AnswerEdit* ExerciseWindow::makeAnswerField(const QString& name, int points, int maxLength) {
    AnswerEdit* e = answerEdit(name, points, maxLength);
    connect(e, &AnswerEdit::escapePressed, this, [this] {
        if (runState_ == RunState::Answering) pause();
    });
    return e;
}

void ExerciseWindow::Inled() {
    const int u = U();
    const QSize screen = screenSize();
    W = screen.width();
    H = screen.height();
    setGeometry(0, 0, W, H);

    const int asterHeight = (H / 48) * 43;
    const int asterWidth = asterHeight / 10 - u / 5;
    Aster1->setGeometry(W - u / 2 - asterWidth, u, asterWidth, asterHeight);
    // The diagnosis counters stand where the squares stand, as wide as their widest text.
    int diagWidth = 3 * asterWidth / 2;
    for (QLabel* l : {DiagLabel1, DiagLabel4})
        diagWidth = std::max(diagWidth, QFontMetrics(l->font()).horizontalAdvance(QStringLiteral("Diagnostic")) + 2 * u);
    DiagPanel1->setGeometry(W - u / 2 - diagWidth, u, diagWidth, (H / 48) * 16);
    const int dw = DiagPanel1->width();
    const int line = (H / 48) * 2;
    DiagPanel2->setGeometry(u / 4, u / 4, dw - u / 2, line);
    DiagLabel1->setGeometry(0, 0, DiagPanel2->width(), line);
    DiagLabel2->setGeometry(0, line + u / 2, dw, line);
    DiagLabel3->setGeometry(8, 2 * line + u / 2, dw - 16, line);
    DiagLabel4->setGeometry(0, 3 * line + u, dw, line);
    DiagLabel5->setGeometry(8, 4 * line + u, dw - 16, line);

    Heading->setLayoutUnit(u);
    Heading->setScalePercent(state().ScalePercent);
    const bool counters = isDiagnosisMode(state().ExerciseMode);
    // The heading box ends U before the column of squares or counters.
    const int columnLeft = W - u / 2 - (counters ? diagWidth : asterWidth);
    Heading->setGeometry(u, u, columnLeft - 2 * u, (H / 48) * 8);

    const int panelHeight = std::max((H / 48) * 4, 3 * u);
    Panel1->setGeometry(0, H - panelHeight, W, panelHeight);
    const int bw = (W - 5 * u) / 4;
    const int bh = panelHeight - u;
    QPushButton* buttons[4] = {Button1, Button2, Button3, BitBtn1};
    for (int i = 0; i < 4; ++i) buttons[i]->setGeometry(u + i * (bw + u), u / 2, bw, bh);

    BildPanelen->setGeometry(u, (H / 48) * 10 - u / 2, (W / 64) * 58, (H / 48) * 35 + u / 2);
    Image1->setGeometry(0, 0, (W / 64) * 58, (H / 48) * 35);
    const int praiseHeight = (H / 48) * 5;
    LovordPanel->setGeometry(u, Panel1->y() - u / 5 - praiseHeight, (W / 64) * 58, praiseHeight);

    InstruktionsLabel->adjustSize();
    InstruktionsLabel->move(Heading->x() + u, Heading->y() + Heading->height() +
                                                  InstruktionsLabel->height() / 2);
    // The small buttons take their size from their (scaled) font, so their captions fit.
    const QFontMetrics bm(regelknapp->font());
    const int buttonHeight = bm.height() + u / 2 + 6;
    lampknapp->resize(buttonHeight + u / 2, buttonHeight);
    LampShape->resize(buttonHeight * 3 / 4, buttonHeight * 3 / 4);
    int captionWidth = 0;
    for (const char* caption : {"Aide 2", "Règles", "Regler"})
        captionWidth = std::max(captionWidth, bm.horizontalAdvance(QString::fromUtf8(caption)));
    regelknapp->resize(captionWidth + 2 * u, buttonHeight);
    BitBtn3->resize(regelknapp->size());
    Panel1->raise();
}

void ExerciseWindow::FormCreate() {
    SharedState& s = state();
    scaleByScalePercent();
    s.ProgramNumber = Shell::GeProgramtal(s.CurrentDataFile);
    BitBtn1->setEnabled(true);
    Inled();
    s.CorrectionRun = 0;
    LampOn = 0;
    FirstItem = 1;
    s.QuestionNumber = 1;
    s.RightCount = 0;
    s.WrongCount = 0;
    DiagPanel1->hide();

    InstruktionsLabel->setText(toQString(s.InstructionText));
    fitInstruction();
    InstruktionsLabel->setVisible(mode() != Mode::Worksheet);
    layoutItemArea();

    RitaOverskriften();
    Heading->setModeColor(mode());

    if (mode() == Mode::Practice || mode() == Mode::FollowUpCorrection ||
        mode() == Mode::Worksheet) {
        s.RunLength = s.SavedRunLength = QuestionsPerRun;
        NyStartaAster(mode() != Mode::Worksheet);
        lampknapp->setVisible(offersLamp());
    } else {
        NyStartaAster(false);
        lampknapp->setVisible(offersLamp());
        s.RunLength = s.SavedRunLength = DiagnosisRunLength;
        TestOverSkrift();
        UppDateraDiagnosResultatet();
    }
    regelknapp->move(lampknapp->x() + lampknapp->width() + U() / 2, lampknapp->y());
    BitBtn3->setGeometry(regelknapp->geometry());
    regelknapp->setText(QStringLiteral("&Aide"));
    BitBtn3->setText(QStringLiteral("Aide &2"));

    if (mode() == Mode::Worksheet) enterWorksheetMode();
    NyPost();
    setEndPanelCaptions();
}

void ExerciseWindow::fitInstruction() {
    // The instruction stands left of the squares (or the diagnosis counters): a long one is
    // drawn smaller, down to two thirds of its size, and what still does not fit wraps onto a
    // second line.
    const int u = U();
    const int right = (isDiagnosisMode(mode()) ? DiagPanel1->x() : Aster1->x()) - u;
    const int width = std::max(right - InstruktionsLabel->x(), 4 * u);
    QFont font = InstruktionsLabel->font();
    const int start = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const int floor = std::max(start * 2 / 3, 10);
    InstruktionsLabel->setWordWrap(false);
    for (int size = start;; --size) {
        font.setPixelSize(size);
        if (size <= floor ||
            QFontMetrics(font).horizontalAdvance(InstruktionsLabel->text()) <= width)
            break;
    }
    InstruktionsLabel->setFont(font);
    InstruktionsLabel->adjustSize();
    if (InstruktionsLabel->width() > width) {
        InstruktionsLabel->setWordWrap(true);
        InstruktionsLabel->resize(width, InstruktionsLabel->heightForWidth(width));
    }
}

void ExerciseWindow::enterWorksheetMode() {
    WorksheetPanel::Exercise exercise;
    exercise.addItem = [this](WorksheetWindow& ws, int n) { addWorksheetItem(ws, n); };
    exercise.nextItem = [this] { NyPost(); };
    exercise.close = [this] { closeWindow(); };
    SkrivutHelaPanelen = new WorksheetPanel(this, context(), std::move(exercise));
    SkrivutHelaPanelen->place(W, H, U());
    Panel1->hide();
    lampknapp->hide();
    LampShape->hide();
    Aster1->hide();
    InstruktionsLabel->hide();
    Heading->setModeColor(Mode::Worksheet);
    state().RunLength = QuestionsPerRun;
    SkrivutHelaPanelen->start();
}

void ExerciseWindow::addWorksheetItem(WorksheetWindow& worksheet, int n) {
    const SharedState& s = state();
    worksheet.addItem(n, s.ItemFields[1], worksheet.UtSkriftSvar(s.ItemFields[2]));
}

bool ExerciseWindow::offersLamp() {
    return mode() != Mode::Worksheet && mode() != Mode::DiagnosisTest;
}

bool ExerciseWindow::swedishEndPanel() {
    int p = state().ProgramNumber;
    return p >= 56430 && p <= 56450;
}

void ExerciseWindow::setEndPanelCaptions() {
    if (swedishEndPanel()) {
        Button1->setText(QStringLiteral("&Rätta felen"));
        Button2->setText(QStringLiteral("&Fortsätta"));
        Button3->setText(QStringLiteral("A&vbryt"));
        BitBtn1->setText(QStringLiteral("&Inställningar"));
    } else {
        Button1->setText(QStringLiteral("Corrigez les &fautes"));
        Button2->setText(QStringLiteral("&Continuer"));
        Button3->setText(QStringLiteral("A&nnuler"));
        BitBtn1->setText(QStringLiteral("&Mises en scène"));
    }
}

void ExerciseWindow::RitaOverskriften() {
    const SharedState& s = state();
    Heading->RitaOverskriften(toQString(s.HeadingLines[1]), toQString(s.HeadingLines[2]),
                              toQString(s.HeadingLines[3]));
}

void ExerciseWindow::TestOverSkrift() {
    const char* text = nullptr;
    switch (mode()) {
    case Mode::DiagnosisTest: text = "Diagnostic"; break;
    case Mode::FollowUp1: text = "Exercice 1"; break;
    case Mode::FollowUp2: text = "Exercice 2"; break;
    default: break;
    }
    DiagPanel2->setVisible(text != nullptr);
    if (text) DiagLabel1->setText(QString::fromLatin1(text));
}

void ExerciseWindow::UppDateraDiagnosResultatet() {
    const SharedState& s = state();
    DiagPanel1->show();
    DiagPanel1->raise();
    DiagLabel3->setText(QStringLiteral("%1/%2").arg(s.QuestionNumber).arg(DiagnosisRunLength));
    DiagLabel5->setText(QString::number(s.RightCount));
    DiagLabel3->repaint();
    DiagLabel5->repaint();
}

void ExerciseWindow::NyStartaAster(bool show) {
    if (!show) {
        Aster1->setVisa(false);
        Aster1->hide();
        return;
    }
    DiagPanel1->hide();
    Aster1->setRutNummer(0);
    Aster1->setMaxAntalRutor(std::clamp(state().RunLength, 0, 10));
    Aster1->setStarta(true);
    Aster1->setVisa(true);
    Aster1->show();
    Aster1->update();
}

void ExerciseWindow::NollaLabeller() {}

void ExerciseWindow::NyPost() {
    SharedState& s = state();
    Shell& sh = shell();
    lampknapp->setEnabled(true);
    if (!fetchItem()) {
        stopTimers();
        return;
    }
    sh.str_postarray(s.CurrentLine);
    stopTimers();
    s.TickCount = 0;
    NollaLabeller();
    if (!keepEndPanelOnNewItem_) {
        Button1->setEnabled(false);
        Panel1->hide();
    }
    regelknapp->hide();
    BitBtn3->hide();
    if (mode() != Mode::Worksheet) {
        if (isDiagnosisMode(mode())) UppDateraDiagnosResultatet();
        HelpUsed = ((mode() == Mode::FollowUp1 || mode() == Mode::FollowUp2) && LampOn) ? 1 : 0;
    }
    runState_ = RunState::Answering;
    presentItem();
    if (isDiagnosisMode(mode())) UppDateraDiagnosResultatet();
    if (mode() != Mode::Worksheet) {
        setAnswerEnabled(true, !FirstItem);
        FirstItem = 0;
    }
}

bool ExerciseWindow::fetchItem() {
    SharedState& s = state();
    Shell& sh = shell();
    if (s.CorrectionRun) {
        sh.haemtafel(s.CurrentDataFile, 0);
        s.CurrentItem = static_cast<std::uint16_t>(s.ErrorItem);
    } else {
        s.CurrentItem = static_cast<std::uint16_t>(
            sh.haemta_slumptal(s.DrawCursor[static_cast<std::size_t>(s.CurrentFileIndex)],
                               s.CurrentFileIndex));
        sh.haemtaord(s.CurrentDataFile, s.CurrentItem);
    }
    return true;
}

bool ExerciseWindow::correctionModes() {
    Mode m = mode();
    return m == Mode::Practice || m == Mode::FollowUp1 || m == Mode::FollowUp2 ||
           m == Mode::FollowUpCorrection;
}

int ExerciseWindow::errorCountOfFile() {
    const SharedState& s = state();
    int f = s.CurrentFileIndex;
    return f >= 1 && f <= static_cast<int>(kMaxDataFiles) ? s.ErrorCount[static_cast<std::size_t>(f)] : 0;
}

void ExerciseWindow::advanceSquare(bool wrong) {
    if (Aster1->RutNummer() < Aster1->MaxAntalRutor())
        Aster1->setRutNummer(Aster1->RutNummer() + 1);
    else
        Aster1->setRutNummer(0);
    if (wrong) Aster1->setRatt(false);
    Aster1->setVisa(true);
    Aster1->update();
}

void ExerciseWindow::answerRight(bool countIt) {
    SharedState& s = state();
    s.LastAnswerRight = 1;
    if (countIt) ++s.RightCount;
    if (isDiagnosisMode(mode())) UppDateraDiagnosResultatet();
    if (mode() == Mode::Practice || mode() == Mode::FollowUpCorrection) advanceSquare(false);
    if (s.CorrectionRun) shell().haemtafel(s.CurrentDataFile, 1);
}

void ExerciseWindow::answerWrong(bool advance) {
    SharedState& s = state();
    s.LastAnswerRight = 0;
    ++s.WrongCount;
    if (advance && (mode() == Mode::Practice || mode() == Mode::FollowUpCorrection))
        advanceSquare(true);
    shell().haemtafel(s.CurrentDataFile, s.CorrectionRun ? 2 : 3);
    if (isDiagnosisMode(mode())) UppDateraDiagnosResultatet();
}

void ExerciseWindow::startAnswerTimer(int intervalMs) {
    runState_ = RunState::ShowingAnswer;
    Timer1->start(intervalMs);
    setFocus();
}

void ExerciseWindow::stopTimers() {
    Timer1->stop();
    Timer3->stop();
}

void ExerciseWindow::questionDone() {
    SharedState& s = state();
    ++s.QuestionNumber;
    if (s.QuestionNumber <= s.RunLength) {
        if (s.LastAnswerRight)
            NyPost();
        else if (!Timer1->isActive())
            startAnswerTimer();
        return;
    }
    lampknapp->setEnabled(false);
    if (!s.LastAnswerRight) {
        Timer1->stop();
        runState_ = RunState::ShowingLastAnswer;
        Timer3->start(lastAnswerInterval());
        setFocus();
    } else {
        Avslutning();
        Timer1->stop();
        setAnswerEnabled(false, false);
        regelknapp->setEnabled(false);
        BitBtn3->setEnabled(false);
    }
}

void ExerciseWindow::Timer1Timer() {
    SharedState& s = state();
    ++s.TickCount;
    if (s.TickCount >= 10 * answerSeconds()) {
        Timer1->stop();
        answerDisplayEnded();
    }
}

void ExerciseWindow::answerDisplayEnded() {
    const SharedState& s = state();
    if (s.QuestionNumber <= s.RunLength) NyPost();
}

void ExerciseWindow::Timer3Timer() {
    SharedState& s = state();
    ++s.TickCount;
    if (s.TickCount >= 10 * answerSeconds()) {
        Timer3->stop();
        Panel1->show();
        Avslutning();
    }
}

void ExerciseWindow::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && (Timer1->isActive() || Timer3->isActive())) {
        state().TickCount = 20000;
        return;
    }
    if (SkrivutHelaPanelen && SkrivutHelaPanelen->arrowKey(e->key())) return;
    // Esc on the end or pause panel is the panel's cancel button, in every kind.
    if (e->key() == Qt::Key_Escape && Panel1->isVisible() && mode() != Mode::Worksheet) {
        Button3Click();
        return;
    }
    // While an item waits for an answer, its keys (Enter and Esc among them) belong to the
    // answer field wherever the focus is.
    if (QWidget* field = waitingAnswerField(); field && !forwardingKey_) {
        field->setFocus();
        forwardingKey_ = true;
        QCoreApplication::sendEvent(field, e);
        forwardingKey_ = false;
        e->accept();
        return;
    }
    if (windowKey(e)) return;
    // Every other key that reaches the window itself is swallowed (no default button, and Esc
    // is the answer field's, not the dialog's).
    e->accept();
}

void ExerciseWindow::setAnswerEnabled(bool enabled, bool focus) {
    QWidget* field = answerField();
    if (mode() == Mode::Worksheet || !field) return;
    field->setEnabled(enabled);
    if (enabled) {
        field->show();
        if (focus) field->setFocus();
    } else {
        setFocus();
    }
}

QWidget* ExerciseWindow::waitingAnswerField() {
    if (runState_ != RunState::Answering || Panel1->isVisible()) return nullptr;
    QWidget* field = answerField();
    return field && field->isVisible() && field->isEnabled() ? field : nullptr;
}

void ExerciseWindow::mousePressEvent(QMouseEvent* e) {
    if (QWidget* field = waitingAnswerField()) field->setFocus();
    Window::mousePressEvent(e);
}

void ExerciseWindow::pause() {
    SharedState& s = state();
    if (s.QuestionNumber > s.RunLength) return;
    if (mode() == Mode::DiagnosisTest) {
        shell().diagnosback(s.RightCount);
        closeWindow();
        return;
    }
    runState_ = RunState::Paused;
    onPause();
    showEndPanel();
}

void ExerciseWindow::showEndPanel() {
    Panel1->show();
    Panel1->raise();
    focusEndPanel();
}

void ExerciseWindow::focusEndPanel() {
    if (correctionModes()) {
        bool errors = errorCountOfFile() >= 1;
        Button1->setEnabled(errors);
        if (errors)
            Button1->setFocus();
        else
            Button2->setFocus();
    } else {
        Button2->setFocus();
    }
}

void ExerciseWindow::LampknappClick() {
    lampknapp->hide();
    LampOn = LampOn ? 0 : 1;
    if (LampOn) {
        LampShape->move(lampknapp->x() + (lampknapp->width() - LampShape->width()) / 2,
                        lampknapp->y() + (lampknapp->height() - LampShape->height()) / 2);
        LampShape->show();
        if (mode() == Mode::FollowUp1 || mode() == Mode::FollowUp2) ++HelpUsed;
    } else {
        LampShape->hide();
    }
    setAnswerEnabled(true, true);
}

void ExerciseWindow::LampShapeMouseDown() {
    LampShape->hide();
    LampOn = 0;
    lampknapp->show();
    setAnswerEnabled(true, true);
}

void ExerciseWindow::updateLamp(const AnsiText& typed, const AnsiText& expected) {
    Mode m = mode();
    if (!LampShape->isVisible() ||
        !(m == Mode::Practice || m == Mode::FollowUp1 || m == Mode::FollowUp2))
        return;
    bool green = shell().GreenRedTest(typed, expected) == 1;
    LampShape->setBrushColor(green ? colors::lime : colors::red);
}

void ExerciseWindow::openRules(int number) {
    if (number > 0) context().opener->open(WindowRequest{WindowKind::TRegelform, {}, number});
}

void ExerciseWindow::closeWindow() {
    stopTimers();
    runState_ = RunState::Closed;
    done(QDialog::Accepted);
    hide();
}

void ExerciseWindow::reject() {
    // Esc is the answer field's; the window closes only through its buttons.
    if (runState_ == RunState::Closed) QDialog::reject();
}

void ExerciseWindow::closeEvent(QCloseEvent* e) {
    stopTimers();
    runState_ = RunState::Closed;
    e->accept();
}

} // namespace orvela
