#include "TForm1.h"

#include "BmpImage.h"
#include "QtText.h"
#include "Scaling.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <optional>

namespace orvela {

namespace {

const char* const kCaptions[10] = {"Frankrike", "Dina ord",        "Stavning, uttal", "Läsa",
                                   "Grammatik", "Diagnos",         "Göra arbetsblad", "Manual",
                                   "Om Orvela", "Avsluta"};

// The menu buttons are 289 x 36, stacked from top 68 in steps of 36.
constexpr int kButtonWidth = 289;
constexpr int kButtonHeight = 36;
constexpr int kButtonTop = 68;
constexpr int kMenuWidth = 326;
constexpr int kMenuHeight = 447;
constexpr int kBarHeight = 23; // Panel9
// The worksheet-mode notice below the menu, and the least room kept above and below it.
constexpr int kNoticeWidth = 233;
constexpr int kNoticeHeight = 37;
constexpr int kNoticeGap = 8;
// The caption under a start picture: Arial 13 px as designed, made smaller down to this size
// until it fits the picture's width in two lines.
constexpr int kCaptionPixels = 13;
constexpr int kSmallestCaptionPixels = 7;

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// A caption in at most two lines no wider than `width`: the first line as long as fits, broken at
// a space. Nothing when the text cannot be set so in this font.
std::optional<QStringList> twoLines(const QString& text, const QFontMetrics& fm, int width) {
    if (fm.horizontalAdvance(text) <= width) return QStringList{text};
    for (qsizetype i = text.lastIndexOf(QLatin1Char(' ')); i > 0;
         i = text.lastIndexOf(QLatin1Char(' '), i - 1)) {
        const QString first = text.left(i).trimmed();
        if (fm.horizontalAdvance(first) > width) continue;
        const QString second = text.mid(i + 1).trimmed();
        if (fm.horizontalAdvance(second) > width) return std::nullopt;
        return QStringList{first, second};
    }
    return std::nullopt;
}

QPixmap makeBackground(QSize size) {
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(20, 40, 150));
    g.setColorAt(1, QColor(0, 0, 90));
    p.fillRect(pm.rect(), g);
    // A quiet tricolour band along the bottom.
    int h = std::max(6, size.height() / 60);
    int w = size.width() / 3;
    p.fillRect(0, size.height() - h, w, h, QColor(0, 35, 149));
    p.fillRect(w, size.height() - h, w, h, Qt::white);
    p.fillRect(2 * w, size.height() - h, size.width() - 2 * w, h, QColor(237, 41, 57));
    return pm;
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void PictureBox::setImage(QImage image) {
    image_ = std::move(image);
    resize(image_.size());
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(rect(), image_);
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    Q_EMIT mouseMoved();
    QWidget::mouseMoveEvent(e);
}

void PictureBox::leaveEvent(QEvent* e) {
    Q_EMIT mouseLeft();
    QWidget::leaveEvent(e);
}

TForm1::TForm1(Shell& shell, WindowOpener& opener, QSize screen, QWidget* parent)
    : QWidget(parent), shell_(shell), opener_(opener), screen_(screen) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orvela"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFont(pixelFont(16));
    setGeometry(0, 0, screen_.width(), screen_.height());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colors::blue);
    setPalette(pal);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, screen_.width(), screen_.height());
    Image1->setScaledContents(true);
    Image1->hide();

    Panel9 = new Panel(this, colors::navy);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setGeometry(0, 0, screen_.width(), kBarHeight);
    Panel9Label = new QLabel(QStringLiteral("Orvela – franska för svenska elever"), Panel9);
    Panel9Label->setFont(pixelFont(13));
    QPalette barText = Panel9Label->palette();
    barText.setColor(QPalette::WindowText, Qt::white);
    Panel9Label->setPalette(barText);
    Panel9Label->setGeometry(8, 0, screen_.width() - 16, kBarHeight);

    MenuPanel = new Panel(this, colors::navy, 3);
    MenuPanel->setObjectName(QStringLiteral("MenuPanel"));
    MenuPanel->setGeometry(0, 0, kMenuWidth, kMenuHeight);
    // Labels take their fixed size (or are hidden) before their fonts are set, so that no font is
    // loaded for a size that is never shown.
    Label1 = new AutoLabel(MenuPanel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAutoSize(false);
    Label1->setGeometry(5, 14, kMenuWidth - 10, 40);
    Label1->setFont(pixelFont(32, true));
    Label1->setTextColor(colors::yellow);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setText(QStringLiteral("ORVELA"));

    for (int i = 0; i < 10; ++i) {
        auto* b = new QPushButton(qs(kCaptions[i]), MenuPanel);
        b->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        b->setFont(pixelFont(20, true));
        b->setGeometry((kMenuWidth - kButtonWidth) / 2, kButtonTop + i * kButtonHeight, kButtonWidth,
                       kButtonHeight);
        b->setAutoDefault(false);
        Buttons[static_cast<std::size_t>(i)] = b;
        connect(b, &QPushButton::clicked, this, [this, i] { openMainMenuWindow(i + 1); });
    }

    Shape1 = new Shape(this, Shape::RoundRect, colors::yellow, colors::black);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->resize(kNoticeWidth, kNoticeHeight);
    Shape1->hide();
    Label2 = new AutoLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->hide();
    Label2->setFont(pixelFont(15, true));
    Label2->setAlignment(Qt::AlignCenter);

    static const char* const kPictureNames[6] = {"BildImage11", "BildImage12", "BildImage13",
                                                 "BildImage21", "BildImage22", "BildImage23"};
    for (int k = 0; k < 6; ++k) {
        auto* pic = new PictureBox(this);
        pic->setObjectName(QString::fromLatin1(kPictureNames[k]));
        pic->hide();
        BildImages[static_cast<std::size_t>(k)] = pic;
        connect(pic, &PictureBox::mouseMoved, this, [this, k] { BildImageMouseMove(k); });
        connect(pic, &PictureBox::mouseLeft, this, [this, k] { BildImageMouseLeave(k); });
    }
    Label3 = new AutoLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new AutoLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    for (AutoLabel* l : {Label3, Label4}) {
        l->hide();
        l->setFont(pixelFont(kCaptionPixels));
        l->setTextColor(colors::white);
        // A caption over its picture must not take the mouse from it (it would go and come back).
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    Testlabel = new AutoLabel(this);
    Testlabel->setObjectName(QStringLiteral("Testlabel"));
    Testlabel->hide();
    Testlabel->setFont(pixelFont(20, true));
    Testlabel->setTextColor(colors::navy);

    FormCreate();
}

void TForm1::FormCreate() {
    SharedState& s = shell_.state();
    Label3->hide();
    Label4->hide();
    s.PictureOrderPending = true;

    Skaltest();
    shell_.HaemtaFranINI();

    const int W = screen_.width();
    const int H = screen_.height();
    // A maximised window keeps the screen's size whatever the scale.
    setGeometry(0, 0, W, H);
    Image1->setGeometry(0, 0, W, H);
    Panel9->setGeometry(0, 0, W, Panel9->height());
    Panel9Label->setGeometry(Panel9Label->x(), 0, W - 2 * Panel9Label->x(), Panel9->height());

    MenuPanel->move((W - MenuPanel->width()) / 2, MenuPanel->y());
    Label1->setGeometry(5, Label1->y(), MenuPanel->width() - 10, Label1->height());

    shell_.KontrolleraScoreDir();

    // The menu is placed first so that the worksheet notice lies between it and the screen's
    // bottom edge. Where the space below is too small for the notice (a wide screen, whose
    // height is small for its scale), the menu moves up to leave it room.
    const int gap = scaled(kNoticeGap, windowScale_);
    int menuTop = Panel9->height() + (H - Panel9->height() - MenuPanel->height()) / 3;
    menuTop = std::min(menuTop, H - MenuPanel->height() - Shape1->height() - 2 * gap);
    MenuPanel->move(MenuPanel->x(), std::max(menuTop, Panel9->height()));
    const int menuBottom = MenuPanel->y() + MenuPanel->height();
    Shape1->move((W - Shape1->width()) / 2, menuBottom + (H - menuBottom - Shape1->height()) / 2);

    if (s.PictureSetting == 1 || s.PictureSetting == 3) {
        startbilder();
        Image1->hide();
    } else {
        background_ = makeBackground(QSize(W, H));
        Image1->setPixmap(background_);
        Image1->show();
        Image1->lower();
    }
}

void TForm1::Skaltest() {
    SharedState& s = shell_.state();
    Testlabel->move(Testlabel->x(), 440);
    // n = the number of letters "A" whose width first reaches the screen's width. The width grows
    // by one letter's exact (fractional) advance at a time, so the count is estimated from one
    // letter and then settled by measuring the strings around the estimate.
    const QFontMetrics fm(Testlabel->font());
    const int screenWidth = screen_.width();
    auto width = [&fm](int k) { return fm.horizontalAdvance(QString(k, QLatin1Char('A'))); };
    const qreal advance = QFontMetricsF(Testlabel->font()).horizontalAdvance(QLatin1Char('A'));
    int n = advance > 0 ? static_cast<int>(std::min(std::ceil(screenWidth / advance), 10000.0)) : 0;
    while (n > 0 && width(n - 1) >= screenWidth) --n;
    while (width(n) < screenWidth && n < 10000) ++n;
    int scale = roundHalfEven((n - 1) * 100.0 / 50.0);
    scale = roundHalfEven(scale * 175.0 / 214.0);
    if (scale >= 96 && scale < 102) scale = 100;
    scale = std::max(scale, 1);
    s.ScalePercent = static_cast<std::uint16_t>(scale);
    // The main window also fits the screen's height: the bar, the menu and the worksheet notice
    // with room around it. (The scale comes from the width; a wide screen is low for it.)
    const int designHeight = kBarHeight + kMenuHeight + kNoticeHeight + 3 * kNoticeGap;
    windowScale_ = std::clamp(screen_.height() * 100 / designHeight, 1, scale);
    if (windowScale_ != 100) scaleWindow(this, windowScale_);
}

void TForm1::measureLayoutUnit() {
    SharedState& s = shell_.state();
    // Measured in the scaled font, as every window's fonts are scaled.
    s.LayoutUnit = static_cast<std::uint16_t>(layoutUnit(s.ScalePercent));
}

char TForm1::pictureSizeLetter(int screenWidth) {
    if (screenWidth < 700) return 'L';
    if (screenWidth <= 900) return 'M';
    return 'S';
}

void TForm1::startbilder() {
    SharedState& s = shell_.state();
    const int h = (screen_.height() - Panel9->height()) / 3;
    const int x = MenuPanel->x() + MenuPanel->width();
    const std::string prefix = std::string("FRA") + pictureSizeLetter(screen_.width());
    for (int k = 0; k < 6; ++k) {
        PictureBox* pic = BildImages[static_cast<std::size_t>(k)];
        int n = shell_.haemta_Bildslumptal();
        s.StartPictures[static_cast<std::size_t>(k + 1)] = n;
        int top = (k % 3) * h + Panel9->height();
        int left = k < 3 ? MenuPanel->x() - BildImages[0]->width() : x;
        pic->setGeometry(left, top, MenuPanel->x(), h);
        std::optional<fs::path> file = shell_.paths().find(Shell::pictureFileName(prefix, n));
        QImage image = file ? loadPicture(QString::fromStdString(file->string())) : QImage();
        if (image.isNull()) {
            pic->hide();
            continue;
        }
        pic->setImage(std::move(image));
        if (k < 3) pic->move(MenuPanel->x() - BildImages[0]->width(), top);
        pic->show();
    }
}

void TForm1::BildImageMouseMove(int k) {
    // Every move over the picture reports here; its caption stands already.
    if (k == captionOwner_) return;
    SharedState& s = shell_.state();
    PictureBox* P = BildImages[static_cast<std::size_t>(k)];
    int n = s.StartPictures[static_cast<std::size_t>(k + 1)];
    s.StartCaptionWanted = true; // the start-picture variant of the caption
    const QString caption = toQString(shell_.GeBildText(n)).simplified();
    s.StartCaptionWanted = false;

    // The caption in two lines at most, in the designed size or smaller, as wide as its picture
    // at the most.
    const int width = P->width();
    QFont font = pixelFont(scaled(kCaptionPixels, windowScale_));
    QStringList lines;
    for (int px = font.pixelSize(); px >= kSmallestCaptionPixels; --px) {
        font.setPixelSize(px);
        if (std::optional<QStringList> fit = twoLines(caption, QFontMetrics(font), width)) {
            lines = *fit;
            break;
        }
    }
    if (lines.isEmpty()) {
        // Not even the smallest size holds it: what does not fit is left out visibly.
        const QFontMetrics fm(font);
        lines = {fm.elidedText(caption, Qt::ElideRight, width)};
    }
    Label3->setFont(font);
    Label4->setFont(font);
    Label3->setText(lines.value(0));
    Label4->setText(lines.value(1));
    const int blockWidth = std::max(Label3->width(), lines.size() > 1 ? Label4->width() : 0);
    const int blockHeight = Label3->height() + (lines.size() > 1 ? Label4->height() : 0);

    // Under the picture, centred; over its lower edge where the next picture or the screen's
    // edge follows too closely below it.
    const int left = P->x() + (P->width() - blockWidth) / 2;
    const int slot = (screen_.height() - Panel9->height()) / 3;
    const int slotBottom = Panel9->height() + (k % 3 + 1) * slot;
    int top = P->y() + P->height();
    const bool overPicture = top + blockHeight > slotBottom;
    if (overPicture) top = std::max(P->y(), top - blockHeight);
    for (AutoLabel* l : {Label3, Label4}) {
        if (overPicture)
            l->setBackground(colors::navy);
        else
            l->setAutoFillBackground(false);
    }
    Label3->move(left, top);
    Label4->move(left, top + Label3->height());
    Label4->setVisible(lines.size() > 1);
    Label4->raise();
    Label3->show();
    Label3->raise();
    captionOwner_ = k;
}

void TForm1::BildImageMouseLeave(int k) {
    if (k != captionOwner_) return;
    Label3->hide();
    Label4->hide();
    captionOwner_ = -1;
}

void TForm1::Button7Click() {
    SharedState& s = shell_.state();
    s.ExerciseMode = s.ExerciseMode == Mode::Worksheet ? Mode::Practice : Mode::Worksheet;
    const int U = layoutUnit(windowScale_);
    if (s.ExerciseMode == Mode::Worksheet) {
        button(7)->setText(QStringLiteral("Avaktivera arbetsblad"));
        for (int b : {1, 3, 4, 6}) button(b)->setEnabled(false);
        Label2->setText(QStringLiteral("Arbetsblad aktiverat"));
        Label2->setAutoSize(false);
        Label2->setGeometry(Shape1->x() + U / 2, Shape1->y() + (Shape1->height() - Label2->height()) / 2,
                            Shape1->width() - U, Label2->height());
        Label2->setAutoSize(true);
        Shape1->show();
        Label2->show();
        Label2->raise();
        MenuPanel->setColor(colors::maroon);
    } else {
        button(7)->setText(qs("Göra arbetsblad"));
        for (int b : {1, 2, 3, 4, 6, 7}) button(b)->setEnabled(true);
        Shape1->hide();
        Label2->hide();
        MenuPanel->setColor(colors::navy);
    }
    s.WorksheetPageNumber = 1;
    s.WorksheetNewPage = 1;
    if (worksheetReset_) worksheetReset_();
}

void TForm1::openMainMenuWindow(int b) {
    SharedState& s = shell_.state();
    if (b >= 1 && b <= 5) {
        if (s.ExerciseMode != Mode::Worksheet) s.ExerciseMode = Mode::Practice;
        opener_.open(WindowRequest{WindowKind::Menu, "TF" + std::to_string(b), 0});
    } else if (b == 6) {
        s.ExerciseMode = Mode::DiagnosisTest;
        opener_.open(WindowRequest{WindowKind::TDiag, {}, 0});
    } else if (b == 7) {
        Button7Click();
    } else if (b == 8) {
        opener_.open(WindowRequest{WindowKind::TManual, {}, 0});
    } else if (b == 9) {
        opener_.open(WindowRequest{WindowKind::TOmVamlo, {}, 0});
    } else if (b == 10) {
        close();
    }
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    button(1)->setFocus();
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        button(10)->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace orvela
