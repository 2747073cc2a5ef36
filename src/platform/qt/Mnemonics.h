// SPDX-License-Identifier: GPL-3.0-or-later
// Alt mnemonics for menus: every item of a menu (or every title of a menu bar) gets a letter of
// its own, so that the keyboard reaches each one and no two in one menu answer the same key.
#pragma once
#include <QString>

class QMenu;
class QMenuBar;
class QWidget;

// The mnemonic letter of a caption ("&Файл" gives "ф"), lower case; empty when it has none. A
// doubled "&&" is a literal ampersand, not a mnemonic.
QString mnemonicOf(const QString& caption);

// Gives each action of `owner` (a menu or a menu bar) that has no mnemonic the first letter of
// its caption that no other action of `owner` uses yet, marking it with '&'; letters already
// chosen (by hand or earlier) are kept. Hidden actions wait until they show; an action with no
// free letter is left as it is.
void giveMnemonics(QWidget* owner);

// giveMnemonics for `menu` now and again each time it is about to show, so that items added or
// renamed later (recent files, "Отменить: …") get theirs too. Submenus are covered as well.
void keepMnemonics(QMenu* menu);
