#include "AnswerEdit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace orvela {

AnswerEdit::AnswerEdit(QWidget* parent, const QString& capitalCaption, const QString& smallCaption)
    : QLineEdit(parent), capitalCaption_(capitalCaption), smallCaption_(smallCaption) {}

void AnswerEdit::pasteSpecial(const QString& text) {
    if (QClipboard* cb = QGuiApplication::clipboard()) cb->setText(text);
    // Pasting from the clipboard is not possible everywhere (a password field, a machine without
    // a clipboard); inserting is the same to the field.
    insert(text);
}

void AnswerEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Q_EMIT enterPressed();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        Q_EMIT escapePressed();
        return;
    }
    const Qt::KeyboardModifiers mods =
        e->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier | Qt::MetaModifier);
    if (sharpSKeys_ && e->key() == Qt::Key_S &&
        (mods == Qt::AltModifier || mods == Qt::ControlModifier)) {
        pasteSpecial(QStringLiteral("ß"));
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void AnswerEdit::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    QAction* capital = menu.addAction(capitalCaption_);
    QAction* small = menu.addAction(smallCaption_);
    capital->setObjectName(QStringLiteral("Klistrain1"));
    small->setObjectName(QStringLiteral("Klistrain2"));
    // French words such as "sœur" and "œil" cannot be typed on a Swedish keyboard either.
    QAction* smallOe = menu.addAction(QStringLiteral("Klistra in œ"));
    QAction* capitalOe = menu.addAction(QStringLiteral("Klistra in Œ"));
    smallOe->setObjectName(QStringLiteral("Klistrain3"));
    capitalOe->setObjectName(QStringLiteral("Klistrain4"));
    QAction* chosen = menu.exec(e->globalPos());
    if (chosen == capital)
        pasteSpecial(QStringLiteral("Ç"));
    else if (chosen == small)
        pasteSpecial(QStringLiteral("ç"));
    else if (chosen == smallOe)
        pasteSpecial(QStringLiteral("œ"));
    else if (chosen == capitalOe)
        pasteSpecial(QStringLiteral("Œ"));
}

} // namespace orvela
