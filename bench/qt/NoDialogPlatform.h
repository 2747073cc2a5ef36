// SPDX-License-Identifier: GPL-3.0-or-later
// The platform of the window benchmarks.
#pragma once
#include <QCoreApplication>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

// The program's platform without its dialogs: a benchmark must never wait on a box. The captions
// are read from beside the executable, as the program reads them.
class NoDialogPlatform final : public Platform {
public:
    std::vector<std::string> errors;
    void showMessage(const std::string& text) override { errors.push_back(text); }
    void showError(const std::string& message) override { errors.push_back(message); }
    using Platform::openFileName;
    using Platform::saveFileName;
    std::optional<std::string> openFileName(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFileName(const FileDialogRequest&) override { return {}; }
    bool startProgram(const std::string&, const std::vector<std::string>&) override
    {
        return false;
    }
    char localeDecimalSeparator() override { return '.'; }
    std::string executableDir() override
    {
        return QCoreApplication::applicationDirPath().toStdString() + "/";
    }
    std::string userDataDir() override { return executableDir(); }
    bool canWriteIn(const std::string& dir) override { return systemCanWriteIn(dir); }
};
