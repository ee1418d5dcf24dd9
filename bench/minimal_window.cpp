// The bare yardstick of the start-up benchmark: a main menu like the program's at its design size,
// whatever the screen. One frameless window covering the primary screen, a navy panel
// with ten buttons in Arial bold 20 px, and an exit after the window's first paint, exactly as
// the program does with --exit-when-shown.

#include "Yardstick.h"

#include <QPushButton>
#include <QScreen>

using namespace yardstick;

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(screen);
    fill(&window, QColor(0, 0, 255));

    auto* panel = new QWidget(&window);
    fill(panel, QColor(0, 0, 128));
    panel->setGeometry((screen.width() - kMenuWidth) / 2, (screen.height() - kMenuHeight) / 3,
                       kMenuWidth, kMenuHeight);

    const QFont font = arial(20, true);
    for (int i = 0; i < 10; ++i) {
        auto* b = new QPushButton(QStringLiteral("Button %1").arg(i + 1), panel);
        b->setFont(font);
        b->setGeometry((kMenuWidth - kButtonWidth) / 2, kButtonTop + i * kButtonHeight,
                       kButtonWidth, kButtonHeight);
    }

    ExitWhenPainted exitFilter;
    window.installEventFilter(&exitFilter);
    window.showMaximized();
    return QApplication::exec();
}
