#pragma once
// A word place of the story to reveal: a label that shows a word or its mask and takes a word
// dragged from the word list.

#include "Panel.h"

namespace orvela {

class SlotLabel : public AutoLabel {
    Q_OBJECT
public:
    SlotLabel(QWidget* parent, int slot);
    int slot() const { return slot_; }

Q_SIGNALS:
    void wordDropped(int slot, const QString& word);

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    int slot_;
};

} // namespace orvela
