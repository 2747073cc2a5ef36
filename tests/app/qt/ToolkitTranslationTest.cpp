// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's own texts in Russian: the translation is loaded whatever the locale, and a
// missing file is no error.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <gtest/gtest.h>

#include "app/qt/ToolkitTranslation.h"

namespace {

// The standard button's caption as a dialog shows it.
QString cancelText()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

} // namespace

TEST(ToolkitTranslation, MissingFileIsNoError)
{
    EXPECT_EQ(installToolkitTranslation(QDir::tempPath() + "/no-such-folder-for-kinovar"), nullptr);
    EXPECT_EQ(cancelText(), "Cancel");
}

TEST(ToolkitTranslation, StandardButtonsSpeakRussian)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(folder + "/qtbase_ru.qm"))
        GTEST_SKIP() << "qtbase_ru.qm is not installed (package qt6-translations-l10n)";
    QTranslator* translator = installToolkitTranslation();
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(cancelText(), "Отмена");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), "Сохранить как");
    // The other tests expect the toolkit's own English.
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(cancelText(), "Cancel");
}
