#include "HeadingBox.h"

#include <QFontMetrics>

namespace orvela {

namespace {

QFont headingFont(int points) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(std::max(points, 1));
    f.setBold(true);
    return f;
}

int textWidth(QLabel* l) { return QFontMetrics(l->font()).horizontalAdvance(l->text()); }
int textHeight(QLabel* l) { return QFontMetrics(l->font()).height(); }

// Shrinks the label's font one point at a time while its text is wider than `width` and the
// size is at least `floor`.
void shrinkToWidth(QLabel* l, int width, int floor) {
    int size = l->font().pointSize();
    while (textWidth(l) > width && size >= floor) {
        --size;
        l->setFont(headingFont(size));
    }
}

} // namespace

HeadingBox::HeadingBox(QWidget* parent, int layoutUnit) : QWidget(parent), U_(layoutUnit) {
    setObjectName(QStringLiteral("HeadingBox"));
    OverskriftYtterShape = new Shape(this, Shape::RoundRect, colors::yellow, colors::yellow);
    OverskriftYtterShape->setObjectName(QStringLiteral("OverskriftYtterShape"));
    OverskriftInnerShape = new Shape(this, Shape::RoundRect, colors::navy, colors::navy);
    OverskriftInnerShape->setObjectName(QStringLiteral("OverskriftInnerShape"));
    const char* names[3] = {"Overs1Label", "Overs2Label", "Overs3Label"};
    QLabel** labels[3] = {&Overs1Label, &Overs2Label, &Overs3Label};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(names[i]));
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("color: yellow; background: transparent"));
        l->hide();
        *labels[i] = l;
    }
}

QColor HeadingBox::modeColor(Mode mode) {
    if (mode == Mode::Practice) return colors::navy;
    if (mode == Mode::Worksheet) return colors::maroon;
    return colors::green;
}

void HeadingBox::setModeColor(Mode mode) {
    OverskriftInnerShape->setBrushColor(modeColor(mode));
    OverskriftInnerShape->setPenColor(modeColor(mode));
}

QRect HeadingBox::inner() const { return OverskriftInnerShape->geometry(); }

void HeadingBox::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    layoutShapes();
}

void HeadingBox::layoutShapes() {
    // Called directly too: a hidden widget gets its resize events only when it is shown.
    OverskriftYtterShape->setGeometry(rect());
    int inset = std::max(4, U_ / 2);
    OverskriftInnerShape->setGeometry(rect().adjusted(inset, inset, -inset, -inset));
}

void HeadingBox::RitaOverskriften(const QString& line1, const QString& line2,
                                  const QString& line3) {
    const QString lines[3] = {line1, line2, line3};
    QLabel* labels[3] = {Overs1Label, Overs2Label, Overs3Label};
    int n = 0;
    for (const QString& l : lines)
        if (!l.isEmpty()) ++n;
    // Empty lines are skipped: the non-empty ones fill the labels from the top.
    QStringList shown;
    for (const QString& l : lines)
        if (!l.isEmpty()) shown << l;
    for (int i = 0; i < 3; ++i) {
        labels[i]->setText(i < shown.size() ? shown[i] : QString());
        labels[i]->setVisible(i < n);
    }
    layoutShapes();
    const QRect in = inner();
    const int usable = in.width() - 2 * U_;
    const int left = in.left() + U_ / 2;
    auto place = [&](QLabel* l, int top) {
        l->setGeometry(left, top, in.width() - U_, textHeight(l));
    };

    if (n == 1) {
        Overs1Label->setFont(headingFont(startSize(30)));
        shrinkToWidth(Overs1Label, usable, 11);
        const int h = textHeight(Overs1Label);
        place(Overs1Label, in.top() + (in.height() - h) / 2);
    } else if (n >= 2) {
        Overs1Label->setFont(headingFont(startSize(20)));
        Overs2Label->setFont(headingFont(startSize(20)));
        shrinkToWidth(Overs1Label, usable, 11);
        shrinkToWidth(Overs2Label, usable, 11);
        int size = std::min(Overs1Label->font().pointSize(), Overs2Label->font().pointSize());
        Overs1Label->setFont(headingFont(size));
        // Two lines must leave room above the first one.
        while ((in.height() - 2 * textHeight(Overs1Label)) / 3 + in.top() < 3 * U_ / 2 &&
               size > 6) {
            --size;
            Overs1Label->setFont(headingFont(size));
        }
        Overs2Label->setFont(headingFont(size));
        const int h = textHeight(Overs1Label);
        if (n == 2) {
            place(Overs1Label, in.top() + (in.height() - 2 * h) / 3);
            place(Overs2Label, in.top() + 2 * (in.height() - 2 * h) / 3 + h);
        } else {
            int size3 = size - 2;
            Overs3Label->setFont(headingFont(size3));
            while (textWidth(Overs3Label) > usable && size3 >= 9) {
                --size3;
                Overs3Label->setFont(headingFont(size3));
            }
            while (textHeight(Overs3Label) > in.height() - 2 * h && size3 >= 9) {
                --size3;
                Overs3Label->setFont(headingFont(size3));
            }
            const int h3 = textHeight(Overs3Label);
            const int free = in.height() - 2 * h - h3;
            place(Overs1Label, in.top() + free / 4);
            place(Overs2Label, in.top() + 2 * free / 4 + 3 * h / 4);
            place(Overs3Label, Overs2Label->y() + Overs2Label->height());
        }
    }
    for (QLabel* l : labels) l->raise();
}

} // namespace orvela
