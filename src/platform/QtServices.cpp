#include "QtServices.h"

#include "QtText.h"

#include <QApplication>
#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QMessageBox>

namespace orvela {

namespace {
QWidget* dialogParent() {
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                             : QApplication::activeWindow();
}
} // namespace

void QtMessages::information(std::string_view text) {
    QMessageBox::information(dialogParent(), QStringLiteral("Orvela"), qs(text));
}

void QtMessages::warning(std::string_view text) {
    QMessageBox::warning(dialogParent(), QStringLiteral("Orvela"), qs(text));
}

bool QtMessages::confirm(std::string_view text) {
    return QMessageBox::question(dialogParent(), QStringLiteral("Orvela"), qs(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

DateTime SystemClock::now() {
    QDateTime t = QDateTime::currentDateTime();
    return DateTime{t.date().year(), t.date().month(),  t.date().day(),         t.time().hour(),
                    t.time().minute(), t.time().second(), t.time().msec()};
}

int QtTextMeasure::textWidth(const AnsiText& text, const FontSpec& spec) {
    QFont font(QString::fromStdString(spec.family));
    font.setPointSize(spec.pointSize);
    font.setBold(spec.bold);
    return QFontMetrics(font).horizontalAdvance(toQString(text));
}

} // namespace orvela
