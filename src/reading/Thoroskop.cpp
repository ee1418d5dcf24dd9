#include "Thoroskop.h"

#include "BmpImage.h"
#include "HoroscopePrintout.h"
#include "QtText.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace orvela {

namespace {

const char* const kFileName = "FRA42000.DAT";
const QString kGlyphFont = QStringLiteral("DejaVu Sans");
// Columns of the sign list and the vocabulary line up in a font of even widths.
const QString kColumnFont = QStringLiteral("DejaVu Sans Mono");

// `text` followed by spaces up to `width` characters (none when it is as long already).
QString padTo(const QString& text, qsizetype width) {
    return text.leftJustified(width, QLatin1Char(' '));
}

} // namespace

Thoroskop::Thoroskop(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("Thoroskop"));
    setWindowTitle(QStringLiteral("Orvela"));
    makeFullScreen(colors::black);
    setFont(pixelFont(16, true));
    // Laid out at the unscaled size: the scaling below brings it to the screen.
    const int percent = fittingPercent();
    const QSize screen = unscaledScreenSize(percent);
    const int W = screen.width();
    const int H = screen.height();
    const int u = unscaledU();

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setGeometry(u, 3 * u, Horoscope::kPictureWidth, Horoscope::kPictureHeight);
    Image1->installEventFilter(this);
    hrut = new QFrame(this); // over the picture, and past its right edge for Sagittaire
    hrut->setObjectName(QStringLiteral("hrut"));
    hrut->setStyleSheet(QStringLiteral(
        "QFrame { border: 2px dotted #00ffff; border-radius: 14px; background: transparent; }"));
    hrut->resize(Horoscope::kFrameWidth, Horoscope::kFrameHeight);
    hrut->setAttribute(Qt::WA_TransparentForMouseEvents);

    const int right = Image1->x() + Image1->width() + 2 * u;
    Label1 = new AutoLabel(this, QStringLiteral("HOROSKOP"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(pixelFont(20, true));
    Label1->setTextColor(colors::yellow);
    auto glyph = [this](const char* name) {
        auto* l = new AutoLabel(this, QString());
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(pixelFont(23, false, kGlyphFont));
        l->setTextColor(colors::aqua);
        return l;
    };
    Label2 = glyph("Label2");
    Label3 = glyph("Label3");
    Label2->setText(qs(Horoscope::sign(0).glyph));
    Label3->setText(qs(Horoscope::sign(0).glyph));
    const int listWidth = std::max(220, W - right - u);
    Label1->move(right + (listWidth - Label1->width()) / 2, 3 * u);
    Label2->move(Label1->x() - 2 * Label2->width(), Label1->y() - 2);
    Label3->move(Label1->x() + Label1->width() + Label2->width(), Label1->y() - 2);

    ListBox3 = new QListWidget(this);
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    ListBox3->setFont(pixelFont(std::clamp(listWidth / 20, 12, 20), true, kColumnFont));
    ListBox3->setStyleSheet(QStringLiteral(
        "QListWidget { color: yellow; background: black; border: 1px solid #808080; }"
        "QListWidget::item:selected { color: black; background: yellow; }"));
    ListBox3->setGeometry(right, Label1->y() + Label1->height() * 2, listWidth,
                          QFontMetrics(ListBox3->font()).height() * 13 + 8);
    ListBox3->installEventFilter(this);
    connect(ListBox3, &QListWidget::currentRowChanged, this, [this] { ListBox3Click(); });
    connect(ListBox3, &QListWidget::itemDoubleClicked, this, [this] { Horoscoptext(); });

    Button4 = new QPushButton(QStringLiteral("&Quitter"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setAutoDefault(false);
    Button4->setGeometry(right, ListBox3->y() + ListBox3->height() + 2 * u, 8 * u, 32);
    connect(Button4, &QPushButton::clicked, this, &Thoroskop::Button4Click);

    // The horoscope.
    Panel1 = new Panel(this, colors::navy, 2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->resize(std::min(W - 2 * u, Horoscope::kPictureWidth + 8 * u),
                   H - (Label1->y() + Label1->height() * 3 / 2) - 2 * u);
    Panel1->move((W - Panel1->width()) / 8, Label1->y() + Label1->height() * 3 / 2);
    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFont(pixelFont(22, true));
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { color: black; background: #ffffd2; }"));
    auto button = [this](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, Panel1);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->installEventFilter(this);
        return b;
    };
    Button3 = button(QStringLiteral("&Vocabulaire"), "Button3");
    BitBtn1 = button(QStringLiteral("&Imprimez"), "BitBtn1");
    Button1 = button(QStringLiteral("&Annuler"), "Button1");
    layoutPanel1(Panel1->width(), u, 100);
    connect(Button3, &QPushButton::clicked, this, &Thoroskop::Button3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Thoroskop::BitBtn1Click);
    connect(Button1, &QPushButton::clicked, this, &Thoroskop::Button1Click);
    Panel1->hide();

    // The vocabulary, beside the horoscope.
    ordlista = new Panel(this, colors::teal, 2);
    ordlista->setObjectName(QStringLiteral("ordlista"));
    ordlista->setGeometry(W - 300, Panel1->y(), 280, Panel1->height());
    Memo2 = new QPlainTextEdit(ordlista);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setFont(pixelFont(14, true, kColumnFont));
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Button2 = new QPushButton(QStringLiteral("A&nnuler"), ordlista);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Button2->resize(8 * u, 32);
    connect(Button2, &QPushButton::clicked, this, &Thoroskop::Button2Click);
    ordlista->hide();

    scaleBy(percent);
    percent_ = percent;
    panelWidth_ = Panel1->width();

    // The star picture.
    std::string pictureName = "BILD/";
    pictureName += kPictureFile;
    const auto picture = context.shell->paths().find(pictureName);
    const QImage image =
        picture ? loadPicture(QString::fromStdString(picture->string())) : QImage();
    if (image.isNull()) {
        Image1->setStyleSheet(QStringLiteral("background: black"));
        shell().showMessage("Filen " + context.shell->paths().rootText() + "/BILD/" + kPictureFile +
                            " finns inte eller är felaktig");
    } else {
        Image1->setPixmap(QPixmap::fromImage(image));
    }
    StjLista();
    ListBox3->setCurrentRow(0);
    ListBox3Click();
    ListBox3->setFocus();
}

std::string Thoroskop::dataPathText(const std::string& name) {
    return shell().paths().rootText() + "/DATA/" + name;
}

void Thoroskop::StjLista() {
    ListBox3->clear();
    qsizetype nameWidth = 0;
    for (const ZodiacSign& s : Horoscope::signs())
        nameWidth = std::max(nameWidth, qs(s.name).size());
    for (const ZodiacSign& s : Horoscope::signs())
        ListBox3->addItem(padTo(qs(s.name), nameWidth + 1) + qs(s.from) + QLatin1Char(' ') +
                          qs(s.to));
}

void Thoroskop::ListBox3Click() {
    const int i = ListBox3->currentRow();
    if (i < 0 || i >= Horoscope::kSigns) {
        hrut->hide();
        Label2->hide();
        Label3->hide();
        return;
    }
    const ZodiacSign& s = Horoscope::sign(i);
    hrut->move(Image1->x() + s.frameLeft, Image1->y() + s.frameTop);
    hrut->raise();
    Label2->setText(qs(s.glyph));
    Label3->setText(qs(s.glyph));
    hrut->show();
    Label2->show();
    Label3->show();
}

void Thoroskop::Image1MouseDown(int x, int y) {
    if (!Image1->isEnabled()) return;
    if (const std::optional<int> i = Horoscope::signAt(x, y)) ListBox3->setCurrentRow(*i);
    ListBox3Click();
}

void Thoroskop::Horoscoptext() {
    const int i = ListBox3->currentRow();
    if (i < 0 || i >= Horoscope::kSigns) return;
    const auto lines = Horoscope::readLines(shell().dataFile(AnsiText::ascii(kFileName)));
    if (!lines) {
        shell().showMessage("Filen " + dataPathText(kFileName) + " finns inte eller är felaktig");
        return;
    }
    const auto text = Horoscope::Horoscoptext(*lines, i, shell().random());
    if (!text) {
        shell().showMessage("Filen " + dataPathText(kFileName) + " är felaktig: den har inte " +
                            "raderna " + std::to_string(Horoscope::sign(i).firstLine) + "–" +
                            std::to_string(Horoscope::sign(i).lastLine) + " för " +
                            Horoscope::sign(i).name + ".");
        return;
    }
    horoscope_ = *text;
    QStringList shown;
    for (const AnsiText& l : horoscope_)
        shown << toQString(l);
    Memo1->setPlainText(shown.join(QLatin1Char('\n')));
    ListBox3->hide();
    ListBox3->setEnabled(false);
    Image1->setEnabled(false);
    Memo1->show();
    Panel1->show();
    Panel1->raise();
    Button1->setFocus();
}

void Thoroskop::Button1Click() {
    ordlista->hide();
    layoutPanel1(panelWidth_, scaled(unscaledU(), percent_), percent_);
    Panel1->setEnabled(true);
    Panel1->hide();
    Image1->setEnabled(true);
    ListBox3->show();
    ListBox3->setEnabled(true);
    ListBox3->setFocus();
}

void Thoroskop::layoutPanel1(int width, int u, int percent) {
    Panel1->resize(width, Panel1->height());
    Memo1->setGeometry(u, u, width - 2 * u, Panel1->height() - scaled(60, percent));
    const int bw = (Memo1->width() - 2 * u) / 3;
    const int by = Panel1->height() - scaled(48, percent);
    const int bh = scaled(36, percent);
    Button3->setGeometry(u, by, bw, bh);
    BitBtn1->setGeometry(2 * u + bw, by, bw, bh);
    Button1->setGeometry(3 * u + 2 * bw, by, bw, bh);
}

void Thoroskop::Button3Click() {
    Panel1->setEnabled(false);
    MemoOrdLista();
    // The horoscope gives way to the vocabulary beside it; its lines wrap.
    const int room = ordlista->x() - U() - Panel1->x();
    if (room < Panel1->width())
        layoutPanel1(std::max(room, 12 * U()), scaled(unscaledU(), percent_), percent_);
    ordlista->show();
    ordlista->raise();
    Button2->setFocus();
}

void Thoroskop::MemoOrdLista() {
    const int i = std::max(0, ListBox3->currentRow());
    const std::string name = Horoscope::vocabularyFile(i);
    const auto pairs = Horoscope::readVocabulary(shell().dataFile(AnsiText::ascii(name)));
    if (!pairs) {
        shell().showMessage("Filen " + dataPathText(name) + " finns inte eller är felaktig");
        return;
    }
    const QFontMetrics fm(Memo2->font());
    qsizetype wordWidth = 0;
    for (const auto& pair : *pairs)
        wordWidth = std::max(wordWidth, toQString(pair.first).size());
    QStringList lines;
    int widest = 0;
    for (const auto& [word, translation] : *pairs) {
        const QString line = padTo(toQString(word), wordWidth + 2) + toQString(translation);
        lines << line;
        widest = std::max(widest, fm.horizontalAdvance(line));
    }
    Memo2->setPlainText(lines.join(QLatin1Char('\n')));
    const int W = screenSize().width();
    ordlista->resize(std::min(widest + 55, W - 40), ordlista->height());
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ordlista->move(W - ordlista->width() - 20, ordlista->y());
    Button2->move(Button2->width() / 2, ordlista->height() - Button2->height() * 5 / 4);
    Memo2->setGeometry(10, 10, ordlista->width() - 20,
                       ordlista->height() - Button2->height() * 6 / 4 - 10);
}

void Thoroskop::Button2Click() {
    Panel1->setEnabled(true);
    ordlista->hide();
    layoutPanel1(panelWidth_, scaled(unscaledU(), percent_), percent_);
    Button3->setFocus();
}

void Thoroskop::BitBtn1Click() {
    Printing* printer = context().printing;
    if (!printer) {
        shell().showMessage(
            "Horoskopet kan inte skrivas ut: det finns ingen skrivare i programmet.");
    } else if (HoroscopePrintout::print(*printer, horoscope_) == PrintOutcome::Failed) {
        shell().showWarning("Utskriften kunde inte göras. Kontrollera skrivaren eller att "
                            "filen kan sparas där du valde.");
    }
    BitBtn1->setFocus();
}

void Thoroskop::Button4Click() {
    close();
}

bool Thoroskop::eventFilter(QObject* watched, QEvent* e) {
    if (watched == Image1 && e->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        Image1MouseDown(p.x(), p.y());
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (watched == ListBox3 && (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)) {
            Horoscoptext();
            return true;
        }
        if ((watched == Button1 || watched == BitBtn1 || watched == Button3) &&
            ke->key() == Qt::Key_Escape) {
            Button1Click();
            return true;
        }
    }
    return Window::eventFilter(watched, e);
}

} // namespace orvela
