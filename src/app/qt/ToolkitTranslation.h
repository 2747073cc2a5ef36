// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's own texts (file dialogs, their questions, standard buttons, context menus of edit
// fields) in Russian, to match the interface, whatever the locale.
#pragma once
#include <QString>

class QTranslator;

// Loads "qtbase_ru" from `folder` (the toolkit's translations folder when empty) and installs it
// into the application. Returns the installed translator, owned by the application, or nullptr
// when the file is missing or unreadable: the program then simply speaks English there.
QTranslator* installToolkitTranslation(const QString& folder = QString());
