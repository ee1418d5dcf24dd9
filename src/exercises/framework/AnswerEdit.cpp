#include "AnswerEdit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace orvela {

AnswerEdit::AnswerEdit(QWidget* parent) : QLineEdit(parent) {}

void AnswerEdit::pasteSpecial(const QString& text) {
    if (QClipboard* cb = QGuiApplication::clipboard()) cb->setText(text);
    // Pasting from the clipboard may not be possible headless; inserting is the same to the field.
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
    if (e->key() == Qt::Key_S && (mods == Qt::AltModifier || mods == Qt::ControlModifier)) {
        pasteSpecial(QStringLiteral("ß"));
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void AnswerEdit::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    QAction* big = menu.addAction(QStringLiteral("Klistra in Ç"));
    QAction* small = menu.addAction(QStringLiteral("Klistra in ç"));
    big->setData(1);
    small->setData(2);
    if (QAction* chosen = menu.exec(e->globalPos())) pasteSpecial(chosen->text().right(1));
}

} // namespace orvela
