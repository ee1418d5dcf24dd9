#include "TRegelform.h"

#include "QtText.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace orvela {

namespace {

// Font sizes are given in points on a screen of 96 dots per inch, on a page 640 pixels wide.
QFont ruleQFont(RuleFont which, double scale) {
    const FontSpec spec = ruleFontSpec(which);
    QFont font(QString::fromStdString(spec.family));
    const double pixels = spec.pointSize * 96.0 / 72.0 * scale;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    if (which == RuleFont::Title)
        font.setWeight(QFont::Black);
    else
        font.setBold(spec.bold);
    return font;
}

RuleFont ruleFontOf(const FontSpec& spec) {
    if (spec.family != "Arial") return RuleFont::Title;
    return spec.pointSize <= 10 ? RuleFont::Small : RuleFont::Normal;
}

// Measures in the fonts the page is drawn with.
class PageMeasure : public TextMeasure {
public:
    explicit PageMeasure(double scale) : scale_(scale) {}
    int textWidth(const AnsiText& text, const FontSpec& spec) override {
        return QFontMetrics(ruleQFont(ruleFontOf(spec), scale_)).horizontalAdvance(toQString(text));
    }

private:
    double scale_;
};

} // namespace

TRegelform::TRegelform(AppContext& context, int ruleNumber, QWidget* parent)
    : TRegelform(context, ruleNumber, screenSize(), parent) {}

TRegelform::TRegelform(AppContext& context, int ruleNumber, QSize screen, QWidget* parent)
    : Window(context, parent), ruleNumber_(ruleNumber), screen_(screen) {
    setObjectName(QStringLiteral("Regelform"));
    setWindowTitle(qs("Regler"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setBackground(colors::silver);
    setFocusPolicy(Qt::StrongFocus);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    BitBtn1 = new QPushButton(qs("&Avbryta"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setFont(pixelFont(16, true));
    BitBtn1->resize(110, 32);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setArrowType(Qt::LeftArrow);
    SpeedButton1->setToolTip(qs("Föregående sida (Page Up)"));
    SpeedButton1->resize(44, 32);
    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setArrowType(Qt::RightArrow);
    SpeedButton2->setToolTip(qs("Nästa sida (Page Down)"));
    SpeedButton2->resize(44, 32);
    PageLabel = new QLabel(this);
    PageLabel->setObjectName(QStringLiteral("PageLabel"));
    PageLabel->setFont(pixelFont(16, true));
    PageLabel->setStyleSheet(QStringLiteral("color: navy; background: white"));
    PageLabel->resize(130, 32);
    PageLabel->setAlignment(Qt::AlignCenter);
    // The window takes every key itself (Escape, Page Up, Page Down); the buttons are clicked.
    BitBtn1->setAutoDefault(false);
    BitBtn1->setFocusPolicy(Qt::NoFocus);
    for (QToolButton* b : {SpeedButton1, SpeedButton2}) b->setFocusPolicy(Qt::NoFocus);
    connect(BitBtn1, &QPushButton::clicked, this, &TRegelform::BitBtn1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TRegelform::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TRegelform::SpeedButton2Click);

    FormCreate();
}

void TRegelform::FormCreate() {
    scaleByScalePercent();
    setGeometry(QRect(QPoint(0, 0), screen_));
    const int u = U();
    const int w = screen_.width();
    const int h = screen_.height();
    scaleFactor_ = w / static_cast<double>(kRulePageWidth);
    drawScale_ = std::min(scaleFactor_, h / static_cast<double>(kRulePageHeight));
    Image1->setGeometry(u, u, std::max(1, w - 2 * u), std::max(1, h - 2 * u));
    BitBtn1->move(3 * u, h - BitBtn1->height() - 2 * u);
    SpeedButton1->move(BitBtn1->width() + 6 * u, BitBtn1->y());
    SpeedButton2->move(SpeedButton1->x() + SpeedButton1->width(), BitBtn1->y());
    PageLabel->move(SpeedButton2->x() + SpeedButton2->width() + u, BitBtn1->y());
    PageLabel->resize(PageLabel->width(), BitBtn1->height());
    // A white, empty picture until the first page is drawn.
    QPixmap blank(Image1->size());
    blank.fill(Qt::white);
    Image1->setPixmap(blank);
}

void TRegelform::showEvent(QShowEvent* e) {
    Window::showEvent(e);
    if (!started_) {
        started_ = true;
        FormShow();
    }
}

void TRegelform::FormShow() {
    KollaAntalRegler();
    // Nothing to turn to with a single page (or none).
    SpeedButton1->setEnabled(pageCount_ > 1);
    SpeedButton2->setEnabled(pageCount_ > 1);
    if (HemtaRegel(currentPage_)) VisaRegel();
    showPageNumber();
}

void TRegelform::KollaAntalRegler() {
    // A page whose file is missing is left out: the pages that exist are shown and numbered
    // among themselves. (Rules a teacher has added for an exercise the table does not know are
    // found the same way.)
    pageFiles_ = existingRulePages(shell().paths(), ruleNumber_);
    pageCount_ = static_cast<int>(pageFiles_.size());
    currentPage_ = 1;
}

bool TRegelform::HemtaRegel(int page) {
    // Without any page the first one is asked for, and the pupil told that it is missing.
    const int filePage = page >= 1 && page <= pageCount_
                             ? pageFiles_[static_cast<std::size_t>(page - 1)]
                             : page;
    const std::string name = ruleFileName(ruleNumber_, filePage);
    std::optional<fs::path> file = findRuleFile(shell().paths(), ruleNumber_, filePage);
    std::optional<RulePage> read = file ? readRuleFile(*file) : std::nullopt;
    if (!read) {
        shell().showMessage("Filen " + name + " finns inte eller är felaktig");
        return false;
    }
    page_ = std::move(*read);
    return true;
}

void TRegelform::VisaRegel() {
    const qreal dpr = devicePixelRatioF();
    QPixmap picture(Image1->size() * dpr);
    picture.setDevicePixelRatio(dpr);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setBrush(Qt::NoBrush);
    const RuleLayout layout = pageLayout();
    // The texts of a row stand on one line: small text shares the baseline of the normal size.
    const int cellAscent = QFontMetrics(ruleQFont(RuleFont::Normal, drawScale_)).ascent();
    for (const RuleLayout::Text& t : layout.texts) {
        const QFont font = ruleQFont(t.font, drawScale_);
        p.setFont(font);
        p.setPen(t.blue ? colors::blue : colors::black);
        const int ascent = t.font == RuleFont::Title ? QFontMetrics(font).ascent() : cellAscent;
        p.drawText(t.x, t.y + ascent, toQString(t.text));
    }
    QPen framePen(colors::blue);
    framePen.setWidth(std::max(2, static_cast<int>(std::lround(2 * drawScale_))));
    p.setPen(framePen);
    p.setBrush(Qt::NoBrush);
    const double corner = 2 * drawScale_;
    for (const RuleLayout::Frame& f : layout.frames)
        p.drawRoundedRect(QRect(f.left, f.top, f.right - f.left, f.bottom - f.top), corner, corner);
    p.end();
    Image1->setPixmap(picture);
}

RuleLayout TRegelform::pageLayout() const {
    PageMeasure measure(drawScale_);
    return layoutRulePage(page_, measure, drawScale_);
}

void TRegelform::turnTo(int page) {
    if (pageCount_ == 0) return; // no pages at all: the pupil has been told once
    const int last = std::max(pageCount_, 1);
    page = std::clamp(page, 1, last);
    if (HemtaRegel(page)) currentPage_ = page;
    VisaRegel();
    showPageNumber();
}

void TRegelform::showPageNumber() {
    PageLabel->setVisible(pageCount_ > 1);
    PageLabel->setText(qs("Sida ") + QString::number(currentPage_) + qs(" av ") +
                       QString::number(pageCount_));
}

void TRegelform::SpeedButton1Click() { turnTo(currentPage_ - 1); }

void TRegelform::SpeedButton2Click() { turnTo(currentPage_ + 1); }

void TRegelform::BitBtn1Click() { reject(); }

void TRegelform::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Escape: reject(); break;
    case Qt::Key_PageUp: SpeedButton1Click(); break;
    case Qt::Key_PageDown: SpeedButton2Click(); break;
    default: break;
    }
    e->accept();
}

} // namespace orvela
