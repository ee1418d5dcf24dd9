#pragma once
// A text field of the program's windows (answer fields, name and password fields): Enter and Esc
// are reported instead of acted on, the pop-up menu pastes "Ç", "ç", "œ" or "Œ", and in answer
// fields Alt+S or Ctrl+S pastes "ß" (through the clipboard, at the caret).

#include <QLineEdit>
#include <QString>

namespace orvela {

class AnswerEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerEdit(QWidget* parent = nullptr,
                        const QString& capitalCaption = QStringLiteral("Klistra in Ç"),
                        const QString& smallCaption = QStringLiteral("Klistra in ç"));
    // Puts `text` on the clipboard (replacing what was there) and pastes it at the caret.
    void pasteSpecial(const QString& text);
    // Alt+S and Ctrl+S paste "ß" (on by default).
    void setSharpSKeys(bool on) { sharpSKeys_ = on; }

Q_SIGNALS:
    void enterPressed();
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    QString capitalCaption_;
    QString smallCaption_;
    bool sharpSKeys_ = true;
};

} // namespace orvela
