#include "SlotLabel.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace orvela {

SlotLabel::SlotLabel(QWidget* parent, int slot) : AutoLabel(parent, QStringLiteral("O")), slot_(slot) {
    setObjectName(QStringLiteral("Label%1").arg(slot));
    setAcceptDrops(true);
}

void SlotLabel::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasText()) e->acceptProposedAction();
}

void SlotLabel::dragMoveEvent(QDragMoveEvent* e) {
    if (e->mimeData()->hasText()) e->acceptProposedAction();
}

void SlotLabel::dropEvent(QDropEvent* e) {
    if (!e->mimeData()->hasText()) return;
    e->acceptProposedAction();
    Q_EMIT wordDropped(slot_, e->mimeData()->text());
}

} // namespace orvela
