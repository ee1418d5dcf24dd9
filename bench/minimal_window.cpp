// The yardstick of the start-up benchmark: the least a Qt Widgets program must do to show a
// main menu like the program's. One frameless window covering the primary screen, a navy panel
// with ten buttons in Arial bold 20 px, and an exit after the window's first paint, exactly as
// the program does with --exit-when-shown.

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

// Ends the program once the window has been painted.
class ExitWhenPainted : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool done_ = false;
};

constexpr int kMenuWidth = 326;
constexpr int kMenuHeight = 447;
constexpr int kButtonWidth = 289;
constexpr int kButtonHeight = 36;
constexpr int kButtonTop = 68;

void fill(QWidget* w, const QColor& c) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
}

} // namespace

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

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    font.setBold(true);
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
