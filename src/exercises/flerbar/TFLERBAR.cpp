#include "TFLERBAR.h"

#include "DataFile.h"
#include "ProtocolLink.h"
#include "QtText.h"
#include "Scrambling.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

namespace orvela {

namespace {

bool swedishSentenceShown(int p) { return p == 6 || p == 106 || p == 51400; }
bool bigSentence(int p) { return p == 6 || p == 106 || p == 51220 || p == 51400; }
bool hasRules(int p) { return p == 51220 || p == 51400; }

} // namespace

std::vector<AnsiText> TFLERBAR::Hittapreppar(Shell& shell, const AnsiText& fileName) {
    std::vector<AnsiText> choices;
    LineReader reader(shell.dataFile(fileName));
    if (!reader.isOpen()) return choices;
    AnsiText line;
    while (reader.next(line)) {
        AnsiText plain = ScrambledLinesOn ? dekryptrad(line) : line;
        if (!isItemLine(plain)) continue;
        if (!FinnsPrep(plain)) continue; // a line without a gap offers no word
        shell.LetaPrep(plain);
        const AnsiText word = shell.state().PrepParts[2];
        const AnsiText upper = toUpper(word);
        bool known = false;
        for (const AnsiText& c : choices)
            if (toUpper(c) == upper) known = true;
        if (known || choices.size() >= 12) continue;
        AnsiText stored = toLower(word);
        stored.truncate(10);
        choices.push_back(stored);
    }
    return choices;
}

bool TFLERBAR::FinnsPrep(const AnsiText& text) {
    return text.bytes().find('<') != std::string::npos;
}

AnsiText TFLERBAR::alternativesLine(const std::vector<AnsiText>& choices) {
    std::string line;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0) line += (i + 1 == choices.size()) ? " eller " : ", ";
        line += choices[i].bytes();
    }
    if (!line.empty()) {
        line += " ?";
        line[0] = static_cast<char>(ansiUpper(static_cast<unsigned char>(line[0])));
    }
    AnsiText t(line);
    t.truncate(kHeaderTextMax);
    return t;
}

TFLERBAR::TFLERBAR(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TFLERBAR"));
    setMouseTracking(true);
    keepEndPanelOnNewItem_ = true;
    Panel1->setObjectName(QStringLiteral("EscapePanel"));
    const int p = Shell::GeProgramtal(state().CurrentDataFile);
    const int size = bigSentence(p) ? 22 : 14;
    auto label = [this, size](const char* name, const QColor& color) {
        return itemLabel(QString::fromLatin1(name), color, size);
    };
    Label4 = label("Label4", colors::navy);
    Label5 = label("Label5", colors::navy);
    Label6 = label("Label6", colors::navy);
    Label8 = label("Label8", colors::navy);
    SvenskLabel = label("SvenskLabel", colors::green);
    KorrektSvarLabel = label("KorrektSvarLabel", colors::maroon);
    EfterdelLabel = label("EfterdelLabel", colors::navy);

    TilePanel = new QWidget(this);
    TilePanel->setObjectName(QStringLiteral("Panel1"));
    TilePanel->setMouseTracking(true);
    makeWordTiles(
        TilePanel, tiles_, [this](int k) { PanelMouseMove(k); },
        [this](int k, Qt::MouseButton b) { PanelMouseDown(k, b); });
    BitBtn2 = new QPushButton(QString::fromUtf8("Règles"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    BitBtn2->setFocusPolicy(Qt::NoFocus);
    BitBtn2->setFont(pointFont(12, true));
    BitBtn2->hide();
    connect(BitBtn2, &QPushButton::clicked, this, &TFLERBAR::BitBtn2Click);

    choices_ = Hittapreppar(shell(), state().CurrentDataFile);
    for (const AnsiText& c : choices_) {
        AnsiText cap = c;
        if (!cap.empty() && cap[0] >= 'a' && cap[0] <= 'z') cap.bytes()[0] = static_cast<char>(cap[0] - 32);
        capitalised_.push_back(cap);
    }
    for (const AnsiText& c : choices_) longestChoice_ = std::max(longestChoice_, static_cast<int>(c.size()));
    if (state().ExerciseMode == Mode::Worksheet) state().WorksheetNote = alternativesLine(choices_);
    FormCreate();
}

void TFLERBAR::layoutItemArea() {
    labelHeight_ = QFontMetrics(Label4->font()).height();
}

void TFLERBAR::NollaLabeller() {
    for (AutoLabel* l : {Label4, Label5, Label6, Label8, SvenskLabel, KorrektSvarLabel, EfterdelLabel}) {
        l->setText(QString());
        l->hide();
    }
    BitBtn2->hide();
}

const AnsiText& TFLERBAR::tileWord(int tile) const {
    const std::vector<AnsiText>& list = capitalisedNow_ ? capitalised_ : choices_;
    return list.at(static_cast<std::size_t>(tile - 1));
}

void TFLERBAR::presentItem() {
    SharedState& s = state();
    const int p = s.ProgramNumber;
    const int left = InstruktionsLabel->x();
    const int instrBottom = InstruktionsLabel->y() + InstruktionsLabel->height();
    correctionShown_ = false;

    shell().dela_mening(left, W - Aster1->width() - 2 * U(), s.ItemFields[1], 2);
    const AnsiText line1 = s.SplitLines[1], line2 = s.SplitLines[2];

    if (swedishSentenceShown(p)) {
        SvenskLabel->setText(toQString(s.ItemFields[2]));
        SvenskLabel->move(left, instrBottom + labelHeight_ * 3 / 2);
        SvenskLabel->show();
    }
    int gapTop = instrBottom + 3 * labelHeight_;
    AnsiText gapLine = line1;
    if (!line2.empty()) {
        if (FinnsPrep(line1)) {
            Label8->setText(toQString(line2));
            Label8->move(30, gapTop + labelHeight_ * 3 / 2);
        } else {
            Label8->setText(toQString(line1));
            Label8->move(30, instrBottom + labelHeight_ * 9 / 2);
            gapTop = Label8->y() + labelHeight_ * 3 / 2;
            gapLine = line2;
        }
        Label8->show();
    }
    shell().LetaPrep(gapLine);
    rightWord_ = s.PrepParts[2];
    Label4->setText(toQString(s.PrepParts[1]));
    Label5->setText(QStringLiteral("?"));
    Label6->setText(toQString(s.PrepParts[3]));
    Label4->move(gapLine.startsWith("<") ? left : left, gapTop);
    Label5->move(Label4->x() + Label4->width(), gapTop);
    Label6->move(Label5->x() + Label5->width(), gapTop);
    for (AutoLabel* l : {Label4, Label5, Label6}) l->show();
    KorrektSvarLabel->setText(toQString(rightWord_));
    KorrektSvarLabel->move(Label5->pos());
    EfterdelLabel->setText(toQString(s.PrepParts[3]));
    EfterdelLabel->move(KorrektSvarLabel->x() + KorrektSvarLabel->width(), gapTop);

    const unsigned char first = rightWord_.empty() ? 0 : rightWord_[0];
    capitalisedNow_ = (first >= 'A' && first <= 'Z') || first == 0xC4 || first == 0xC5 || first == 0xD6;
    layoutTiles();
    TilePanel->move(left, instrBottom + 6 * labelHeight_);
    TilePanel->show();
    TilePanel->setEnabled(mode() != Mode::Worksheet);
    if (hasRules(p) && mode() != Mode::Worksheet) {
        BitBtn2->setText(QString::fromUtf8("Règles"));
        BitBtn2->move(left, TilePanel->y() + TilePanel->height() + 2 * U());
        BitBtn2->resize(8 * U(), 2 * U() + U() / 2);
        BitBtn2->setEnabled(true);
        BitBtn2->show();
    }
}

void TFLERBAR::layoutTiles() {
    const int n = static_cast<int>(choices_.size());
    const QFontMetrics fm(tiles_[0]->font());
    const int gap = fm.horizontalAdvance(QStringLiteral("n"));
    const int margin = fm.horizontalAdvance(QStringLiteral("AA"));
    const int tileHeight = fm.height() + U();
    const int firstRow = n >= 8 ? (n + 1) / 2 : n;
    int x = gap, rowWidth[2] = {gap, gap};
    for (int k = 0; k < 12; ++k) {
        WordTile* t = tiles_[static_cast<std::size_t>(k)];
        if (k >= n) {
            t->hide();
            continue;
        }
        const int row = k < firstRow ? 0 : 1;
        if (k == firstRow) x = gap;
        t->setText(toQString(tileWord(k + 1)));
        t->setHighlighted(false);
        const int w = fm.horizontalAdvance(t->text()) + margin;
        t->setGeometry(x, row == 0 ? U() : tileHeight + 2 * U(), w, tileHeight);
        t->show();
        x += w + gap;
        rowWidth[row] = x;
    }
    const bool twoRows = n >= 8;
    TilePanel->resize(std::max(rowWidth[0], rowWidth[1]),
                      twoRows ? 2 * tileHeight + 3 * U() : tileHeight + 2 * U());
}

void TFLERBAR::setAnswerEnabled(bool enabled, bool) {
    if (mode() == Mode::Worksheet) return;
    TilePanel->setEnabled(enabled);
    setFocus();
}

void TFLERBAR::PanelMouseMove(int tile) {
    if (tile < 1 || tile > static_cast<int>(choices_.size())) return;
    for (WordTile* t : tiles_) t->setHighlighted(false);
    tiles_[static_cast<std::size_t>(tile - 1)]->setHighlighted(true);
    if (!correctionShown_ && Label5->isVisible()) {
        Label5->setText(toQString(tileWord(tile)));
        Label6->move(Label5->x() + Label5->width(), Label6->y());
    }
    correctionShown_ = false;
}

void TFLERBAR::PanelMouseDown(int tile, Qt::MouseButton button) {
    BitBtn2->setEnabled(false);
    RaettTest(tile, button);
}

void TFLERBAR::openEscapePanel() {
    showEndPanel();
}

void TFLERBAR::RaettTest(int tile, Qt::MouseButton button) {
    SharedState& s = state();
    const Mode m = mode();
    if (runState() != RunState::Answering) return;
    if (button == Qt::LeftButton) {
        if (tile < 1 || tile > static_cast<int>(choices_.size())) return;
        const bool right = shell().svarstest(rightWord_, tileWord(tile), 1) == 0;
        if (right) {
            answerRight(true);
            Timer1->stop();
            correctionShown_ = false;
        } else {
            s.LastAnswerRight = 0;
            Label5->hide();
            Label6->hide();
            TilePanel->hide();
            KorrektSvarLabel->show();
            EfterdelLabel->show();
            ++s.WrongCount;
            if (s.CorrectionRun)
                shell().haemtafel(s.CurrentDataFile, 2);
            else if (s.QuestionNumber <= s.RunLength)
                shell().haemtafel(s.CurrentDataFile, 3);
            if (m == Mode::Practice || m == Mode::FollowUpCorrection) advanceSquare(true);
            if (isDiagnosisMode(m)) UppDateraDiagnosResultatet();
            correctionShown_ = true;
        }
    } else {
        if (m == Mode::DiagnosisTest) {
            shell().diagnosback(s.RightCount);
            closeWindow();
            return;
        }
        openEscapePanel();
    }
    ++s.QuestionNumber;
    if (s.QuestionNumber <= s.RunLength) {
        if (s.LastAnswerRight)
            NyPost();
        else
            startAnswerTimer();
        return;
    }
    if (s.LastAnswerRight) {
        Avslutning();
        TilePanel->hide();
        BitBtn2->hide();
    } else {
        runState_ = RunState::ShowingLastAnswer;
        Timer3->start(100);
        setFocus();
    }
}

void TFLERBAR::BitBtn2Click() {
    const int p = state().ProgramNumber;
    escapeSwallow_ = true;
    if (hasRules(p)) openRules(p);
}

bool TFLERBAR::windowKey(QKeyEvent* e) {
    if (e->key() != Qt::Key_Escape) return false;
    if (escapeSwallow_) {
        escapeSwallow_ = false;
        return true;
    }
    SharedState& s = state();
    if (mode() == Mode::DiagnosisTest) {
        shell().diagnosback(s.RightCount);
        if (context().protocol) context().protocol->setProtocolEnabled(true);
        closeWindow();
        return true;
    }
    showEndPanel();
    return true;
}

void TFLERBAR::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton && mode() != Mode::DiagnosisTest) showEndPanel();
    e->accept();
}

void TFLERBAR::Button2Click() {
    SharedState& s = state();
    // A correction run is left for a new run, as a finished run is.
    if (s.CorrectionRun) s.QuestionNumber = static_cast<std::uint16_t>(std::max(s.RunLength, 1));
    ExerciseWindow::Button2Click();
    TilePanel->setEnabled(true);
}

void TFLERBAR::Button3Click() {
    SharedState& s = state();
    const Mode m = mode();
    if (m == Mode::DiagnosisTest || (s.CorrectionRun && m == Mode::FollowUpCorrection)) {
        shell().diagnosback(s.RightCount);
    } else if ((m == Mode::FollowUp1 || m == Mode::FollowUp2) && !s.CorrectionRun &&
               s.RightCount >= QuestionsPerRun - 2) {
        if (s.DiagnosisReturnMarker != 0) {
            std::size_t prog = static_cast<std::size_t>(std::clamp(s.CurrentProgramme, 1, 20));
            s.CurrentPupil.status[prog] = 2;
            int status = shell().GeStatusTal(s.CurrentProgramme);
            s.DiagnosisReturnMarker = 0;
            if (ProtocolLink* link = context().protocol) {
                link->setStatusCell(s.CurrentProgramme,
                                    QStringLiteral("    ") + QString::fromLatin1(statusWord(status)));
                link->hideInfoPanel();
            }
            s.ExerciseMode = Mode::DiagnosisTest;
            s.RightCount = 0;
            if (context().protocol) context().protocol->setProtocolEnabled(true);
        } else {
            ++s.DiagnosisReturnMarker;
        }
    }
    closeWindow();
}

} // namespace orvela
