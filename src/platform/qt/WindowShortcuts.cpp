// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/WindowShortcuts.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace {

class ShortcutPass : public QObject {
public:
    explicit ShortcutPass(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        // The field's own editing keys are what a user means while typing.
        for (QKeySequence::StandardKey editing :
             {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Copy, QKeySequence::Cut,
              QKeySequence::Paste, QKeySequence::SelectAll})
            if (key->matches(editing)) return false;
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : window_->findChildren<QAction*>())
            if (action->isEnabled() && action->shortcuts().contains(pressed)) {
                // Not accepted: the key is not taken by the field and goes to the shortcut.
                event->ignore();
                return true;
            }
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

void letWindowShortcutsThrough(QWidget* window)
{
    auto* pass = new ShortcutPass(window);
    for (QWidget* field : window->findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(field) || qobject_cast<QTextEdit*>(field) ||
            qobject_cast<QPlainTextEdit*>(field) || qobject_cast<QAbstractSpinBox*>(field))
            field->installEventFilter(pass);
}
