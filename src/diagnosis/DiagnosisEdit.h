#pragma once
// The name and password fields of the diagnosis windows: Enter and Esc are reported instead of
// acted on, and the pop-up menu pastes "Ç" or "ç" (through the clipboard, at the caret). The two
// menu captions are given by the window, which words them as it likes.

#include <QLineEdit>
#include <QString>

namespace orvela {

class DiagnosisEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DiagnosisEdit(QWidget* parent = nullptr,
                           const QString& capitalCaption = QStringLiteral("Klistra in Ç"),
                           const QString& smallCaption = QStringLiteral("Klistra in ç"));
    // Puts `text` on the clipboard (replacing what was there) and pastes it at the caret.
    void pasteSpecial(const QString& text);

Q_SIGNALS:
    void enterPressed();
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    QString capitalCaption_;
    QString smallCaption_;
};

} // namespace orvela
