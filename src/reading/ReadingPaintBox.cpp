#include "ReadingPaintBox.h"

#include "QtText.h"
#include "Scaling.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace orvela {

ReadingPaintBox::ReadingPaintBox(QWidget* parent, const SpeedText& text)
    : QWidget(parent), text_(text) {
    setObjectName(QStringLiteral("PaintBox1"));
    setFont(pixelFont(18, false));
}

int ReadingPaintBox::lineStep() const { return std::max(20, QFontMetrics(font()).height() + 3); }

QPoint ReadingPaintBox::wordPosition(const SpeedText::Word& word) const {
    const auto& lines = text_.lines();
    const AnsiText& line = lines.at(static_cast<std::size_t>(word.line - 1));
    const QString before = toQString(line.substr(0, static_cast<std::size_t>(word.charPos - 1)));
    return {kLeft + QFontMetrics(font()).horizontalAdvance(before),
            kTop + (word.line - 1) * lineStep()};
}

void ReadingPaintBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(Qt::black);
    const QFontMetrics fm(font());
    const auto& words = text_.words();
    for (std::size_t i = static_cast<std::size_t>(text_.rubbed()); i < words.size(); ++i) {
        const QPoint at = wordPosition(words[i]);
        p.drawText(at.x(), at.y() + fm.ascent(), toQString(words[i].text));
    }
}

} // namespace orvela
