#include "TStallin.h"

#include "QtText.h"

#include <QKeyEvent>

namespace orvela {

namespace {
constexpr int kWidth = 560;
constexpr int kHeight = 360;
const QColor kCream{255, 255, 210};
} // namespace

TStallin::TStallin(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("Stallin"));
    setWindowTitle(qs("Inställningar"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setBackground(colors::blue);
    setFont(pixelFont(16, true));
    resize(kWidth, kHeight);

    YtterPanel = new Panel(this, colors::yellow, 2);
    YtterPanel->setObjectName(QStringLiteral("YtterPanel"));
    InnerPanel = new Panel(YtterPanel, kCream, 1);
    InnerPanel->setObjectName(QStringLiteral("InnerPanel"));
    OverPanel = new Panel(InnerPanel, colors::navy, 2);
    OverPanel->setObjectName(QStringLiteral("OverPanel"));
    auto* title = new QLabel(qs("Inställningar"), OverPanel);
    title->setObjectName(QStringLiteral("OverLabel"));
    title->setFont(pixelFont(24, true));
    title->setStyleSheet(QStringLiteral("color: yellow"));
    title->setAlignment(Qt::AlignCenter);

    auto label = [this](const char* name, const char* text, int x, int y) {
        auto* l = new AutoLabel(InnerPanel, qs(text));
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(pixelFont(16, true));
        l->setTextColor(colors::navy);
        l->move(x, y);
        return l;
    };
    label("DroejLabel", "Antal sekunder som rätt svar visas:", 16, 64);
    TidLabel = label("TidLabel", "3", 360, 58);
    TidLabel->setFont(pixelFont(28, true));
    TidLabel->setTextColor(colors::maroon);
    auto* extra = label("ExtraLabel", "(Visningen av rätt svar kan alltid brytas", 16, 94);
    auto* extra2 = label("Extra2Label", "med tryck på mellanslagstangenten)", 16, 114);
    for (AutoLabel* l : {extra, extra2}) l->setFont(pixelFont(14));
    label("Sverigelabel", "Franska bilder visas efter övningarna:", 16, 158);
    label("Ljudlabel", "Intalat ljud till vissa övningar :", 16, 198);

    SpinUp = new QToolButton(InnerPanel);
    SpinUp->setObjectName(QStringLiteral("SpinButton1Up"));
    SpinUp->setArrowType(Qt::UpArrow);
    SpinUp->setGeometry(410, 52, 28, 22);
    SpinDown = new QToolButton(InnerPanel);
    SpinDown->setObjectName(QStringLiteral("SpinButton1Down"));
    SpinDown->setArrowType(Qt::DownArrow);
    SpinDown->setGeometry(410, 76, 28, 22);
    connect(SpinUp, &QToolButton::clicked, this, &TStallin::SpinButton1UpClick);
    connect(SpinDown, &QToolButton::clicked, this, &TStallin::SpinButton1DownClick);

    auto button = [this](const char* name, const QString& text, int x, int y, int w) {
        auto* b = new QPushButton(text, InnerPanel);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(pixelFont(16, true));
        b->setGeometry(x, y, w, 30);
        b->setAutoDefault(false);
        return b;
    };
    JaNejButton1 = button("JaNejButton1", QStringLiteral("Ja"), 400, 152, 70);
    JaNejButton2 = button("JaNejButton2", QStringLiteral("Ja"), 400, 192, 70);
    SparaButton = button("SparaButton", QStringLiteral("&Spara"), 110, 250, 130);
    AvbrytButton = button("AvbrytButton", QStringLiteral("&Avbryt"), 270, 250, 130);
    connect(JaNejButton1, &QPushButton::clicked, this, &TStallin::JaNejButton1Click);
    connect(JaNejButton2, &QPushButton::clicked, this, &TStallin::JaNejButton2Click);
    connect(SparaButton, &QPushButton::clicked, this, &TStallin::SparaButtonClick);
    connect(AvbrytButton, &QPushButton::clicked, this, &TStallin::AvbrytButtonClick);

    FormCreate();
    // The title bar of the inner panel spans its width.
    OverPanel->setGeometry(U(), U(), InnerPanel->width() - 2 * U(), 40 * state().ScalePercent / 100);
    title->setGeometry(0, 0, OverPanel->width(), OverPanel->height());
}

void TStallin::FormCreate() {
    scaleByScalePercent();
    const int u = U();
    YtterPanel->setGeometry(u, u, width() - 2 * u, height() - 2 * u);
    InnerPanel->setGeometry(u, u, YtterPanel->width() - 2 * u, YtterPanel->height() - 2 * u);
    shell().HaemtaFranINI();
    showSeconds();
    showSwitch(JaNejButton1, state().PictureSetting);
    showSwitch(JaNejButton2, state().SoundSetting);
    const QSize screen = screenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void TStallin::showSeconds() {
    TidLabel->setText(QString::number(state().ShowAnswerSeconds));
    TidLabel->repaint();
}

void TStallin::showSwitch(QPushButton* button, std::uint8_t& setting) {
    if (setting > 3) setting = 1;
    button->setText(setting == 1 || setting == 3 ? QStringLiteral("Ja") : QStringLiteral("Nej"));
    button->setEnabled(setting <= 1); // 2 and 3 are locked
}

void TStallin::toggle(QPushButton* button, std::uint8_t& setting) {
    if (setting == 0)
        setting = 1;
    else if (setting == 1)
        setting = 0;
    showSwitch(button, setting);
}

void TStallin::SpinButton1UpClick() {
    if (state().ShowAnswerSeconds < 9) ++state().ShowAnswerSeconds;
    showSeconds();
}

void TStallin::SpinButton1DownClick() {
    if (state().ShowAnswerSeconds > 0) --state().ShowAnswerSeconds;
    showSeconds();
}

void TStallin::JaNejButton1Click() { toggle(JaNejButton1, state().PictureSetting); }
void TStallin::JaNejButton2Click() { toggle(JaNejButton2, state().SoundSetting); }

void TStallin::SparaButtonClick() {
    shell().SparaFranINI();
    accept();
}

void TStallin::AvbrytButtonClick() { reject(); }

} // namespace orvela
