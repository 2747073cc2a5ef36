// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a user may see of a window, for the tests that hold the interface to one language:
// titles, tips, labels, buttons, group titles, placeholders, combo items, menus (each refilled as
// if about to show), table headings, tab titles and tips, chart, axis and series titles, actions
// and their tips.
#pragma once
#include <QList>
#include <QString>
#include <utility>

class QWidget;

// The texts of `root` and its children, each with where it stands ("<object name> <what>");
// empty texts are left out.
QList<std::pair<QString, QString>> visibleTexts(QWidget* root);
