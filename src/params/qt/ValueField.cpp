// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/qt/ValueField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

ValueField::ValueField(QWidget* parent) : QLineEdit(parent)
{
    // Enter and leaving both end an edit; a text equal to the stored value is no edit, so the
    // second signal Qt may send for one edit (Enter, then the focus leaving) changes nothing.
    connect(this, &QLineEdit::editingFinished, this, &ValueField::finish);
}

void ValueField::showValue(const QString& text)
{
    shown_ = text;
    if (hasFocus() && isModified()) return;
    setText(text);
    setModified(false);
}

void ValueField::finish()
{
    if (!isModified() || text() == shown_) {
        setText(shown_);
        setModified(false);
        return;
    }
    setModified(false);
    emit edited(text());
}

void ValueField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        setText(shown_);
        setModified(false);
        selectAll();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ValueField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Typing replaces the value, as in the entry field. A click's own placing of the caret
    // comes after this event, so the selection is made once it is done.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, [this] { selectAll(); });
    else
        selectAll();
}
