// SPDX-License-Identifier: GPL-3.0-or-later
// Looks shared by the program's windows and panels: the font, the window opacity as an 8-bit
// value, the window colours, and the builders of the fixed-geometry controls the panels are made
// of.
#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
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

// A group box at `geometry` whose caption sits on its frame line, so that children at y = 16 are
// inside the frame rather than under a caption band.
QGroupBox* makeBox(QWidget* parent, const char* name, const QString& title, QRect geometry);

// A raised panel at `geometry` with its own background colour.
QFrame* makePanel(QWidget* parent, const char* name, QRect geometry, const QColor& colour);

// A label sized to its text, placed at (x, y) of its parent.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y);

// A list box at `geometry` holding `items`, none of them editable; closed, it takes the wheel only
// while it has the focus (wheelOnlyWithFocus).
QComboBox* makeCombo(QWidget* parent, const char* name, QRect geometry, const QStringList& items);

// Makes `combo` editable, showing the free `text` and no selected item; typed texts never become
// items.
void makeEditable(QComboBox* combo, const QString& text);
