// SPDX-License-Identifier: GPL-3.0-or-later
// The chart pages and the load's chart: every panel plots its quantities over the crank angle
// of the run's steps; the flywheel's panel plots ΔT over the steps of the summary's period run.
#include <QPainter>
#include <algorithm>
#include <array>

#include "base/UiText.h"
#include "calc/CrankAngle.h"
#include "calc/Summary.h"
#include "present/qt/document/DocumentPages.h"

namespace {

const std::array<QColor, 3> kCurveColours = {QColor(200, 30, 30), QColor(20, 90, 200),
                                             QColor(20, 140, 60)};

QString axisTitle(const char* symbol, Quantity unitOf)
{
    return QStringLiteral("%1, %2").arg(
        QString::fromUtf8(symbol), QString::fromStdString(shownUnit(quantityInfo(unitOf).unit)));
}

std::vector<PlotCurve> panelCurves(const DocumentInput& in, const DocumentPanel& panel)
{
    const ParamSet& p = *in.run;
    std::vector<PlotCurve> curves;
    if (panel.surplus) {
        std::string error;
        const SummaryOptions options = summaryOptions(p, in.delta);
        // The flywheel of the summary: that of the figures' period run.
        const FigureRun figures(*in.store, p, in.store->computedSteps(), options.period);
        const std::optional<FlywheelSizing> f =
            sizeFlywheel(figures.store(), figures.params(), figures.steps(), options, &error);
        PlotCurve c{{}, kCurveColours[0], QStringLiteral("ΔT")};
        if (f)
            for (size_t k = 0; k < f->surplus.size(); ++k)
                c.points.emplace_back(static_cast<double>(crankAngleDegrees(
                                          figures.params(), f->firstStep + static_cast<int>(k))),
                                      static_cast<double>(f->surplus[k]));
        curves.push_back(std::move(c));
        return curves;
    }
    for (size_t k = 0; k < panel.curves.size(); ++k) {
        PlotCurve c{
            {}, kCurveColours[k % kCurveColours.size()], QString::fromUtf8(panel.curves[k].legend)};
        const Quantity q = panel.curves[k].quantity;
        for (int i = 1; i <= in.store->computedSteps(); ++i)
            c.points.emplace_back(static_cast<double>(crankAngleDegrees(p, i)),
                                  static_cast<double>((*in.store)(q, i)));
        curves.push_back(std::move(c));
    }
    return curves;
}

} // namespace

void paintChartsPage(Sheet& sheet, const DocumentInput& in, const DocumentPage& page)
{
    const std::vector<DocumentChart>& charts = documentCharts();
    double y = sheet.heading(QString::fromStdString(uiText("Document", "Графики")));
    const double panelHeight = (kBottomMm - y) / kPanelsPerPage - 8;
    for (size_t c : page.charts) {
        sheet.text(QRectF(kLeftMm, y, kRightMm - kLeftMm, 6),
                   QString::fromStdString(uiText("Document", charts[c].caption)), 10, true);
        y += 7;
        for (const DocumentPanel& panel : charts[c].panels) {
            sheet.plot(QRectF(kLeftMm, y, kRightMm - kLeftMm, panelHeight), QStringLiteral("φ, °"),
                       axisTitle(panel.symbol, panel.unitOf), panelCurves(in, panel), in.decimal);
            y += panelHeight + 1;
        }
    }
}

void paintLoadChart(Sheet& sheet, const DocumentInput& in, const QRectF& box)
{
    const LoadTable& load = in.run->load;
    const bool byStroke = load.kind == LoadKind::ByStroke;
    PlotCurve toward{{},
                     kCurveColours[0],
                     byStroke ? QString::fromStdString(uiText("Document", "к кривошипу"))
                              : QString()};
    PlotCurve away{
        {}, kCurveColours[1], QString::fromStdString(uiText("Document", "от кривошипа"))};
    for (const LoadPoint& point : load.points) {
        toward.points.emplace_back(static_cast<double>(point.x), static_cast<double>(point.force));
        away.points.emplace_back(static_cast<double>(point.x),
                                 static_cast<double>(point.forceAway));
    }
    std::vector<PlotCurve> curves{toward};
    if (byStroke) curves.push_back(away);
    sheet.plot(box,
               byStroke ? QString::fromStdString(uiText("Document", "доля хода"))
                        : QStringLiteral("φ, °"),
               QString::fromStdString(uiText("Document", "Q, Н")), curves, in.decimal);
}
