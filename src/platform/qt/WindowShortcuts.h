// SPDX-License-Identifier: GPL-3.0-or-later
// A window's own shortcuts (Ctrl+E, Ctrl+S, …) reach it from every field inside it: a text field
// would otherwise keep some of them for its own line editing (Ctrl+E moves to the line's end).
#pragma once

class QWidget;

// Watches every text field (line edit, text edit, spin box) inside `window`, and from each lets
// a key that is the shortcut of one of the window's enabled actions through to that action. The
// standard editing keys (undo, redo, copy, cut, paste, select all) stay with the field.
void letWindowShortcutsThrough(QWidget* window);
