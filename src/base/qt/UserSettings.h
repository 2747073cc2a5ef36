// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings file that every program of the package shares (on Linux
// ~/.config/Kinovar/Kinovar.conf): the window program's platform keeps its remembered choices
// there, and the batch reads the language chosen in the window from it. Qt Core only.
#pragma once
#include <QSettings>
#include <string>

// The settings file, named here rather than by the application's names, so that the window, the
// batch and the tests' platform all find the same one.
QSettings kinovarSettings();

// The text kept under `key` (group "texts"), or `fallback` when none was kept.
std::string readRememberedText(const std::string& key, const std::string& fallback);

// Keeps `value` under `key` at once, not at the program's end, so that a crash keeps it too.
void writeRememberedText(const std::string& key, const std::string& value);
