// The platform layer on Qt: message boxes, the error report, file dialogs, starting programs,
// and the decimal separator of the locale.
#pragma once
#include <QString>

#include "platform/Platform.h"

class QLocale;

class QtPlatform : public Platform {
public:
    void showMessage(const std::string& text) override;
    void showError(const std::string& message) override;
    std::optional<std::string> openFileName(const std::string& filter) override;
    std::optional<std::string> saveFileName(const std::string& filter) override;
    bool startProgram(const std::string& path, const std::vector<std::string>& args) override;
    // The separator of the default locale (the system's, from LC_ALL, LC_NUMERIC or LANG,
    // unless a test set another with QLocale::setDefault).
    char localeDecimalSeparator() override;
    std::string executableDir() override;
    // QStandardPaths::AppLocalDataLocation, named after the application.
    std::string userDataDir() override;
    bool canWriteIn(const std::string& dir) override;

private:
    QString lastOpenPath_; // each dialog starts where its last use ended
    QString lastSavePath_;
};

// A filter such as "Text File|*.txt|Any Type|*.*" in Qt's form, "Text File (*.txt);;Any Type
// (*)": pairs of description and patterns; ";" between patterns becomes a space; "*.*" means
// every file, also one without an extension. A description without patterns is dropped.
QString qtFileFilter(const std::string& filter);

// The decimal separator of a locale as one character; '.' when it is not a single ASCII one.
char decimalSeparatorOf(const QLocale& locale);
