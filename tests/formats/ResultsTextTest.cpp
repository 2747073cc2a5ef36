// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "base/Errors.h"
#include "base/NumberText.h"
#include "formats/ResultsTestFiles.h"
#include "formats/ResultsText.h"
#include "params/ParamSet.h"

namespace {

// One zeroed store for the suite; each test clears the steps it used.
class ResultsText : public ::testing::Test {
protected:
    static void SetUpTestSuite() { store_ = std::make_unique<ResultStore>(); }
    static void TearDownTestSuite() { store_.reset(); }
    void TearDown() override
    {
        for (int k = 0; k < ResultStore::kRows; ++k)
            for (int i = 1; i <= 60; ++i)
                R()(k, i) = 0;
    }
    static ResultStore& R() { return *store_; }

private:
    static std::unique_ptr<ResultStore> store_;
};
std::unique_ptr<ResultStore> ResultsText::store_;

// Step i's listing line (without its line ends) of a listing made with CR LF.
std::string listingLine(const std::string& listing, int i)
{
    const auto lines = splitCrLf(listing);
    return lines.at(size_t(2 * i));
}

} // namespace

TEST(GridText, CellsStartEmptyAndKeepTheirTextAcrossColumnCounts)
{
    GridText g;
    EXPECT_EQ(g.columnCount(), 75);
    EXPECT_EQ(g.cell(0, 0), "");
    EXPECT_EQ(g.cell(74, 78), "");
    EXPECT_EQ(g.cell(90000, 99), "");

    g.setCell(3, 0, "15.00");
    g.setCell(3, 78, "-1.235E4932"); // the longest text a fixed slot holds
    g.setCell(3, 5, "a text far longer than a slot");
    g.setCell(3, 90, "below the value rows");
    g.setCell(0, 7, "caption of row 7");
    g.setColumnCount(2); // cut off, not emptied
    g.setColumnCount(0);
    EXPECT_EQ(g.columnCount(), 1);
    EXPECT_EQ(g.cell(3, 0), "15.00");
    EXPECT_EQ(g.cell(3, 78), "-1.235E4932");
    EXPECT_EQ(g.cell(3, 5), "a text far longer than a slot");
    EXPECT_EQ(g.cell(3, 90), "below the value rows");
    EXPECT_EQ(g.cell(0, 7), "caption of row 7");
    EXPECT_EQ(g.cell(4, 0), "");

    g.setCell(3, 5, "0.00"); // a long text replaced by a short one
    EXPECT_EQ(g.cell(3, 5), "0.00");
    g.setCell(3, 5, "");
    EXPECT_EQ(g.cell(3, 5), "");

    EXPECT_THROW(g.cell(-1, 0), std::out_of_range);
    EXPECT_THROW(g.cell(1, 100), std::out_of_range);
    EXPECT_THROW(g.setCell(1, -1, "x"), std::out_of_range);
}

// A slot holds a length byte and 11 bytes: a text of 12 bytes must not reach into the next cell.
TEST(GridText, ATextAsLongAsASlotStaysInItsCell)
{
    for (const bool inPlace : {true, false}) {
        GridText g;
        g.reserveColumns(2);
        g.setCell(1, 1, "next");
        const std::string twelve = "-1.2345E4932"; // 12 bytes
        if (inPlace) {
            EXPECT_FALSE(g.setCellInPlace(1, 0, twelve)); // the caller then uses setCell
        }
        g.setCell(1, 0, twelve);
        EXPECT_EQ(g.cell(1, 0), twelve) << inPlace;
        EXPECT_EQ(g.cell(1, 1), "next") << inPlace;
        EXPECT_TRUE(g.setCellInPlace(1, 1, std::string(11, '7')));
        EXPECT_EQ(g.cell(1, 0), twelve) << inPlace;
    }
}

TEST_F(ResultsText, FieldPaddingFollowsTheValuesSign)
{
    struct Case {
        int row;
        long double value;
        const char* field; // text and padding
    };
    const Case cases[] = {
        {1, 0.0L, "0.00     "},
        {2, -0.001L, "0.00    "}, // renders without a minus, still four spaces
        {3, -1.5L, "-1.50    "},
        {4, 12345.6L, "1.235E04     "},
        {5, -0.0L, "0.00     "},
        {6, -250000.0L, "-2.5E05    "},
        {7, 0.125L, "0.13     "},
        {76, -0.004L, "0.00    "}, // the last listed row
        {77, -7.0L, ""},           // rows 77 and 78 are grid-only
    };
    std::string expected;
    for (int k = 0; k < kListingRows; ++k) {
        const char* field = "0.00     ";
        for (const Case& c : cases)
            if (c.row == k) field = c.field;
        expected += field;
    }
    for (const Case& c : cases)
        R()(c.row, 1) = c.value;

    GridText g;
    std::string listing;
    fillResults(R(), 1, '.', g, listing);
    EXPECT_EQ(listingLine(listing, 1), expected);
}

TEST_F(ResultsText, CrankAngleInDegreesInTheGridAndRadiansInTheListing)
{
    R()(0, 1) = 0.2617994L;
    R()(0, 2) = -kPi;
    GridText g;
    std::string listing;
    fillResults(R(), 2, '.', g, listing);
    EXPECT_EQ(g.cell(1, 0), "15.00");
    EXPECT_EQ(g.cell(2, 0), "-180.00");
    EXPECT_EQ(listingLine(listing, 1).substr(0, 9), "0.26     ");
    EXPECT_EQ(listingLine(listing, 2).substr(0, 9), "-3.14    ");
}

TEST_F(ResultsText, DefaultRunFillsGridAndListing)
{
    for (int i = 1; i <= 25; ++i)
        for (int k = 0; k < kGridValueRows; ++k)
            R()(k, i) = (k % 2 ? -1.0L : 1.0L) * (k * 100 + i) / 7.0L;
    GridText g;
    g.setCell(0, 1, "old caption");
    std::string listing;
    std::vector<int> reached;
    fillResults(R(), 25, '.', g, listing, [&](int i) { reached.push_back(i); });

    EXPECT_EQ(g.columnCount(), 26);
    const auto lines = splitCrLf(listing);
    ASSERT_EQ(lines.size(), 2u + 2 * 25);
    EXPECT_EQ(lines[0], "Таблица значений обновлена...");
    EXPECT_TRUE(listing.ends_with("\r\n\r\n"));
    for (int i = 1; i <= 25; ++i) {
        EXPECT_EQ(lines[size_t(2 * i - 1)], "");
        std::string expected;
        for (int k = 0; k < kListingRows; ++k)
            expected += FormatFixed(R()(k, i), 4, 2, '.') + (R()(k, i) < 0 ? "    " : "     ");
        EXPECT_EQ(lines[size_t(2 * i)], expected);
        EXPECT_EQ(g.cell(i, 0), FormatFixed(R()(0, i) * kDegPerRad, 4, 2, '.'));
        for (int r = 1; r < kGridValueRows; ++r)
            EXPECT_EQ(g.cell(i, r), FormatFixed(R()(r, i), 4, 2, '.'));
        EXPECT_EQ(g.cell(i, kGridValueRows), ""); // rows 79..99 are never written
    }
    EXPECT_EQ(g.cell(0, 1), "old caption"); // captions are not the store's
    EXPECT_EQ(g.cell(0, 0), "");
    ASSERT_EQ(reached.size(), 25u);
    for (int i = 1; i <= 25; ++i)
        EXPECT_EQ(reached[size_t(i - 1)], i);
}

TEST_F(ResultsText, ShorterRunCutsColumnsOffWithoutEmptyingThem)
{
    for (int i = 1; i <= 30; ++i)
        R()(5, i) = i;
    GridText g;
    std::string listing;
    fillResults(R(), 30, '.', g, listing);
    R()(5, 1) = -2;
    fillResults(R(), 25, '.', g, listing);
    EXPECT_EQ(g.columnCount(), 26);
    EXPECT_EQ(g.cell(1, 5), "-2.00");
    EXPECT_EQ(g.cell(30, 5), "30.00");
    EXPECT_EQ(splitCrLf(listing).size(), 2u + 2 * 25);
}

TEST_F(ResultsText, NoStepsLeaveTheHeaderAloneAndOneColumn)
{
    for (const int n : {0, -5}) {
        GridText g;
        std::string listing = "earlier text";
        int calls = 0;
        fillResults(R(), n, '.', g, listing, [&](int) { ++calls; });
        EXPECT_EQ(listing, "Таблица значений обновлена...\r\n\r\n");
        EXPECT_EQ(g.columnCount(), 1);
        EXPECT_EQ(calls, 0);
    }
}

TEST_F(ResultsText, MemoLineEndsAndDecimalSeparator)
{
    R()(1, 1) = -1.5L;
    GridText g;
    std::string listing;
    fillResults(R(), 1, ',', g, listing, {}, "\n");
    EXPECT_TRUE(
        listing.starts_with("Таблица значений обновлена...\n\n0,00     -1,50    0,00     "));
    EXPECT_TRUE(listing.ends_with("     \n\n"));
    EXPECT_EQ(listing.find('\r'), std::string::npos);
    EXPECT_EQ(g.cell(1, 1), "-1,50");
    EXPECT_EQ(g.cell(1, 0), "0,00");
}

TEST(ResultsCaptions, CaptionsFillColumnZeroAndCountScrrows)
{
    ScratchDir dir;
    GridText g;
    g.setCell(0, 5, "from a longer earlier file");

    writeBytes(dir.file("scr.ini"), "first\r\n\r\nthird");
    // The count runs on to the catalogue's last row, which a caption file never reaches.
    EXPECT_EQ(loadCaptions(dir.file("scr.ini"), g), kGridValueRows);
    EXPECT_EQ(g.cell(0, 1), "first");
    EXPECT_EQ(g.cell(0, 2), "");
    EXPECT_EQ(g.cell(0, 3), "third");
    EXPECT_EQ(g.cell(0, 5), "from a longer earlier file"); // not cleared
    EXPECT_EQ(g.cell(0, 0), "");

    writeBytes(dir.file("scr.ini"), "");
    EXPECT_EQ(loadCaptions(dir.file("scr.ini"), g), kGridValueRows);
    EXPECT_EQ(g.cell(0, 1), "first");

    EXPECT_THROW(loadCaptions(dir.file("none.ini"), g), InOutError);
    EXPECT_EQ(g.cell(0, 1), "first");
}
