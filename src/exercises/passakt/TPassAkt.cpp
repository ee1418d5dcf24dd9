#include "TPassAkt.h"

#include "QtText.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

namespace orvela {

namespace {

constexpr int kPassiveActive = 56410;
constexpr int kAdverbs = 53100;

bool swedishPanelProgram(int p) { return p == kAdverbs || p == kPassiveActive; }

AnsiText withoutMarks(const AnsiText& text) {
    std::string out;
    for (char c : text.bytes())
        if (c != '<' && c != '>') out.push_back(c);
    return AnsiText(std::move(out));
}

bool hasMark(const AnsiText& text) { return text.bytes().find('<') != std::string::npos; }

bool blankText(const AnsiText& t) {
    return t.bytes().find_first_not_of(' ') == std::string::npos;
}

AnsiText trimmedRight(AnsiText t) {
    while (!t.empty() && t.back() == ' ') t.bytes().pop_back();
    return t;
}

} // namespace

AnsiText TPassAkt::explanation(int programNumber, const AnsiText& group, const AnsiText& right) {
    if (programNumber == kPassiveActive) return AnsiText::fromUtf8("Meningen är ") + right;
    // Without a marked group there is nothing to name: the right answer alone.
    if (blankText(group)) return AnsiText::fromUtf8("Rätt svar är ") + right;
    const AnsiText named = programNumber == kAdverbs ? toLower(group) : group;
    return named + AnsiText::fromUtf8(" är ") + right;
}

TPassAkt::TPassAkt(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TPassAkt"));
    setMouseTracking(true);
    // The escape panel is opened and closed by the pupil; a new item leaves it as it is.
    keepEndPanelOnNewItem_ = true;
    Panel1->setObjectName(QStringLiteral("Panel9"));
    Timer3->setObjectName(QStringLiteral("Timer2"));

    auto label = [this](const char* name, const QColor& color) {
        // 14 points: the font the sentence is split in.
        return itemLabel(QString::fromLatin1(name), color, 14);
    };
    Label3 = label("Label3", colors::blue);
    Label4 = label("Label4", colors::blue);
    Label5 = label("Label5", colors::green);
    Label6 = label("Label6", colors::blue);
    Label7 = label("Label7", colors::maroon);

    TilePanel = new QWidget(this);
    TilePanel->setObjectName(QStringLiteral("Panel1"));
    TilePanel->setMouseTracking(true);
    makeWordTiles(
        TilePanel, tileControls_, [this](int k) { PanelMouseMove(k); },
        [this](int k, Qt::MouseButton b) { PanelMouseDown(k, b); });
    templabel = new QLabel(this);
    templabel->setObjectName(QStringLiteral("templabel"));
    templabel->setFont(tileControls_[0]->font());
    templabel->hide();

    BitBtn2 = new QPushButton(QStringLiteral("Regler"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    BitBtn2->setFocusPolicy(Qt::NoFocus);
    BitBtn2->setFont(pointFont(12, true));
    BitBtn2->hide();
    connect(BitBtn2, &QPushButton::clicked, this, &TPassAkt::BitBtn2Click);
    // A correction run starts on a clean screen: no praise, no picture.
    connect(Button1, &QPushButton::clicked, this, [this] {
        LovordPanel->hide();
        BildPanelen->hide();
    });

    SharedState& s = state();
    // The worksheet heading is this exercise's own, even when its heading lines are empty.
    if (s.ExerciseMode == Mode::Worksheet)
        s.WorksheetHeading = WorksheetPanel::composeHeading(s.HeadingLines);
    FormCreate();
}

bool TPassAkt::swedishEndPanel() { return swedishPanelProgram(state().ProgramNumber); }

void TPassAkt::layoutItemArea() {
    const QFontMetrics bm(BitBtn2->font());
    BitBtn2->resize(bm.horizontalAdvance(BitBtn2->text()) + 3 * U(), bm.height() + U() / 2 + 6);
}

void TPassAkt::NollaLabeller() {
    for (AutoLabel* l : {Label3, Label4, Label5, Label6, Label7}) {
        l->setText(QString());
        l->hide();
    }
    BitBtn2->hide();
}

bool TPassAkt::usableItem() {
    return !ChoiceTiles::fromFields(state().ItemFields).empty();
}

bool TPassAkt::skipUnusableItems() {
    SharedState& s = state();
    Shell& sh = shell();
    const int f = s.CurrentFileIndex;
    const bool known = f >= 1 && f <= static_cast<int>(kMaxDataFiles);
    int tries = (known ? s.ItemCount[static_cast<std::size_t>(f)] : 0) + 1;
    while (!usableItem()) {
        if (tries-- <= 0) return false;
        if (s.CorrectionRun && errorCountOfFile() > 0) {
            // An entry that cannot be asked leaves the error list.
            sh.haemtafel(s.CurrentDataFile, 1);
            if (errorCountOfFile() > 0) {
                sh.haemtafel(s.CurrentDataFile, 0);
                s.CurrentItem = static_cast<std::uint16_t>(s.ErrorItem);
                sh.str_postarray(s.CurrentLine);
                continue;
            }
            s.CorrectionRun = 0; // nothing left to correct: the run goes on with new items
        }
        if (!known) return false;
        s.CurrentItem = static_cast<std::uint16_t>(
            sh.haemta_slumptal(s.DrawCursor[static_cast<std::size_t>(f)], f));
        sh.haemtaord(s.CurrentDataFile, s.CurrentItem);
        sh.str_postarray(s.CurrentLine);
    }
    return true;
}

void TPassAkt::presentItem() {
    SharedState& s = state();
    Label7->hide();
    const bool worksheet = mode() == Mode::Worksheet;
    if (!skipUnusableItems()) {
        // No item of the file has a right answer: the pupil is told and can leave.
        tiles_ = ChoiceTiles{};
        group_.clear();
        TilePanel->hide();
        shell().showWarning("Filen " + s.CurrentDataFile.toUtf8() +
                            " finns inte eller är felaktig");
        if (!worksheet) showEndPanel();
        return;
    }
    tiles_ = ChoiceTiles::fromFields(s.ItemFields);
    placeSentence();
    layoutTiles();
    PanelMouseMove(1);
    TilePanel->setVisible(!worksheet);
    TilePanel->setEnabled(!worksheet);
    Button1->setEnabled(errorCountOfFile() > 0);
    if (s.ProgramNumber == kPassiveActive && !worksheet) {
        BitBtn2->move(TilePanel->x(), TilePanel->y() + 3 * TilePanel->height() + 2 * U());
        BitBtn2->setEnabled(true);
        BitBtn2->show();
    }
}

void TPassAkt::placeSentence() {
    SharedState& s = state();
    const AnsiText sentence = s.ItemFields[1];
    const int left = InstruktionsLabel->x();
    shell().dela_mening(left, W - Aster1->width() - 2 * U(), sentence, 2);
    AnsiText lines[2] = {s.SplitLines[1], s.SplitLines[2]};
    // A sentence too long for two lines ends in dots where it was cut.
    AnsiText& last = lines[1].empty() ? lines[0] : lines[1];
    const std::string whole = trimmedRight(sentence).bytes();
    const std::string shown = trimmedRight(last).bytes();
    if (!shown.empty() && !std::string_view(whole).ends_with(shown)) last += AnsiText::ascii(" ...");

    // The marked group of the whole sentence, for the explanation.
    group_.clear();
    if (hasMark(sentence)) {
        shell().LetaPrep(sentence);
        group_ = s.PrepParts[2];
    }

    const int lineHeight = QFontMetrics(Label3->font()).height();
    const int step = lineHeight * 3 / 2;
    const int firstTop = InstruktionsLabel->y() + 4 * InstruktionsLabel->height();
    const bool two = !lines[1].empty();
    int markLine = hasMark(lines[0]) ? 0 : (two && hasMark(lines[1]) ? 1 : -1);
    int lastTop = firstTop;
    auto plainLine = [](AutoLabel* l, const AnsiText& text, int x, int y) {
        l->setText(toQString(withoutMarks(text)));
        l->move(x, y);
        l->show();
    };
    if (markLine < 0) {
        if (!two) {
            plainLine(Label3, lines[0], left, firstTop);
        } else {
            plainLine(Label4, lines[0], left, firstTop);
            plainLine(Label3, lines[1], left, firstTop + step);
            lastTop = firstTop + step;
        }
    } else {
        const int markTop = markLine == 0 ? firstTop : firstTop + step;
        shell().LetaPrep(lines[markLine]);
        // Text after a second group (which the window does not mark) stays in the tail.
        const AnsiText tail = s.PrepParts[3] + s.PrepParts[4] + s.PrepParts[5];
        // Edge to edge, by the width of the texts (an empty lead-in takes no room).
        const QFontMetrics fm(Label4->font());
        const AnsiText lead = s.PrepParts[1], group = s.PrepParts[2];
        plainLine(Label4, lead, left, markTop);
        const int groupLeft = left + fm.horizontalAdvance(toQString(lead));
        plainLine(Label5, group, groupLeft, markTop);
        plainLine(Label6, tail, groupLeft + fm.horizontalAdvance(toQString(group)), markTop);
        if (two) plainLine(Label3, lines[markLine == 0 ? 1 : 0], left, markLine == 0 ? firstTop + step : firstTop);
        lastTop = two ? firstTop + step : firstTop;
    }
    TilePanel->move(left, lastTop + 2 * lineHeight);
}

void TPassAkt::layoutTiles() {
    const QFontMetrics fm(templabel->font());
    const int u = U();
    const int tileHeight = fm.height() + u;
    // Tiles that would run into the squares go on a second row.
    const int room = std::max(W - Aster1->width() - 2 * u - TilePanel->x(), 1);
    int x = 0, y = 0, width = 0;
    for (int k = 0; k < kTileControls; ++k) {
        WordTile* t = tileControls_[static_cast<std::size_t>(k)];
        t->setHighlighted(false);
        if (k >= static_cast<int>(tiles_.size())) {
            t->hide();
            continue;
        }
        const QString caption = toQString(tiles_.tiles()[static_cast<std::size_t>(k)].caption());
        const int w = fm.horizontalAdvance(caption);
        if (x > 0 && x + w + u + 4 > room) {
            x = 0;
            y += tileHeight + u;
        }
        t->setText(caption);
        t->setGeometry(x, y, w + u + 4, tileHeight);
        t->show();
        width = std::max(width, x + w + u + 4);
        x += w + 2 * u;
    }
    TilePanel->resize(width + u / 2, y + tileHeight);
}

void TPassAkt::setAnswerEnabled(bool enabled, bool) {
    if (mode() == Mode::Worksheet) return;
    // While a right answer is on show (or the run is over) the tiles stay closed, whatever
    // re-enabled them: no item can be answered twice.
    const RunState r = runState();
    const bool waiting = r == RunState::ShowingAnswer || r == RunState::ShowingLastAnswer ||
                         r == RunState::Ended || tiles_.empty();
    TilePanel->setEnabled(enabled && !waiting);
    setFocus();
}

void TPassAkt::PanelMouseMove(int tile) {
    if (tile < 1 || tile > static_cast<int>(tiles_.size())) return;
    for (int k = 0; k < kTileControls; ++k)
        tileControls_[static_cast<std::size_t>(k)]->setHighlighted(k == tile - 1);
}

void TPassAkt::PanelMouseDown(int tile, Qt::MouseButton b) { RaettTest(tile, b); }

void TPassAkt::RaettTest(int tile, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        openEscapePanel();
        return;
    }
    if (button != Qt::LeftButton || mode() == Mode::Worksheet) return;
    if (runState() != RunState::Answering || !TilePanel->isEnabled()) return;
    if (tile < 1 || tile > static_cast<int>(tiles_.size())) return;
    SharedState& s = state();
    if (tiles_.tiles()[static_cast<std::size_t>(tile - 1)].right) {
        answerRight(true);
    } else {
        answerWrong();
        const int right = tiles_.rightIndex();
        for (int k = 0; k < kTileControls; ++k)
            tileControls_[static_cast<std::size_t>(k)]->setHighlighted(k == right);
        Label7->setText(toQString(explanation(s.ProgramNumber, group_, s.ItemFields[2])));
        Label7->move(TilePanel->x(), TilePanel->y() + TilePanel->height() * 3 / 2);
        Label7->show();
        TilePanel->setEnabled(false);
    }
    questionDone();
}

void TPassAkt::openEscapePanel() {
    if (mode() == Mode::Worksheet) return;
    showEndPanel();
}

bool TPassAkt::windowKey(QKeyEvent* e) {
    if (e->key() != Qt::Key_Escape) return false;
    openEscapePanel();
    return true;
}

void TPassAkt::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) openEscapePanel();
    e->accept();
}

void TPassAkt::BitBtn2Click() {
    if (state().ProgramNumber == kPassiveActive) openRules(kPassiveActive);
    setFocus();
}

void TPassAkt::beforePraise() { BitBtn2->hide(); }

void TPassAkt::Button2Click() {
    SharedState& s = state();
    Panel1->hide();
    if (s.QuestionNumber >= s.RunLength) {
        // A new run.
        s.RightCount = 0;
        s.WrongCount = 0;
        hideRewardPicture();
        LovordPanel->hide();
        s.CorrectionRun = 0;
        s.RunLength = s.SavedRunLength;
        NyStartaAster(true);
        s.QuestionNumber = 1;
        NyPost();
    }
    setAnswerEnabled(true, true);
    BitBtn1->setEnabled(true);
}

} // namespace orvela
