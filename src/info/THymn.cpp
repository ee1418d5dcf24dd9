#include "THymn.h"

#include "QtText.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace orvela {

namespace {
constexpr int kSmallScreen = 700;
const char* const kMusicFile = "FRANKR.WAV";
} // namespace

const std::array<const char*, THymn::kLines>& THymn::anthemLines() {
    static const std::array<const char*, kLines> lines = {
        "Allons enfants de la Patrie,",
        "Le jour de gloire est arrivé !",
        "Contre nous de la tyrannie",
        "L'étendard sanglant est levé,",
        "Entendez-vous dans les campagnes",
        "Mugir ces féroces soldats ?",
        "Ils viennent jusque dans vos bras",
        "Égorger vos fils, vos compagnes !",
        "Aux armes, citoyens,",
        "Formez vos bataillons,",
        "Marchons, marchons !",
        "Qu'un sang impur abreuve nos sillons !",
    };
    return lines;
}

THymn::THymn(AppContext& context, QWidget* parent) : FranceWindow(context, parent) {
    setObjectName(QStringLiteral("THymn"));
    savedSoundDir_ = state().SoundDir;
    FormCreate();
}

THymn::~THymn() {
    stopMusic();
    state().SoundDir = savedSoundDir_;
}

void THymn::FormCreate() {
    const int u = U();
    // The words are drawn on a picture that covers the screen.
    QPixmap canvas(W, H);
    canvas.fill(colors::silver);

    Label1->setText(qs("Frankrikes nationalsång"));
    Label1->adjustSize();
    Label1->move((W - Label1->width()) / 2, u / 2);
    Label2 = makeLabel("Label2", QStringLiteral("Allons enfants"), W < kSmallScreen ? 14 : 18);
    Label3 = makeLabel("Label3", QString(), 14);
    Label4 = makeLabel("Label4", QString(), 14);
    for (QLabel* l : {Label2, Label3, Label4}) l->hide();
    const int step = Label2->height() * 7 / 6;

    KompLabel1 = makeLabel("KompLabel1", qs("Text och musik: Claude Joseph Rouget de Lisle, 1792"), 12);
    KompLabel1->move(Label1->x() + (Label1->width() - KompLabel1->width()) / 2,
                     Label1->y() + Label1->height() * 6 / 5);
    const int textTop = KompLabel1->y() + 2 * KompLabel1->height();

    {
        QPainter p(&canvas);
        const QFont font = pointFont(scaled(14, state().ScalePercent), true);
        p.setFont(font);
        p.setPen(colors::navy);
        const QFontMetrics fm(font);
        int widest = 0;
        for (const char* line : anthemLines()) widest = std::max(widest, fm.horizontalAdvance(qs(line)));
        const int x = (W - widest) / 2;
        for (int k = 0; k < kLines; ++k)
            p.drawText(x, textTop + k * step + fm.ascent(), qs(anthemLines()[static_cast<std::size_t>(k)]));
    }
    Image1->setPixmap(canvas);
    Image1->setGeometry(0, 0, W, H);
    Image1->show();
    Image1->lower();

    SpelaPanel1 = new Panel(this, colors::navy, 2);
    SpelaPanel1->setObjectName(QStringLiteral("SpelaPanel1"));
    SpelaPanel1->resize(AvbrytPanel->size());
    Button2 = new QPushButton(QStringLiteral("&Spela upp"), SpelaPanel1);
    Button3 = new QPushButton(QStringLiteral("Avbryt &uppspelning"), SpelaPanel1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton* b : {Button2, Button3}) {
        b->setFont(Button1->font());
        b->setGeometry(Button1->geometry());
        b->setAutoDefault(false);
    }
    connect(Button2, &QPushButton::clicked, this, &THymn::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &THymn::Button3Click);

    const int pw = AvbrytPanel->width();
    const int top = H - AvbrytPanel->height() * 8 / 7;
    SpelaPanel1->move((W - 2 * pw) / 3, top);
    AvbrytPanel->move(2 * (W - 2 * pw) / 3 + pw, top);

    Button3->hide();
    Button2->show();
    const std::uint8_t sound = state().SoundSetting;
    Button2->setEnabled(sound == 1 || sound == 3);
}

void THymn::Button2Click() {
    SharedState& s = state();
    s.SoundDir = AnsiText();
    // The melody plays on while the window stays usable, whichever exercise ran before (some of
    // them wait for the end of their sounds).
    const std::uint16_t program = s.ProgramNumber;
    s.ProgramNumber = 0;
    const bool plays = shell().SpelaUppWavLjud(AnsiText::ascii(kMusicFile));
    s.ProgramNumber = program;
    if (!plays) return;
    playing_ = true;
    Button2->hide();
    Button3->show();
    Button3->setFocus();
}

void THymn::Button3Click() {
    stopMusic();
    Button3->hide();
    Button2->show();
    Button2->setFocus();
}

void THymn::stopMusic() {
    if (!playing_) return;
    playing_ = false;
    if (Sound* sound = shell().services().sound) sound->stop();
}

void THymn::Button1Click() {
    stopMusic();
    FranceWindow::Button1Click();
}

void THymn::closeEvent(QCloseEvent* e) {
    stopMusic();
    FranceWindow::closeEvent(e);
}

} // namespace orvela
