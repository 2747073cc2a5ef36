// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/Mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QSet>

QString mnemonicOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i; // "&&" prints one ampersand
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

void giveMnemonics(QWidget* owner)
{
    const QList<QAction*> actions = owner->actions();
    QSet<QString> used;
    for (const QAction* action : actions)
        if (const QString m = mnemonicOf(action->text()); !m.isEmpty()) used.insert(m);
    for (QAction* action : actions) {
        const QString text = action->text();
        // A hidden item (an empty recent-file slot) takes no letter until it shows.
        if (action->isSeparator() || !action->isVisible() || text.isEmpty() ||
            !mnemonicOf(text).isEmpty())
            continue;
        for (qsizetype i = 0; i < text.size(); ++i) {
            // Letters and digits only: a key the user can press on either keyboard layout.
            if (!text[i].isLetterOrNumber()) continue;
            const QString letter = text[i].toLower();
            if (used.contains(letter)) continue;
            used.insert(letter);
            QString marked = text;
            marked.insert(i, QLatin1Char('&'));
            action->setText(marked);
            break;
        }
    }
}

void keepMnemonics(QMenu* menu)
{
    giveMnemonics(menu);
    for (QAction* action : menu->actions())
        if (QMenu* sub = action->menu()) keepMnemonics(sub);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { giveMnemonics(menu); });
}
