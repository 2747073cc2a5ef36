// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping top-level windows inside the screen's available area (the screen without its task bar
// and panels), so that no part of a window is placed off screen.
#pragma once
#include <QPoint>
#include <QRect>

class QWidget;

// Where a window frame should go to lie within `area`: its own place when it fits there, else
// moved by the least amount onto it; a frame wider or taller than the area keeps the area's
// left or top edge, so its title bar stays reachable.
QPoint placeInside(const QRect& frame, const QRect& area);

// Moves the top-level `window` into the available area of its screen now, when it is not inside.
void keepOnScreen(QWidget* window);

// Brings a shown top-level window to the front, out of the task bar when it was minimised, and
// gives it the keyboard.
void bringToFront(QWidget* window);

// Does keepOnScreen every time `window` is shown. Safe to call more than once.
void keepOnScreenWhenShown(QWidget* window);
