#include "TBildvis.h"

#include "BmpImage.h"
#include "QtText.h"
#include "WorksheetWindow.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <vector>

namespace orvela {

namespace {

struct BirdSong {
    int item;
    const char* file;
};

// The recorded songs of the birds' file, by item number.
constexpr BirdSong kBirdSongs[] = {
    {1, "BERGUV.WAV"},    {3, "BLAMES.WAV"},    {4, "BOFINK.WAV"},    {7, "SV_FLUGS.WAV"},
    {10, "GOK.WAV"},      {13, "KATTUGGL.WAV"}, {15, "KOLTRAST.WAV"}, {16, "KORP.WAV"},
    {17, "KRAKA.WAV"},    {22, "RODHAKE.WAV"},  {25, "SKATA.WAV"},    {26, "SPILLKRA.WAV"},
    {28, "SANGLARK.WAV"}, {30, "TALGOXE.WAV"},  {32, "TOFSVIPA.WAV"},
};

const QColor kButtonFace = colors::silver;

bool soundOn(std::uint8_t setting) { return setting == 1 || setting == 3; }

} // namespace

const char* TBildvis::birdSong(int item) {
    for (const BirdSong& b : kBirdSongs)
        if (b.item == item) return b.file;
    return nullptr;
}

TBildvis::TBildvis(AppContext& context, QWidget* parent) : ExerciseWindow(context, parent) {
    setObjectName(QStringLiteral("TBildvis"));
    savedSoundDir_ = state().SoundDir;
    auto label = [this](const QString& name, QWidget* parent, const QColor& color, int points) {
        auto* l = new QLabel(parent);
        l->setObjectName(name);
        l->setFont(pointFont(points, true));
        l->setStyleSheet(QStringLiteral("color: %1; background: transparent").arg(color.name()));
        l->installEventFilter(this);
        return l;
    };
    SvensktOrd = label(QStringLiteral("SvensktOrd"), this, colors::navy, 18);
    FrageLabel1 = label(QStringLiteral("FrageLabel1"), this, colors::navy, 14);
    FrageLabel1->hide();
    RattSvarLabel = label(QStringLiteral("RattSvarLabel"), this, colors::maroon, 18);
    RattSvarLabel->hide();
    BreddLabel = label(QStringLiteral("BreddLabel"), this, colors::navy, 12);
    BreddLabel->hide();
    for (int r = 1; r <= kRows; ++r) {
        Row& row = rows_[static_cast<std::size_t>(r - 1)];
        row.number = new Panel(this, kButtonFace, 2);
        row.number->setObjectName(QStringLiteral("NrPanel%1").arg(r));
        QLabel* digit = label(QStringLiteral("NrLabel%1").arg(r), row.number, colors::navy, 16);
        digit->setText(QString::number(r));
        digit->setAlignment(Qt::AlignCenter);
        row.alternative = new Panel(this, kButtonFace, 2);
        row.alternative->setObjectName(QStringLiteral("AlternativPanel%1").arg(r));
        row.label = label(QStringLiteral("AltLabel%1").arg(r), row.alternative, colors::navy, 18);
        for (QWidget* w : {static_cast<QWidget*>(row.number), static_cast<QWidget*>(row.alternative)}) {
            w->setProperty("row", r);
            w->installEventFilter(this);
            w->setMouseTracking(true);
        }
        digit->setProperty("row", r);
        row.label->setProperty("row", r);
    }
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setScaledContents(true);
    Image2->hide();
    HoraLjudetButton = new QPushButton(QStringLiteral("&Entendre le son"), this);
    HoraLjudetButton->setObjectName(QStringLiteral("HoraLjudetButton"));
    HoraLjudetButton->setFont(pointFont(12, true));
    HoraLjudetButton->setAutoDefault(false);
    HoraLjudetButton->setFocusPolicy(Qt::NoFocus);
    HoraLjudetButton->hide();
    connect(HoraLjudetButton, &QPushButton::clicked, this, &TBildvis::HoraLjudetButtonClick);

    // The framework's settings button is this window's Button4, and its second timer Timer2.
    Button4 = BitBtn1;
    Button4->setObjectName(QStringLiteral("Button4"));
    disconnect(Button4, &QPushButton::clicked, this, &ExerciseWindow::BitBtn1Click);
    connect(Button4, &QPushButton::clicked, this, &TBildvis::Button4Click);
    Timer3->setObjectName(QStringLiteral("Timer2"));

    IsBirds = Shell::GeProgramtal(state().CurrentDataFile) == kBirdsProgram;
    Paneler(0);
    FormCreate();
    regelknapp->hide();

    // A short file gives runs as long as the file.
    SharedState& s = state();
    const int items = s.ItemCount[static_cast<std::size_t>(s.CurrentFileIndex)];
    if (mode() != Mode::Worksheet && items >= 1 && items < QuestionsPerRun) {
        s.SavedRunLength = s.RunLength = items;
        if (mode() == Mode::Practice) NyStartaAster(true);
    }
}

TBildvis::~TBildvis() {
    stopSong();
    state().SoundDir = savedSoundDir_;
}

void TBildvis::Inled() {
    ExerciseWindow::Inled();
    const int u = U();
    hu_ = W / 32;
    const int headingBottom = Heading->y() + Heading->height();
    BildPanelen->setGeometry(u, headingBottom, (W / 64) * 58, (H / 48) * 44);
    Image1->setGeometry(0, 0, (W / 64) * 58, (H / 48) * 35);
    LovordPanel->resize(BildPanelen->width(), LovordPanel->height());
    // The picture of the plant or animal stands at the top, left of the squares; the heading box
    // ends before it.
    const int boxWidth = W * 5 / 16;
    const int boxHeight = boxWidth * 3 / 4;
    const int boxRight = Aster1->x() - u;
    pictureBox_ = QRect(boxRight - boxWidth, u / 2, boxWidth, boxHeight);
    Heading->resize(std::max(pictureBox_.left() - u - Heading->x(), 10 * u), Heading->height());
}

void TBildvis::layoutItemArea() {
    const int u = U();
    const int left = hu_;
    const int instrHeight = QFontMetrics(InstruktionsLabel->font()).height();
    // A long instruction is broken into lines that end before the picture.
    const int room = pictureBox_.left() - u - left;
    if (InstruktionsLabel->width() > room) {
        InstruktionsLabel->setWordWrap(true);
        InstruktionsLabel->setFixedWidth(room);
        InstruktionsLabel->setFixedHeight(InstruktionsLabel->heightForWidth(room));
    }
    InstruktionsLabel->move(left, Heading->y() + Heading->height() + instrHeight / 2);
    HoraLjudetButton->adjustSize();
    HoraLjudetButton->resize(HoraLjudetButton->width() + u, HoraLjudetButton->height() + u / 3);
    HoraLjudetButton->move(left, InstruktionsLabel->y() + InstruktionsLabel->height() + instrHeight / 2);

    // The rows stand one above the other, upwards from the end panel.
    const int rowHeight = (H / 48) * 3;
    const int step = rowHeight * 8 / 7;
    int top = Panel1->y() - step;
    for (int r = kRows; r >= 1; --r) {
        Row& row = rows_[static_cast<std::size_t>(r - 1)];
        row.number->setGeometry(left, top, hu_ * 3 / 2, rowHeight);
        row.number->findChild<QLabel*>()->setGeometry(0, 0, row.number->width(), rowHeight);
        row.alternative->setGeometry(left + hu_ * 3 / 2 + u / 2, top, 20 * hu_, rowHeight);
        row.label->move(hu_ / 2, 0);
        top -= step;
    }
    const int rattHeight = QFontMetrics(RattSvarLabel->font()).height();
    RattSvarLabel->move(left, rows_[0].number->y() - rattHeight * 3 / 2);
    const int svHeight = QFontMetrics(SvensktOrd->font()).height();
    SvensktOrd->move(left, RattSvarLabel->y() - instrHeight * 3 / 2 - (svHeight - rattHeight));
    FrageLabel1->move(left, SvensktOrd->y());
    SvensktOrd->show();
}

void TBildvis::Paneler(int st) {
    if (st == 0)
        for (Row& row : rows_) row.alternative->setToolTip(QString());
    if (st >= 0 && st <= 2) RattSvarLabel->hide();
    if (st <= 3 || st >= 11)
        for (Row& row : rows_) {
            row.number->setColor(kButtonFace);
            row.alternative->setColor(kButtonFace);
        }
    if (st <= 2 || st == 4) setRowsEnabled(true);
    if (st == 3 || st == 5) setRowsEnabled(false);
    if (st >= 11 && st <= 13) {
        RattSvarLabel->setText(toQString(state().ItemFields[1]));
        RattSvarLabel->adjustSize();
        RattSvarLabel->show();
        lightRow(st - 10);
    }
    for (Row& row : rows_) {
        row.number->repaint();
        row.alternative->repaint();
    }
}

void TBildvis::setRowsEnabled(bool on) {
    for (Row& row : rows_) {
        row.number->setEnabled(on);
        row.alternative->setEnabled(on);
    }
}

void TBildvis::lightRow(int row) {
    for (int r = 1; r <= kRows; ++r) {
        const QColor c = r == row ? colors::aqua : kButtonFace;
        rows_[static_cast<std::size_t>(r - 1)].number->setColor(c);
        rows_[static_cast<std::size_t>(r - 1)].alternative->setColor(c);
    }
}

void TBildvis::NollaLabeller() {
    stopSong();
    RattSvarLabel->hide();
    HoraLjudetButton->hide();
}

void TBildvis::slump(int count) {
    shell().reseedRandom();
    std::vector<int> remaining;
    for (int v = 1; v <= count; ++v) remaining.push_back(v);
    order_ = {1, 2, 3};
    for (int k = 0; k < count; ++k) {
        const int pick = shell().randomBelow(static_cast<int>(remaining.size()));
        order_[static_cast<std::size_t>(k)] = remaining[static_cast<std::size_t>(pick)];
        remaining.erase(remaining.begin() + pick);
    }
}

void TBildvis::fitAlternatives() {
    const SharedState& s = state();
    const int scale = s.ScalePercent;
    // The widest of the three names at size 12 ...
    BreddLabel->setFont(pointFont(scaled(12, scale), true));
    QString widest;
    int widestWidth = -1;
    for (int f = 1; f <= count_; ++f) {
        const QString t = toQString(s.ItemFields[static_cast<std::size_t>(f)]);
        const int w = QFontMetrics(BreddLabel->font()).horizontalAdvance(t);
        if (w > widestWidth) {
            widestWidth = w;
            widest = t;
        }
    }
    // ... decides one size for all rows: 18, smaller while it is wider than three quarters of
    // the screen, never below 8.
    int size = scaled(kLargestFont, scale);
    const int smallest = std::max(1, scaled(kSmallestFont, scale));
    const int room = std::min(24 * hu_, Aster1->x() - U() - rows_[0].alternative->x() - 2 * hu_);
    auto width = [&] { return QFontMetrics(pointFont(size, true)).horizontalAdvance(widest); };
    while (width() > room && size > smallest) --size;
    const int measured = width();
    // The rows end before the squares.
    const int rightmost = Aster1->x() - U() - rows_[0].alternative->x();
    const int panelWidth = std::min(std::max(measured + 2 * hu_, InstruktionsLabel->width() - hu_), rightmost);
    for (Row& row : rows_) {
        row.label->setFont(pointFont(size, true));
        row.label->resize(measured + hu_, QFontMetrics(row.label->font()).height());
        row.alternative->resize(panelWidth, row.alternative->height());
        row.label->move(hu_ / 2, (row.alternative->height() - row.label->height() - 2) / 2);
    }
}

void TBildvis::presentItem() {
    SharedState& s = state();
    SvensktOrd->setText(toQString(s.ItemFields[4]));
    SvensktOrd->adjustSize();
    count_ = s.ItemFields[3].empty() ? 2 : 3;
    slump(count_);
    for (int r = 1; r <= kRows; ++r) {
        Row& row = rows_[static_cast<std::size_t>(r - 1)];
        const bool shown = r <= count_;
        row.label->setText(shown ? toQString(s.ItemFields[static_cast<std::size_t>(fieldInRow(r))])
                                 : QString());
        row.number->setVisible(shown);
        row.alternative->setVisible(shown);
        if (fieldInRow(r) == 1 && shown) rightRow_ = r;
    }
    fitAlternatives();
    Paneler(2);
    Locked = false;
    soundItem_ = s.CorrectionRun ? s.ErrorItem : s.CurrentItem;
    showPicture(soundItem_);
    HoraLjudetButton->setVisible(songAvailable() && soundOn(s.SoundSetting));
}

bool TBildvis::songAvailable() const { return IsBirds && birdSong(soundItem_) != nullptr; }

void TBildvis::showPicture(int n) {
    const int p = state().ProgramNumber;
    const char* folder = (p >= 21410 && p <= 21440) ? "VAXTER" : (p >= 21510 && p <= 21550) ? "DJUR" : nullptr;
    QImage picture;
    if (folder && n >= 1 && n <= 99) {
        const std::string name = "BILD/" + std::string(folder) + "/F" + std::to_string(p).substr(0, 4) +
                                 (n < 10 ? "0" : "") + std::to_string(n) + ".BMP";
        if (std::optional<fs::path> file = shell().paths().find(name))
            picture = loadPicture(QString::fromStdString(file->string()));
    }
    if (picture.isNull()) {
        Image2->hide();
        return;
    }
    // As large as the picture box allows, keeping its proportions.
    const QSize size = picture.size().scaled(pictureBox_.size(), Qt::KeepAspectRatio);
    Image2->setPixmap(QPixmap::fromImage(picture));
    Image2->setGeometry(pictureBox_.right() + 1 - size.width(), pictureBox_.top(), size.width(),
                        size.height());
    Image2->show();
}

void TBildvis::setAnswerEnabled(bool enabled, bool focus) {
    setRowsEnabled(enabled);
    for (Row& row : rows_) row.label->setEnabled(enabled);
    if (enabled && focus) setFocus();
}

void TBildvis::RaettTest(int row, int how) {
    if (runState() != RunState::Answering || row < 1 || row > count_) return;
    if (!rows_[static_cast<std::size_t>(row - 1)].alternative->isEnabled()) return;
    if (how == 1) {
        pause();
        return;
    }
    SharedState& s = state();
    const AnsiText& chosen = s.ItemFields[static_cast<std::size_t>(fieldInRow(row))];
    if (shell().svarstest(s.ItemFields[1], chosen, 1) != 0) {
        Paneler(3);
        answerWrong();
        Paneler(10 + rightRow_);
        Locked = true;
        startAnswerTimer();
    } else {
        answerRight(true);
    }
    if (s.QuestionNumber + 1 > s.RunLength) Image2->hide();
    questionDone();
}

void TBildvis::onPause() {
    stopSong();
    setAnswerEnabled(false, false);
}

void TBildvis::beforePraise() {
    Image2->hide();
    HoraLjudetButton->hide();
    stopSong();
    setAnswerEnabled(false, false);
}

void TBildvis::Button2Click() {
    SharedState& s = state();
    const bool resume = s.QuestionNumber < s.RunLength && runState() == RunState::Paused;
    if (!resume) {
        ExerciseWindow::Button2Click();
        return;
    }
    // A paused run goes on where it stopped, with its counts.
    Panel1->hide();
    LovordPanel->hide();
    BildPanelen->hide();
    runState_ = RunState::Answering;
    Image2->setVisible(!Image2->pixmap().isNull());
    Paneler(4);
    setAnswerEnabled(true, true);
    HoraLjudetButton->setVisible(songAvailable() && soundOn(s.SoundSetting));
}

void TBildvis::Button4Click() {
    HoraLjudetButton->hide();
    if (mode() == Mode::Worksheet) return;
    BitBtn1Click();
    const SharedState& s = state();
    const bool waiting = s.QuestionNumber <= s.RunLength && runState() == RunState::Answering;
    setAnswerEnabled(waiting, waiting);
    if (waiting) Paneler(4);
    HoraLjudetButton->setVisible(waiting && songAvailable() && soundOn(s.SoundSetting));
    if (!waiting && Panel1->isVisible()) focusEndPanel();
}

void TBildvis::HoraLjudetButtonClick() {
    Playing = true;
    Ljudet();
}

void TBildvis::Ljudet() {
    const char* name = IsBirds ? birdSong(soundItem_) : nullptr;
    if (!name) return;
    SharedState& s = state();
    s.SoundDir = AnsiText::ascii("BIRDS");
    const std::string relative = std::string("LJUD/BIRDS/") + name;
    if (shell().paths().find(relative))
        shell().SpelaUppWavLjud(AnsiText::ascii(name));
    else
        shell().showMessage("Filen " + shell().paths().rootText() + "/" + relative +
                            " finns inte eller är felaktig");
}

void TBildvis::stopSong() {
    if (!Playing) return;
    Playing = false;
    if (Sound* sound = shell().services().sound) sound->stop();
}

bool TBildvis::windowKey(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        if (runState() == RunState::Answering) pause();
        stopSong();
        return true;
    }
    const QString t = e->text();
    if (t.size() == 1 && t[0] >= QLatin1Char('1') && t[0] <= QLatin1Char('3')) {
        // A digit judges its row only while the rows wait for an answer and the row is shown.
        const int row = t[0].digitValue();
        const Row& r = rows_[static_cast<std::size_t>(row - 1)];
        if (r.alternative->isVisible() && r.alternative->isEnabled()) RaettTest(row, 0);
        return true;
    }
    return false;
}

int TBildvis::rowOf(QObject* control) const {
    const QVariant v = control->property("row");
    return v.isValid() ? v.toInt() : 0;
}

bool TBildvis::eventFilter(QObject* watched, QEvent* event) {
    const int row = rowOf(watched);
    if (row >= 1 && row <= kRows) {
        const bool enabled = rows_[static_cast<std::size_t>(row - 1)].alternative->isEnabled();
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
            if (!Locked && enabled && runState() == RunState::Answering) lightRow(row);
        } else if (event->type() == QEvent::MouseButtonPress) {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::LeftButton) RaettTest(row, 0);
            else if (me->button() == Qt::RightButton) RaettTest(row, 1);
            return true;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

void TBildvis::addWorksheetItem(WorksheetWindow& worksheet, int n) {
    const SharedState& s = state();
    worksheet.addItem(n, s.ItemFields[4], s.ItemFields[1]);
}

} // namespace orvela
