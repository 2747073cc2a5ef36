// SPDX-License-Identifier: GPL-3.0-or-later
// The printable document from the window: "Отчёт PDF…" saves it, Ctrl+P prints it, and the
// checkable list "Графики в отчёте" chooses the charts it carries. The document is drawn from
// the last calculation with the parameters it was made with, in the window's number format.
#pragma once
#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/NumberText.h"
#include "calc/ResultStore.h"
#include "platform/Platform.h"
#include "present/DocumentPlan.h"
#include "present/ExportCheck.h"

class QAction;
class QMenu;
class QWidget;

// What the document is told by the window: the open project's file ("" for none), whose name
// titles the document; the flywheel's δ in force; and the charts chosen, kept in the project
// (nullopt: all), with their setter.
struct DocumentSources {
    std::function<std::string()> projectPath;
    std::function<long double()> delta;
    std::function<std::optional<std::vector<std::string>>()> charts;
    std::function<void(std::optional<std::vector<std::string>>)> setCharts;
};

// The PDF dialog's filter and suffix, and the memory it keeps its folder under.
inline constexpr const char* kDocumentFilter =
    QT_TRANSLATE_NOOP("DocumentCommands", "Документ PDF|*.pdf|Все файлы|*.*");
inline constexpr const char* kDocumentDialog = "documentPdf";

class DocumentCommands : public QObject {
    Q_OBJECT
public:
    DocumentCommands(Platform& platform, const ResultStore& store, const NumberFormat& numbers,
                     DocumentSources sources, QObject* parent);

    // Adds "Отчёт PDF…", "Печать…" (Ctrl+P) and the submenu "Графики в отчёте" (its marks read
    // from the project each time it opens) to `menu` before `before`; `run` runs a command as the
    // window runs every other.
    void addMenuItems(QWidget* window, QMenu* menu, QAction* before,
                      const std::function<void(const std::function<void()>&)>& run);

    // The check asked before the document is saved or printed (ExportCheck).
    void setExportCheck(ExportCheck check) { exportCheck_ = std::move(check); }

    // "Отчёт PDF…": the export check, the save dialog, then the document through the atomic save; a
    // failure is shown through the error report and keeps the old file. Without results,
    // kNoResultsMessage.
    void savePdf();
    // Ctrl+P: the export check, then the print dialog for the same document.
    void print();

    // The charts chosen, by key in document order; nullopt when all are (the default).
    std::optional<std::vector<std::string>> charts() const { return sources_.charts(); }
    // Sets the choice (in the project) and the check marks of the list.
    void setCharts(const std::optional<std::vector<std::string>>& charts);
    // The comparison of variants the document carries; an empty table leaves its page out.
    void setVariants(const DocumentTable& table) { variants_ = table; }

private:
    // The document's input from the last calculation, or nothing (the message shown).
    std::optional<DocumentInput> input() const;
    void checkMarks();

    Platform& platform_;
    const ResultStore& store_;
    const NumberFormat& numbers_;
    DocumentSources sources_;
    DocumentTable variants_;
    ExportCheck exportCheck_;
    std::vector<QAction*> chartActions_; // one per documentCharts() entry
};
