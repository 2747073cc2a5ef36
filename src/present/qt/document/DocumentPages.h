// SPDX-License-Identifier: GPL-3.0-or-later
// The painters of the document's pages, one per kind, each drawing one page of the plan on the
// sheet (the footer is drawn by the caller).
#pragma once
#include <QLineF>
#include <vector>

#include "present/DocumentPlan.h"
#include "present/qt/document/DocumentSheet.h"

// The colours of the joints O, A and B on the mechanism's drawing: pure and found nowhere else on
// its page, so the drawing can be measured.
inline const QColor kJointOColour(255, 0, 0);
inline const QColor kJointAColour(0, 170, 0);
inline const QColor kJointBColour(0, 0, 255);

// What the drawing of the starting position holds, in mm of the page: its lines, its joints'
// and centres' marks, and each label's rectangle with the point it names.
struct SchemeMarks {
    std::vector<QLineF> lines;
    std::vector<QRectF> marks;
    std::vector<QRectF> labels;
    std::vector<QPointF> anchors;
};

// The mechanism to scale at its starting position with its dimensions, and the plan of its
// positions every 30° of crank angle over one turn when it assembles at all of them. Every
// label stands clear of the lines and of the other labels; `marks`, when given, receives what
// the starting position's drawing holds.
void paintMechanismPage(Sheet& sheet, const DocumentInput& in, SchemeMarks* marks = nullptr);

// The charts the page names, each panel over the crank angle of the run.
void paintChartsPage(Sheet& sheet, const DocumentInput& in, const DocumentPage& page);

// The load's chart over its table's abscissa, in the box (mm).
void paintLoadChart(Sheet& sheet, const DocumentInput& in, const QRectF& box);
