// SPDX-License-Identifier: GPL-3.0-or-later
// The document's layout where it must stay legible: the scheme's labels clear of the lines and
// of one another, each near its point; the variants table's headings wrapped within their
// columns; the inputs named as the interface names them.
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

#include "calc/Calculation.h"
#include "params/Autofill.h"
#include "present/DocumentPlan.h"
#include "present/VariantTable.h"
#include "present/qt/document/DocumentPages.h"
#include "present/qt/document/LabelPlacement.h"

namespace {

// A page of 10 dots per mm to draw on.
struct Page {
    QImage image{2100, 2970, QImage::Format_RGB32};
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<Sheet> sheet;
    Page()
    {
        image.fill(Qt::white);
        painter = std::make_unique<QPainter>(&image);
        sheet = std::make_unique<Sheet>(*painter, 10);
    }
};

// Whether the segment and the rectangle share a point, worked out here by sampling the segment
// finely: a check of the placement that does not use its own test.
bool touches(const QRectF& r, const QLineF& l)
{
    for (int k = 0; k <= 2000; ++k)
        if (r.contains(l.pointAt(k / 2000.0))) return true;
    return false;
}

} // namespace

TEST(DocumentLayout, SchemeLabelsStayClearOfLinesAndOneAnother)
{
    const struct {
        const char* what;
        double l1, l2, b, fi0;
    } cases[] = {
        {"defaults: C3 on B", 0, 0, 0, 0},
        {"offset guide", 0.1, 0.4, 0.05, 30},
        {"long crank", 0.2, 0.5, -0.1, 120},
        {"crank along the guide", 0.05, 0.3, 0, 90},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ParamSet p;
        setDefaults(p);
        if (c.l1 > 0) {
            p.l1 = c.l1;
            p.l2 = c.l2;
            p.b = c.b;
            p.fi0 = c.fi0;
        }
        ASSERT_TRUE(autofillPoints(p));
        auto store = std::make_unique<ResultStore>();
        runCalculation(p, *store);
        DocumentInput in;
        in.run = &p;
        in.store = store.get();
        Page page;
        SchemeMarks marks;
        paintMechanismPage(*page.sheet, in, &marks);
        // O, A, B, C1..C3, l1, l2, b.
        ASSERT_EQ(marks.labels.size(), 9u);
        for (size_t a = 0; a < marks.labels.size(); ++a) {
            const QRectF& label = marks.labels[a];
            for (const QLineF& line : marks.lines)
                EXPECT_FALSE(touches(label, line)) << "label " << a << " on a line";
            for (const QRectF& mark : marks.marks)
                EXPECT_FALSE(label.intersects(mark)) << "label " << a << " on a joint";
            for (size_t b = a + 1; b < marks.labels.size(); ++b)
                EXPECT_FALSE(label.intersects(marks.labels[b])) << "labels " << a << ", " << b;
            const QPointF off = label.center() - marks.anchors[a];
            EXPECT_LT(std::hypot(off.x(), off.y()), 15) << "label " << a << " far from its point";
        }
    }
}

// Placement on its own: a label whose preferred spot lies on a line or on an earlier label
// moves to a free spot; one with no free spot at all still gets one.
TEST(DocumentLayout, LabelsMoveOffLinesAndLabels)
{
    const QSizeF size(4, 3);
    const std::vector<QLineF> lines{{QPointF(0, 10), QPointF(100, 10)}};
    const struct {
        const char* what;
        std::vector<LabelRequest> labels;
    } cases[] = {
        {"on the line", {{QPointF(50, 10), size, QPointF(0, 0)}}},
        {"two at one point",
         {{QPointF(20, 30), size, QPointF(3, 3)}, {QPointF(20, 30), size, QPointF(3, 3)}}},
        {"free already", {{QPointF(50, 40), size, QPointF(4, 4)}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<QRectF> placed = placeLabels(c.labels, lines, {});
        ASSERT_EQ(placed.size(), c.labels.size());
        for (size_t a = 0; a < placed.size(); ++a) {
            EXPECT_FALSE(touches(placed[a], lines[0]));
            for (size_t b = a + 1; b < placed.size(); ++b)
                EXPECT_FALSE(placed[a].intersects(placed[b]));
        }
    }
    // Preferred and free: kept where asked.
    const auto kept = placeLabels({{QPointF(50, 40), size, QPointF(4, 4)}}, lines, {});
    EXPECT_EQ(kept.front().center(), QPointF(54, 44));
}

// Each heading of the variants table fits its column: wrapped at its words, no line wider than
// the column, and the header tall enough for the tallest.
TEST(DocumentLayout, VariantHeadingsWrapWithinTheirColumns)
{
    Variant v;
    v.name = "Вариант с длинным названием";
    const DocumentTable table = variantTable({v, v}, std::nullopt, ',');
    QStringList header;
    for (const std::string& h : table.header)
        header << QString::fromStdString(h);
    ASSERT_GT(header.size(), 5);
    Page page;
    const double column = (kRightMm - kLeftMm) / header.size();
    const std::vector<double> widths(static_cast<size_t>(header.size()), column);
    const Sheet::HeaderLayout layout = page.sheet->headerLayout(widths, header);
    ASSERT_EQ(layout.points.size(), static_cast<size_t>(header.size()));
    bool wrapped = false;
    for (qsizetype c = 0; c < header.size(); ++c) {
        SCOPED_TRACE(header[c].toStdString());
        const double points = layout.points[static_cast<size_t>(c)];
        EXPECT_GE(points, 6);
        const QFontMetricsF metrics(page.sheet->font(points, true), &page.image);
        const double room = page.sheet->dots(column - 2);
        const QRectF bounds =
            metrics.boundingRect(QRectF(0, 0, room, 1e6), Qt::TextWordWrap, header[c]);
        EXPECT_LE(bounds.width(), room);
        EXPECT_LE(bounds.height(), page.sheet->dots(layout.heightMm));
        // Set on one line, the heading would not fit: it is wrapped, not cut.
        wrapped = wrapped || metrics.horizontalAdvance(header[c]) > room;
    }
    EXPECT_TRUE(wrapped);
    EXPECT_GT(layout.heightMm, kRowMm);
}

// The inputs table names every parameter as the interface does, with its unit: no file key.
TEST(DocumentLayout, InputsAreNamedNotKeyed)
{
    ParamSet p;
    setDefaults(p);
    auto store = std::make_unique<ResultStore>();
    runCalculation(p, *store);
    DocumentInput in;
    in.run = &p;
    in.store = store.get();
    const DocumentPlan plan = planDocument(in);
    const struct {
        const char* name;
        const char* unit;
    } expected[] = {{"Шаг расчёта", "°"}, {"Циклов", ""},           {"Режим", "°"},
                    {"δ маховика", ""},   {"Период нагрузки", "°"}, {"M2", "кг"}};
    for (const auto& e : expected) {
        const auto row = std::find_if(plan.params.begin(), plan.params.end(),
                                      [&](const auto& r) { return r.caption == e.name; });
        ASSERT_NE(row, plan.params.end()) << e.name;
        EXPECT_EQ(row->unit, e.unit) << e.name;
    }
    for (const auto& row : plan.params)
        for (const char* key : {"aux", "delta", "step", "cycles", "mode", "period"})
            EXPECT_NE(row.caption, key);
}
