#pragma once
// Finding, reading and typing into the controls of a window in window tests.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace orvela::testing {

template <class T = QWidget> T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

inline bool visible(QWidget& w, const char* name) {
    QWidget* c = child(w, name);
    return c && c->isVisible();
}

inline std::string text(QWidget& w, const char* name) {
    auto* l = child<QLabel>(w, name);
    return l ? l->text().toStdString() : std::string();
}

// With ORVELA_SHOT_DIR set, saves a picture of the window there (for looking at it).
inline void shot(QWidget& w, const std::string& name) {
    const QByteArray dir = qgetenv("ORVELA_SHOT_DIR");
    if (dir.isEmpty()) return;
    w.grab().save(QString::fromUtf8(dir) + QLatin1Char('/') + QString::fromStdString(name) +
                  QStringLiteral(".png"));
}

// Types a text key by key (letters outside ASCII as the keyboard sends them), then Enter.
inline void typeAndEnter(QWidget* field, const QString& text) {
    ASSERT_NE(field, nullptr);
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(field, static_cast<char>(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
    QTest::keyClick(field, Qt::Key_Return);
}

// Runs `step` on the modal window that the next exec() shows.
inline void onNextModal(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step] { step(QApplication::activeModalWidget()); });
}

} // namespace orvela::testing
