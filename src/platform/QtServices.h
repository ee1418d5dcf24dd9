#pragma once
// The Qt implementations of the core's outside-world interfaces.

#include "Services.h"

#include <QPointer>
#include <QWidget>

namespace orvela {

// Message boxes over the active window.
class QtMessages : public Messages {
public:
    void information(std::string_view text) override;
    void warning(std::string_view text) override;
    bool confirm(std::string_view text) override;
};

class SystemClock : public Clock {
public:
    DateTime now() override;
};

// Text widths with Qt's font metrics ("Arial" is Liberation Sans, which has Arial's metrics).
class QtTextMeasure : public TextMeasure {
public:
    int textWidth(const AnsiText& text, const FontSpec& font) override;
};

} // namespace orvela
