// SPDX-License-Identifier: GPL-3.0-or-later
// The language the programs speak: chosen once at the start from the user's remembered choice
// or the system's locale, then made the language of every text. Russian is the source language
// of all texts, so choosing it loads nothing and every text stays as written; English loads the
// translations of the windows (kinovar_en.qm), of the core (kinovar_core_en.qm) and of the
// guide's texts (kinovar_guide_en.qm) and has the core's uiText translate through them. Qt Core only, so that the window, the batch and the
// animator share it.
// The decimal separator is no part of this: numbers keep following the locale's separator.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

enum class Language { Russian, English };

// The key of the remembered choice among the user's remembered texts; its value is languageCode.
inline constexpr const char* kLanguageKey = "language";

// The code a language is remembered by: "ru" or "en".
const char* languageCode(Language language);

// The language that a language code or locale name stands for ("en", "en_GB.UTF-8", "ru_RU",
// "ru"); nullopt for one that names none of ours ("de_DE", "C", "POSIX", "C.UTF-8", "").
std::optional<Language> languageNamed(std::string_view name);

// The value of an environment variable, empty when unset.
using EnvironmentLookup = std::function<std::string(const char* name)>;

// The language of a session. The remembered choice (a language code, empty when none) wins when
// it names a language. Else the system's: the entries of LANGUAGE (a colon list) in order, then
// LC_ALL, LC_MESSAGES and LANG; the first that names a language at all decides, except that
// within LANGUAGE an entry of ours is preferred to an earlier foreign one (as gettext takes the
// first catalogue it has). Empty values, "C" and "POSIX" (with any suffix) name no language and
// are passed over. A foreign language, or none found, gives Russian, the default.
Language chooseLanguage(const std::string& remembered, const EnvironmentLookup& env);

// The folder of the translation files: `built` (the build tree's) when it holds kinovar_en.qm,
// else `installed`. Both end in '/'.
std::string translationsFolder(const std::string& built, const std::string& installed);

// The folder of the translation files for a program in the executables' folder `exeDir` (ending
// in '/'): the build tree's "<exeDir>../translations/", else the installed
// "<exeDir><data dir>/translations/".
std::string programTranslationsFolder(const std::string& exeDir);

// Makes `language` the language of the process. English: loads kinovar_en.qm,
// kinovar_core_en.qm and kinovar_guide_en.qm from `folder`, installs them into the application when one exists (else
// installLanguageTranslators does later) and installs the uiText lookup. Russian: takes back
// whatever an earlier call installed, so that every text is the source text again. False when a
// file of the language could not be loaded; the texts it would have given stay Russian.
bool applyLanguage(Language language, const std::string& folder);

// The language applyLanguage made the process's last; Russian before any call.
Language currentLanguage();

// Installs the translators that applyLanguage loaded into an application made since then (the
// batch makes one only to draw a document). Does nothing for Russian or without an application.
void installLanguageTranslators();

// The start of a program: chooses the language from the remembered choice (the user's settings)
// and the process's environment, and applies it with the files of `folder`. Returns the
// language chosen.
Language startLanguage(const std::string& folder);
