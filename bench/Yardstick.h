#pragma once
// What the start-up benchmark's two yardstick windows share: plain Qt, none of the program's code.

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QPalette>
#include <QTimer>
#include <QWidget>

namespace yardstick {

// The main menu's design at 100 %.
constexpr int kMenuWidth = 326;
constexpr int kMenuHeight = 447;
constexpr int kButtonWidth = 289;
constexpr int kButtonHeight = 36;
constexpr int kButtonTop = 68;

// Ends the program once the window has been painted, as the program does with --exit-when-shown.
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

inline void fill(QWidget* w, const QColor& c) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
}

inline QFont arial(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace yardstick
