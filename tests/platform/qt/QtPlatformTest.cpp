// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt platform layer's pure parts: file filters in Qt's form and the locale's separator.
#include <QCoreApplication>
#include <QLocale>
#include <QStandardPaths>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

#include "base/qt/UserSettings.h"
#include "platform/qt/QtPlatform.h"

TEST(QtPlatform, FileFiltersBecomeQtFilters)
{
    const struct {
        const char* filter;
        const char* qt;
    } cases[] = {
        {"Text File|*.txt|Any Type|*.*", "Text File (*.txt);;Any Type (*)"},
        {"Text File|*.txt|All Types|*.*", "Text File (*.txt);;All Types (*)"},
        {"Data|*.ini;*.txt", "Data (*.ini *.txt)"},
        {"Data|*.ini|Orphan", "Data (*.ini)"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qtFileFilter(c.filter).toStdString(), c.qt) << c.filter;
}

TEST(QtPlatform, DecimalSeparatorOfALocale)
{
    EXPECT_EQ(decimalSeparatorOf(QLocale::c()), '.');
    EXPECT_EQ(decimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), '.');
    EXPECT_EQ(decimalSeparatorOf(QLocale(QLocale::Russian, QLocale::Russia)), ',');
    EXPECT_EQ(decimalSeparatorOf(QLocale(QLocale::German, QLocale::Germany)), ',');
    // A separator outside ASCII cannot be written into single-byte files: the period then.
    EXPECT_EQ(decimalSeparatorOf(QLocale(QLocale::Arabic, QLocale::SaudiArabia)), '.');
}

TEST(QtPlatform, SeparatorFollowsTheDefaultLocale)
{
    const QLocale saved;
    QtPlatform platform;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(platform.localeDecimalSeparator(), ',');
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(platform.localeDecimalSeparator(), '.');
    QLocale::setDefault(saved);
}

TEST(QtPlatform, ExecutableDirEndsWithASlash)
{
    const std::string dir = QtPlatform().executableDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
}

// The program's folders, each worked out apart from the platform: the folder of the running
// executable as the kernel names it, and $XDG_DATA_HOME/<application>; callers append file
// names, so both end in '/'.
TEST(QtPlatform, FoldersAreTheSystemsWithATrailingSlash)
{
    const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
    const std::string data = "/tmp/kinovar-data-home-" + std::to_string(::getpid());
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data));
    const std::string app = QCoreApplication::applicationName().toStdString();
    ASSERT_FALSE(app.empty());
    const struct {
        const char* what;
        std::string folder;
        std::string expected;
    } cases[] = {
        {"executableDir", QtPlatform().executableDir(),
         std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/"},
        {"userDataDir", QtPlatform().userDataDir(), data + "/" + app + "/"},
    };
    if (savedHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedHome);
    for (const auto& c : cases)
        EXPECT_EQ(c.folder, c.expected) << c.what;
}

// A remembered flag outlives the platform that kept it (a new session reads it back); a key never
// kept gives the fallback. The tests' configuration folder stands in for the user's.
TEST(QtPlatform, FlagsAreKeptBetweenSessions)
{
    QStandardPaths::setTestModeEnabled(true);
    const std::string key = "testFlag" + std::to_string(QCoreApplication::applicationPid());
    for (const bool value : {true, false}) {
        QtPlatform().rememberFlag(key, value);
        EXPECT_EQ(QtPlatform().rememberedFlag(key, !value), value);
    }
    EXPECT_TRUE(QtPlatform().rememberedFlag(key + "Never", true));
    EXPECT_FALSE(QtPlatform().rememberedFlag(key + "Never", false));
    QStandardPaths::setTestModeEnabled(false);
}

// A remembered text outlives its platform as a flag does, and the batch's reading of the settings
// (readRememberedText, without a platform) finds the same value.
TEST(QtPlatform, TextsAreKeptBetweenSessionsAndSharedWithTheBatch)
{
    QStandardPaths::setTestModeEnabled(true);
    const std::string key = "testText" + std::to_string(QCoreApplication::applicationPid());
    for (const char* value : {"en", "ru", ""}) {
        QtPlatform().rememberText(key, value);
        EXPECT_EQ(QtPlatform().rememberedText(key, "fallback"), value);
        EXPECT_EQ(readRememberedText(key, "fallback"), value);
    }
    EXPECT_EQ(QtPlatform().rememberedText(key + "Never", "fallback"), "fallback");
    QStandardPaths::setTestModeEnabled(false);
}
