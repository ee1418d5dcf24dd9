#include "TOmVamlo.h"

#include "QtText.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvela {

namespace {

constexpr int kWidth = 680;
constexpr int kHeight = 540;
const QColor kCream{255, 255, 210};
const QColor kFrenchBlue{0, 85, 164};
const QColor kFrenchRed{239, 65, 53};
const QColor kSky{190, 225, 250};

QPixmap blankPicture(const QSize& size, qreal dpr) {
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The first picture: the program's emblem, a rounded tricolour with a yellow O in a navy ring.
void drawEmblem(QPainter& p, const QRectF& r) {
    QPainterPath frame;
    const qreal radius = r.height() / 8;
    frame.addRoundedRect(r.adjusted(1, 1, -1, -1), radius, radius);
    p.save();
    p.setClipPath(frame);
    const qreal third = r.width() / 3;
    p.fillRect(QRectF(r.left(), r.top(), third, r.height()), kFrenchBlue);
    p.fillRect(QRectF(r.left() + third, r.top(), third, r.height()), Qt::white);
    p.fillRect(QRectF(r.left() + 2 * third, r.top(), third + 1, r.height()), kFrenchRed);
    p.restore();
    p.setPen(QPen(colors::navy, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    const qreal d = r.height() * 0.62;
    const QRectF circle(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    p.setBrush(colors::navy);
    p.setPen(QPen(colors::yellow, 2));
    p.drawEllipse(circle);
    QFont font = pixelFont(std::max(8, static_cast<int>(d * 0.62)), true);
    p.setFont(font);
    p.setPen(colors::yellow);
    p.drawText(circle, Qt::AlignCenter, QStringLiteral("O"));
}

// The second picture: an open book with an information sign.
void drawBook(QPainter& p, const QRectF& r) {
    p.fillRect(r, kCream);
    const qreal w = r.width();
    const qreal h = r.height();
    const QPointF spineTop(r.left() + w / 2, r.top() + h * 0.22);
    const QPointF spineBottom(r.left() + w / 2, r.top() + h * 0.92);
    p.setPen(QPen(colors::navy, 2));
    for (int side : {-1, 1}) {
        const qreal outer = r.left() + w / 2 + side * w * 0.42;
        QPolygonF page;
        page << spineTop << QPointF(outer, r.top() + h * 0.16) << QPointF(outer, r.top() + h * 0.84)
             << spineBottom;
        p.setBrush(Qt::white);
        p.drawPolygon(page);
        p.save();
        p.setPen(QPen(colors::gray, 1.5));
        for (int k = 1; k <= 5; ++k) {
            const qreal t = k / 6.0;
            const qreal yInner = spineTop.y() + t * (spineBottom.y() - spineTop.y());
            const qreal yOuter = r.top() + h * (0.16 + t * 0.68);
            const QPointF a(r.left() + w / 2 + side * w * 0.06, yInner - (yInner - yOuter) * 0.14);
            const QPointF b(outer - side * w * 0.06, yOuter + (yInner - yOuter) * 0.14);
            p.drawLine(a, b);
        }
        p.restore();
    }
    const qreal d = h * 0.36;
    const QRectF sign(r.right() - d - 3, r.top() + 3, d, d);
    p.setBrush(colors::blue);
    p.setPen(QPen(Qt::white, 2));
    p.drawEllipse(sign);
    p.setFont(
        pixelFont(std::max(8, static_cast<int>(d * 0.7)), true, QStringLiteral("DejaVu Serif")));
    p.setPen(Qt::white);
    p.drawText(sign, Qt::AlignCenter, QStringLiteral("i"));
}

// The third picture: a school house with the French flag.
void drawSchool(QPainter& p, const QRectF& r) {
    p.fillRect(r, kSky);
    const qreal w = r.width();
    const qreal h = r.height();
    p.fillRect(QRectF(r.left(), r.top() + h * 0.86, w, h * 0.14), QColor(90, 170, 70));
    const QRectF wall(r.left() + w * 0.18, r.top() + h * 0.46, w * 0.64, h * 0.42);
    p.setPen(QPen(colors::navy, 1.5));
    p.setBrush(QColor(250, 235, 200));
    p.drawRect(wall);
    QPolygonF roof;
    roof << QPointF(wall.left() - w * 0.05, wall.top())
         << QPointF(r.left() + w / 2, r.top() + h * 0.2)
         << QPointF(wall.right() + w * 0.05, wall.top());
    p.setBrush(QColor(180, 40, 40));
    p.drawPolygon(roof);
    p.setBrush(QColor(120, 70, 30));
    p.drawRect(QRectF(r.left() + w * 0.45, wall.bottom() - h * 0.22, w * 0.1, h * 0.22));
    p.setBrush(QColor(170, 210, 240));
    for (qreal x : {0.24, 0.62}) {
        p.drawRect(QRectF(r.left() + w * x, wall.top() + h * 0.08, w * 0.14, h * 0.12));
    }
    // The flag on its pole above the roof.
    const qreal poleX = r.left() + w / 2;
    p.setPen(QPen(colors::black, 1.5));
    p.drawLine(QPointF(poleX, r.top() + h * 0.2), QPointF(poleX, r.top() + h * 0.03));
    const QRectF flag(poleX, r.top() + h * 0.03, w * 0.2, h * 0.1);
    const qreal third = flag.width() / 3;
    p.fillRect(QRectF(flag.left(), flag.top(), third, flag.height()), kFrenchBlue);
    p.fillRect(QRectF(flag.left() + third, flag.top(), third, flag.height()), Qt::white);
    p.fillRect(QRectF(flag.left() + 2 * third, flag.top(), third, flag.height()), kFrenchRed);
    p.setPen(QPen(colors::navy, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flag);
}

QLabel* textLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                  const QColor& color, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(font);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
    l->setAlignment(align);
    return l;
}

} // namespace

TOmVamlo::TOmVamlo(AppContext& context, QWidget* parent) : Window(context, parent) {
    setObjectName(QStringLiteral("OmVamlo"));
    setWindowTitle(qs("Om Orvela"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setBackground(colors::blue);
    setFont(pixelFont(15));
    resize(kWidth, kHeight);

    YtterPanel = new Panel(this, colors::yellow, 2);
    YtterPanel->setObjectName(QStringLiteral("YtterPanel"));
    InnerPanel = new Panel(YtterPanel, kCream, 1);
    InnerPanel->setObjectName(QStringLiteral("InnerPanel"));
    OverPanel = new Panel(InnerPanel, colors::navy, 2);
    OverPanel->setObjectName(QStringLiteral("OverPanel"));
    TitleLabel = textLabel(OverPanel, "TitleLabel", qs("Orvela ") + qs(kVersion),
                           pixelFont(30, true), colors::yellow, Qt::AlignCenter);
    textLabel(InnerPanel, "SubtitleLabel", qs("Franska för svenska elever"), pixelFont(19, true),
              colors::navy, Qt::AlignCenter);

    auto picture = [this](const char* name, const char* caption, const char* hint) {
        auto* image = new QLabel(InnerPanel);
        image->setObjectName(QString::fromLatin1(name));
        image->setToolTip(qs(hint));
        image->installEventFilter(this);
        textLabel(InnerPanel, (std::string(name) + "Caption").c_str(), qs(caption),
                  pixelFont(15, true), colors::navy, Qt::AlignHCenter | Qt::AlignTop);
        return image;
    };
    Image1 = picture("Image1", "Orvela", "Stänger rutorna med mer information");
    Image2 = picture("Image2", "Om programmet", "Klicka för att läsa om programmet");
    Image3 = picture("Image3", "Utgivning", "Klicka för att läsa om utgivning och installation");
    for (QLabel* image : {Image2, Image3})
        image->setCursor(Qt::PointingHandCursor);

    auto* about = textLabel(
        InnerPanel, "DescriptionLabel",
        qs("Orvela är ett övningsprogram i franska för elever med svenska som skolspråk. "
           "Eleven övar glosor, stavning, uttal, läsning och grammatik. Programmet rättar "
           "svaren, visar rätt svar och berömmer. Läraren kan göra arbetsblad och följa "
           "eleverna i diagnosen.\n\nTill programmet hör en exempelkurs med övningar, "
           "diagnoser och regelsidor, och trettio bilder från Frankrike."),
        pixelFont(15), colors::navy, Qt::AlignLeft | Qt::AlignTop);
    about->setWordWrap(true);
    textLabel(InnerPanel, "HintLabel", qs("Klicka på bilderna för att läsa mer."),
              pixelFont(14, true), colors::maroon, Qt::AlignCenter);

    InfoPanel1 = infoPanel(
        "InfoPanel1", qs("Om programmet"),
        {qs("Orvela, version ") + qs(kVersion) + qs("."),
         qs("Exempelkursen hör till programmet: övningarna, diagnoserna, regelsidorna, "
            "berömfraserna och manualen. Det gör också de trettio franska bilderna, som "
            "programmet ritar självt."),
         qs("Läraren kan ändra övningarna och skriva egna. Hur det går till står i manualen."),
         qs("Programmet är skrivet i C++ med Qt 6.")});
    InfoPanel2 =
        infoPanel("InfoPanel2", qs("Utgivning och installation"),
                  {qs("Orvela – franska för svenska elever. Version ") + qs(kVersion) +
                       qs(", med exempelkursen."),
                   qs("Frågor om programmet på skolan besvaras av den som har installerat det."),
                   qs("Kursens filer: ") + QString::fromStdString(shell().paths().rootText()),
                   qs("Diagnoser: ") + QString::fromStdString(shell().diagnosisDir().string()),
                   qs("Ordlistor och rekord: ") + QString::fromStdString(state().ScoreDir)});

    Button1 = new QPushButton(qs("&Stäng"), InnerPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(pixelFont(16, true));
    Button1->setAutoDefault(false);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TOmVamlo::Button1Click);

    FormCreate();
}

Panel* TOmVamlo::infoPanel(const char* name, const QString& heading, const QStringList& lines) {
    auto* panel = new Panel(InnerPanel, colors::yellow, 2);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setCursor(Qt::PointingHandCursor);
    panel->installEventFilter(this);
    textLabel(panel, "HeadingLabel", heading, pixelFont(18, true), colors::navy,
              Qt::AlignLeft | Qt::AlignVCenter);
    auto* text = textLabel(panel, "TextLabel", QString(), pixelFont(14), colors::navy,
                           Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setProperty("lines", lines);
    textLabel(panel, "CloseHintLabel", qs("Klicka i rutan för att stänga den."),
              pixelFont(12, false), colors::maroon, Qt::AlignRight | Qt::AlignVCenter);
    panel->hide();
    return panel;
}

void TOmVamlo::FormCreate() {
    // Scaled as every window, but never taller or wider than the screen (a wide screen scales
    // by its width).
    const QSize screen = screenSize();
    const int u = U();
    const int percent =
        std::min({static_cast<int>(state().ScalePercent), (screen.height() - 4 * u) * 100 / kHeight,
                  (screen.width() - 4 * u) * 100 / kWidth});
    if (percent != 100) scaleWindow(this, percent);
    auto px = [percent](int v) { return scaled(v, percent); };
    YtterPanel->setGeometry(u, u, width() - 2 * u, height() - 2 * u);
    InnerPanel->setGeometry(u, u, YtterPanel->width() - 2 * u, YtterPanel->height() - 2 * u);
    const int w = InnerPanel->width();
    const int h = InnerPanel->height();

    OverPanel->setGeometry(u, u, w - 2 * u, px(54));
    TitleLabel->setGeometry(0, 0, OverPanel->width(), OverPanel->height());
    const int subtitleTop = OverPanel->y() + OverPanel->height() + px(10);
    InnerPanel->findChild<QLabel*>(QStringLiteral("SubtitleLabel"))
        ->setGeometry(u, subtitleTop, w - 2 * u, px(26));

    // The pictures in a row, their captions under them.
    const int pw = px(140);
    const int ph = px(96);
    const int gap = (w - 3 * pw) / 4;
    const int pictureTop = subtitleTop + px(38);
    QLabel* images[] = {Image1, Image2, Image3};
    for (int k = 0; k < 3; ++k) {
        QLabel* image = images[k];
        image->setGeometry(gap + k * (pw + gap), pictureTop, pw, ph);
        auto* caption = InnerPanel->findChild<QLabel*>(image->objectName() + qs("Caption"));
        caption->setGeometry(image->x() - gap / 2, pictureTop + ph + px(4), pw + gap, px(22));
    }

    const int textTop = pictureTop + ph + px(36);
    const int buttonTop = h - px(32) - px(14);
    Button1->setGeometry((w - px(130)) / 2, buttonTop, px(130), px(32));
    const int margin = px(24);
    auto* hint = InnerPanel->findChild<QLabel*>(QStringLiteral("HintLabel"));
    hint->setGeometry(margin, buttonTop - px(34), w - 2 * margin, px(24));
    InnerPanel->findChild<QLabel*>(QStringLiteral("DescriptionLabel"))
        ->setGeometry(margin, textTop, w - 2 * margin, hint->y() - textTop);

    // The information panels lie over the description, between the pictures and the button.
    for (Panel* panel : {InfoPanel1, InfoPanel2}) {
        panel->setGeometry(px(14), textTop - px(10), w - 2 * px(14),
                           buttonTop - px(8) - textTop + px(10));
        const int pad = px(12);
        auto* heading = panel->findChild<QLabel*>(QStringLiteral("HeadingLabel"));
        heading->setGeometry(pad, px(6), panel->width() - 2 * pad, px(26));
        auto* closeHint = panel->findChild<QLabel*>(QStringLiteral("CloseHintLabel"));
        closeHint->setGeometry(pad, panel->height() - px(22), panel->width() - 2 * pad, px(18));
        auto* text = panel->findChild<QLabel*>(QStringLiteral("TextLabel"));
        text->setGeometry(pad, heading->y() + heading->height() + px(4), panel->width() - 2 * pad,
                          closeHint->y() - heading->y() - heading->height() - px(4));
        // One paragraph a line; a path too long for the panel is shortened in its middle.
        const QFontMetrics metrics(text->font());
        QString html;
        for (QString line : text->property("lines").toStringList()) {
            if (line.contains(QLatin1Char('/')) && metrics.horizontalAdvance(line) > text->width())
                line = metrics.elidedText(line, Qt::ElideMiddle, text->width());
            html += QStringLiteral("<p style=\"margin-top:0; margin-bottom:%1px\">%2</p>")
                        .arg(px(5))
                        .arg(line.toHtmlEscaped());
        }
        text->setText(html);
    }
    drawPictures();

    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    Button1->setFocus();
}

void TOmVamlo::drawPictures() {
    const qreal dpr = devicePixelRatioF();
    using Draw = void (*)(QPainter&, const QRectF&);
    const std::pair<QLabel*, Draw> pictures[] = {
        {Image1, drawEmblem}, {Image2, drawBook}, {Image3, drawSchool}};
    for (const auto& [image, draw] : pictures) {
        QPixmap pixmap = blankPicture(image->size(), dpr);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QRectF r(0, 0, image->width(), image->height());
        draw(p, r);
        if (image != Image1) {
            p.setPen(QPen(colors::navy, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(1, 1, -1, -1));
        }
        p.end();
        image->setPixmap(pixmap);
    }
}

void TOmVamlo::showOnly(Panel* panel) {
    for (Panel* p : {InfoPanel1, InfoPanel2})
        p->setVisible(p == panel);
    if (panel) panel->raise();
}

void TOmVamlo::Image1Click() {
    showOnly(nullptr);
}

void TOmVamlo::Image2Click() {
    showOnly(InfoPanel1->isVisible() ? nullptr : InfoPanel1);
}

void TOmVamlo::Image3Click() {
    showOnly(InfoPanel2->isVisible() ? nullptr : InfoPanel2);
}

void TOmVamlo::InfoPanelClick() {
    showOnly(nullptr);
}

void TOmVamlo::Button1Click() {
    accept();
}

bool TOmVamlo::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        if (watched == Image1)
            Image1Click();
        else if (watched == Image2)
            Image2Click();
        else if (watched == Image3)
            Image3Click();
        else if (watched == InfoPanel1 || watched == InfoPanel2)
            InfoPanelClick();
        else
            return Window::eventFilter(watched, e);
        return true;
    }
    return Window::eventFilter(watched, e);
}

void TOmVamlo::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    Window::keyPressEvent(e);
}

} // namespace orvela
