// SPDX-License-Identifier: GPL-3.0-or-later
// A window's layout kept between sessions as one line of text: its size and place, its docks
// and tool bars (QMainWindow::saveState), and the share of every named splitter inside it.
#pragma once
#include <string>

class Platform;
class QMainWindow;

// The layout of `window` now, as printable text (base64) to be kept by the platform.
std::string windowLayoutText(const QMainWindow& window);

// Puts back a layout made by windowLayoutText: false, and the window left as it was, for a text
// that is not one (empty, damaged, cut short or of another version). A splitter the text names
// that the window no longer has is passed over; one it does not name keeps its shares.
bool restoreWindowLayout(QMainWindow& window, const std::string& text);

// The file the main window's layout is kept in: "window-layout.txt" in the user's data folder.
std::string windowLayoutPath(Platform& platform);

// Keeps the layout of `window` in windowLayoutPath through the atomic save. A folder that takes
// no file leaves the layout unkept and says nothing: the next session opens at the default.
void keepWindowLayout(const QMainWindow& window, Platform& platform);

// Puts back the layout kept by keepWindowLayout: false, the window as it was, when there is none
// or the file is not a layout (or not a regular file).
bool restoreKeptWindowLayout(QMainWindow& window, Platform& platform);
