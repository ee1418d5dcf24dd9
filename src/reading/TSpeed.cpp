#include "TSpeed.h"

#include "QtText.h"
#include "ReadingPaintBox.h"

#include <QKeyEvent>

namespace orvela {

namespace {
const char* const kFileName = "FRA41000.DAT";
}

TSpeed::TSpeed(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("TSpeed"));
    setWindowTitle(qs("Lästräning"));
    makeFullScreen(colors::silver);
    // Laid out at the unscaled size: the scaling below brings it to the screen.
    const int percent = fittingPercent();
    const QSize screen = unscaledScreenSize(percent);
    const int W = screen.width();
    const int H = screen.height();
    const int u = unscaledU();

    PaintBox1 = new ReadingPaintBox(this, text_);
    PaintBox1->setGeometry(0, 0, W * 49 / 64, H);

    auto label = [](QWidget* parent, const char* name, const char* text, int px, const QColor& color) {
        auto* l = new AutoLabel(parent, qs(text));
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(pixelFont(px, true));
        l->setTextColor(color);
        return l;
    };

    // The choice of text, over the page.
    Panel1 = new Panel(this, colors::navy, 3);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(W * 6 / 64, H * 6 / 48, W * 37 / 64, H * 32 / 48);
    Panel2 = new Panel(Panel1, QColor(255, 255, 210), 2);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(u, u, Panel1->width() - 2 * u, Panel1->height() - 2 * u);
    int y = 2 * u;
    auto stack = [&](const char* name, const char* text, int px, const QColor& color) {
        AutoLabel* l = label(Panel2, name, text, px, color);
        l->move(2 * u, y);
        y += l->height() + u / 2;
        return l;
    };
    stack("Label2", "Lästräning", 28, colors::navy);
    y += u;
    stack("Label3", "Du ska nu få testa din läshastighet.", 18, colors::black);
    stack("Label4", "Du ska läsa högt och får bara göra något", 18, colors::black);
    stack("Label5", "enstaka fel.", 18, colors::black);
    y += u;
    stack("Label6", "Välj en av texterna i listan.", 18, colors::maroon);
    ListBox1 = new QListWidget(Panel2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(pixelFont(20, true));
    ListBox1->setGeometry(2 * u, y + u, W * 8 / 64, std::max(60, Panel2->height() - y - 3 * u));
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
    connect(ListBox1, &QListWidget::itemActivated, this, [this] { ListBox1DblClick(); });

    // Statistics, buttons and speed at the right.
    Panel3 = new Panel(this, colors::navy, 2);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(W * 49 / 64, 0, W - W * 49 / 64, H);
    const int inner = Panel3->width() - 2 * u;
    Panel4 = new Panel(Panel3, colors::silver, 2);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(u, H * 2 / 48, inner, H * 18 / 48);
    Label8 = label(Panel4, "Label8", "", 16, colors::navy);
    Label9 = label(Panel4, "Label9", "", 16, colors::navy);
    Label10 = label(Panel4, "Label10", "", 16, colors::navy);
    Label8->move(u, u);
    Label9->move(u, u + 26);
    Label10->move(u, u + 52);
    Button1 = new QPushButton(qs("&Starta"), Panel4);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(qs("&Avbryt"), Panel4);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2}) {
        b->setFont(pixelFont(16, true));
        b->setAutoDefault(false);
    }
    Button1->setGeometry(u, Panel4->height() - 100, inner - 2 * u, 36);
    Button2->setGeometry(u, Panel4->height() - 52, inner - 2 * u, 36);
    connect(Button1, &QPushButton::clicked, this, &TSpeed::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSpeed::Button2Click);

    Panel5 = new Panel(Panel3, colors::silver, 2);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setGeometry(u, H * 22 / 48, inner, H * 12 / 48);
    label(Panel5, "Label7", "Beräknad ", 16, colors::navy)->move(u, u);
    label(Panel5, "Label12", "läshastighet", 16, colors::navy)->move(u, u + 22);
    Label11 = label(Panel5, "Label11", "120 ord / min", 20, colors::maroon);
    Label11->move(u, u + 52);
    ScrollBar1 = new QScrollBar(Qt::Horizontal, Panel5);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(SpeedText::kSlowest, SpeedText::kFastest);
    ScrollBar1->setSingleStep(10);
    ScrollBar1->setPageStep(100);
    ScrollBar1->setValue(SpeedText::kStartPosition);
    ScrollBar1->setGeometry(u, u + 92, inner - 2 * u, 22);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TSpeed::ScrollBar1Change);

    Label1 = label(this, "Label1", "", 16, colors::black);
    Label1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &TSpeed::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TSpeed::Timer2Timer);

    scaleBy(percent);

    // Opening: the list of texts.
    Button1->setEnabled(false);
    Seconds = 0;
    texts_ = SpeedText::readTexts(shell().dataFile(AnsiText::ascii(kFileName)));
    if (!texts_ || texts_->empty())
        shell().showMessage("Filen " + context.shell->paths().rootText() + "/DATA/" + kFileName +
                            " finns inte eller är felaktig");
    if (texts_)
        for (std::size_t n = 1; n <= texts_->size(); ++n) ListBox1->addItem(QString::number(n));
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
    Panel1->show();
    ListBox1->setFocus();
}

void TSpeed::ListBox1DblClick() {
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !texts_ || Timer1->isActive()) return;
    const int n = item->text().toInt();
    if (n < 1 || n > static_cast<int>(texts_->size())) return;
    text_.load(texts_->at(static_cast<std::size_t>(n - 1)));
    Panel1->hide();
    Statistik();
    Button1->setEnabled(text_.WordTotal > 0);
    if (text_.WordTotal == 0) shell().showMessage("Texten har inga ord. Välj en annan text.");
    PaintBox1->update();
    Button1->setFocus();
}

void TSpeed::Statistik() {
    Label8->setText(qs(text_.wordsText()));
    Label9->setText(qs(text_.lettersText()));
    Label10->setText(qs(text_.lettersPerWordText()));
}

void TSpeed::ScrollBar1Change() {
    const int p = ScrollBar1->value();
    Label11->setText(qs(SpeedText::speedText(p)));
    if (Timer1->isActive()) Timer1->setInterval(SpeedText::intervalMs(p));
}

void TSpeed::Button1Click() {
    if (!Button1->isEnabled() || text_.WordTotal == 0) return;
    text_.restart();
    Seconds = 0;
    Button1->setEnabled(false);
    Timer1->start(SpeedText::intervalMs(ScrollBar1->value()));
    Timer2->start(1000);
    PaintBox1->update();
}

void TSpeed::Timer2Timer() { ++Seconds; }

void TSpeed::Timer1Timer() {
    const SpeedText::Word* w = text_.SuddaOrd();
    if (!w) {
        finishReading();
        return;
    }
    Label1->setText(toQString(w->text));
    PaintBox1->update();
    if (text_.done()) finishReading();
}

void TSpeed::finishReading() {
    Timer1->stop();
    Timer2->stop();
    shell().showMessage(text_.closingMessage(Seconds));
    Seconds = 0;
    Panel1->show();
    Button1->setEnabled(false);
    ListBox1->setFocus();
}

void TSpeed::Button2Click() {
    Timer1->stop();
    Timer2->stop();
    close();
}

} // namespace orvela
