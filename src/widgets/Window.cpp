#include "Window.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace orvela {

Window::Window(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

namespace {
QSize screenSizeSet;
} // namespace

void Window::setScreenSize(QSize size) {
    screenSizeSet = size;
}

QSize Window::screenSize() {
    if (screenSizeSet.isValid()) return screenSizeSet;
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

AutoLabel* Window::itemLabel(const QString& name, const QColor& color, int points) {
    auto* l = new AutoLabel(this);
    l->setObjectName(name);
    l->setFont(pointFont(points, true));
    l->setTextColor(color);
    l->hide();
    return l;
}

AnswerEdit* Window::answerEdit(const QString& name, int points, int maxLength) {
    auto* e = new AnswerEdit(this);
    e->setObjectName(name);
    e->setFont(pointFont(points, true));
    e->setStyleSheet(QStringLiteral("color: #000080; background: white"));
    e->setMaxLength(maxLength);
    return e;
}

void Window::setBackground(const QColor& background) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
}

void Window::makeFullScreen(const QColor& background) {
    fullScreen_ = true;
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setGeometry(QRect(QPoint(0, 0), screenSize()));
    setBackground(background);
}

void Window::scaleByScalePercent() {
    scaleBy(state().ScalePercent);
}

int Window::fittingPercent() const {
    constexpr int kLeastUnscaledHeight = 700;
    const int percent = context_.shell->state().ScalePercent;
    return std::max(1, std::min(percent, screenSize().height() * 100 / kLeastUnscaledHeight));
}

QSize Window::unscaledScreenSize(int percent) const {
    const QSize screen = screenSize();
    percent = std::max(1, percent);
    return {screen.width() * 100 / percent, screen.height() * 100 / percent};
}

int Window::unscaledU() const {
    const int percent = std::max(1, int(context_.shell->state().ScalePercent));
    return std::max(1, (U() * 100 + percent / 2) / percent);
}

void Window::scaleBy(int percent) {
    if (percent != 100) scaleWindow(this, percent);
}

void Window::showEvent(QShowEvent* e) {
    if (fullScreen_) setGeometry(QRect(QPoint(0, 0), screenSize()));
    QDialog::showEvent(e);
}

} // namespace orvela
