#include "TSkrivinf.h"

#include "QtText.h"

#include <QFontMetrics>

namespace orvela {

namespace {

bool between(int p, int low, int high) { return p >= low && p <= high; }

bool hasRules(int p) {
    return p == 51110 || p == 51210 || p == 51320 || p == 52120 || p == 52300 || p == 55180 ||
           p == 55500 || p == 56130 || between(p, 56420, 56460) || p == 57000;
}

int countOf(const AnsiText& t, char c) {
    return static_cast<int>(std::count(t.bytes().begin(), t.bytes().end(), c));
}

const QColor kGreenText{0, 128, 0};

} // namespace

bool TSkrivinf::oneSentenceProgram(int p) {
    return p == 14 || p == 17 || p == 117 || p == 55150 || p == 55200 || p == 55600 ||
           p == 55700 || p == 56114 || p == 56115 || between(p, 56920, 56970);
}

TSkrivinf::TSkrivinf(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TSkrivinf"));
    BitBtn1->setObjectName(QStringLiteral("Button4"));
    lampknapp->setToolTip(QStringLiteral("Visar felvarning."));
    const char* editNames[2] = {"Edit1", "Edit2"};
    const char* shownNames[2] = {"Label14", "Label15"};
    for (int g = 0; g < 2; ++g) {
        auto* e = new AnswerEdit(this);
        e->setObjectName(QString::fromLatin1(editNames[g]));
        e->setFont(pointFont(14, true));
        e->setStyleSheet(QStringLiteral("color: #008000; background: white"));
        e->hide();
        connect(e, &AnswerEdit::enterPressed, this, [this, g] { EditEnter(g + 1); });
        connect(e, &AnswerEdit::escapePressed, this, [this] {
            if (runState() == RunState::Answering) pause();
        });
        connect(e, &QLineEdit::textEdited, this, [this, g](const QString& text) {
            updateLamp(fromQString(text), gaps_[g].expected);
        });
        gaps_[g].edit = e;
        auto* shown = new AutoLabel(this);
        shown->setObjectName(QString::fromLatin1(shownNames[g]));
        shown->setFont(pointFont(14, true));
        shown->hide();
        gaps_[g].shown = shown;
    }
    auto helpLabel = [this](const QString& name) {
        auto* l = new AutoLabel(this);
        l->setObjectName(name);
        l->setFont(pointFont(12, true));
        l->setTextColor(kGreenText);
        l->hide();
        return l;
    };
    Label16 = helpLabel(QStringLiteral("Label16"));
    Label17 = helpLabel(QStringLiteral("Label17"));
    ruleLines_.push_back(Label17);
    for (int n = 18; n <= 21; ++n) ruleLines_.push_back(helpLabel(QStringLiteral("Label%1").arg(n)));

    bitbtn2 = new QPushButton(QStringLiteral("&Aide"), this);
    bitbtn2->setObjectName(QStringLiteral("bitbtn2"));
    bitbtn2->setAutoDefault(false);
    bitbtn2->setFocusPolicy(Qt::NoFocus);
    bitbtn2->setFont(pointFont(12, true));
    bitbtn2->hide();
    connect(bitbtn2, &QPushButton::clicked, this, &TSkrivinf::BitBtn2Click);
    connect(regelknapp, &QPushButton::clicked, this, &TSkrivinf::regelknappClick);

    FormCreate();
    if (mode() == Mode::Worksheet)
        for (Gap& g : gaps_) g.edit->hide();
}

bool TSkrivinf::offersLamp() {
    return state().ProgramNumber != 41051 && ExerciseWindow::offersLamp();
}

bool TSkrivinf::swedishEndPanel() {
    int p = state().ProgramNumber;
    return p == 56420 || p == 56440 || p == 56450;
}

void TSkrivinf::layoutItemArea() {
    pieceHeight_ = QFontMetrics(gaps_[0].shown->font()).height();
    InstruktionsLabel->move(Heading->x(),
                            Heading->y() + Heading->height() + InstruktionsLabel->height() / 3);
    const int instrBottom = InstruktionsLabel->y() + InstruktionsLabel->height();
    const int left = InstruktionsLabel->x();
    Label16->move(left, instrBottom + 8 * pieceHeight_);
    Label17->move(left, Label16->y() + pieceHeight_ * 4 / 3);
    const int buttonsTop = instrBottom + 11 * pieceHeight_;
    regelknapp->resize(8 * U(), lampknapp->height());
    bitbtn2->resize(regelknapp->size());
    lampknapp->move(left, buttonsTop);
    bitbtn2->move(left, buttonsTop);
    regelknapp->move(lampknapp->x() + lampknapp->width() + U(), buttonsTop);
}

AutoLabel* TSkrivinf::pieceLabel(std::vector<AutoLabel*>& pool, std::size_t index,
                                 const char* firstName, int firstNumber) {
    while (pool.size() <= index) {
        auto* l = new AutoLabel(this);
        l->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(firstName)).arg(firstNumber + static_cast<int>(pool.size())));
        l->setFont(gaps_[0].shown->font());
        l->setTextColor(colors::navy);
        pool.push_back(l);
    }
    return pool[index];
}

void TSkrivinf::NollaLabeller() {
    for (AutoLabel* l : sourcePieces_) l->hide();
    for (AutoLabel* l : gapPieces_) l->hide();
    for (AutoLabel* l : ruleLines_) l->hide();
    for (Gap& g : gaps_) {
        g.edit->clear();
        g.edit->hide();
        g.shown->hide();
        g.after = nullptr;
        g.expected.clear();
    }
    Label16->hide();
    Label17->hide();
    bitbtn2->hide();
}

int TSkrivinf::layoutLine(const AnsiText& line, int top, bool source, std::size_t& pieceIndex,
                          int& gapIndex) {
    shell().LetaPrep(line);
    const SharedState& s = state();
    const int groups = std::min(countOf(line, '<'), 2);
    int x = InstruktionsLabel->x();
    AutoLabel* lastText = nullptr;
    for (int part = 1; part <= 2 * groups + 1; ++part) {
        const AnsiText& text = s.PrepParts[static_cast<std::size_t>(part)];
        const bool group = part % 2 == 0;
        if (group && !source && gapIndex < 2) {
            Gap& g = gaps_[gapIndex++];
            g.expected = text;
            const QFontMetrics fm(g.edit->font());
            const int width = fm.horizontalAdvance(toQString(text)) + fm.horizontalAdvance(QStringLiteral("ww"));
            g.edit->setMaxLength(static_cast<int>(text.size()) + 10);
            g.edit->setGeometry(x, top, width, pieceHeight_ + 4);
            g.edit->setEnabled(gapIndex == 1);
            g.edit->setVisible(mode() != Mode::Worksheet);
            g.shown->move(x, top);
            x += width;
            lastText = nullptr;
            continue;
        }
        AutoLabel* l = pieceLabel(source ? sourcePieces_ : gapPieces_, pieceIndex++,
                                  source ? "Label" : "GapLabel", source ? 3 : 9);
        l->setText(toQString(text));
        l->setTextColor(group ? kGreenText : colors::navy);
        l->move(x, top);
        l->setVisible(mode() != Mode::Worksheet || source);
        x += l->width();
        if (!source && part > 1 && gapIndex > 0 && gaps_[gapIndex - 1].after == nullptr)
            gaps_[gapIndex - 1].after = l;
        lastText = l;
    }
    (void)lastText;
    return x;
}

void TSkrivinf::presentItem() {
    SharedState& s = state();
    const int p = s.ProgramNumber;
    const bool one = oneSentenceProgram(p) || s.ItemFields[2].empty();
    const AnsiText source = one ? AnsiText() : s.ItemFields[1];
    const AnsiText gapSentence = one ? s.ItemFields[1] : s.ItemFields[2];
    const std::size_t firstHelp = one ? 2 : 3;

    GapsAnswered = 0;
    FirstGapRight = 0;
    OnFirstGap = 1;
    itemWrong_ = false;
    int filled = 0;
    while (filled < s.ItemFieldCount && !s.ItemFields[static_cast<std::size_t>(filled + 1)].empty())
        ++filled;
    HelpCount = std::clamp(filled - s.AltFieldCount - (one ? 1 : 2), 0, 2);
    if (p == 105 || p == 51110 || mode() == Mode::Worksheet) HelpCount = 0;
    HelpShown = 0;
    if (HelpCount >= 1) {
        Label16->setText(toQString(s.ItemFields[firstHelp]));
        if (HelpCount == 2) Label17->setText(toQString(s.ItemFields[firstHelp + 1]));
        bitbtn2->setEnabled(true);
        bitbtn2->setVisible(mode() != Mode::DiagnosisTest);
        HelpShown = 1;
    }
    if (mode() == Mode::Practice && hasRules(p)) {
        regelknapp->setText(p == 56420 || p == 56440 || p == 56450 ? QStringLiteral("R&egler")
                                                                     : QString::fromUtf8("&Règles"));
        regelknapp->setEnabled(true);
        regelknapp->show();
    }

    const int left = InstruktionsLabel->x();
    const int right = W - Aster1->width() - 2 * U();
    const int instrTop = InstruktionsLabel->y();
    const int instrBottom = instrTop + InstruktionsLabel->height();
    std::size_t sourceIndex = 0, gapPieceIndex = 0;
    int gapIndex = 0;
    if (!source.empty()) {
        shell().dela_mening(left, right, source, 2);
        AnsiText l1 = s.SplitLines[1], l2 = s.SplitLines[2];
        if (l2.empty()) {
            layoutLine(l1, instrBottom + 2 * pieceHeight_, true, sourceIndex, gapIndex);
        } else {
            const int top1 = instrTop + 2 * InstruktionsLabel->height();
            const int step = countOf(l1, '<') ? pieceHeight_ * 3 / 2 : 2 * pieceHeight_;
            layoutLine(l1, top1, true, sourceIndex, gapIndex);
            layoutLine(l2, top1 + step, true, sourceIndex, gapIndex);
        }
    }
    GapCount = static_cast<std::uint8_t>(std::min(countOf(gapSentence, '<'), 2));
    shell().dela_mening(left, right, gapSentence, 2);
    AnsiText g1 = s.SplitLines[1], g2 = s.SplitLines[2];
    const int gapTop = instrBottom + 4 * pieceHeight_;
    if (mode() == Mode::Worksheet) {
        // The gap sentence stands where the pupil would fill it in, its gap words emphasised.
        layoutLine(g1, gapTop, true, sourceIndex, gapIndex);
        if (!g2.empty()) layoutLine(g2, gapTop + pieceHeight_ * 3 / 2, true, sourceIndex, gapIndex);
        return;
    }
    const int lineEnd = layoutLine(g1, gapTop, false, gapPieceIndex, gapIndex);
    if (!g2.empty()) layoutLine(g2, gapTop + pieceHeight_ * 3 / 2, false, gapPieceIndex, gapIndex);
    GapCount = static_cast<std::uint8_t>(gapIndex);
    if (gaps_[1].edit->isVisible()) gaps_[1].edit->setEnabled(false);
    LampShape->move(lineEnd + U(), gapTop + 3);

    int helpLeft = regelknapp->isVisible() ? regelknapp->x() + regelknapp->width() + U()
                                            : lampknapp->x() + lampknapp->width() + U() / 2;
    bitbtn2->move(helpLeft, lampknapp->y());
}

AnswerEdit* TSkrivinf::activeEdit() { return OnFirstGap ? gaps_[0].edit : gaps_[1].edit; }

QWidget* TSkrivinf::answerField() { return GapCount == 0 ? nullptr : activeEdit(); }

void TSkrivinf::setAnswerEnabled(bool enabled, bool focus) {
    if (mode() == Mode::Worksheet) return;
    AnswerEdit* e = activeEdit();
    if (enabled) {
        if (GapCount == 0) return;
        e->setEnabled(true);
        e->show();
        if (focus) e->setFocus();
    } else {
        for (Gap& g : gaps_) g.edit->setEnabled(false);
        setFocus();
    }
}

void TSkrivinf::EditEnter(int gapNumber) {
    Gap& g = gaps_[gapNumber - 1];
    if (runState() != RunState::Answering || !g.edit->isEnabled()) return;
    SharedState& s = state();
    const Mode m = mode();
    const bool squares = m == Mode::Practice || m == Mode::FollowUpCorrection;
    if ((gapNumber == 1 && m == Mode::Practice && GapCount == 1) ||
        (gapNumber == 2 && correctionModes()))
        lampknapp->setEnabled(false);
    ++GapsAnswered;
    const AnsiText typed = fromQString(g.edit->text());
    const bool right = shell().svarstest(g.expected, typed, 1) == 0;
    g.edit->setEnabled(false);
    g.edit->hide();
    if (right) {
        s.LastAnswerRight = 1;
        g.shown->setText(toQString(typed));
        g.shown->setTextColor(kGreenText);
        if (gapNumber == 1) {
            FirstGapRight = 1;
            if (GapCount == 1) {
                if (!HelpUsed) ++s.RightCount;
                if (squares) advanceSquare(false);
            }
        } else {
            if (FirstGapRight && !HelpUsed) ++s.RightCount;
            if (FirstGapRight) {
                if (squares) advanceSquare(false);
            } else {
                advanceSquare(true);
            }
        }
    } else {
        s.LastAnswerRight = 0;
        ++s.WrongCount;
        itemWrong_ = true;
        g.shown->setText(toQString(g.expected));
        g.shown->setTextColor(colors::maroon);
        if (gapNumber == 2) bitbtn2->setEnabled(false);
        if (squares && (GapCount == 1 || gapNumber == 2)) advanceSquare(true);
    }
    g.shown->show();
    if (g.after) {
        const QString t = g.after->text();
        if (t == QStringLiteral(".") || t == QStringLiteral("?"))
            g.after->move(g.shown->x() + g.shown->width() + 5, g.after->y());
    }
    if (isDiagnosisMode(m)) UppDateraDiagnosResultatet();

    if (GapsAnswered < GapCount) {
        OnFirstGap = 0;
        gaps_[1].edit->show();
        gaps_[1].edit->setEnabled(true);
        gaps_[1].edit->setFocus();
        return;
    }
    // The whole item is judged: it goes to the error list once, or leaves it once.
    if (itemWrong_)
        shell().haemtafel(s.CurrentDataFile, s.CorrectionRun ? 2 : 3);
    else if (s.CorrectionRun)
        shell().haemtafel(s.CurrentDataFile, 1);
    if (!s.LastAnswerRight) {
        if (s.ProgramNumber == 51110) showRuleLines(std::atoi(s.ItemFields[3].bytes().c_str()), g.shown);
        if (s.QuestionNumber + 1 <= s.RunLength)
            startAnswerTimer(s.ProgramNumber == 51110 ? 300 : 100);
    }
    lastInterval_ = gapNumber == 1 ? 5 : 100;
    questionDone();
}

void TSkrivinf::showRuleLines(int rule, QWidget* below) {
    std::vector<const char*> lines = articleRule(rule);
    const int lineHeight = QFontMetrics(Label17->font()).height();
    int top = below->y() + 2 * lineHeight;
    for (std::size_t i = 0; i < lines.size() && i < ruleLines_.size(); ++i) {
        AutoLabel* l = ruleLines_[i];
        l->setText(qs(lines[i]));
        l->move(InstruktionsLabel->x(), top);
        l->show();
        l->raise();
        top += lineHeight * 4 / 3;
    }
}

void TSkrivinf::BitBtn2Click() {
    if (mode() == Mode::FollowUp1 || mode() == Mode::FollowUp2) ++HelpUsed;
    if (HelpShown == 1) {
        Label16->show();
        HelpShown = 2;
        if (HelpCount == 1) bitbtn2->setEnabled(false);
    } else if (HelpShown == 2) {
        Label17->show();
        HelpShown = 3;
        bitbtn2->hide();
    }
    setAnswerEnabled(true, true);
}

void TSkrivinf::regelknappClick() {
    regelknapp->setEnabled(false);
    const int p = state().ProgramNumber;
    if (hasRules(p)) openRules(between(p, 56420, 56460) ? 56410 : p);
    regelknapp->setEnabled(true);
    setAnswerEnabled(true, true);
}

void TSkrivinf::onPause() {
    for (Gap& g : gaps_) g.edit->setEnabled(false);
    regelknapp->setEnabled(false);
    bitbtn2->hide();
}

} // namespace orvela
