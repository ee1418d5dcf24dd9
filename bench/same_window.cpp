// The second yardstick of the start-up benchmark: the least a Qt Widgets program must do to show
// what the program's main window shows on the same screen, and nothing else (no course, no
// settings, no results directory). One frameless full-screen blue window with the navy top bar and
// its white line, the navy menu panel with the yellow title and the ten menu buttons, and the six
// start pictures read with Qt's own image reader, all at the size the program draws them on that
// screen; it ends after the window's first paint, as the program does with --exit-when-shown.
//
// usage: orvela-bench-same-window [--content-root DIR] [--stay]
//   DIR is the course whose BILD directory holds the start pictures (FRA<L><nnn>.BMP);
//   --stay keeps the window open, to compare it with the program's by eye.

#include "Yardstick.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

using namespace yardstick;

namespace {

// The rest of the main window's design at 100 %.
constexpr int kBarHeight = 23;
constexpr int kDesignHeight = kBarHeight + kMenuHeight + 37 + 3 * 8; // bar, menu, notice, gaps
const char* const kCaptions[10] = {"Frankrike", "Dina ord", "Stavning, uttal", "Läsa",
                                   "Grammatik", "Diagnos",  "Göra arbetsblad", "Manual",
                                   "Om Orvela", "Avsluta"};

// The scale the program draws its main window at on a screen, worked out from Arial's metrics
// instead of measured: the screen's width in letters "A" of Arial bold 20 px (advance 14.44 px),
// limited by the screen's height for the bar, the menu and the notice below it.
int windowScale(QSize screen) {
    const int letters = static_cast<int>(std::ceil(screen.width() / (1479.0 / 2048.0 * 20.0)));
    int scale = static_cast<int>(std::lround(std::lround((letters - 1) * 2.0) * 175.0 / 214.0));
    if (scale >= 96 && scale < 102) scale = 100;
    return std::clamp(screen.height() * 100 / kDesignHeight, 1, std::max(scale, 1));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString contentRoot = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    bool stay = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--content-root") && i + 1 < argc)
            contentRoot = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--stay"))
            stay = true;
    }

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int percent = windowScale(screen.size());
    auto s = [percent](int v) { return static_cast<int>(std::lround(v * percent / 100.0)); };

    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(screen);
    fill(&window, QColor(0, 0, 255));

    auto* bar = new QWidget(&window);
    fill(bar, QColor(0, 0, 128));
    bar->setGeometry(0, 0, screen.width(), s(kBarHeight));
    auto* barText = new QLabel(QStringLiteral("Orvela – franska för svenska elever"), bar);
    barText->setFont(arial(s(13), false));
    QPalette white = barText->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    barText->setPalette(white);
    barText->setGeometry(s(8), 0, screen.width() - 2 * s(8), s(kBarHeight));

    auto* panel = new QWidget(&window);
    fill(panel, QColor(0, 0, 128));
    const int menuTop = s(kBarHeight) + (screen.height() - s(kBarHeight) - s(kMenuHeight)) / 3;
    panel->setGeometry((screen.width() - s(kMenuWidth)) / 2, menuTop, s(kMenuWidth),
                       s(kMenuHeight));
    auto* title = new QLabel(QStringLiteral("ORVELA"), panel);
    title->setFont(arial(s(32), true));
    QPalette yellow = title->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    title->setPalette(yellow);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(s(5), s(14), s(kMenuWidth) - s(10), s(40));
    for (int i = 0; i < 10; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(kCaptions[i]), panel);
        b->setFont(arial(s(20), true));
        b->setGeometry((s(kMenuWidth) - s(kButtonWidth)) / 2, s(kButtonTop) + i * s(kButtonHeight),
                       s(kButtonWidth), s(kButtonHeight));
    }

    // Three pictures on each side of the menu, in the size the program picks for the screen.
    const QChar letter = screen.width() < 700 ? u'L' : screen.width() <= 900 ? u'M' : u'S';
    const int rowHeight = (screen.height() - s(kBarHeight)) / 3;
    for (int k = 0; k < 6; ++k) {
        const QString file = QStringLiteral("%1/BILD/FRA%2%3.BMP")
                                 .arg(contentRoot)
                                 .arg(letter)
                                 .arg(k + 1, 3, 10, QLatin1Char('0'));
        auto* picture = new QLabel(&window);
        picture->setPixmap(QPixmap(file));
        picture->adjustSize();
        const int left = k < 3 ? panel->x() - picture->width() : panel->x() + panel->width();
        picture->move(left, s(kBarHeight) + (k % 3) * rowHeight);
    }

    ExitWhenPainted exitFilter;
    if (!stay) window.installEventFilter(&exitFilter);
    window.showMaximized();
    return QApplication::exec();
}
