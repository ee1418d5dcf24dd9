#pragma once
// The Qt implementations of the core's outside-world interfaces.

#include "Services.h"

#include <QFontMetrics>
#include <QPointer>
#include <QWidget>

#include <memory>

class QMessageBox;

namespace orvela {

// Message boxes over the active window, with Swedish buttons.
class QtMessages : public Messages {
public:
    void information(std::string_view text) override;
    void warning(std::string_view text) override;
    bool confirm(std::string_view text) override;

    enum class Kind { Information, Warning, Question };
    // The box as it is shown: "OK" for information and warnings, "Ja" and "Nej" for a question
    // (Esc answers Nej).
    static std::unique_ptr<QMessageBox> makeBox(Kind kind, std::string_view text,
                                                QWidget* parent = nullptr);
    // Gives the standard buttons of a box their Swedish captions ("Ja", "Nej", "OK", "Avbryt").
    static void swedishButtons(QMessageBox& box);
};

class SystemClock : public Clock {
public:
    DateTime now() override;
};

// Text widths with Qt's font metrics ("Arial" is Liberation Sans, which has Arial's metrics).
class QtTextMeasure : public TextMeasure {
public:
    int textWidth(const AnsiText& text, const FontSpec& font) override;

private:
    // The metrics of the font measured last: line breaking measures many texts in one font, and
    // resolving a font is far dearer than measuring in it.
    FontSpec lastSpec_;
    std::unique_ptr<QFontMetrics> lastMetrics_;
};

} // namespace orvela
