// Everything the program asks of the platform, as one small interface: message boxes, the
// standard error report, file dialogs, starting a program, the locale's decimal separator, and
// the folders the program's files live in.
// The Qt implementation lives in app/qt; tests use a recording fake.
#pragma once
#include <optional>
#include <string>
#include <vector>

class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box with one text and an OK button; returns when closed.
    virtual void showMessage(const std::string& text) = 0;
    // The standard error report: error icon, caption "Kinovar", errorReportText(message).
    virtual void showError(const std::string& message) = 0;
    // Open dialog with a filter such as "Text File|*.txt|Any Type|*.*"; remembers the last
    // path; nullopt when the user cancelled.
    virtual std::optional<std::string> openFileName(const std::string& filter) = 0;
    // Save dialog; asks before replacing an existing file; nullopt when cancelled.
    virtual std::optional<std::string> saveFileName(const std::string& filter) = 0;
    // Starts a program with the given arguments (normal window state, no waiting); false if it
    // could not start.
    virtual bool startProgram(const std::string& path, const std::vector<std::string>& args) = 0;
    // The locale's decimal separator, '.' when the setting is missing.
    virtual char localeDecimalSeparator() = 0;
    // Folder of the running executable, with a trailing '/'.
    virtual std::string executableDir() = 0;
    // The user's own folder for the files the program writes (on Linux
    // ~/.local/share/Kinovar/), with a trailing '/'. It may not exist yet.
    virtual std::string userDataDir() = 0;
    // False only when `dir` exists but the program may not create files in it (its permissions,
    // a read-only file system); a missing folder counts as writable, so that writing there
    // reports the folder's absence.
    virtual bool canWriteIn(const std::string& dir) = 0;
};

// canWriteIn as the operating system answers it for this process.
bool systemCanWriteIn(const std::string& dir);

// The message of the standard error report: a final period added unless it ends in one.
inline std::string errorReportText(const std::string& message)
{
    if (!message.empty() && message.back() == '.') return message;
    return message + ".";
}

// A message as a box can show it: a text longer than maxBytes keeps its start and its end around
// "…", cut on UTF-8 character boundaries. (A pasted megabyte line would take the toolkit seconds
// to lay out, and nobody reads it.)
std::string elideMiddle(const std::string& text, size_t maxBytes = 2000);
