// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/qt/Language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>
#include <cstdlib>
#include <memory>
#include <vector>

#include "base/BuildInfo.h"
#include "base/UiText.h"
#include "base/qt/UserSettings.h"

namespace {

// The translation files of English, the windows' first.
constexpr const char* kEnglishFiles[] = {"kinovar_en", "kinovar_core_en", "kinovar_guide_en"};

// Loaded once at the start and then only read: the core's lookup may run on worker threads.
std::vector<std::unique_ptr<QTranslator>>& loaded()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

Language gCurrent = Language::Russian;

std::string lookUp(const char* context, const char* text)
{
    // With an application, its translators answer, as they do for tr(); the batch has none until
    // it draws a document, and asks the loaded translators itself.
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, text).toStdString();
    for (const auto& translator : loaded()) {
        const QString found = translator->translate(context, text);
        if (!found.isNull()) return found.toStdString();
    }
    return text;
}

// "C", "POSIX", "C.UTF-8", "POSIX@x": the locale without a language.
bool isPlainLocale(std::string_view name)
{
    const std::string_view base = name.substr(0, name.find_first_of(".@"));
    return base == "C" || base == "POSIX";
}

void takeBack()
{
    setTextLookup(nullptr);
    for (const auto& translator : loaded())
        QCoreApplication::removeTranslator(translator.get());
    loaded().clear();
}

} // namespace

const char* languageCode(Language language)
{
    return language == Language::English ? "en" : "ru";
}

std::optional<Language> languageNamed(std::string_view name)
{
    // The language is the part before a territory, a code set or a modifier: "en_GB.UTF-8@euro".
    const std::string_view lang = name.substr(0, name.find_first_of("_.@-"));
    if (lang == "en") return Language::English;
    if (lang == "ru") return Language::Russian;
    return std::nullopt;
}

Language chooseLanguage(const std::string& remembered, const EnvironmentLookup& env)
{
    if (const auto chosen = languageNamed(remembered)) return *chosen;
    const std::string list = env("LANGUAGE");
    bool foreignListed = false;
    for (size_t start = 0; start <= list.size();) {
        const size_t end = std::min(list.find(':', start), list.size());
        const std::string_view entry = std::string_view(list).substr(start, end - start);
        if (const auto ours = languageNamed(entry)) return *ours;
        if (!entry.empty() && !isPlainLocale(entry)) foreignListed = true;
        start = end + 1;
    }
    if (foreignListed) return Language::Russian;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string value = env(name);
        if (value.empty() || isPlainLocale(value)) continue;
        return languageNamed(value).value_or(Language::Russian);
    }
    return Language::Russian;
}

std::string translationsFolder(const std::string& built, const std::string& installed)
{
    const bool inBuildTree =
        QFileInfo::exists(QString::fromStdString(built + kEnglishFiles[0] + ".qm"));
    return inBuildTree ? built : installed;
}

std::string programTranslationsFolder(const std::string& exeDir)
{
    return translationsFolder(exeDir + "../translations/",
                              exeDir + kInstalledDataDir + "/translations/");
}

bool applyLanguage(Language language, const std::string& folder)
{
    takeBack();
    gCurrent = language;
    if (language == Language::Russian) return true;
    bool all = true;
    for (const char* name : kEnglishFiles) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QString::fromLatin1(name), QString::fromStdString(folder)))
            loaded().push_back(std::move(translator));
        else
            all = false;
    }
    installLanguageTranslators();
    setTextLookup(&lookUp);
    return all;
}

Language currentLanguage()
{
    return gCurrent;
}

void installLanguageTranslators()
{
    if (!QCoreApplication::instance()) return;
    for (const auto& translator : loaded())
        QCoreApplication::installTranslator(translator.get());
}

Language startLanguage(const std::string& folder)
{
    const Language language =
        chooseLanguage(readRememberedText(kLanguageKey, ""), [](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value ? value : "");
        });
    applyLanguage(language, folder);
    return language;
}
