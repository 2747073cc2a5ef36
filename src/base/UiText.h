// SPDX-License-Identifier: GPL-3.0-or-later
// The core's texts in the user's language. The Qt-free layers write what the user reads (messages,
// refusals, the summary's lines, captions shown in the window) in Russian, the program's source
// language, through uiText(context, text). A program that speaks another language installs a
// lookup (the window and the batch install Qt's translator); without one the Russian text comes
// back unchanged. Lines of the legacy files never pass through here: those files keep their
// Russian bytes whatever the language.
//
// scripts/update-translations.sh has lupdate read uiText like QCoreApplication::translate, so a
// text must be a string literal at the call, with its numbers filled in afterwards by fillIn.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// Looks `text` up in `context` and returns its translation in UTF-8, or `text` itself.
using TextLookup = std::string (*)(const char* context, const char* text);

// Makes `lookup` answer every later uiText, from any thread; nullptr restores the source texts.
// The lookup must be safe to call from several threads at once (Qt's translate is).
void setTextLookup(TextLookup lookup);

// `text`, a UTF-8 string literal in Russian, in the user's language as `context` translates it.
std::string uiText(const char* context, const char* text);

// `text` with each %1 … %9 replaced by args[0] … args[8]; a % followed by anything else, or by a
// digit beyond args' count, is kept as it stands. The arguments are inserted once, not scanned
// again, so a % in an argument is left alone.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> args);

// Marks `text` for lupdate in `context` where it is kept to be looked up later with
// uiText(context, text), as in a table of names; it is `text` itself.
#define UI_TEXT_NOOP(context, text) text

// Of two texts of one message made beside each other (an error's English what() for scripts and
// its Russian for the user), the one in the user's language: `russian` unless an installed
// translation says its language is another (it translates context "Language", "ru"), then
// `english`.
std::string inUserLanguage(const std::string& english, const std::string& russian);

// A unit of the catalogues ("м", "Н·м", "рад/с²") as the user's language writes it; "" stays "".
std::string shownUnit(const char* unit);
