#include "SentenceLabel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace orvela {

SentenceLabel::SentenceLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TranslucentBackground);
}

void SentenceLabel::setPieceText(const QString& text) {
    QLabel::setText(text);
    fitText();
}

void SentenceLabel::fitText() {
    const QFontMetrics fm(font());
    resize(std::max(1, fm.horizontalAdvance(text())), fm.height());
}

void SentenceLabel::setTextColor(const QColor& c) {
    if (c == textColor_) return;
    textColor_ = c;
    update();
}

void SentenceLabel::setBackgroundColor(const QColor& c) {
    if (c == background_) return;
    background_ = c;
    update();
}

void SentenceLabel::setDraggable(bool on) {
    draggable_ = on;
    setMouseTracking(on);
}

void SentenceLabel::setUnderlined(bool on) {
    if (on == underlined_) return;
    underlined_ = on;
    update();
}

void SentenceLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.isValid()) p.fillRect(rect(), background_);
    p.setFont(font());
    p.setPen(textColor_);
    const QFontMetrics fm(font());
    // Drawn from the baseline, so leading blanks keep their width.
    p.drawText(QPointF(0, fm.ascent()), text());
    if (underlined_ && width() > 2) {
        const int y = std::min(height() - 2, fm.ascent() + fm.underlinePos() + 1);
        p.fillRect(QRect(1, y, width() - 2, std::max(1, fm.lineWidth())), textColor_);
    }
}

void SentenceLabel::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (e->type() == QEvent::FontChange) fitText();
}

void SentenceLabel::mousePressEvent(QMouseEvent* e) {
    if (!draggable_ || e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    Q_EMIT pressed(e->globalPosition());
    e->accept();
}

void SentenceLabel::mouseMoveEvent(QMouseEvent* e) {
    if (!draggable_) {
        e->ignore();
        return;
    }
    if (e->buttons() & Qt::LeftButton)
        Q_EMIT dragMoved(e->globalPosition());
    else
        Q_EMIT pointed();
    e->accept();
}

void SentenceLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (!draggable_ || e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    Q_EMIT released(e->globalPosition());
    e->accept();
}

} // namespace orvela
