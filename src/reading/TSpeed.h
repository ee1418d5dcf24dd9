#pragma once
// "Lästräning": the pupil picks a text, sets a speed in words per minute and reads the text aloud
// while it is rubbed out word by word at that speed; at the end the time taken and the reading
// speed are reported.

#include "Window.h"
#include "SpeedText.h"

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <optional>
#include <vector>

namespace orvela {

class ReadingPaintBox;

class TSpeed : public Window {
    Q_OBJECT
public:
    explicit TSpeed(AppContext& context, QWidget* parent = nullptr);

    void ListBox1DblClick();
    void Button1Click();
    void Button2Click();
    void Timer1Timer();
    void Timer2Timer();
    void ScrollBar1Change();

    const SpeedText& text() const { return text_; }
    int Seconds = 0;

private:
    SpeedText text_;
    std::optional<std::vector<std::vector<AnsiText>>> texts_;

    ReadingPaintBox* PaintBox1 = nullptr;
    Panel* Panel1 = nullptr;
    Panel* Panel2 = nullptr;
    QListWidget* ListBox1 = nullptr;
    Panel* Panel3 = nullptr;
    Panel* Panel4 = nullptr;
    Panel* Panel5 = nullptr;
    AutoLabel* Label1 = nullptr;
    AutoLabel* Label8 = nullptr;
    AutoLabel* Label9 = nullptr;
    AutoLabel* Label10 = nullptr;
    AutoLabel* Label11 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

    void Statistik();
    void finishReading();
};

} // namespace orvela
