// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed layouts of the report, the listing and the animation file as the catalogue's carriers
// give them: each layout lists exactly the quantities that carry its file, and the legacy files'
// rows stay where they always were.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "calc/Quantities.h"

using Q = Quantity;

namespace {

struct Layout {
    const char* file;
    uint8_t bit;
    std::vector<Quantity> rows;
};

std::vector<Layout> layouts()
{
    std::vector<Quantity> kinetic(kKineticAngleRows.begin(), kKineticAngleRows.end());
    kinetic.insert(kinetic.end(), kKineticPositionRows.begin(), kKineticPositionRows.end());
    return {
        {"report", kInReport, {kReportLayout.begin(), kReportLayout.end()}},
        {"listing", kInListing, {kListingLayout.begin(), kListingLayout.end()}},
        {"animation file", kInKinetic, kinetic},
    };
}

bool isGapOf(Quantity row, uint8_t bit)
{
    for (const LayoutGap& g : kLayoutGaps)
        if (g.row == row && (g.files & bit)) return true;
    return false;
}

std::vector<int> rowsOf(const std::vector<Quantity>& rows)
{
    std::vector<int> out;
    for (Quantity q : rows)
        out.push_back(rowOf(q));
    return out;
}

std::vector<int> range(int first, int last)
{
    std::vector<int> out;
    for (int r = first; r <= last; ++r)
        out.push_back(r);
    return out;
}

} // namespace

TEST(QuantityCarriers, EachLayoutListsItsCarriersAndGapsOnceInRowOrder)
{
    for (const Layout& l : layouts()) {
        SCOPED_TRACE(l.file);
        std::set<Quantity> expected;
        for (const QuantityInfo& q : kQuantities)
            if (q.files & l.bit) expected.insert(q.id);
        for (const LayoutGap& g : kLayoutGaps)
            if (g.files & l.bit) expected.insert(g.row);
        const std::set<Quantity> listed(l.rows.begin(), l.rows.end());
        EXPECT_EQ(listed, expected);
        EXPECT_EQ(l.rows.size(), listed.size()); // none twice
        for (Quantity q : l.rows)
            EXPECT_TRUE(quantityAtRow(rowOf(q)) != nullptr || isGapOf(q, l.bit)) << rowOf(q);
    }
    EXPECT_TRUE(std::is_sorted(kReportLayout.begin(), kReportLayout.end()));
    EXPECT_TRUE(std::is_sorted(kListingLayout.begin(), kListingLayout.end()));
}

TEST(QuantityCarriers, TheAnimationFileWritesItsAnglesFirstThenPointsAsXYPairs)
{
    for (Quantity q : kKineticAngleRows)
        EXPECT_STREQ(quantityInfo(q).unit, "рад") << quantityInfo(q).name;
    for (size_t k = 0; k < kKineticPositionRows.size(); ++k) {
        const std::string name = quantityInfo(kKineticPositionRows[k]).name;
        EXPECT_STREQ(quantityInfo(kKineticPositionRows[k]).unit, "м") << name;
        EXPECT_EQ(name.substr(0, 1), k % 2 == 0 ? "x" : "y") << name;
    }
}

// The legacy files' layouts, pinned row for row: these never change, whatever is added.
TEST(QuantityCarriers, LegacyLayoutsKeepTheirRows)
{
    struct Case {
        const char* file;
        std::vector<Quantity> layout;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {"report", {kReportLayout.begin(), kReportLayout.end()}, range(0, 78)},
        {"listing", {kListingLayout.begin(), kListingLayout.end()}, range(0, 76)},
        {"animation angles", {kKineticAngleRows.begin(), kKineticAngleRows.end()}, {0, 8}},
        {"animation points",
         {kKineticPositionRows.begin(), kKineticPositionRows.end()},
         {12, 13, 20, 21, 26, 27}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(rowsOf(c.layout), c.rows);
    }
    EXPECT_EQ(rowOf(Q::fi), 0);
    EXPECT_EQ(rowOf(Q::foy), 76);
    EXPECT_EQ(rowOf(Q::q), 79);
}

TEST(QuantityCarriers, ListingFieldFindsEachFieldsRowAndNothingElse)
{
    std::vector<int> fieldOfRow(kStoreRows, -1);
    for (size_t f = 0; f < kListingLayout.size(); ++f)
        fieldOfRow[size_t(rowOf(kListingLayout[f]))] = int(f);
    for (int r = 0; r < kStoreRows; ++r)
        EXPECT_EQ(listingField(r), fieldOfRow[size_t(r)]) << r;
    EXPECT_EQ(listingField(-1), -1);
    EXPECT_EQ(listingField(kStoreRows), -1);
}

TEST(QuantityCarriers, GridShowsEveryRowAnyLayoutOrQuantityUses)
{
    int last = -1;
    for (const QuantityInfo& q : kQuantities)
        last = std::max(last, rowOf(q.id));
    for (const LayoutGap& g : kLayoutGaps)
        last = std::max(last, rowOf(g.row));
    EXPECT_EQ(kGridValueRows, last + 1);
    EXPECT_GE(kGridValueRows, kReportRows);
}
