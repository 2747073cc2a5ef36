// Looks shared by the program's windows: the font, and the window opacity as an 8-bit value.
#pragma once
#include <QFont>

class QWidget;

// The largest DejaVu Sans (always present on the target systems, Cyrillic included) whose line
// height (QFontMetrics::height) is at most lineHeight pixels: 11 for ordinary text, 13 for the
// parameter rows.
QFont uiFont(int lineHeight, bool bold = false);

// Hands the opacity 0..255 to the window, where the window system can show it.
void applyWindowOpacity(QWidget* window, int opacity);
