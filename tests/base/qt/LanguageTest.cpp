// SPDX-License-Identifier: GPL-3.0-or-later
// The language of a session: the remembered choice over the system's variables, the variables
// in their order, and what applying a language does to the windows' and the core's texts.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

#include "base/UiText.h"
#include "base/qt/Language.h"

namespace {

EnvironmentLookup environment(std::map<std::string, std::string> values)
{
    return [values = std::move(values)](const char* name) {
        const auto it = values.find(name);
        return it == values.end() ? std::string() : it->second;
    };
}

} // namespace

TEST(Language, ChosenFromTheRememberedChoiceThenTheSystem)
{
    using L = Language;
    const struct {
        const char* what;
        std::string remembered;
        std::map<std::string, std::string> env;
        Language expected;
    } cases[] = {
        {"nothing set: the default", "", {}, L::Russian},
        {"LANGUAGE's first entry", "", {{"LANGUAGE", "en_GB:ru"}}, L::English},
        {"LANGUAGE's Russian first", "", {{"LANGUAGE", "ru:en"}}, L::Russian},
        {"LANG alone", "", {{"LANG", "ru_RU.UTF-8"}}, L::Russian},
        {"LANG in English", "", {{"LANG", "en_US.UTF-8"}}, L::English},
        {"the C locale names no language", "", {{"LC_ALL", "C"}}, L::Russian},
        {"C is passed over for LANG",
         "",
         {{"LC_ALL", "C.UTF-8"}, {"LANG", "en_GB.UTF-8"}},
         L::English},
        {"POSIX is passed over too", "", {{"LC_MESSAGES", "POSIX"}, {"LANG", "en_IE"}}, L::English},
        {"LC_ALL before LC_MESSAGES",
         "",
         {{"LC_ALL", "ru_RU"}, {"LC_MESSAGES", "en_GB"}},
         L::Russian},
        {"LC_MESSAGES before LANG", "", {{"LC_MESSAGES", "en_GB"}, {"LANG", "ru_RU"}}, L::English},
        {"LANGUAGE before the locale",
         "",
         {{"LANGUAGE", "en"}, {"LANG", "ru_RU.UTF-8"}},
         L::English},
        {"an entry of ours after a foreign one", "", {{"LANGUAGE", "de:en"}}, L::English},
        {"a foreign LANGUAGE decides", "", {{"LANGUAGE", "de"}, {"LANG", "en_GB"}}, L::Russian},
        {"empty entries are skipped", "", {{"LANGUAGE", "::en"}}, L::English},
        {"a foreign locale gives the default", "", {{"LANG", "de_DE.UTF-8"}}, L::Russian},
        {"a look-alike is no language", "", {{"LANG", "eng"}}, L::Russian},
        {"the remembered choice wins", "en", {{"LANGUAGE", "ru"}, {"LANG", "ru_RU"}}, L::English},
        {"a remembered Russian wins", "ru", {{"LANGUAGE", "en_GB:en"}}, L::Russian},
        {"a remembered nonsense is ignored", "xx", {{"LANG", "en_GB"}}, L::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseLanguage(c.remembered, environment(c.env)), c.expected) << c.what;
}

TEST(Language, CodesNameTheirLanguage)
{
    for (const Language l : {Language::Russian, Language::English})
        EXPECT_EQ(languageNamed(languageCode(l)), l) << languageCode(l);
    EXPECT_EQ(languageNamed("en-GB"), Language::English);
    EXPECT_EQ(languageNamed("ru_RU.KOI8-R@x"), Language::Russian);
    EXPECT_EQ(languageNamed(""), std::nullopt);
    EXPECT_EQ(languageNamed("e"), std::nullopt);
}

TEST(Language, FilesFoundInTheBuildTreeElseTheInstalledData)
{
    QTemporaryDir built, installed;
    const std::string b = built.path().toStdString() + "/";
    const std::string i = installed.path().toStdString() + "/";
    EXPECT_EQ(translationsFolder(b, i), i); // the build tree has no files
    QFile file(built.path() + "/kinovar_en.qm");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(translationsFolder(b, i), b);
}

// Applying English translates the windows' texts and the core's lookups; Russian takes every
// translator back, and a folder without the files leaves the texts as they were.
TEST(Language, AppliedAndTakenBack)
{
    const char* source = "Расчет";
    ASSERT_TRUE(applyLanguage(Language::English, KINOVAR_TRANSLATIONS_DIR));
    EXPECT_EQ(currentLanguage(), Language::English);
    EXPECT_EQ(QCoreApplication::translate("MainWindow", source), QStringLiteral("Calculate"));
    EXPECT_EQ(uiText("MainWindow", source), "Calculate"); // the core asks the same translators
    EXPECT_EQ(uiText("NoSuchContext", source), source);

    ASSERT_TRUE(applyLanguage(Language::Russian, KINOVAR_TRANSLATIONS_DIR));
    EXPECT_EQ(currentLanguage(), Language::Russian);
    EXPECT_EQ(QCoreApplication::translate("MainWindow", source), QString::fromUtf8(source));
    EXPECT_EQ(uiText("MainWindow", source), source);

    QTemporaryDir empty;
    EXPECT_FALSE(applyLanguage(Language::English, empty.path().toStdString() + "/"));
    EXPECT_EQ(QCoreApplication::translate("MainWindow", source), QString::fromUtf8(source));
    applyLanguage(Language::Russian, "");
}
