// SPDX-License-Identifier: GPL-3.0-or-later
// The platform layer on Qt: message boxes, the error report, file dialogs, starting programs,
// and the decimal separator of the locale.
#pragma once
#include <QFileDialog>
#include <QHash>
#include <QString>
#include <memory>

#include "platform/Platform.h"

class QLocale;
class QWidget;

class QtPlatform : public Platform {
public:
    void showMessage(const std::string& text) override;
    void showError(const std::string& message) override;
    using Platform::openFileName;
    using Platform::saveFileName;
    std::optional<std::string> openFileName(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override;
    bool startProgram(const std::string& path, const std::vector<std::string>& args) override;
    bool openDocument(const std::string& path, const std::string& anchor) override;
    // The separator of the default locale (the system's, from LC_ALL, LC_NUMERIC or LANG,
    // unless a test set another with QLocale::setDefault).
    char localeDecimalSeparator() override;
    std::string executableDir() override;
    // QStandardPaths::AppLocalDataLocation, named after the application.
    std::string userDataDir() override;
    bool canWriteIn(const std::string& dir) override;
    // The wait cursor as the application's override cursor; message boxes push the arrow over it.
    void beginBusy() override;
    void endBusy() override;
    SaveChoice askSaveChanges(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    StaleChoice askStaleResults(const std::string& text) override;
    // QPrintDialog on a high-resolution QPrinter named after the title, A4 portrait.
    bool printDocument(const std::string& title,
                       const std::function<bool(QPagedPaintDevice&)>& paint) override;
    std::optional<std::string> askText(const std::string& prompt,
                                       const std::string& initial) override;
    // Kept with QSettings, in the user's configuration folder (on Linux
    // ~/.config/Kinovar/Kinovar.conf), group "flags".
    bool rememberedFlag(const std::string& key, bool fallback) override;
    void rememberFlag(const std::string& key, bool value) override;
    // The same file, group "texts" (readRememberedText, which the batch reads as well).
    std::string rememberedText(const std::string& key, const std::string& fallback) override;
    void rememberText(const std::string& key, const std::string& value) override;

    // The path a dialog of this memory starts at: the last one chosen under it, empty before.
    QString rememberedPath(const std::string& memoryKey) const;

private:
    std::optional<std::string> runDialog(QFileDialog::AcceptMode mode,
                                         const FileDialogRequest& request);
    QHash<QString, QString> lastPaths_; // memory key -> path last chosen under it
};

// The dialog for `request`, ready to run and not yet shown: open or save by `mode`, Qt's form of
// the filter, the default suffix, starting at `startPath` (its folder and name) when not empty.
// A save dialog asks before an existing file is replaced, with the suffix already added; an open
// dialog takes existing files only.
std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                            const FileDialogRequest& request,
                                            const QString& startPath);

// A filter such as "Text File|*.txt|Any Type|*.*" in Qt's form, "Text File (*.txt);;Any Type
// (*)": pairs of description and patterns; ";" between patterns becomes a space; "*.*" means
// every file, also one without an extension. A description without patterns is dropped.
QString qtFileFilter(const std::string& filter);

// The decimal separator of a locale as one character; '.' when it is not a single ASCII one.
char decimalSeparatorOf(const QLocale& locale);
