#include "DiagnosisEdit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace orvela {

DiagnosisEdit::DiagnosisEdit(QWidget* parent, const QString& capitalCaption,
                             const QString& smallCaption)
    : QLineEdit(parent), capitalCaption_(capitalCaption), smallCaption_(smallCaption) {}

void DiagnosisEdit::pasteSpecial(const QString& text) {
    if (QClipboard* cb = QGuiApplication::clipboard()) cb->setText(text);
    // A password field takes no paste from the clipboard on every platform; inserting is the
    // same to the field.
    insert(text);
}

void DiagnosisEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Q_EMIT enterPressed();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        Q_EMIT escapePressed();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void DiagnosisEdit::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    QAction* capital = menu.addAction(capitalCaption_);
    QAction* small = menu.addAction(smallCaption_);
    capital->setObjectName(QStringLiteral("Klistrain1"));
    small->setObjectName(QStringLiteral("Klistrain2"));
    QAction* chosen = menu.exec(e->globalPos());
    if (chosen == capital)
        pasteSpecial(QStringLiteral("Ç"));
    else if (chosen == small)
        pasteSpecial(QStringLiteral("ç"));
}

} // namespace orvela
