// SPDX-License-Identifier: GPL-3.0-or-later
// Looks shared by the program's windows and panels: the font, the window opacity as an 8-bit
// value, the window colours, and the builders of the list boxes the panels share.
#pragma once
#include <QColor>
#include <QFont>
#include <QStringList>

class QComboBox;
class QWidget;

// The main window's colours: its ground, a panel's face and the listing's text.
inline const QColor kSkyBlue(166, 202, 240);
inline const QColor kButtonFace(240, 240, 240);
inline const QColor kInactiveCaptionGradient(215, 228, 242);

// The largest DejaVu Sans (always present on the target systems, Cyrillic included) whose line
// height (QFontMetrics::height) is at most lineHeight pixels: 11 for ordinary text, 13 for the
// parameter rows.
QFont uiFont(int lineHeight, bool bold = false);

// Hands the opacity 0..255 to the window, where the window system can show it.
void applyWindowOpacity(QWidget* window, int opacity);

// A list box holding `items`, none of them editable, for its parent's layout to place; closed, it
// takes the wheel only while it has the focus (wheelOnlyWithFocus).
QComboBox* makeCombo(QWidget* parent, const char* name, const QStringList& items);

// Makes `combo` editable, showing the free `text` and no selected item; typed texts never become
// items.
void makeEditable(QComboBox* combo, const QString& text);
