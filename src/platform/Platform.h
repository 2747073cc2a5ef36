// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the program asks of the platform, as one small interface: message boxes, the
// standard error report, file dialogs, starting a program, opening a document, the locale's decimal separator, the
// busy cursor, and the folders the program's files live in.
// The Qt implementation lives in platform/qt; tests use a recording fake.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/UiText.h"

#include "base/MessageText.h" // elideMiddle, for the boxes

// What a file dialog is asked for: its filter ("Text File|*.txt|Any Type|*.*"), the suffix it adds
// to a name typed without one ("png", no dot; empty for none), and the name of its memory: dialogs
// with the same memoryKey start where the last of them ended, others keep their own path; and the
// dialog's title, the toolkit's own when empty.
struct FileDialogRequest {
    std::string filter;
    std::string defaultSuffix;
    std::string memoryKey;
    std::string title = {};
};

// The toolkit's paged device a printed document is drawn on (a printer on Qt); only named here.
class QPagedPaintDevice;

// The memories of the program's dialogs.
inline constexpr const char* kReportOpenDialog = "reportOpen";
inline constexpr const char* kReportSaveDialog = "reportSave";

// The answer to "save the changes first?": save them, drop them, or keep working.
enum class SaveChoice { Save, Discard, Cancel };
// The answer to "the results belong to other parameters: write them?": write them as they are,
// calculate again and write the new ones, or write nothing.
enum class StaleChoice { SaveAsIs, Recalculate, Cancel };

class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box with one text and an OK button; returns when closed.
    virtual void showMessage(const std::string& text) = 0;
    // The standard error report: error icon, caption "Kinovar", errorReportText(message).
    virtual void showError(const std::string& message) = 0;
    // Open dialog for `request`: starts at the last path chosen under its memoryKey and keeps
    // the chosen one there; nullopt when the user cancelled.
    virtual std::optional<std::string> openFileName(const FileDialogRequest& request) = 0;
    // Save dialog for `request`, remembering as the open dialog does. A name typed without a
    // suffix gets request.defaultSuffix before the dialog asks about replacing an existing file,
    // so the question names the file that will be written; nullopt when cancelled.
    virtual std::optional<std::string> saveFileName(const FileDialogRequest& request) = 0;
    // The same with a filter alone: no default suffix, the report dialogs' memories.
    std::optional<std::string> openFileName(const std::string& filter)
    {
        return openFileName(FileDialogRequest{filter, "", kReportOpenDialog});
    }
    std::optional<std::string> saveFileName(const std::string& filter)
    {
        return saveFileName(FileDialogRequest{filter, "", kReportSaveDialog});
    }
    // Starts a program with the given arguments (normal window state, no waiting); false if it
    // could not start.
    virtual bool startProgram(const std::string& path, const std::vector<std::string>& args) = 0;
    // Opens the local file `path`, at `anchor` (an HTML fragment; "" for the top), in the system's
    // viewer for its type (the browser for a page), without waiting; false when none could be
    // started, as on a platform without one.
    virtual bool openDocument(const std::string& path, const std::string& anchor)
    {
        return (void)path, (void)anchor, false;
    }
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
    // The busy cursor over the program's windows, for work longer than a blink; calls nest and
    // each beginBusy needs its endBusy (use BusyCursor). A message box shown meanwhile shows the
    // normal cursor.
    virtual void beginBusy() {}
    virtual void endBusy() {}
    // Modal question with "Сохранить", "Не сохранять" and "Отмена"; closing the box cancels.
    // A platform without boxes keeps the changes (Cancel).
    virtual SaveChoice askSaveChanges(const std::string& text)
    {
        return (void)text, SaveChoice::Cancel;
    }
    // Modal question with "Сохранить их как есть", "Пересчитать и сохранить" and "Отмена";
    // closing the box cancels, as does a platform without boxes.
    virtual StaleChoice askStaleResults(const std::string& text)
    {
        return (void)text, StaleChoice::Cancel;
    }
    // Modal question with "Да" and "Нет"; closing the box answers no, as does a platform
    // without boxes.
    virtual bool askYesNo(const std::string& text) { return (void)text, false; }
    // The print dialog for a document titled `title`: when the user accepts it, `paint` draws
    // the document on the printer chosen. False when cancelled, when the printer fails or
    // `paint` does, as on a platform without printers.
    virtual bool printDocument(const std::string& title,
                               const std::function<bool(QPagedPaintDevice&)>& paint)
    {
        return (void)title, (void)paint, false;
    }
    // Modal line entry under `prompt`, filled with `initial`: the text confirmed, or nullopt when
    // cancelled, as on a platform without boxes.
    virtual std::optional<std::string> askText(const std::string& prompt,
                                               const std::string& initial)
    {
        return (void)prompt, (void)initial, std::nullopt;
    }
    // A choice the user made that the program keeps between sessions, by key; `fallback` when
    // none was kept (and on a platform that keeps nothing).
    virtual bool rememberedFlag(const std::string& key, bool fallback)
    {
        return (void)key, fallback;
    }
    virtual void rememberFlag(const std::string& key, bool value) { (void)key, (void)value; }
    // The same for a choice kept as text (the language's code): `fallback` when none was kept.
    virtual std::string rememberedText(const std::string& key, const std::string& fallback)
    {
        return (void)key, fallback;
    }
    virtual void rememberText(const std::string& key, const std::string& value)
    {
        (void)key, (void)value;
    }
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

// A page that forwards the browser to `url` ("file:///…/course.html#flywheel") at once, with a
// link to it for a browser that does not follow: a local page opened by its path loses its
// fragment on the way through the desktop's opener, this page keeps it. `url` is percent-encoded;
// & and " in it are written as character references.
std::string forwardingPage(const std::string& url);

// canWriteIn as the operating system answers it for this process.
bool systemCanWriteIn(const std::string& dir);

// The message of the standard error report: a final period added to its first line unless that
// line ends in one; the lines after it (the name of the file concerned) follow as they are.
inline std::string errorReportText(const std::string& message)
{
    const size_t end = message.find('\n');
    std::string text = message.substr(0, end);
    if (text.empty() || text.back() != '.') text += '.';
    if (end != std::string::npos) text += message.substr(end);
    return text;
}

// A message about a file, with the file's name on a second line as quoteText shows it:
// "Disk full\nФайл \"<path>\"", in the user's language.
std::string fileErrorText(const std::string& message, const std::string& path);

// The refusal of a target that is neither a regular file nor a new name.
// A source text of context "Platform": shown through uiText.
inline constexpr const char* kNotARegularFileMessage =
    UI_TEXT_NOOP("Platform", "Сохранять можно только в обычный файл или под новым именем");

// True when `path` may be saved to: nothing stands there yet, or a regular file does (links
// followed). A folder, a pipe, a device or a socket is no target: writing to a pipe that no
// process reads would hang the program.
bool isSaveTarget(const std::string& path);

// The save dialog for `request`, whose choice must pass isSaveTarget: any other is refused with
// the error report kNotARegularFileMessage naming it, and nothing is returned, as on cancel.
std::optional<std::string> chooseSaveTarget(Platform& platform, const FileDialogRequest& request);
