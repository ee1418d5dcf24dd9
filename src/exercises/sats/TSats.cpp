#include "TSats.h"

#include "QtText.h"
#include "WorksheetWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace orvela {

namespace {

const char* const kHelpTexts[4] = {
    "Styr musen till meningen!",
    "Här kan du klicka med vänster musknapp.",
    "Håll knappen nedtryckt och dra musen till satsdelsruta!",
    "Här kan du släppa upp knappen.",
};
const char* const kFirstHelp = "För musen över meningen.";
const char* const kReleaseHint = "Släpp upp musknappen";
const char* const kWrongDrop = "Fel. Gör ett nytt försök!";

// The sentence wraps after a label that ends at this pixel or further right (before scaling).
constexpr int kWrapEdge = 520;
// A placed group stands this far above the top of its box (before scaling).
constexpr int kPlaceLift = 30;

} // namespace

const char* TSats::helpText(int n) {
    return n >= 0 && n <= 3 ? kHelpTexts[n] : "";
}

TSats::TSats(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TSats"));
    setMouseTracking(true);

    Label3 = new AutoLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(pointFont(16, true));
    Label3->setTextColor(colors::teal);

    auto piece = [this](const QString& name) {
        auto* l = new SentenceLabel(this);
        l->setObjectName(name);
        l->setFont(pointFont(18, true));
        l->hide();
        return l;
    };
    for (int k = 1; k <= 6; ++k)
        Mell[static_cast<std::size_t>(k)] = piece(QStringLiteral("Mell%1").arg(k));
    // The copies first, so that each group lies over its copy.
    for (int k = 6; k <= 10; ++k)
        Men[static_cast<std::size_t>(k)] = piece(QStringLiteral("Men%1").arg(k));
    const bool worksheet = state().ExerciseMode == Mode::Worksheet;
    for (int k = 1; k <= 5; ++k) {
        SentenceLabel* g = piece(QStringLiteral("Men%1").arg(k));
        Men[static_cast<std::size_t>(k)] = g;
        if (worksheet) continue;
        g->setDraggable(true);
        g->setCursor(Qt::OpenHandCursor);
        connect(g, &SentenceLabel::pointed, this, [this, k] { MenMouseMove(k); });
        connect(g, &SentenceLabel::pressed, this, [this, k](QPointF at) { MenMouseDown(k, at); });
        connect(g, &SentenceLabel::dragMoved, this, &TSats::dragTo);
        connect(g, &SentenceLabel::released, this, &TSats::dropAt);
    }

    for (int n = 1; n <= kBoxes; ++n) {
        auto* box = new FunctionBox(this);
        box->setObjectName(QStringLiteral("Memo%1").arg(n));
        box->setFont(pointFont(12, true));
        box->hide();
        connect(box, &FunctionBox::hovered, this, [this, n] { MemoMouseMove(n); });
        Memo[static_cast<std::size_t>(n)] = box;
    }
    Shape1 = new Shape(this, Shape::Rectangle, colors::lime, colors::black);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    FelPanel = new QLabel(qs(kWrongDrop), this);
    FelPanel->setObjectName(QStringLiteral("FelPanel"));
    FelPanel->setFont(pointFont(14, true));
    FelPanel->setStyleSheet(QStringLiteral("color: white; background: #ff0000; padding: 4px 8px"));
    FelPanel->hide();

    dragImage_ = new SentenceLabel(this);
    dragImage_->setObjectName(QStringLiteral("DragImage"));
    dragImage_->setFont(pointFont(18, true));
    dragImage_->setTextColor(colors::blue);
    dragImage_->setBackgroundColor(colors::aqua);
    dragImage_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragImage_->hide();

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer2, &QTimer::timeout, this, &TSats::Timer2Timer);

    if (worksheet) state().WorksheetNote.clear();
    FormCreate();
    Button3->setText(QStringLiteral("A&vbryta"));
    FelPanel->hide();
    Label3->setText(qs(kFirstHelp));
    if (worksheet) {
        Shape1->hide();
        Label3->hide();
        Aster1->hide();
    }
}

void TSats::layoutItemArea() {
    const int u = U();
    const int percent = state().ScalePercent;
    wrapEdge_ = scaled(kWrapEdge, percent);
    placeLift_ = scaled(kPlaceLift, percent);
    margin_ = Heading->x();

    Label3->move(margin_, InstruktionsLabel->y() + 2 * InstruktionsLabel->height());
    const int helpHeight = QFontMetrics(Label3->font()).height();
    lineTops_[0] = Label3->y() + 2 * helpHeight;
    lineTops_[1] = lineTops_[0] + helpHeight * 3 / 2;
    lineTops_[2] = lineTops_[1] + helpHeight * 3 / 2;

    // The boxes stand in one row above the error message and the end panel, spread over the
    // width left of the squares, with the signal square after the fifth.
    const QFontMetrics fm(Memo[1]->font());
    const int boxHeight = 2 * fm.height() + u;
    const int shapeSize = boxHeight * 2 / 3;
    const int room = Aster1->x() - u - margin_ - shapeSize - u;
    const int step = room / kBoxes;
    int widest = 0;
    for (const char* line : {"Ackusativ-", "Predikats-", "Predikat", "Subjekt"})
        widest = std::max(widest, fm.horizontalAdvance(qs(line)));
    const int boxWidth = std::max(step - 2 * u, widest + u);
    FelPanel->adjustSize();
    const int boxTop = H - boxHeight - FelPanel->height() - Panel1->height() - 8 * u;
    for (int n = 1; n <= kBoxes; ++n)
        Memo[static_cast<std::size_t>(n)]->setGeometry(margin_ + (n - 1) * step, boxTop, boxWidth,
                                                       boxHeight);
    Shape1->setGeometry(margin_ + kBoxes * step, boxTop + (boxHeight - shapeSize) / 2, shapeSize,
                        shapeSize);
    FelPanel->move(Memo[1]->x(), boxTop + boxHeight + u);
}

void TSats::NollaLabeller() {
    for (int k = 1; k <= 6; ++k) {
        SentenceLabel* l = Mell[static_cast<std::size_t>(k)];
        l->setPieceText(QString());
        l->setTextColor(colors::black);
        l->move(l->x(), lineTops_[0]);
        l->hide();
    }
    for (int k = 1; k <= 10; ++k) {
        SentenceLabel* l = Men[static_cast<std::size_t>(k)];
        l->setPieceText(QString());
        const bool group = k <= 5;
        l->setTextColor(group ? colors::blue : colors::black);
        l->setBackgroundColor(group ? colors::silver : QColor());
        l->setUnderlined(group);
        l->move(l->x(), lineTops_[0]);
        l->hide();
    }
    placed_.fill(false);
    for (int n = 1; n <= kBoxes; ++n)
        Memo[static_cast<std::size_t>(n)]->setBoxColor(colors::yellow);
}

void TSats::presentItem() {
    item_ = SatsItem::parse(state().ItemFields);
    firstTry_ = true;
    placedCount_ = 0;
    Shape1->setBrushColor(colors::lime);
    suppressFirst_ = suppressSecond_ = false;
    rightDropDone_ = false;
    itemFinished_ = false;
    currentGroup_ = 0;
    endDrag();
    FelPanel->hide();

    for (int k = 1; k <= 6; ++k) {
        SentenceLabel* l = Mell[static_cast<std::size_t>(k)];
        l->setPieceText(toQString(item_.between[static_cast<std::size_t>(k)]));
        l->setVisible(!l->text().isEmpty());
    }
    for (int k = 1; k <= 5; ++k) {
        const QString text = toQString(item_.groups[static_cast<std::size_t>(k)]);
        for (SentenceLabel* l :
             {Men[static_cast<std::size_t>(k)], Men[static_cast<std::size_t>(k + 5)]}) {
            l->setPieceText(text);
            l->setVisible(!text.isEmpty());
        }
    }
    layoutSentence();

    const std::size_t boxes = item_.boxes.size();
    for (std::size_t n = 1; n <= kBoxes; ++n) {
        FunctionBox* box = Memo[n];
        if (n <= boxes) {
            const SatsFunctionInfo& f = satsFunctionInfo(item_.boxes[n - 1].function);
            box->setLines(qs(f.line1), qs(f.line2));
            box->setEnabled(true);
            box->show();
        } else {
            box->hide();
            box->setEnabled(false);
        }
    }
    Timer2->stop();
}

void TSats::layoutSentence() {
    const int blank = QFontMetrics(font()).horizontalAdvance(QLatin1Char(' '));
    int line = 0;
    int previousRight = -1;
    for (int k = 1; k <= 11; ++k) {
        const bool group = k % 2 == 0;
        SentenceLabel* l = group ? Men[static_cast<std::size_t>(k / 2)]
                                 : Mell[static_cast<std::size_t>((k + 1) / 2)];
        if (l->text().isEmpty()) continue;
        int x = margin_;
        if (previousRight >= 0) {
            x = previousRight;
            if (previousRight >= wrapEdge_ && line < 2) {
                ++line;
                x = group ? margin_ : margin_ - blank;
            }
            // With three lines full the sentence goes on along the third line.
        }
        l->move(x, lineTops_[static_cast<std::size_t>(line)]);
        previousRight = x + l->width();
    }
    for (int k = 1; k <= 5; ++k)
        Men[static_cast<std::size_t>(k + 5)]->move(Men[static_cast<std::size_t>(k)]->pos());
}

void TSats::setAnswerEnabled(bool, bool focus) {
    if (mode() == Mode::Worksheet) return;
    if (focus) setFocus();
}

bool TSats::groupPlaced(int group) const {
    return group >= 1 && group <= 5 && placed_[static_cast<std::size_t>(group)];
}

int TSats::boxOfGroup(int group) const {
    for (std::size_t n = 0; n < item_.boxes.size(); ++n)
        if (item_.boxes[n].group == group) return static_cast<int>(n) + 1;
    return 0;
}

bool TSats::interactive() {
    return mode() != Mode::Worksheet && !itemFinished_;
}

// ---- help line and highlighting ----

void TSats::Hjalptext(int n) {
    if (n == shownHelp_ || suppressFirst_ || suppressSecond_) return;
    Label3->setText(qs(kHelpTexts[n]));
    shownHelp_ = n;
    if (n == 2) suppressFirst_ = true;
    if (n == 3) suppressSecond_ = true;
}

void TSats::Menfarg(int group) {
    currentGroup_ = group;
    for (int k = 1; k <= 5; ++k) {
        const bool lit = k == group && !placed_[static_cast<std::size_t>(k)];
        Men[static_cast<std::size_t>(k)]->setBackgroundColor(lit ? colors::aqua : colors::silver);
    }
}

void TSats::memosenabled(bool on) {
    for (std::size_t n = 1; n <= item_.boxes.size() && n <= kBoxes; ++n)
        Memo[n]->setEnabled(on);
}

// ---- the mouse ----

void TSats::MenMouseMove(int group) {
    if (!interactive() || dragging_ || group < 1 || group > item_.groupCount) return;
    Menfarg(group);
    if (!placed_[static_cast<std::size_t>(group)]) Hjalptext(1);
    memosenabled(true);
}

void TSats::MenMouseDown(int group, QPointF at) {
    if (!interactive() || group < 1 || group > item_.groupCount) return;
    endDrag();
    // A press always points at the group first, as the mouse has moved onto it.
    MenMouseMove(group);
    FelPanel->hide();
    SentenceLabel* g = Men[static_cast<std::size_t>(group)];
    dragging_ = group;
    grabOffset_ = at - QPointF(g->mapToGlobal(QPoint(0, 0)));
    suppressSecond_ = false;
    Hjalptext(2);
    g->setCursor(Qt::ClosedHandCursor);
    dragImage_->setPieceText(g->text());
    dragImage_->move(g->mapTo(this, QPoint(0, 0)));
    dragImage_->show();
    dragImage_->raise();
}

int TSats::boxAt(QPointF globalPos) {
    const QPoint p = mapFromGlobal(globalPos.toPoint());
    for (std::size_t n = 1; n <= item_.boxes.size() && n <= kBoxes; ++n) {
        FunctionBox* box = Memo[n];
        if (box->isVisible() && box->isEnabled() && box->geometry().contains(p))
            return static_cast<int>(n);
    }
    return 0;
}

void TSats::dragTo(QPointF globalPos) {
    if (!dragging_) return;
    dragImage_->move((mapFromGlobal(globalPos) - grabOffset_).toPoint());
    if (int box = boxAt(globalPos))
        MemoDragOver(box);
    else
        FormDragOver();
}

void TSats::dropAt(QPointF globalPos) {
    if (!dragging_) return;
    const int box = boxAt(globalPos);
    endDrag();
    if (box)
        MemoDragDrop(box);
    else
        FormMouseUp();
}

void TSats::endDrag() {
    if (dragging_) Men[static_cast<std::size_t>(dragging_)]->setCursor(Qt::OpenHandCursor);
    dragging_ = 0;
    dragImage_->hide();
}

void TSats::FormDragOver() {
    if (dragging_) Hjalptext(2);
}

void TSats::MemoDragOver(int) {
    if (!dragging_) return;
    if (!rightDropDone_) {
        suppressFirst_ = false;
        Hjalptext(3);
    }
}

void TSats::MemoDragDrop(int box) {
    if (!interactive() || box < 1 || box > static_cast<int>(item_.boxes.size())) return;
    endDrag();
    const int group = item_.boxes[static_cast<std::size_t>(box - 1)].group;
    if (currentGroup_ != 0 && currentGroup_ == group) {
        Shape1->setBrushColor(colors::lime);
        rightDropDone_ = true;
        placeGroup(group, box);
        // A group already placed and dropped on its box again stays placed: it is counted once.
        if (!placed_[static_cast<std::size_t>(group)]) {
            placed_[static_cast<std::size_t>(group)] = true;
            ++placedCount_;
        }
    } else {
        FelPanel->show();
        FelPanel->raise();
        Shape1->setBrushColor(colors::red);
        firstTry_ = false;
    }
    memosenabled(false);
    if (placedCount_ >= static_cast<int>(item_.boxes.size())) Avklarad();
}

void TSats::placeGroup(int group, int box) {
    SentenceLabel* g = Men[static_cast<std::size_t>(group)];
    FunctionBox* target = Memo[static_cast<std::size_t>(box)];
    const int centre = target->x() + target->width() / 2;
    // Centred above the box, but not out into the window's edges.
    const int left = std::clamp(centre - g->width() / 2, margin_ / 2,
                                std::max(margin_ / 2, W - margin_ / 2 - g->width()));
    g->move(left, target->y() - placeLift_);
    g->setBackgroundColor(colors::silver);
    g->setTextColor(colors::black);
    g->setUnderlined(false);
    g->raise();
    target->setBoxColor(colors::aqua);
}

void TSats::MemoMouseMove(int box) {
    if (mode() == Mode::Worksheet) return;
    if (box <= 2 && currentGroup_ != 0) {
        Label3->setText(qs(kReleaseHint));
        shownHelp_ = -1;
        return;
    }
    Hjalptext(0);
}

void TSats::FormMouseMove() {
    if (mode() == Mode::Worksheet) return;
    currentGroup_ = 0;
    for (int k = 1; k <= 5; ++k)
        Men[static_cast<std::size_t>(k)]->setBackgroundColor(colors::silver);
    suppressFirst_ = suppressSecond_ = false;
    Hjalptext(0);
}

void TSats::FormMouseUp() {
    if (mode() == Mode::Worksheet) return;
    Hjalptext(0);
}

void TSats::FormMouseDown(Qt::MouseButton button) {
    if (mode() == Mode::Worksheet || button != Qt::RightButton) return;
    endDrag();
    correctionWithdrawn_ = true;
    Button1->hide();
    Button1->setEnabled(false);
    openEndPanel();
}

void TSats::mousePressEvent(QMouseEvent* e) {
    // A click on the end panel (a button passes the right button on) is not a click on the
    // window.
    const bool onPanel =
        Panel1->isVisible() && Panel1->geometry().contains(e->position().toPoint());
    if (!onPanel) FormMouseDown(e->button());
    e->accept();
}

void TSats::mouseMoveEvent(QMouseEvent* e) {
    if (dragging_ && (e->buttons() & Qt::LeftButton))
        dragTo(e->globalPosition());
    else if (e->buttons() == Qt::NoButton)
        FormMouseMove();
    e->accept();
}

void TSats::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        if (dragging_)
            dropAt(e->globalPosition());
        else
            FormMouseUp();
    }
    e->accept();
}

bool TSats::windowKey(QKeyEvent* e) {
    if (e->key() != Qt::Key_Escape || mode() == Mode::Worksheet) return false;
    endDrag();
    openEndPanel();
    return true;
}

// ---- the end of an item and of the run ----

void TSats::Avklarad() {
    SharedState& s = state();
    itemFinished_ = true;
    if (firstTry_)
        answerRight(true);
    else
        answerWrong();
    ++s.QuestionNumber;
    if (s.QuestionNumber <= s.RunLength) {
        NyPost();
        return;
    }
    if (s.LastAnswerRight) {
        endOfRun();
        return;
    }
    // After a wrong last item the end waits as long as a right answer is shown elsewhere; the
    // panel is there at once.
    runState_ = RunState::ShowingLastAnswer;
    s.TickCount = 0;
    Timer2->start(100);
    openEndPanel();
}

void TSats::Timer2Timer() {
    SharedState& s = state();
    ++s.TickCount;
    if (s.TickCount < 10 * answerSeconds()) return;
    Timer2->stop();
    endOfRun();
}

void TSats::endOfRun() {
    Timer2->stop();
    Avslutning();
    withdrawCorrectionIfAsked();
}

void TSats::openEndPanel() {
    const SharedState& s = state();
    if (runState_ == RunState::Answering && s.QuestionNumber <= s.RunLength)
        runState_ = RunState::Paused;
    showEndPanel();
    withdrawCorrectionIfAsked();
}

void TSats::withdrawCorrectionIfAsked() {
    if (!correctionWithdrawn_) return;
    Button1->setEnabled(false);
    Button1->hide();
    if (Panel1->isVisible()) Button2->setFocus();
}

void TSats::Button2Click() {
    SharedState& s = state();
    Panel1->hide();
    hideRewardPicture();
    LovordPanel->hide();
    if (s.QuestionNumber >= s.RunLength || s.CorrectionRun) {
        s.CorrectionRun = 0;
        s.RunLength = s.SavedRunLength;
        s.QuestionNumber = 1;
        s.RightCount = 0;
        s.WrongCount = 0;
        NyStartaAster(true);
        NyPost();
    } else if (!itemFinished_ && !item_.canBeFinished()) {
        // An item that no drop can finish (no box, or a box whose group the sentence lacks)
        // gives way to the next one, without counting.
        NyPost();
    } else if (runState_ == RunState::Paused) {
        runState_ = RunState::Answering;
    }
    setFocus();
}

void TSats::Button3Click() {
    Timer2->stop();
    endDrag();
    ExerciseWindow::Button3Click();
}

// ---- worksheet ----

void TSats::addWorksheetItem(WorksheetWindow& worksheet, int n) {
    const AnsiText first = Worksheet::itemPrefix(n) + item_.sentence;
    worksheet.addLine(Sheet::Questions, LineKind::Item, first);
    worksheet.addLine(Sheet::Answers, LineKind::Item, first);
    for (const AnsiText& line : item_.worksheetQuestionLines())
        worksheet.addLine(Sheet::Questions, LineKind::Continuation, line);
    for (const AnsiText& line : item_.worksheetAnswerLines())
        worksheet.addLine(Sheet::Answers, LineKind::Continuation, line);
}

} // namespace orvela
