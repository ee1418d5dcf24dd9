#include "QtServices.h"

#include "QtText.h"

#include <QApplication>
#include <QDateTime>
#include <QFont>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>

namespace orvela {

namespace {
QWidget* dialogParent() {
    return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                             : QApplication::activeWindow();
}
} // namespace

void QtMessages::swedishButtons(QMessageBox& box) {
    static const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Yes, "&Ja"},
        {QMessageBox::No, "&Nej"},
        {QMessageBox::Ok, "OK"},
        {QMessageBox::Cancel, "Avbryt"},
    };
    for (const auto& [which, caption] : captions)
        if (QAbstractButton* b = box.button(which)) b->setText(QString::fromUtf8(caption));
}

std::unique_ptr<QMessageBox> QtMessages::makeBox(Kind kind, std::string_view text,
                                                 QWidget* parent) {
    const QMessageBox::Icon icon = kind == Kind::Information ? QMessageBox::Information
                                   : kind == Kind::Warning   ? QMessageBox::Warning
                                                             : QMessageBox::Question;
    const QMessageBox::StandardButtons buttons =
        kind == Kind::Question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    auto box = std::make_unique<QMessageBox>(icon, QStringLiteral("Orvela"), qs(text), buttons,
                                             parent);
    if (kind == Kind::Question) {
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    }
    swedishButtons(*box);
    return box;
}

void QtMessages::information(std::string_view text) {
    makeBox(Kind::Information, text, dialogParent())->exec();
}

void QtMessages::warning(std::string_view text) {
    makeBox(Kind::Warning, text, dialogParent())->exec();
}

bool QtMessages::confirm(std::string_view text) {
    return makeBox(Kind::Question, text, dialogParent())->exec() == QMessageBox::Yes;
}

DateTime SystemClock::now() {
    QDateTime t = QDateTime::currentDateTime();
    return DateTime{t.date().year(), t.date().month(),  t.date().day(),         t.time().hour(),
                    t.time().minute(), t.time().second(), t.time().msec()};
}

int QtTextMeasure::textWidth(const AnsiText& text, const FontSpec& spec) {
    if (!lastMetrics_ || spec.family != lastSpec_.family || spec.pointSize != lastSpec_.pointSize ||
        spec.bold != lastSpec_.bold) {
        QFont font(QString::fromStdString(spec.family));
        font.setPointSize(spec.pointSize);
        font.setBold(spec.bold);
        lastMetrics_ = std::make_unique<QFontMetrics>(font);
        lastSpec_ = spec;
    }
    return lastMetrics_->horizontalAdvance(toQString(text));
}

} // namespace orvela
