// SPDX-License-Identifier: GPL-3.0-or-later
// Opening top-level windows at a size that fits the screen they open on, and keeping their
// controls reachable when the screen is smaller than the controls need: the window's content
// then scrolls instead of running off the screen's edge.
#pragma once
#include <QRect>
#include <QSize>

class QWidget;

// The room a window system's frame is assumed to take (borders and title bar) around a window it
// has not framed yet: generous, so that a window fitted before its first frame still fits after.
inline constexpr QSize kUnframedDecoration(16, 48);

// The client size a window of client size `size` gets inside an area of size `area` when its
// frame adds `decoration`: `size`, bounded by what the area leaves; never below `minimum`, which
// wins when the area is smaller than it.
QSize fittedClientSize(QSize size, QSize minimum, QSize decoration, QSize area);

// What the frame of the top-level `window` adds to its client size: the measured difference once
// the window system has framed it, else kUnframedDecoration.
QSize frameDecoration(const QWidget* window);

// Shrinks the top-level `window` to fittedClientSize within `area` and moves its frame inside
// `area` (placeInside); a window that fits keeps its size and place. Before the first frame the
// title bar's room is kept at the area's top, as the window system puts the client where asked.
void fitWindowInto(QWidget* window, const QRect& area);

// fitWindowInto the available area (the screen less its panels) of the screen `window` is on,
// the primary screen when it has none. Nothing happens without a screen.
void fitWindowToScreen(QWidget* window);

// Grows the shown top-level `window` toward the size its layout asks for (after controls were
// shown in it), as far as the available area of its screen allows, and keeps it inside that
// area. A window as large already, or hidden, keeps its size.
void growToContent(QWidget* window);

// Does fitWindowToScreen every time `window` is shown by the program (not when it comes back from
// the task bar), so that it opens fitting the screen it opens on. Safe to call more than once.
void fitToScreenWhenShown(QWidget* window);

// Gives `window` a layout holding one frameless scroll area, and returns the widget inside it,
// on which the caller lays out the window's controls. The controls fill the window while it has
// the room they need; in a smaller window scroll bars appear and every control stays reachable,
// the one with the keyboard focus scrolled into sight. Content whose height follows its width (a
// word-wrapped label) is given its preferred height instead of the window's: such a control
// should answer false to hasHeightForWidth.
QWidget* scrollingBody(QWidget* window);
