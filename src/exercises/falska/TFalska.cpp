#include "TFalska.h"

#include "DataFile.h"
#include "QtText.h"
#include "RewardPicture.h"
#include "WindowOpener.h"

#include <QFontMetrics>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvela {

namespace {

const char* const kWordNames[TFalska::kWords] = {"sv1", "sv2", "sv3", "Sv4", "Sv5"};
const char* const kRevealNames[TFalska::kWords] = {"ord1", "ord2", "ord3", "Ord4", "Ord5"};

QString nnn(int n) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", ((n % 1000) + 1000) % 1000);
    return QString::fromLatin1(digits);
}

} // namespace

QString TFalska::markerOf(int programNumber) {
    switch (programNumber) {
    case 31100: return QStringLiteral("K");
    case 31200: return QStringLiteral("Z");
    case 31300: return QStringLiteral("S");
    default: return QString();
    }
}

QString TFalska::otherClassOf(int programNumber) {
    switch (programNumber) {
    case 31100: return QStringLiteral("S");
    case 31200: return QStringLiteral("S");
    case 31300: return QStringLiteral("G");
    default: return QString();
    }
}

TFalska::TFalska(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("TFalska"));
    makeFullScreen(colors::silver);
    setFont(pointFont(12, true));
    setFocusPolicy(Qt::StrongFocus);

    auto label = [](const QString& name, QWidget* parent, const QColor& color, int points) {
        auto* l = new AutoLabel(parent);
        l->setObjectName(name);
        l->setFont(pointFont(points, true));
        l->setTextColor(color);
        return l;
    };
    auto button = [](const char* name, QWidget* parent, const QString& caption) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setFont(pointFont(12, true));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };

    Heading = new HeadingBox(this, U());
    InstruktionsLabel = label(QStringLiteral("InstruktionsLabel"), this, colors::green, 14);
    InstruktionsLabel->setFont(pixelFont(25, true));
    InstruktionsLabel2 = label(QStringLiteral("InstruktionsLabel2"), this, colors::green, 14);
    for (int k = 0; k < kWords; ++k) {
        sv[k] = label(QString::fromLatin1(kWordNames[k]), this, colors::navy, 22);
        ord[k] = label(QString::fromLatin1(kRevealNames[k]), this, colors::red, 22);
        RSvar[k] = label(QStringLiteral("RSvar%1").arg(k + 1), this, colors::navy, 22);
        SvenskLabel[k] = label(QStringLiteral("SvenskLabel%1").arg(k + 1), this, colors::maroon, 18);
    }

    AntalPanel = new Panel(this, colors::silver, 1);
    AntalPanel->setObjectName(QStringLiteral("AntalPanel"));
    for (int n = 0; n <= kWords; ++n) {
        QPushButton* b = button("", AntalPanel, QString::number(n));
        b->setObjectName(QStringLiteral("SpeedButton%1").arg(n + 1));
        b->setFont(pointFont(20, true));
        connect(b, &QPushButton::clicked, this, [this, n] { SpeedButtonClick(n); });
        SpeedButtons[static_cast<std::size_t>(n)] = b;
    }
    SpeedPanel1 = new Panel(AntalPanel, colors::lime, 2);
    SpeedPanel1->setObjectName(QStringLiteral("SpeedPanel1"));
    SpeedLabel = new QLabel(SpeedPanel1);
    SpeedLabel->setObjectName(QStringLiteral("SpeedLabel"));
    SpeedLabel->setFont(pointFont(20, true));
    SpeedLabel->setAlignment(Qt::AlignCenter);
    SpeedLabel->setStyleSheet(QStringLiteral("color: #000080; background: transparent"));

    Panel1 = new Panel(this, colors::blue, 2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    MellanPanel = new Panel(Panel1, colors::yellow, 0);
    MellanPanel->setObjectName(QStringLiteral("MellanPanel"));
    Panel2 = new Panel(MellanPanel, colors::blue, 1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Label2 = label(QStringLiteral("Label2"), Panel2, colors::yellow, 12);
    Label1 = label(QStringLiteral("Label1"), Panel2, colors::yellow, 12);
    Label1->setText(QStringLiteral("Ordinateur"));
    for (int t = 1; t <= kSquares; ++t) {
        auto* sq = new Shape(Panel2, Shape::Rectangle, colors::blue, colors::yellow);
        sq->setObjectName(QStringLiteral("Shape%1").arg(t));
        sq->setProperty("tag", t);
        Shapes[static_cast<std::size_t>(t - 1)] = sq;
    }

    Panel3 = new Panel(this, colors::navy, 2);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel4 = new Panel(Panel3, colors::yellow, 1);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Label3 = label(QStringLiteral("Label3"), Panel4, colors::navy, 16);
    Label3->setText(QStringLiteral("Ecrivez ton nom."));
    Label4 = label(QStringLiteral("Label4"), Panel4, colors::navy, 16);
    Label4->setText(QStringLiteral("Pressez Enter."));
    Edit1 = new AnswerEdit(Panel4);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(pointFont(16, true));
    Edit1->setStyleSheet(QStringLiteral("color: #000080; background: white"));
    Edit1->setMaxLength(kNameLength);
    connect(Edit1, &AnswerEdit::enterPressed, this, &TFalska::Edit1Enter);
    connect(Edit1, &AnswerEdit::escapePressed, this, &TFalska::Button4Click);

    NextButton = button("NextButton", this, QStringLiteral("&Prochain"));
    HoraButton = button("HoraButton", this, QStringLiteral("&Écouter"));
    SvenskaButton = button("SvenskaButton", this, QStringLiteral("&Suédois"));
    RegelButton = button("RegelButton", this, QStringLiteral("&Règles"));
    connect(NextButton, &QPushButton::clicked, this, &TFalska::NextButtonClick);
    connect(HoraButton, &QPushButton::clicked, this, &TFalska::HoraButtonClick);
    connect(SvenskaButton, &QPushButton::clicked, this, &TFalska::SvenskaButtonClick);
    connect(RegelButton, &QPushButton::clicked, this, &TFalska::RegelButtonClick);

    Escapepanel = new Panel(this, colors::navy, 2);
    Escapepanel->setObjectName(QStringLiteral("Escapepanel"));
    Button3 = button("Button3", Escapepanel, QStringLiteral("&Continuer"));
    Button4 = button("Button4", Escapepanel, QStringLiteral("&Annuler"));
    BitBtn1 = button("BitBtn1", Escapepanel, QStringLiteral("&Mises en scêne"));
    for (QPushButton* b : {Button3, Button4, BitBtn1}) b->setFocusPolicy(Qt::StrongFocus);
    connect(Button3, &QPushButton::clicked, this, &TFalska::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFalska::Button4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TFalska::BitBtn1Click);

    BildPanelen = new Panel(this, colors::silver);
    BildPanelen->setObjectName(QStringLiteral("BildPanelen"));
    Image1 = new QLabel(BildPanelen);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    BildTextPanel = new Panel(BildPanelen, colors::navy, 1);
    BildTextPanel->setObjectName(QStringLiteral("BildTextPanel"));
    BildLabel = label(QStringLiteral("BildLabel"), BildTextPanel, colors::yellow, 12);
    BildLabel->setAlignment(Qt::AlignCenter);
    LovordPanel = new Panel(this, colors::silver);
    LovordPanel->setObjectName(QStringLiteral("LovordPanel"));
    LovordYttershape = new Shape(LovordPanel, Shape::RoundRect, colors::blue, colors::blue);
    LovordYttershape->setObjectName(QStringLiteral("LovordYttershape"));
    lovordinnershape = new Shape(LovordPanel, Shape::RoundRect, colors::yellow, colors::yellow);
    lovordinnershape->setObjectName(QStringLiteral("lovordinnershape"));
    LovordLabel1 = label(QStringLiteral("LovordLabel1"), lovordinnershape, colors::navy, 30);

    FormCreate();
}

TFalska::~TFalska() = default;

bool TFalska::soundsOn() { return state().SoundSetting == 1 || state().SoundSetting == 3; }

void TFalska::FormCreate() {
    SharedState& s = state();
    scaleByScalePercent();
    s.ProgramNumber = Shell::GeProgramtal(s.CurrentDataFile);
    if (soundsOn()) shell().GeLjudDirectory();
    Edit1->setText(toQString(s.PupilName));
    Marker = markerOf(s.ProgramNumber);
    Inled();
    for (QWidget* w : {static_cast<QWidget*>(Escapepanel), static_cast<QWidget*>(BildPanelen),
                       static_cast<QWidget*>(LovordPanel), static_cast<QWidget*>(Panel1),
                       static_cast<QWidget*>(AntalPanel), static_cast<QWidget*>(HoraButton),
                       static_cast<QWidget*>(NextButton), static_cast<QWidget*>(SvenskaButton),
                       static_cast<QWidget*>(RegelButton), static_cast<QWidget*>(SpeedPanel1)})
        w->hide();
    for (int k = 0; k < kWords; ++k) {
        sv[k]->hide();
        ord[k]->hide();
        RSvar[k]->hide();
        SvenskLabel[k]->hide();
    }
    Heading->RitaOverskriften(toQString(s.HeadingLines[1]), toQString(s.HeadingLines[2]),
                              toQString(s.HeadingLines[3]));
    Heading->setModeColor(Mode::Practice);
    InstruktionsLabel->setText(toQString(s.InstructionText));
    InstruktionsLabel->adjustSize();
    InstruktionsLabel2->setText(QString());
    placeSquares();
    s.QuestionNumber = 1;
    s.RightCount = 0;
    s.WrongCount = 0;
    Panel3->show();
    Panel3->raise();
    Edit1->setFocus();
    checkFile();
}

void TFalska::checkFile() {
    SharedState& s = state();
    const int f = s.CurrentFileIndex;
    const int count = f >= 1 && f <= static_cast<int>(kMaxDataFiles) ? s.ItemCount[static_cast<std::size_t>(f)] : 0;
    const std::string name = s.CurrentDataFile.toUtf8();
    if (count < kWords || Marker.isEmpty()) {
        playable_ = false;
        shell().showMessage("Filen " + name + " har för få ord för en duell (minst fem behövs).");
        Panel3->hide();
        Button3->setEnabled(false);
        BitBtn1->setEnabled(false);
        showPausePanel();
        return;
    }
    // Every word must have one of the programme's two sound classes.
    const QString other = otherClassOf(s.ProgramNumber);
    std::string unknown;
    int unknownCount = 0;
    // The file is read once, item by item (fetching each item by its number reads it again).
    LineReader reader(shell().dataFile(s.CurrentDataFile));
    AnsiText line;
    for (int n = 0; n < std::min(count, 999) && reader.isOpen() && reader.next(line);) {
        if (!isItemLine(line)) continue;
        ++n;
        s.CurrentLine = line;
        shell().str_postarray(s.CurrentLine);
        const QString cls = toQString(toUpper(s.ItemFields[2])).trimmed();
        if (cls == Marker || cls == other) continue;
        if (++unknownCount <= 3)
            unknown += (unknown.empty() ? "" : ", ") + s.ItemFields[1].toUtf8() + " (\"" +
                       s.ItemFields[2].toUtf8() + "\")";
    }
    if (unknownCount > 0)
        shell().showMessage("Filen " + name + " har " + std::to_string(unknownCount) +
                            " ord med okänd ljudklass: " + unknown +
                            ". De räknas som ord utan ljudet.");
}

void TFalska::Inled() {
    const int u = U();
    const QSize screen = screenSize();
    const int W = screen.width();
    const int H = screen.height();
    setGeometry(0, 0, W, H);
    Heading->setLayoutUnit(u);
    Heading->setScalePercent(state().ScalePercent);
    Heading->setGeometry(u, u, W - 2 * u, (H / 48) * 8);
    InstruktionsLabel->move(2 * u, Heading->y() + Heading->height() + u);
    InstruktionsLabel2->move(2 * u, InstruktionsLabel->y() + QFontMetrics(InstruktionsLabel->font()).height());

    const int wordTop = (H / 48) * 13;
    const int wordStep = (H / 48) * 3;
    for (int k = 0; k < kWords; ++k) {
        for (AutoLabel* l : {sv[k], ord[k], RSvar[k], SvenskLabel[k]}) l->move(4 * u, wordTop + k * wordStep);
    }

    // The count buttons are square: button n stands at n times the panel's height.
    const int countHeight = (H / 48) * 4;
    AntalPanel->setGeometry(4 * u, (H / 48) * 29, 6 * countHeight, countHeight);
    for (int n = 0; n <= kWords; ++n)
        SpeedButtons[static_cast<std::size_t>(n)]->setGeometry(n * countHeight, 0, countHeight, countHeight);
    SpeedPanel1->setGeometry(0, 0, countHeight, countHeight);
    SpeedLabel->setGeometry(0, 0, countHeight, countHeight);

    const int buttonHeight = QFontMetrics(NextButton->font()).height() + u;
    int x = AntalPanel->x() + AntalPanel->width() + 2 * u;
    for (QPushButton* b : {NextButton, HoraButton, SvenskaButton, RegelButton}) {
        const int width = QFontMetrics(b->font()).horizontalAdvance(b->text()) + 2 * u;
        b->setGeometry(x, AntalPanel->y() + (countHeight - buttonHeight) / 2, width, buttonHeight);
        x += width + u;
    }

    // The score board at the bottom, above the pause panel.
    const int panelHeight = std::max((H / 48) * 4, 3 * u);
    Escapepanel->setGeometry(0, H - panelHeight, W, panelHeight);
    const int bw = (W - 4 * u) / 3;
    QPushButton* pause[3] = {Button3, Button4, BitBtn1};
    for (int i = 0; i < 3; ++i) pause[i]->setGeometry(u + i * (bw + u), u / 2, bw, panelHeight - u);

    const int boardWidth = W - 8 * u;
    const int innerWidth = boardWidth - 2 * u;
    const int w = innerWidth - QFontMetrics(Label1->font()).horizontalAdvance(QStringLiteral("MMMMMMMM"));
    const int size = static_cast<int>(std::lround(4.0 * w / 100));
    const int innerHeight = 3 * size + u;
    Panel1->setGeometry(4 * u, (H / 48) * 35, boardWidth, innerHeight + 2 * u);
    MellanPanel->setGeometry(u / 2, u / 2, boardWidth - u, innerHeight + u);
    Panel2->setGeometry(u / 2, u / 2, innerWidth, innerHeight);

    // Name box in the middle of the word area.
    const int boxWidth = W / 2;
    const int boxHeight = (H / 48) * 12;
    Panel3->setGeometry((W - boxWidth) / 2, (H / 48) * 14, boxWidth, boxHeight);
    Panel4->setGeometry(u / 2, u / 2, boxWidth - u, boxHeight - u);
    const int line = QFontMetrics(Label3->font()).height();
    Label3->move(2 * u, u);
    Label4->move(2 * u, u + line * 3 / 2);
    Edit1->setGeometry(2 * u, u + 3 * line, boxWidth - 5 * u, line + 10);

    BildPanelen->setGeometry(u, (H / 48) * 10 - u / 2, (W / 64) * 58, (H / 48) * 35 + u / 2);
    Image1->setGeometry(0, 0, (W / 64) * 58, (H / 48) * 35);
    const int praiseHeight = (H / 48) * 5;
    LovordPanel->setGeometry(u, Escapepanel->y() - u / 5 - praiseHeight, (W / 64) * 58, praiseHeight);
}

void TFalska::placeSquares() {
    const int width = Panel2->width();
    const int height = Panel2->height();
    const int w = width - QFontMetrics(Label1->font()).horizontalAdvance(QStringLiteral("MMMMMMMM"));
    squareSize_ = static_cast<int>(std::lround(4.0 * w / 100));
    squareStep_ = static_cast<int>(std::lround(5.0 * w / 100));
    pupilRowTop_ = height / 9;
    computerRowTop_ = 5 * height / 9;
    for (Shape* sq : Shapes) {
        const int t = sq->property("tag").toInt();
        const int left = width - ((kSquares - t) % 20 + 1) * squareStep_;
        sq->setGeometry(left, t <= 20 ? pupilRowTop_ : computerRowTop_, squareSize_, squareSize_);
    }
    const int labelHeight = QFontMetrics(Label1->font()).height();
    Label2->move(U() / 2, pupilRowTop_ + (squareSize_ - labelHeight) / 2);
    Label1->move(U() / 2, computerRowTop_ + (squareSize_ - labelHeight) / 2);
}

void TFalska::Edit1Enter() {
    SharedState& s = state();
    QString name = Edit1->text().trimmed();
    if (name.isEmpty()) {
        ++NameTries;
        if (NameTries == 1)
            Label3->setText(QStringLiteral("Votre nom, s'il vous plaît!"));
        else if (NameTries == 2)
            Label3->setText(QStringLiteral("Votre nom, s'il vous plaît!!"));
        else if (NameTries == 3)
            Label3->setText(QStringLiteral("Votre nom, s'il vous plaît!!!"));
        else if (NameTries <= 100)
            Label3->setText(QStringLiteral("Annuler de Esc."));
        return;
    }
    s.PupilName = fromQString(name.left(kNameLength));
    nameGiven_ = true;
    Panel3->hide();
    Label2->setText(toQString(s.PupilName));
    Panel1->show();
    AntalPanel->show();
    RegelButton->show();
    SvenskaButton->show();
    setFocus();
    NyPost();
}

void TFalska::NyPost() {
    SharedState& s = state();
    Shell& sh = shell();
    NextButton->hide();
    HoraButton->hide();
    HasSound.fill(0);
    SoundCount = 0;
    SpeedPanel1->hide();
    for (AutoLabel* l : RSvar) l->hide();
    for (AutoLabel* l : ord) l->hide();
    const int left = sv[0]->x();
    for (int k = 0; k < kWords; ++k) {
        const int f = s.CurrentFileIndex;
        const int item = sh.haemta_slumptal(s.DrawCursor[static_cast<std::size_t>(f)], f);
        TurnItems[static_cast<std::size_t>(k)] = item;
        sh.haemtaord(s.CurrentDataFile, item);
        sh.str_postarray(s.CurrentLine);
        if (toQString(toUpper(s.ItemFields[2])).trimmed() == Marker) {
            HasSound[static_cast<std::size_t>(k)] = 1;
            ++SoundCount;
        }
        TurnWords[static_cast<std::size_t>(k)] = s.ItemFields[1];
        const QString word = toQString(s.ItemFields[1]);
        RSvar[k]->setText(word);
        RSvar[k]->move(left, RSvar[k]->y());
        if (!HasSound[static_cast<std::size_t>(k)]) {
            ord[k]->setText(word);
            ord[k]->move(left, ord[k]->y());
        }
        sv[k]->setText(word);
        SvenskLabel[k]->setText(toQString(s.ItemFields[3]));
        SvenskLabel[k]->hide();
    }
    turnJudged_ = false;
    enableCountButtons(true);
    Panel1->show();
    AntalPanel->show();
    s.TickCount = 0;
    VisaTexterna(true);
    SvarsTexterna();
    InstruktionsLabel->show();
    InstruktionsLabel2->show();
    setFocus();
}

void TFalska::VisaTexterna(bool show) {
    for (AutoLabel* l : sv) l->setVisible(show);
}

void TFalska::SvarsTexterna() {
    for (int k = 0; k < kWords; ++k) {
        RSvar[k]->hide();
        ord[k]->hide();
    }
}

void TFalska::enableCountButtons(bool enabled) {
    for (QPushButton* b : SpeedButtons) b->setEnabled(enabled);
}

void TFalska::fillSquares(int from, int to) {
    for (int t = from; t <= to; ++t)
        if (t >= 1 && t <= kSquares) Shapes[static_cast<std::size_t>(t - 1)]->setBrushColor(colors::yellow);
}

void TFalska::emptySquares() {
    for (Shape* sq : Shapes) sq->setBrushColor(colors::blue);
}

void TFalska::SpeedButtonClick(int answer) {
    if (turnJudged_ || GameOver || !nameGiven_ || !SpeedButtons[0]->isEnabled()) return;
    Answer = answer;
    Kollasvar();
}

void TFalska::Kollasvar() {
    SharedState& s = state();
    turnJudged_ = true;
    const bool right = Answer == SoundCount;
    if (right) {
        s.LastAnswerRight = 1;
        fillSquares(PupilPoints + 1, std::min(PupilPoints + SoundCount, kWinningPoints));
        PupilPoints += SoundCount;
    } else {
        s.LastAnswerRight = 0;
        const int h = AntalPanel->height();
        SpeedPanel1->move(h * SoundCount, 0);
        SpeedLabel->setText(QString::number(SoundCount));
        SpeedPanel1->show();
        SpeedPanel1->raise();
        fillSquares(ComputerPoints + 21, std::min(ComputerPoints + SoundCount + 20, kSquares));
        ComputerPoints += SoundCount;
    }
    if (ComputerPoints >= kWinningPoints) {
        GameOver = 1;
        PupilWon = 0;
    }
    if (PupilPoints >= kWinningPoints) {
        GameOver = 1;
        PupilWon = 1;
    }
    enableCountButtons(false);
    // The words revealed: those with the sound in navy, the others in red.
    for (int k = 0; k < kWords; ++k) {
        if (HasSound[static_cast<std::size_t>(k)]) {
            RSvar[k]->show();
        } else {
            ord[k]->show();
            sv[k]->hide();
        }
    }
    if (GameOver) {
        Avslutning();
    } else if (!right) {
        NextButton->show();
        HoraButton->setVisible(soundsOn());
    } else {
        NyPost();
    }
}

void TFalska::NextButtonClick() {
    if (!NextButton->isVisible() || hearing_) return;
    NyPost();
}

void TFalska::HoraButtonClick() {
    if (hearing_) return;
    hearing_ = true;
    NextButton->setEnabled(false);
    HoraButton->setEnabled(false);
    enableCountButtons(false);
    // The five words one after the other: the sound service waits for each in this programme.
    for (int k = 0; k < kWords; ++k) Ljudet(TurnItems[static_cast<std::size_t>(k)], TurnWords[static_cast<std::size_t>(k)]);
    NextButton->setEnabled(true);
    HoraButton->setEnabled(soundsOn());
    hearing_ = false;
}

void TFalska::Ljudet(int item, const AnsiText& word) {
    SharedState& s = state();
    PlayingItem = item;
    PlayingWord = word;
    if (!soundsOn()) return;
    if (s.SoundDir.empty()) shell().GeLjudDirectory();
    shell().SpelaUppWavLjud(s.SoundDir + AnsiText::ascii(nnn(item).toStdString() + ".WAV"), word);
}

void TFalska::SvenskaButtonClick() {
    int widest = 0;
    for (AutoLabel* l : sv) widest = std::max(widest, QFontMetrics(l->font()).horizontalAdvance(l->text()));
    for (AutoLabel* l : SvenskLabel) {
        l->move(sv[0]->x() + widest + 100, l->y());
        l->show();
    }
}

void TFalska::RegelButtonClick() {
    context().opener->open(WindowRequest{WindowKind::TRegelform, {}, state().ProgramNumber});
    setFocus();
}

void TFalska::showPausePanel() {
    Escapepanel->show();
    Escapepanel->raise();
    enableCountButtons(false);
    if (Button3->isEnabled() && !GameOver)
        Button3->setFocus();
    else
        Button4->setFocus();
}

void TFalska::keyPressEvent(QKeyEvent* e) {
    e->accept();
    if (!nameGiven_ || hearing_) return;
    const int key = e->key();
    if (key == Qt::Key_Escape) {
        showPausePanel();
        return;
    }
    if (Escapepanel->isVisible()) {
        // The pause panel's buttons take Enter and Space.
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
            if (auto* b = qobject_cast<QPushButton*>(focusWidget())) b->click();
        return;
    }
    if (key == Qt::Key_N && (e->modifiers() & Qt::AltModifier)) {
        if (!GameOver) NyPost();
        return;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_5 && SpeedButtons[0]->isEnabled()) {
        SpeedButtonClick(key - Qt::Key_0);
        return;
    }
    if (key == Qt::Key_N && NextButton->isVisible()) {
        NyPost();
        return;
    }
    if (key == Qt::Key_H && HoraButton->isVisible() && PlayingItem > 0)
        Ljudet(PlayingItem, PlayingWord);
}

void TFalska::reject() {
    // Esc belongs to the window's own keys; the window closes through "Annuler".
}

void TFalska::Button3Click() {
    Escapepanel->hide();
    if (GameOver) {
        SvarsTexterna();
        BildPanelen->hide();
        LovordPanel->hide();
        PupilPoints = 0;
        ComputerPoints = 0;
        emptySquares();
        GameOver = 0;
        PupilWon = 0;
        RegelButton->show();
        SvenskaButton->show();
        NyPost();
        return;
    }
    // A judged turn is not scored again: its count buttons stay off.
    enableCountButtons(!turnJudged_);
    setFocus();
}

void TFalska::Button4Click() {
    hide();
    done(QDialog::Accepted);
}

void TFalska::BitBtn1Click() {
    context().opener->open(WindowRequest{WindowKind::TStallin, {}, 0});
    if (soundsOn()) shell().GeLjudDirectory();
    // After the end of a game the panel stays: it is the way on.
    if (GameOver) {
        showPausePanel();
        return;
    }
    Escapepanel->hide();
    HoraButton->setVisible(soundsOn() && turnJudged_);
    enableCountButtons(!turnJudged_);
    setFocus();
}

void TFalska::showRewardPicture() {
    // The panel stands only when there is a picture to show.
    if (showNextRewardPicture(shell(), Image1, BildTextPanel, BildLabel, U())) {
        BildPanelen->show();
        BildPanelen->raise();
    }
}

void TFalska::Avslutning() {
    const QString name = toQString(state().PupilName);
    NextButton->hide();
    HoraButton->hide();
    showRewardPicture();
    RegelButton->hide();
    SvenskaButton->hide();
    // The outcome is always told, whatever the praise files hold.
    if (PupilWon)
        RitaLovord(QStringLiteral("Félicitations ") + name + QStringLiteral(" !"));
    else
        RitaLovord(QStringLiteral("Désolé ,") + name + QStringLiteral(". Vous avez perdu. Prenez votre revanche!"));
    Escapepanel->show();
    Escapepanel->raise();
    Button3->setEnabled(true);
    Button4->setFocus();
}

void TFalska::RitaLovord(const QString& text) {
    const int u = U();
    LovordPanel->show();
    LovordPanel->raise();
    LovordYttershape->setGeometry(0, 0, LovordPanel->width(), LovordPanel->height());
    lovordinnershape->setGeometry(u / 2, u / 2, LovordPanel->width() - u, LovordPanel->height() - u);
    LovordLabel1->setText(text);
    const int innerW = lovordinnershape->width();
    const int innerH = lovordinnershape->height();
    int size = 30 * state().ScalePercent / 100;
    LovordLabel1->setFont(pointFont(size, true));
    auto fm = [&] { return QFontMetrics(LovordLabel1->font()); };
    while (fm().horizontalAdvance(text) > innerW - u && size >= 11) LovordLabel1->setFont(pointFont(--size, true));
    while (fm().height() > innerH - u / 2 && size >= 11) LovordLabel1->setFont(pointFont(--size, true));
    LovordLabel1->adjustSize();
    LovordLabel1->move((innerW - LovordLabel1->width()) / 2, (innerH - u / 2 - LovordLabel1->height()) / 2);
}

} // namespace orvela
