// SPDX-License-Identifier: GPL-3.0-or-later
// The menu "Язык / Language": the language the program speaks, chosen by the user and kept
// between sessions. The windows make their texts once, so a new choice takes effect at the next
// start, which the program says when the choice differs from the language in use.
#pragma once
#include <QString>

#include "base/qt/Language.h"

class Platform;
class QMenu;
class QMenuBar;

// What the menu says when a language is chosen other than `current`: one text in both
// languages, since the user may not read the one in use.
inline constexpr const char* kLanguageAtNextStart =
    "Язык сменится при следующем запуске программы.\n"
    "The language will change the next time Kinovar starts.";

// Adds the menu (object name "languageMenu", its item in the bar "languageMenuAction") to `bar`
// before `before` (at the end when null), with the checkable items "Русский" ("russianAction") and
// "English" ("englishAction"). The item checked is the remembered choice, else `current`. Choosing
// an item remembers its code under kLanguageKey through `platform`, checks it, and shows
// kLanguageAtNextStart when it is not `current`. Returns the menu.
QMenu* addLanguageMenu(QMenuBar* bar, QMenu* before, Platform& platform, Language current);
