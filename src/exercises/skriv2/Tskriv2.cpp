#include "Tskriv2.h"

#include "ProtocolLink.h"
#include "QtText.h"
#include "WorksheetWindow.h"

#include <QFontMetrics>

#include <algorithm>

namespace orvela {

namespace {

constexpr int kRulesProgram = 52110;
const QColor kSwedishText{0, 128, 128};

int lineHeight(const QWidget* w) {
    return QFontMetrics(w->font()).height();
}

} // namespace

Tskriv2::Tskriv2(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("Tskriv2"));
    regelknapp->setObjectName(QStringLiteral("Regelknapp"));
    BitBtn1->setObjectName(QStringLiteral("Button4"));

    auto label = [this](const char* name, const QColor& color, int points) {
        auto* l = new AutoLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(pointFont(points, true));
        l->setTextColor(color);
        l->hide();
        return l;
    };
    FrageLabel1 = label("FrageLabel1", colors::navy, 14);
    FrageLabel2 = label("FrageLabel2", colors::navy, 14);
    SvenskaLabel = label("SvenskaLabel", kSwedishText, 12);
    SvarsLabel1 = label("SvarsLabel1", colors::maroon, 14);
    SvarsLabel2 = label("SvarsLabel2", colors::maroon, 14);

    auto separator = [this](const char* name) {
        auto* s = new Shape(this, Shape::Rectangle, colors::navy, colors::navy);
        s->setObjectName(QString::fromLatin1(name));
        return s;
    };
    SkiljeShape1 = separator("SkiljeShape1");
    SkiljeShape2 = separator("SkiljeShape2");

    auto edit = [this](const char* name) {
        auto* e = new AnswerEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setFont(pointFont(14, true));
        e->setStyleSheet(QStringLiteral("color: #000080; background: white"));
        e->setMaxLength(55);
        e->hide();
        connect(e, &AnswerEdit::escapePressed, this, &Tskriv2::EditEscape);
        return e;
    };
    Edit1 = edit("Edit1");
    Edit2 = edit("Edit2");
    Edit2->setEnabled(false);
    connect(Edit1, &AnswerEdit::enterPressed, this, &Tskriv2::Edit1Enter);
    connect(Edit2, &AnswerEdit::enterPressed, this, &Tskriv2::Edit2Enter);
    connect(regelknapp, &QPushButton::clicked, this, &Tskriv2::RegelknappClick);

    FormCreate();
    // The rules button stands under the answers (the lamp it would stand beside is not offered).
    regelknapp->move(InstruktionsLabel->x(), SvarsLabel2->y() + 2 * lineHeight(SvarsLabel2));
}

bool Tskriv2::hasRules() {
    return state().ProgramNumber == kRulesProgram;
}

int Tskriv2::itemRight() {
    int column = Aster1->x();
    if (isDiagnosisMode(state().ExerciseMode)) column = std::min(column, DiagPanel1->x());
    return column - U();
}

void Tskriv2::layoutItemArea() {
    const int u = U();
    const int left = InstruktionsLabel->x();
    // The separators end where the item area ends, also under the reward picture.
    const int width = std::min(itemRight(), BildPanelen->x() + BildPanelen->width()) - left;
    const int separatorHeight = std::max(2, u / 6);
    FrageLabel1->move(left, InstruktionsLabel->y() + 2 * InstruktionsLabel->height());
    FrageLabel2->move(left, FrageLabel1->y() + lineHeight(FrageLabel1) * 4 / 3);
    // The Swedish line stands under the question (placed with each item); the answers below
    // keep their places whether the question takes one line or two.
    const int swedishBottom =
        FrageLabel2->y() + lineHeight(FrageLabel2) * 4 / 3 + lineHeight(SvenskaLabel);
    SkiljeShape1->setGeometry(left, swedishBottom + lineHeight(SvenskaLabel), width,
                              separatorHeight);
    for (AnswerEdit* e : {Edit1, Edit2})
        e->setFixedHeight(QFontMetrics(e->font()).height() + 8);
    Edit1->move(left, SkiljeShape1->y() + u);
    SvarsLabel1->move(left, Edit1->y() + Edit1->height() + lineHeight(SvarsLabel1) / 3);
    SkiljeShape2->setGeometry(left, SvarsLabel1->y() + lineHeight(SvarsLabel1) * 3 / 2, width,
                              separatorHeight);
    Edit2->move(left, SkiljeShape2->y() + u);
    SvarsLabel2->move(left, Edit2->y() + Edit2->height() + lineHeight(SvarsLabel2) / 3);
}

void Tskriv2::NollaLabeller() {
    for (AutoLabel* l : {FrageLabel1, FrageLabel2, SvenskaLabel, SvarsLabel1, SvarsLabel2}) {
        l->setText(QString());
        l->hide();
    }
    Edit1->clear();
    Edit2->clear();
}

void Tskriv2::fitEdit(AnswerEdit* edit, const AnsiText& answer) {
    const int room = scaled(60, state().ScalePercent);
    int width = QFontMetrics(edit->font()).horizontalAdvance(toQString(answer)) + room;
    width = std::min(width, itemRight() - edit->x());
    edit->setFixedWidth(std::max(width, 4 * U()));
}

void Tskriv2::presentItem() {
    SharedState& s = state();
    const bool worksheet = mode() == Mode::Worksheet;
    AnswerIndex = 1;
    FirstAnswerRight = 0;
    OnFirstAnswer = 0;

    // The question, on a second line when it does not fit one.
    shell().dela_mening(FrageLabel1->x(), itemRight(), s.ItemFields[1], 2);
    FrageLabel1->setText(toQString(s.SplitLines[1]));
    FrageLabel1->show();
    FrageLabel2->setText(toQString(s.SplitLines[2]));
    FrageLabel2->setVisible(!s.SplitLines[2].empty());
    const QLabel* lastLine = s.SplitLines[2].empty() ? FrageLabel1 : FrageLabel2;
    SvenskaLabel->move(FrageLabel1->x(), lastLine->y() + lineHeight(lastLine) * 4 / 3);

    SvarsLabel1->setText(toQString(s.ItemFields[2]));
    SvarsLabel2->setText(toQString(s.ItemFields[3]));
    SvarsLabel1->setVisible(worksheet);
    SvarsLabel2->setVisible(worksheet);
    SvenskaLabel->setText(toQString(s.ItemFields[4]));
    SvenskaLabel->setVisible(!worksheet);

    fitEdit(Edit1, s.ItemFields[2]);
    fitEdit(Edit2, s.ItemFields[3]);
    Edit1->setVisible(!worksheet);
    Edit2->setEnabled(false);
    Edit2->hide();
    SkiljeShape1->show();
    SkiljeShape2->show();

    if (hasRules() && !worksheet) {
        regelknapp->setText(QString::fromUtf8("Règles"));
        regelknapp->setEnabled(true);
        regelknapp->show();
    }
}

void Tskriv2::setAnswerEnabled(bool enabled, bool focus) {
    if (mode() == Mode::Worksheet) return;
    if (!enabled) {
        Edit1->setEnabled(false);
        Edit2->setEnabled(false);
        setFocus();
        return;
    }
    AnswerEdit* e = AnswerIndex == 2 ? Edit2 : Edit1;
    e->setEnabled(true);
    e->show();
    if (focus) e->setFocus();
}

void Tskriv2::Edit1Enter() {
    if (runState() != RunState::Answering || AnswerIndex != 1 || !Edit1->isEnabled()) return;
    SharedState& s = state();
    OnFirstAnswer = 1;
    const std::uint16_t r = shell().svarstest(s.ItemFields[2], fromQString(Edit1->text()), 1);
    if (r < 15) {
        FirstAnswerRight = HelpUsed == 0 ? 1 : 0;
        Timer1->stop();
    } else {
        // The correct first answer stays in view while the pupil goes on with the second.
        SvarsLabel1->show();
        s.TickCount = 0;
        Timer1->start(100);
    }
    AnswerIndex = 2;
    Edit1->setEnabled(false);
    Edit2->setEnabled(true);
    Edit2->show();
    Edit2->setFocus();
}

void Tskriv2::Edit2Enter() {
    if (runState() != RunState::Answering || AnswerIndex != 2 || !Edit2->isEnabled()) return;
    SharedState& s = state();
    OnFirstAnswer = 0;
    const std::uint16_t r = shell().svarstest(s.ItemFields[3], fromQString(Edit2->text()), 1);
    const bool secondRight = r < 15;
    Edit2->setEnabled(false);
    if (secondRight && FirstAnswerRight == 1) {
        answerRight(HelpUsed == 0);
    } else {
        answerWrong();
        if (!secondRight) SvarsLabel2->show();
        // One wait for the display time, counted from the end of the item, so that a correct
        // answer shown now is seen as long as the first one.
        Timer1->stop();
        s.TickCount = 0;
        startAnswerTimer();
    }
    AnswerIndex = 1;
    questionDone();
}

void Tskriv2::answerDisplayEnded() {
    if (OnFirstAnswer) {
        // Only the first answer was shown: the item goes on in the second field.
        if (runState() == RunState::Answering && Edit2->isEnabled()) Edit2->setFocus();
        return;
    }
    ExerciseWindow::answerDisplayEnded();
}

void Tskriv2::EditEscape() {
    SharedState& s = state();
    if (runState() != RunState::Answering || s.QuestionNumber > s.RunLength) return;
    if (mode() == Mode::DiagnosisTest) {
        shell().diagnosback(s.RightCount);
        if (context().protocol) context().protocol->setProtocolEnabled(true);
        closeWindow();
        return;
    }
    pause();
}

void Tskriv2::onPause() {
    Timer1->stop();
    Edit1->setEnabled(false);
    Edit2->setEnabled(false);
    regelknapp->setEnabled(false);
}

void Tskriv2::RegelknappClick() {
    if (!hasRules()) return;
    regelknapp->hide();
    openRules(kRulesProgram);
    regelknapp->show();
    if (runState() == RunState::Answering) setAnswerEnabled(true, true);
}

void Tskriv2::addWorksheetItem(WorksheetWindow& worksheet, int n) {
    SharedState& s = state();
    shell().dela_mening(20, 700, s.ItemFields[1], 2);
    const AnsiText first = s.SplitLines[1];
    const AnsiText second = s.SplitLines[2];
    worksheet.addToBoth(LineKind::Item, Worksheet::itemPrefix(n) + first);
    if (!second.empty())
        worksheet.addToBoth(LineKind::Continuation, AnsiText::ascii("      ") + second);
    worksheet.addLine(Sheet::Questions, LineKind::Continuation, Worksheet::writingLine());
    AnsiText answers = s.ItemFields[2] + AnsiText::ascii(", ") + s.ItemFields[3];
    if (!s.ItemFields[4].empty())
        answers += AnsiText::ascii(" (") + s.ItemFields[4] + AnsiText::ascii(")");
    worksheet.addLine(Sheet::Answers, LineKind::Continuation, Worksheet::answerLine(answers));
}

} // namespace orvela
