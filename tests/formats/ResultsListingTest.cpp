// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "base/NumberText.h"
#include "calc/Quantities.h"
#include "formats/LineSource.h"
#include "formats/ResultsText.h"
#include "params/ParamSet.h"

using Q = Quantity;

namespace {

constexpr int kSteps = 1000; // several chunks of work, the last one short

// One store for the suite: values of both signs over many decades, some rounding to "0.00" from
// below, a constant row and rows left zero, so that every path of the refresh is taken.
class ResultsListingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        store_ = std::make_unique<ResultStore>();
        ResultStore& R = *store_;
        for (int i = 1; i <= kSteps; ++i) {
            R(Q::fi, i) = (i - 1) * 0.1L;
            for (int k = 1; k < kGridValueRows; ++k) {
                if (k == rowOf(Q::xc2) || k == rowOf(Q::yc2)) continue;
                const long double scale = std::pow(10.0L, k % 9 - 4);
                R(k, i) = k == rowOf(Q::xs) ? 15.0L : scale * std::sin(0.37L * i + k);
            }
        }
    }
    static void TearDownTestSuite() { store_.reset(); }
    static const ResultStore& R() { return *store_; }

private:
    static std::unique_ptr<ResultStore> store_;
};
std::unique_ptr<ResultStore> ResultsListingTest::store_;

std::string line(const LineSource& s, size_t i)
{
    std::string out;
    s.appendLine(i, out);
    return out;
}

} // namespace

TEST(TextLines, SplitAtEachLineFeedAndJoinBack)
{
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {""}},         {"Отчёт:", {"Отчёт:"}},         {"a\nb", {"a", "b"}},
        {"a\n", {"a", ""}}, {"\n\nc\n", {"", "", "c", ""}},
    };
    for (const Case& c : cases) {
        const TextLines t(c.text);
        ASSERT_EQ(t.lineCount(), c.lines.size()) << c.text;
        for (size_t i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(line(t, i), c.lines[i]) << c.text;
        EXPECT_EQ(wholeText(t, "\n"), c.text);
    }
    const TextLines t("a\nb\nc");
    EXPECT_EQ(wholeText(t, "\r\n"), "a\r\nb\r\nc");
    std::string piece;
    appendLines(t, 1, 3, "|", piece); // the source's last line gets no line end
    EXPECT_EQ(piece, "b|c");
    EXPECT_THROW(appendLines(t, 2, 4, "|", piece), std::out_of_range);
    EXPECT_THROW(t.appendLine(3, piece), std::out_of_range);
}

TEST_F(ResultsListingTest, LinesAreHeaderBlankThenStepLinesEachFollowedByABlank)
{
    GridText grid;
    ResultsListing listing(grid);
    EXPECT_EQ(listing.lineCount(), 3u); // before any refresh: header and two empty lines
    refreshResults(R(), 3, '.', grid, listing);
    ASSERT_EQ(listing.lineCount(), 9u);
    EXPECT_EQ(line(listing, 0), "Таблица значений обновлена...");
    for (size_t i : {1, 3, 5, 7, 8})
        EXPECT_EQ(line(listing, i), "") << i;
    for (int step = 1; step <= 3; ++step) {
        const std::string l = line(listing, size_t(2 * step));
        std::string expected;
        for (int k = 0; k < kListingRows; ++k)
            expected +=
                FormatFixed(R()(k, step), 4, 2, '.') + (R()(k, step) < 0 ? "    " : "     ");
        EXPECT_EQ(l, expected) << step;
    }
    EXPECT_THROW(line(listing, 9), std::out_of_range);
}

TEST_F(ResultsListingTest, ThreadCountChangesNeitherCellsNorLinesNorProgressOrder)
{
    GridText one;
    ResultsListing oneListing(one);
    refreshResults(R(), kSteps, '.', one, oneListing, {}, 1);
    const std::string oneText = wholeText(oneListing, "\r\n");

    for (unsigned threads : {2u, 3u, 8u, 0u}) {
        GridText grid;
        // Long texts set before the refresh live outside the cell slots: the refresh must still
        // replace them, and leave cells it does not write alone.
        grid.setCell(5, 3, "a text far longer than a slot");
        grid.setCell(700, 0, "another text longer than a slot");
        grid.setCell(5, kGridValueRows, "below the value rows");
        ResultsListing listing(grid);
        std::vector<int> steps;
        refreshResults(
            R(), kSteps, '.', grid, listing, [&](int i) { steps.push_back(i); }, threads);

        ASSERT_EQ(steps.size(), size_t(kSteps)) << threads;
        for (int i = 0; i < kSteps; ++i)
            ASSERT_EQ(steps[size_t(i)], i + 1) << threads;
        EXPECT_EQ(grid.columnCount(), kSteps + 1);
        for (int i = 1; i <= kSteps; ++i)
            for (int r = 0; r < kGridValueRows; ++r)
                ASSERT_EQ(grid.cell(i, r), one.cell(i, r)) << threads << " " << i << " " << r;
        EXPECT_EQ(grid.cell(5, 3), FormatFixed(R()(3, 5), 4, 2, '.'));
        EXPECT_EQ(grid.cell(700, 0), FormatFixed(R()(0, 700) * kDegPerRad, 4, 2, '.'));
        EXPECT_EQ(grid.cell(5, kGridValueRows), "below the value rows");
        EXPECT_EQ(wholeText(listing, "\r\n"), oneText) << threads;
    }
    std::string oldWay;
    GridText grid;
    fillResults(R(), kSteps, '.', grid, oldWay);
    EXPECT_EQ(oldWay, oneText);
}

TEST_F(ResultsListingTest, LinesKeepTheRefreshedRunWhenTheStoreChangesLater)
{
    // A new calculation writes the store; the listing shows the old run until the next refresh.
    ResultStore changed;
    changed(0, 1) = 0.2617994L;
    changed(5, 1) = -0.001L;
    GridText grid;
    ResultsListing listing(grid);
    refreshResults(changed, 1, '.', grid, listing);
    const std::string before = line(listing, 2);
    changed(0, 1) = 3;
    changed(5, 1) = 1;
    EXPECT_EQ(line(listing, 2), before);
    EXPECT_EQ(before.substr(0, 9), "0.26     ");
    EXPECT_EQ(before.substr(5 * 9, 9), "0.00    0"); // four spaces, then field 6
}

TEST(ResultsListing, StepFieldsAreCheckedAndFitTheLongestFixedText)
{
    GridText grid;
    ResultsListing listing(grid);
    listing.setStepCount(2);
    listing.setStep(2, "-1.235E4932", ResultsListing::Signs().set(0));
    EXPECT_EQ(line(listing, 4).substr(0, 15), "-1.235E4932    ");
    EXPECT_THROW(listing.setStep(0, "1.00", {}), std::out_of_range);
    EXPECT_THROW(listing.setStep(3, "1.00", {}), std::out_of_range);
    EXPECT_THROW(listing.setStep(1, "123456789012", {}), std::length_error);
}

// The one writer both listings go through: its lines for a field source that names each field
// after its step and index, with the sign the source gives.
TEST(ListingLine, WritesHeaderBlankLinesAndEachFieldWithItsSpacing)
{
    auto fieldText = [](int step, int f) { return std::to_string(step) + ":" + std::to_string(f); };
    // A field is negative when its index is odd on an even step.
    auto negative = [](int step, int f) { return step % 2 == 0 && f % 2 == 1; };
    auto stepLine = [&](int step) {
        std::string s;
        for (int f = 0; f < kListingRows; ++f)
            s += fieldText(step, f) + (negative(step, f) ? "    " : "     ");
        return s;
    };
    struct Case {
        int steps;
        size_t line;
        std::string expected;
    };
    const Case cases[] = {
        {0, 0, std::string(kListingHeader)},
        {0, 1, ""},
        {0, 2, ""},
        {2, 0, std::string(kListingHeader)},
        {2, 1, ""},
        {2, 2, stepLine(1)},
        {2, 3, ""},
        {2, 4, stepLine(2)},
        {2, 5, ""},
        {2, 6, ""},
        {-3, 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.steps) + " steps, line " + std::to_string(c.line));
        std::string out = "|";
        appendListingLine(c.line, c.steps, out, [&](int step, int f, std::string& to) {
            to += fieldText(step, f);
            return negative(step, f);
        });
        EXPECT_EQ(out, "|" + c.expected);
    }
    for (int steps : {-1, 0, 1, 5}) {
        const size_t count = listingLineCount(steps);
        EXPECT_EQ(count, 3 + 2 * size_t(std::max(steps, 0)));
        std::string out;
        EXPECT_THROW(
            appendListingLine(count, steps, out, [](int, int, std::string&) { return false; }),
            std::out_of_range);
    }
}
