#include "TSKRIV.h"

#include "QtText.h"

namespace orvela {

namespace {

bool between(int p, int low, int high) { return p >= low && p <= high; }

// Programs that show the rules button from the start (and after each item) as "Règles".
bool showsRulesButton(int p) {
    return p == 51310 || p == 51500 || between(p, 52110, 52400) || p == 53200 ||
           between(p, 54200, 56460) || between(p, 56600, 56700) || between(p, 56810, 56830) ||
           between(p, 63111, 63116);
}

} // namespace

TSKRIV::TSKRIV(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TSKRIV"));
    auto label = [this](const char* name, const QColor& color, int points) {
        return itemLabel(QString::fromLatin1(name), color, points);
    };
    FrageLabel1 = label("FrageLabel1", colors::navy, 14);
    FrageLabel2 = label("FrageLabel2", colors::navy, 14);
    Label4 = label("Label4", colors::navy, 12);
    Label5 = label("Label5", colors::maroon, 14);
    Label6 = label("Label6", colors::navy, 12);
    Label7 = label("Label7", colors::navy, 12);
    Label8 = label("Label8", colors::navy, 12);
    Label9 = label("Label9", colors::navy, 12);
    Label10 = label("Label10", colors::navy, 12);
    Label16 = label("Label16", colors::navy, 12);

    Edit1 = makeAnswerField(QStringLiteral("Edit1"), 14, 55);
    connect(Edit1, &AnswerEdit::enterPressed, this, &TSKRIV::Edit1Enter);
    connect(Edit1, &QLineEdit::textEdited, this, &TSKRIV::Edit1Change);
    connect(regelknapp, &QPushButton::clicked, this, &TSKRIV::regelknappClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TSKRIV::BitBtn3Click);

    FormCreate();
    // Programs with rules show the rules button from the start.
    if (showsRulesButton(state().ProgramNumber) && mode() != Mode::Worksheet) {
        regelknapp->setText(QString::fromUtf8("Règles"));
        regelknapp->show();
    }
}

void TSKRIV::layoutItemArea() {
    auto lineHeight = [](QLabel* l) { return QFontMetrics(l->font()).height(); };
    const int left = InstruktionsLabel->x();
    const int instrTop = InstruktionsLabel->y();
    const int instrHeight = InstruktionsLabel->height();
    FrageLabel1->move(left, instrTop + 2 * instrHeight);
    FrageLabel2->move(left, FrageLabel1->y() + lineHeight(FrageLabel1) * 4 / 3);
    Edit1->setFixedHeight(QFontMetrics(Edit1->font()).height() + 8);
    Edit1->move(left, FrageLabel2->y() + lineHeight(FrageLabel2) * 3 / 2);
    Label5->move(left, Edit1->y() + Edit1->height() + lineHeight(Label5) / 2);
    Label6->move(left, Label5->y() + lineHeight(Label5) * 4 / 3);
    Label7->move(left, Label6->y() + lineHeight(Label6) * 4 / 3);
    const int buttonsTop = Label7->y() + lineHeight(Label7) * 2;
    lampknapp->move(left, buttonsTop);
    Label16->move(left, buttonsTop + lampknapp->height() + U());
}

void TSKRIV::NollaLabeller() {
    Label16->hide();
    FrageLabel2->setText(QString());
    for (AutoLabel* l : {Label4, Label5, Label6, Label7, Label8, Label9, Label10}) {
        l->setText(QString());
        l->hide();
    }
    Edit1->clear();
}

void TSKRIV::presentItem() {
    SharedState& s = state();
    const int p = s.ProgramNumber;
    const Mode m = mode();

    // Help texts: the fields after the answer and its alternatives, at most three.
    HelpCount = 0;
    for (int f = s.AltFieldCount + 3; f <= 10 && f < 6 && HelpCount < 3; ++f) {
        const AnsiText& field = s.ItemFields[static_cast<std::size_t>(f)];
        if (field.empty() || field.front() == '&') break;
        ++HelpCount;
    }
    if (p == 56810) HelpCount = 1;
    if (m == Mode::Worksheet || m == Mode::DiagnosisTest) HelpCount = 0;

    if (HelpCount == 1 || HelpCount == 2) {
        regelknapp->setText(QStringLiteral("&Aide"));
        regelknapp->show();
        Label6->setText(toQString(s.ItemFields[3]));
        if (HelpCount == 2) {
            QString second = toQString(s.ItemFields[4]);
            Label7->setText(p == 52200 ? QStringLiteral("Se regel ") + second : second);
        }
        if (p != 51230) {
            Label6->show();
            Label7->setVisible(HelpCount == 2);
        }
    } else {
        regelknapp->hide();
    }
    if (p == 51120 || p == 52200 || p == 53200) {
        regelknapp->hide();
        HelpCount = 0;
        Label6->setText(toQString(s.ItemFields[3]));
        Label6->show();
    }
    if (showsRulesButton(p) && m != Mode::Worksheet) {
        regelknapp->setText(between(p, 56430, 56450) ? QStringLiteral("R&egler")
                                                     : QString::fromUtf8("Règles"));
        regelknapp->show();
    }

    // The question on one or two lines.
    const int right = W - Aster1->width() - 2 * U();
    AnsiText question = s.ItemFields[1];
    bool hideLower = question.startsWith("{F}");
    if (hideLower) question = question.substr(3);
    shell().dela_mening(FrageLabel2->x(), right, question, 2);
    Label5->setText(toQString(s.ItemFields[2]));
    Label5->hide();
    if (s.SplitLines[2].empty()) {
        FrageLabel2->setText(toQString(s.SplitLines[1]));
        FrageLabel1->hide();
        FrageLabel2->show();
    } else {
        FrageLabel1->setText(toQString(s.SplitLines[1]));
        FrageLabel2->setText(toQString(s.SplitLines[2]));
        FrageLabel1->show();
        FrageLabel2->setVisible(!hideLower);
    }

    // The answer field is as wide as the answer and some room, but stops before the squares.
    int width = Label5->width() + 6 * U();
    width = std::min(width, Aster1->x() - U() / 2 - Edit1->x());
    Edit1->setFixedWidth(std::max(width, 4 * U()));
    Label16->setText(toQString(s.ItemFields[2]));
    Edit1->setVisible(m != Mode::Worksheet);
}

void TSKRIV::Edit1Enter() {
    if (runState() != RunState::Answering || !Edit1->isEnabled()) return;
    SharedState& s = state();
    setAnswerEnabled(false, false);
    std::uint16_t r = shell().svarstest(s.ItemFields[2], fromQString(Edit1->text()), 3);
    if (r == 0) {
        answerRight(HelpUsed == 0);
    } else {
        answerWrong();
        startAnswerTimer();
        Label5->show();
    }
    questionDone();
}

void TSKRIV::Edit1Change() { updateLamp(fromQString(Edit1->text()), fromQString(Label5->text())); }

int TSKRIV::rulesFor(int p, QString* caption) const {
    *caption = QString::fromUtf8("Règles");
    if (between(p, 56111, 56117) || between(p, 56121, 56127)) return 56130;
    if (between(p, 56420, 56440)) return 56410;
    if (between(p, 56450, 56460)) {
        *caption = QStringLiteral("Regler");
        return 56410;
    }
    if (between(p, 56600, 56800)) return p;
    if (between(p, 56810, 56830)) return 56810;
    if (between(p, 63111, 63116)) return 63110;
    if (p == 51120 || p == 51310 || p == 51500 || between(p, 52110, 52400) || p == 53200)
        return p;
    return 0;
}

void TSKRIV::regelknappClick() {
    if (isDiagnosisMode(mode())) ++HelpUsed;
    Label6->show();
    regelknapp->hide();
    if (HelpCount == 2) BitBtn3->show();
    setAnswerEnabled(true, true);
    QString caption;
    int rule = rulesFor(state().ProgramNumber, &caption);
    if (rule) {
        openRules(rule);
        regelknapp->setText(caption);
        regelknapp->show();
        setAnswerEnabled(true, true);
    }
}

void TSKRIV::BitBtn3Click() {
    if (mode() == Mode::FollowUp1 || mode() == Mode::FollowUp2) ++HelpUsed;
    Label7->show();
    BitBtn3->hide();
    setAnswerEnabled(true, true);
}

} // namespace orvela
