#pragma once
// The program's basic building blocks for absolutely placed windows: a coloured panel with a
// raised bevel, a shape (rectangle, rounded rectangle, circle) and a label that sizes itself to
// its text.

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace orvela {

class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr, QColor color = Qt::gray, int bevel = 0);
    void setColor(const QColor& c);
    QColor color() const { return color_; }
    void setBevel(int width);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor color_;
    int bevel_;
};

class Shape : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle, RoundRect, Circle };
    explicit Shape(QWidget* parent = nullptr, Kind kind = Rectangle, QColor brush = Qt::white,
                   QColor pen = Qt::black);
    void setBrushColor(const QColor& c);
    QColor brushColor() const { return brush_; }
    void setPenColor(const QColor& c);
    void setKind(Kind k);
    // Mouse presses are reported (the lamp shape is clicked to switch the lamp off).
Q_SIGNALS:
    void pressed();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    Kind kind_;
    QColor brush_;
    QColor pen_;
};

// A label that takes the size of its text when the text or font changes (unless fixed).
class AutoLabel : public QLabel {
    Q_OBJECT
public:
    explicit AutoLabel(QWidget* parent = nullptr, const QString& text = {});
    void setAutoSize(bool on) { autoSize_ = on; }
    void setText(const QString& text);
    void setTextColor(const QColor& c);
    void setBackground(const QColor& c);

protected:
    void changeEvent(QEvent* e) override;

private:
    bool autoSize_ = true;
};

// Colours by their Windows names.
namespace colors {
inline const QColor navy{0, 0, 128};
inline const QColor maroon{128, 0, 0};
inline const QColor green{0, 128, 0};
inline const QColor blue{0, 0, 255};
inline const QColor silver{192, 192, 192};
inline const QColor yellow{255, 255, 0};
inline const QColor lime{0, 255, 0};
inline const QColor red{255, 0, 0};
inline const QColor teal{0, 128, 128};
inline const QColor aqua{0, 255, 255};
inline const QColor purple{128, 0, 128};
inline const QColor fuchsia{255, 0, 255};
inline const QColor white{255, 255, 255};
inline const QColor black{0, 0, 0};
inline const QColor gray{128, 128, 128};
} // namespace colors

} // namespace orvela
