// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "formats/KineticTestSupport.h"
#include "base/Errors.h"
#include "calc/Calculation.h"
#include "formats/Kinetic.h"

using Q = Quantity;

using namespace kinetic_test;

namespace {

class KineticFile : public ::testing::Test {
protected:
    KineticFile() { setDefaults(p); }

    std::vector<std::string> writeAndRead(std::vector<int32_t>* progress = nullptr)
    {
        writeKinetic(path, p, *R, decimal, [&](int32_t i) {
            if (progress) progress->push_back(i);
        });
        bool bareLf = false;
        auto lines = crlfLines(readBytes(path), &bareLf);
        EXPECT_FALSE(bareLf) << "every line must end in CR LF";
        EXPECT_EQ(readBytes(path).substr(readBytes(path).size() - 2), "\r\n");
        return lines;
    }

    ScratchDir dir{"kinetic"};
    std::string path = dir.file(kKineticFileName);
    ParamSet p;
    char decimal = '.'; // the separator the file is written with
    std::unique_ptr<ResultStore> R = std::make_unique<ResultStore>();
};

} // namespace

TEST_F(KineticFile, DefaultsGiveHeaderBlocksAndEnd)
{
    std::vector<int32_t> progress;
    const auto lines = writeAndRead(&progress);

    ASSERT_EQ(lines.size(), 233u);
    const std::vector<std::string> header{"360", "0", "10.00", "25.00", "15.00", "25", "START:"};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7), header);
    for (int i = 1; i <= 25; ++i) {
        const size_t first = 7 + 9 * static_cast<size_t>(i - 1); // 0-based index of line 8+9(i-1)
        for (size_t k = 0; k < 8; ++k)
            EXPECT_EQ(lines[first + k], "0.00") << "step " << i;
        EXPECT_EQ(lines[first + 8], "---") << "step " << i;
    }
    EXPECT_EQ(lines.back(), "END");

    std::vector<int32_t> expected(25);
    for (int i = 0; i < 25; ++i)
        expected[static_cast<size_t>(i)] = i + 1;
    EXPECT_EQ(progress, expected);
}

TEST_F(KineticFile, BlockTakesEightRowsInOrderAnglesInDegrees)
{
    p.N = 3;
    const int rows[8] = {0, 8, 12, 13, 20, 21, 26, 27};
    for (int k = 0; k < 8; ++k)
        R->row(rows[k])[2] = k + 1; // step 2 only
    (*R)(Q::fi, 2) = rad(30);
    (*R)(Q::psi, 2) = -0.2L;     // -11.459...°
    (*R)(Q::xa, 2) = 12345.678L; // scientific form above 9999.5
    (*R)(Q::ys, 2) = -0.005L;
    (*R)(Q::fi, 3) = rad(359.996L);

    const auto lines = writeAndRead();
    ASSERT_EQ(lines.size(), 8u + 9u * 3u);
    const std::vector<std::string> step2(lines.begin() + 16, lines.begin() + 25);
    EXPECT_EQ(step2, (std::vector<std::string>{"30.00", "-11.46", "1.235E04", "4.00", "5.00",
                                               "6.00", "7.00", "-0.01", "---"}));
    EXPECT_EQ(lines[25], "360.00");
    EXPECT_EQ(lines[0], "30"); // (3 - 1) * 15°
}

TEST_F(KineticFile, TotalAngleFollowsCurrentRunSettings)
{
    struct Case {
        int32_t n;
        long double stepDeg;
        const char* total;
    };
    for (const Case& c : {Case{73, 5, "360"}, Case{10, 7.5L, "67.5"}, Case{1, 15, "0"}}) {
        p.N = c.n;
        p.step = c.stepDeg * kRadPerDeg;
        p.mode = 1;
        const auto lines = writeAndRead();
        EXPECT_EQ(lines[0], c.total) << "N = " << c.n;
        EXPECT_EQ(lines[1], "1");
        EXPECT_EQ(lines.size(), 8u + 9u * static_cast<size_t>(c.n));
    }
}

TEST_F(KineticFile, NoStepsGivesHeaderAndEndOnly)
{
    p.N = 0;
    std::vector<int32_t> progress;
    const auto lines = writeAndRead(&progress);
    EXPECT_EQ(lines, (std::vector<std::string>{"-15", "0", "10.00", "25.00", "15.00", "0",
                                               "START:", "END"}));
    EXPECT_TRUE(progress.empty());
}

TEST_F(KineticFile, CommaSeparatorIsWrittenEverywhere)
{
    decimal = ',';
    p.step = 7.5L * kRadPerDeg;
    p.N = 2;
    (*R)(Q::ya, 1) = 0.5L;
    const auto lines = writeAndRead();
    EXPECT_EQ(lines[0], "7,5");
    EXPECT_EQ(lines[2], "10,00");
    EXPECT_EQ(lines[10], "0,50");
    for (const auto& line : lines)
        EXPECT_EQ(line.find('.'), std::string::npos) << line;
}

TEST_F(KineticFile, EmptiesAnOlderLongerFile)
{
    writeBytes(path, std::string(100000, 'x'));
    p.N = 0;
    EXPECT_EQ(writeAndRead().size(), 8u);
}

TEST_F(KineticFile, AfterCalculationSliderXIsBAtEveryStep)
{
    runCalculation(p, *R);
    const auto lines = writeAndRead();
    ASSERT_EQ(lines.size(), 233u);
    for (size_t i = 1; i <= 25; ++i)
        EXPECT_EQ(lines[13 + 9 * (i - 1)], "15.00") << "step " << i;
    EXPECT_EQ(lines[7], "0.10"); // crank starts at fi0
}

TEST_F(KineticFile, UnwritableFileThrowsAndReportsNoProgress)
{
    std::vector<int32_t> progress;
    EXPECT_THROW(writeKinetic(dir.file("no-such-folder/Kinetic.ini"), p, *R, '.',
                              [&](int32_t i) { progress.push_back(i); }),
                 InOutError);
    std::filesystem::create_directory(path); // a folder where the file should be
    EXPECT_THROW(writeKinetic(path, p, *R, '.'), InOutError);
    EXPECT_TRUE(progress.empty());
}
