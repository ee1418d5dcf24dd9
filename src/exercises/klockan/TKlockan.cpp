#include "TKlockan.h"

#include "QtText.h"

#include <QFontMetrics>

#include <algorithm>

namespace orvela {

namespace {

constexpr std::uint16_t kClockProgram = 54200;
constexpr int kAnswerLength = 55;
const QColor kOlive{128, 128, 0};
// The answer field is as wide as the longest usual answer, with some room.
const QString kLongAnswer = QStringLiteral("quatre heures moins vingt-cinq");

} // namespace

TKlockan::TKlockan(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TKlockan"));

    PaintBox1 = new ClockFace(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));

    Shape1 = new Shape(this, Shape::RoundRect, colors::yellow, colors::yellow);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape2 = new Shape(this, Shape::RoundRect, colors::navy, colors::navy);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    auto question = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, Shape2);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(pointFont(28, true));
        l->setStyleSheet(QStringLiteral("color: yellow; background: transparent"));
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    Label1 = question("Label1", QStringLiteral("Quelle heure"));
    Label2 = question("Label2", QStringLiteral("est-il?"));

    Label3 = new QLabel(QStringLiteral("Il est..."), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(pointFont(16, true));
    Label3->setStyleSheet(QStringLiteral("color: yellow; background: %1").arg(kOlive.name()));
    Label3->setAlignment(Qt::AlignCenter);

    Edit1 = makeAnswerField(QStringLiteral("Edit1"), 16, kAnswerLength);
    connect(Edit1, &AnswerEdit::enterPressed, this, &TKlockan::Edit1Enter);
    connect(Edit1, &QLineEdit::textChanged, this, &TKlockan::Edit1Change);

    Label4 = new AutoLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(pointFont(16, true));
    Label4->setTextColor(colors::maroon);
    Label4->hide();

    // Two labels of the design that are never shown.
    TestLabel1 = new QLabel(this);
    TestLabel1->setObjectName(QStringLiteral("TestLabel1"));
    TestLabel1->hide();
    Testlabel2 = new QLabel(this);
    Testlabel2->setObjectName(QStringLiteral("Testlabel2"));
    Testlabel2->hide();

    FormCreate();
    // The wait after a wrong last answer is this window's Timer2.
    Timer3->setObjectName(QStringLiteral("Timer2"));
}

void TKlockan::layoutItemArea() {
    const int u = U();
    // The clock has its own question box instead of the heading and the instruction.
    Heading->hide();
    InstruktionsLabel->hide();

    // The end panel and the praise box keep to the left of the squares.
    const int panelHeight = std::max((H / 48) * 4, 3 * u);
    Panel1->setGeometry(u, H - u / 5 - panelHeight, (W / 64) * 62, panelHeight);
    const int bw = (Panel1->width() - 5 * u) / 4;
    QPushButton* buttons[4] = {Button1, Button2, Button3, BitBtn1};
    for (int i = 0; i < 4; ++i)
        buttons[i]->setGeometry(u + i * (bw + u), u / 2, bw, panelHeight - u);
    const int praiseHeight = (H / 48) * 5;
    LovordPanel->setGeometry(u, Panel1->y() - u / 5 - praiseHeight, (W / 64) * 58, praiseHeight);

    // The question box and the clock side by side, centred left of the squares.
    const int left = u;
    const int right = Aster1->x() - u;
    const QFontMetrics qm(Label1->font());
    const int lineHeight = qm.height();
    const int textWidth = std::max(qm.horizontalAdvance(Label1->text()),
                                   qm.horizontalAdvance(Label2->text()));
    // Margins grow with the (scaled) question font.
    const int margin = std::max(2 * u, lineHeight / 2);
    const int boxWidth = textWidth + 2 * margin;
    const int boxHeight = 2 * lineHeight + 3 * margin / 2;
    const int top = u;
    // Below the clock: the answer row and the right answer, clear of the praise box.
    const QFontMetrics em(Edit1->font());
    const int rowHeight = em.height() + 10;
    const int answerHeight = QFontMetrics(Label4->font()).height();
    const int below = u + rowHeight + answerHeight * 3 / 2 + u / 2;
    int clockHeight = std::min((H / 48) * 31, LovordPanel->y() - below - top);
    if (boxWidth + 2 * u + ClockFace::widthForHeight(clockHeight) > right - left)
        clockHeight = right - left - boxWidth - 2 * u - 8;
    clockHeight = std::max(8 * u, clockHeight);
    const int clockWidth = ClockFace::widthForHeight(clockHeight);
    const int groupLeft = left + std::max(0, (right - left - boxWidth - 2 * u - clockWidth) / 2);

    Shape1->setGeometry(groupLeft, top + (clockHeight - boxHeight) / 2, boxWidth, boxHeight);
    Shape2->setGeometry(Shape1->geometry().adjusted(u / 2, u / 2, -u / 2, -u / 2));
    const int textTop = (Shape2->height() - 2 * lineHeight) / 2;
    Label1->setGeometry(0, textTop, Shape2->width(), lineHeight);
    Label2->setGeometry(0, textTop + lineHeight, Shape2->width(), lineHeight);
    PaintBox1->setGeometry(Shape1->x() + Shape1->width() + 2 * u, top, clockWidth, clockHeight);

    // "Il est..." and the answer field under the clock, the right answer below them.
    const int rowTop = PaintBox1->y() + clockHeight + u;
    Label3->setGeometry(PaintBox1->x(), rowTop,
                        QFontMetrics(Label3->font()).horizontalAdvance(Label3->text()) + 2 * u,
                        rowHeight);
    Edit1->setFixedHeight(rowHeight);
    const int editLeft = Label3->x() + Label3->width() + u / 2;
    // The row ends with the lamp under the clock's right edge when the longest usual answer fits
    // that way, else it may reach the squares.
    const int needed = em.horizontalAdvance(kLongAnswer) + 2 * u;
    const int underClock = PaintBox1->x() + clockWidth - lampknapp->width() - u - editLeft;
    const int editWidth = needed <= underClock
                              ? underClock
                              : std::min(needed, right - lampknapp->width() - u - editLeft);
    Edit1->setFixedWidth(std::max(editWidth, 8 * u));
    Edit1->move(editLeft, rowTop);
    lampknapp->move(Edit1->x() + Edit1->width() + u,
                    rowTop + (rowHeight - lampknapp->height()) / 2);
    Label4->move(editLeft, rowTop + rowHeight + answerHeight / 2);

    // At the end a blank panel covers the answer from just above the field to the praise box.
    const int coverTop = rowTop - u / 2;
    BildPanelen->setGeometry(0, coverTop, W, std::max(0, LovordPanel->y() - coverTop));
    Image1->hide();
}

void TKlockan::NollaLabeller() {
    Label4->setText(QString());
    Label4->hide();
    Edit1->clear();
}

void TKlockan::presentItem() {
    SharedState& s = state();
    // A correction run shows the time of the error-list entry, which the error list has put in
    // ClockItem; otherwise the item just drawn.
    if (!s.CorrectionRun || s.ProgramNumber != kClockProgram) s.ClockItem = s.CurrentItem;
    PaintBox1->setItem(s.ClockItem);
    PaintBox1->update();
    Label4->setText(toQString(s.ItemFields[1]));
    Label4->hide();
}

void TKlockan::setAnswerEnabled(bool enabled, bool focus) {
    Edit1->setEnabled(enabled);
    if (!enabled) {
        // Keys go to the window (Space ends the answer display), unless the end panel has them.
        if (!Panel1->isVisible()) setFocus();
        return;
    }
    Edit1->show();
    // Answering again after a pause or the end: the lamp comes back as the pupil left it.
    if (offersLamp() && runState() == RunState::Answering) {
        lampknapp->setEnabled(true);
        if (LampOn) {
            LampShape->show();
            Edit1Change();
        }
    }
    if (focus) Edit1->setFocus();
}

void TKlockan::endState() {
    Edit1->setEnabled(false);
    Timer1->stop();
    const Mode m = mode();
    if (m == Mode::Practice || m == Mode::FollowUp1 || m == Mode::FollowUp2)
        lampknapp->setEnabled(false);
    LampShape->hide();
}

void TKlockan::onPause() { endState(); }

void TKlockan::beforePraise() {
    endState();
    // The squares stay in sight above the blank panel.
    Aster1->raise();
}

void TKlockan::runEnded() {
    if (mode() != Mode::Worksheet && mode() != Mode::DiagnosisTest) Button2->setFocus();
}

void TKlockan::Edit1Enter() {
    if (runState() != RunState::Answering || !Edit1->isEnabled()) return;
    SharedState& s = state();
    setAnswerEnabled(false, false);
    const std::uint16_t r = shell().svarstest(s.ItemFields[1], fromQString(Edit1->text()), 3);
    if (r == 0) {
        answerRight(true);
    } else {
        answerWrong();
        startAnswerTimer();
        Label4->show();
    }
    questionDone();
}

void TKlockan::Edit1Change() { updateLamp(fromQString(Edit1->text()), state().ItemFields[1]); }

} // namespace orvela
