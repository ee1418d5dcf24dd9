#pragma once
// An answer field: Enter and Esc are reported instead of acted on, the pop-up menu pastes "Ç" or
// "ç", and Alt+S or Ctrl+S pastes "ß" (through the clipboard, at the caret). The text is at most
// a given number of characters long.

#include <QLineEdit>

namespace orvela {

class AnswerEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerEdit(QWidget* parent = nullptr);
    // Puts `text` on the clipboard (replacing what was there) and pastes it at the caret.
    void pasteSpecial(const QString& text);

Q_SIGNALS:
    void enterPressed();
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
};

} // namespace orvela
