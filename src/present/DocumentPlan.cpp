// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/DocumentPlan.h"

#include <algorithm>

#include "base/BuildInfo.h"
#include "base/NumberText.h"
#include "base/UiText.h"
#include "calc/Calculation.h"
#include "calc/Summary.h"
#include "params/ParamTable.h"
#include "params/RunSettings.h"

namespace {

using Q = Quantity;

// A value as the parameter boxes and the report take it, in the document's separator.
std::string valueText(const ParamSet& p, const ParamInfo& info, char decimal)
{
    switch (info.kind) {
    case ParamKind::Double:
    case ParamKind::Extended:
        return FormatGeneral(paramValue(p, info), decimal);
    case ParamKind::Step:
        return FormatGeneral(deg(p.step), decimal);
    case ParamKind::Cycles:
        return FormatInteger(p.cycles);
    case ParamKind::Mode:
        return p.mode != 0 ? "720" : "360";
    case ParamKind::Period:
        return FormatInteger(p.period);
    case ParamKind::Motion:
        return motionName(p.motion);
    case ParamKind::Drive:
        return driveName(p.drive);
    }
    return {};
}

// The step as the run settings offer it ("0,5"), or its degrees in full when none matches.
std::string stepText(const ParamSet& p, char decimal)
{
    const long double degrees = deg(p.step);
    const int item = tuneItemIndex(degrees);
    const long double shown = item >= 0 ? kTuneItems[static_cast<size_t>(item)].degrees : degrees;
    return FormatGeneral(shown, decimal);
}

void addRowPages(std::vector<DocumentPage>& pages, DocumentPageKind kind, size_t rows)
{
    for (size_t first = 0; first < rows; first += kRowsPerPage)
        pages.push_back({kind, first, std::min(kRowsPerPage, rows - first), {}});
}

} // namespace

const std::vector<DocumentChart>& documentCharts()
{
    static const std::vector<DocumentChart> charts = {
        {"moe",
         UI_TEXT_NOOP("Document", "Приведённый момент и работа"),
         {{"Mo", Q::mo, {{Q::mo, "Mo"}}}, {"E", Q::e, {{Q::e, "E"}}}}},
        {"slider",
         UI_TEXT_NOOP("Document", "Ползун: положение, скорость, ускорение"),
         {{"yB", Q::yb, {{Q::yb, "yB"}}},
          {"vB", Q::ybt, {{Q::ybt, "vB"}}},
          {"aB", Q::ybtt, {{Q::ybtt, "aB"}}}}},
        {"joints",
         UI_TEXT_NOOP("Document", "Силы в шарнирах"),
         {{"|F|", Q::fak, {{Q::fak, "|F_A|"}, {Q::fbk, "|F_B|"}, {Q::fok, "|F_O|"}}}}},
        {"flywheel",
         UI_TEXT_NOOP("Document", "Маховик: избыточная работа ΔT"),
         {{"ΔT", Q::e, {}, true}}},
    };
    return charts;
}

std::vector<size_t> chosenCharts(const std::optional<std::vector<std::string>>& keys)
{
    const std::vector<DocumentChart>& charts = documentCharts();
    std::vector<size_t> chosen;
    for (size_t c = 0; c < charts.size(); ++c)
        if (!keys || std::find(keys->begin(), keys->end(), charts[c].key) != keys->end())
            chosen.push_back(c);
    return chosen;
}

DocumentPlan planDocument(const DocumentInput& in)
{
    const ParamSet& p = *in.run;
    const char d = in.decimal;
    DocumentPlan plan;
    plan.projectName = in.projectName.empty() ? uiText("Document", "Без названия") : in.projectName;
    plan.titleLines = {
        fillIn(uiText("Document", "Дата: %1"), {in.date}),
        fillIn(uiText("Document", "Kinovar, версия %1"), {kKinovarVersion}),
        fillIn(uiText("Document", "Шаг расчёта: %1°"), {stepText(p, d)}),
        fillIn(uiText("Document", "Циклов: %1 (шагов: %2)"),
               {FormatInteger(p.cycles), FormatInteger(p.N)}),
        fillIn(uiText("Document", "Режим: %1"), {p.mode != 0 ? "720" : "360"}),
    };
    // A run that stopped part-way is printed over its computed steps only, and says so.
    if (const std::string stop = runStopText(*in.store, d); !stop.empty())
        plan.titleLines.push_back(stop);
    for (const ParamInfo& info : kParams)
        plan.params.push_back(
            {paramDisplayName(info), valueText(p, info, d), shownUnit(info.unit)});
    for (const ParamNote& note : kParamNotes) {
        std::string names;
        for (const ParamInfo& info : kParams)
            if (listsWord(note.keys, info.key))
                names += (names.empty() ? "" : ", ") + paramDisplayName(info);
        plan.paramNotes.push_back(names + ": " + uiText("Note", note.text));
    }

    if (p.load.active()) {
        const bool byStroke = p.load.kind == LoadKind::ByStroke;
        plan.loadHeader = byStroke
                              ? std::vector<std::string>{uiText("Document", "Доля хода"),
                                                         uiText("Document", "Q к кривошипу, Н"),
                                                         uiText("Document", "Q от кривошипа, Н")}
                              : std::vector<std::string>{"φ, °", uiText("Document", "Q, Н")};
        for (const LoadPoint& point : p.load.points) {
            std::vector<std::string> row{FormatGeneral(point.x, d), FormatGeneral(point.force, d)};
            if (byStroke) row.push_back(FormatGeneral(point.forceAway, d));
            plan.loadRows.push_back(std::move(row));
        }
    }
    const RunSummary summary =
        summarizeRun(*in.store, p, in.store->computedSteps(), summaryOptions(p, in.delta));
    plan.summary = summaryLines(summary, d);
    if (const std::string stop = runStopText(*in.store, d); !stop.empty())
        plan.summary.insert(plan.summary.begin(), SummaryLine{stop, "", "", "", false});

    std::vector<DocumentPage>& pages = plan.pages;
    pages.push_back({DocumentPageKind::Title, 0, 0, {}});
    pages.push_back({DocumentPageKind::Mechanism, 0, 0, {}});
    pages.push_back({DocumentPageKind::Parameters, 0, plan.params.size(), {}});
    if (p.load.active()) {
        const size_t rows = plan.loadRows.size();
        const size_t below = std::min(kLoadRowsBelowChart, rows);
        pages.push_back({DocumentPageKind::Load, 0, below, {}});
        for (size_t first = below; first < rows; first += kRowsPerPage)
            pages.push_back(
                {DocumentPageKind::Load, first, std::min(kRowsPerPage, rows - first), {}});
    }
    const std::vector<DocumentChart>& charts = documentCharts();
    size_t panels = kPanelsPerPage; // the room left on the last chart page
    for (size_t c : chosenCharts(in.charts)) {
        const size_t need = charts[c].panels.size();
        if (panels + need > kPanelsPerPage) {
            pages.push_back({DocumentPageKind::Charts, 0, 0, {}});
            panels = 0;
        }
        pages.back().charts.push_back(c);
        panels += need;
    }
    addRowPages(pages, DocumentPageKind::Summary, plan.summary.size());
    addRowPages(pages, DocumentPageKind::Variants, in.variants.rows.size());
    return plan;
}

std::string pageNumberText(size_t page, size_t pages)
{
    return fillIn(uiText("Document", "стр. %1 из %2"),
                  {std::to_string(page), std::to_string(pages)});
}
