// Everything the program asks of the platform, as one small interface: message boxes, the
// standard error report, file dialogs, starting a program, the locale's decimal separator, the
// busy cursor.
// The Qt implementation lives in app/qt; tests use a recording fake.
#pragma once
#include <optional>
#include <string>

#include "base/MessageText.h" // elideMiddle, for the boxes

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
    // Starts a program (no arguments, normal window state, no waiting); false if it could not
    // start.
    virtual bool startProgram(const std::string& path) = 0;
    // The locale's decimal separator, '.' when the setting is missing.
    virtual char localeDecimalSeparator() = 0;
    // Folder of the running executable, with a trailing '/'.
    virtual std::string executableDir() = 0;
    // The busy cursor over the program's windows, for work longer than a blink; calls nest and
    // each beginBusy needs its endBusy (use BusyCursor). A message box shown meanwhile shows the
    // normal cursor.
    virtual void beginBusy() {}
    virtual void endBusy() {}
};

// The busy cursor for the life of a scope: shown at construction, taken back on every way out,
// an exception included.
class BusyCursor {
public:
    explicit BusyCursor(Platform& platform) : platform_(platform) { platform_.beginBusy(); }
    ~BusyCursor() { platform_.endBusy(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Platform& platform_;
};

// The message of the standard error report: a final period added unless it ends in one.
inline std::string errorReportText(const std::string& message)
{
    if (!message.empty() && message.back() == '.') return message;
    return message + ".";
}
