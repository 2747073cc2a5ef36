// SPDX-License-Identifier: GPL-3.0-or-later
// The printable document of a run, without drawing: which pages it has and in what order, the
// charts it may carry under their keys, and every text line its tables print. The drawing
// (present/qt/document) follows this plan page by page, so the page count is known here.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/Quantities.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "present/SummaryText.h"

// A plain table for the comparison of variants: a header, rows of the same width, and for each
// cell whether it is the best of its column (printed bold). Empty rows: no page.
struct DocumentTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::vector<bool>> best; // may be shorter than rows: missing cells are not best
};

// One curve of a chart panel: a quantity of the store and its legend.
struct DocumentCurve {
    Quantity quantity;
    const char* legend;
};

// One plot over the crank angle: its symbol for the axis title ("Mo"), the quantity whose unit
// the axis takes, and its curves; `surplus` plots the flywheel's ΔT over the period instead.
struct DocumentPanel {
    const char* symbol;
    Quantity unitOf;
    std::vector<DocumentCurve> curves;
    bool surplus = false;
};

// A chart the user may choose: its key (kept in the project), its caption and its panels.
struct DocumentChart {
    const char* key;
    const char* caption; // a source text of context "Document": shown through uiText
    std::vector<DocumentPanel> panels;
};

// Every chart the document can carry, in document order: "moe" (Mo and E), "slider" (position,
// velocity, acceleration), "joints" (|F_A|, |F_B|, |F_O|) and "flywheel" (ΔT).
const std::vector<DocumentChart>& documentCharts();

// What the document is made from. `run` and `store` are the calculation's (the parameters the
// results were computed with); the document reads the store's computed steps only and, for a
// run that stopped part-way, says where and why. `charts` names the charts to include, nullopt
// for all.
struct DocumentInput {
    const ParamSet* run = nullptr;
    const ResultStore* store = nullptr;
    std::string projectName; // "" prints "Без названия"
    std::string date;        // as printed
    char decimal = '.';
    long double delta = 0.05L; // the flywheel's δ
    std::optional<std::vector<std::string>> charts;
    DocumentTable variants;
};

enum class DocumentPageKind { Title, Mechanism, Parameters, Load, Charts, Summary, Variants };

// One page: its kind, the rows [first, first + count) of its table (load points, summary
// lines, variant rows) and, for a chart page, the indexes into documentCharts() it draws.
struct DocumentPage {
    DocumentPageKind kind;
    size_t first = 0;
    size_t count = 0;
    std::vector<size_t> charts;
};

// One row of the parameter table: caption, value in the document's separator, unit.
struct DocumentParamRow {
    std::string caption;
    std::string value;
    std::string unit;
};

// The rows a table page holds; a chart page holds up to kPanelsPerPage panels, and a chart is
// never split over two pages.
inline constexpr size_t kRowsPerPage = 46;
inline constexpr size_t kLoadRowsBelowChart = 24;
inline constexpr size_t kPanelsPerPage = 3;

struct DocumentPlan {
    std::vector<std::string> titleLines;  // the title block below the project's name
    std::string projectName;              // "Без названия" when the input has none
    std::vector<DocumentParamRow> params; // every parameter of the table, in table order
    // Below the table: each note of kParamNotes, after the captions of the parameters it covers
    // as the table names them ("I1, I2: Момент инерции ...").
    std::vector<std::string> paramNotes;
    std::vector<std::vector<std::string>> loadRows; // x, Q (and Q away) per load point
    std::vector<std::string> loadHeader;
    std::vector<SummaryLine> summary; // summaryLines of the run
    std::vector<DocumentPage> pages;
};

// The chart keys an input asks for, as indexes into documentCharts(): every chart for nullopt,
// else the known keys in document order (unknown keys are ignored).
std::vector<size_t> chosenCharts(const std::optional<std::vector<std::string>>& keys);

// The plan of the document: Title, Mechanism, Parameters, then the load's pages when a load is
// set, the chart pages, the summary's pages, and the variants' pages when the table has rows.
// `in.run` and `in.store` must be set.
DocumentPlan planDocument(const DocumentInput& in);

// The footer of page `page` (1-based) of `pages`: "стр. N из M".
std::string pageNumberText(size_t page, size_t pages);
