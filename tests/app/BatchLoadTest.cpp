// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/Batch.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

// The values of one column of the batch CSV, steps 1..N, by its name.
std::vector<long double> csvColumn(const std::string& csv, const std::string& name)
{
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    size_t column = 0;
    for (size_t start = 0, c = 0;; ++c) {
        const size_t end = line.find(',', start);
        if (line.substr(start, end - start) == name) column = c;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    std::vector<long double> values;
    while (std::getline(in, line)) {
        size_t start = 0;
        for (size_t c = 0; c < column; ++c)
            start = line.find(',', start) + 1;
        values.push_back(std::strtold(line.c_str() + start, nullptr));
    }
    return values;
}

} // namespace

TEST(BatchLoad, BadTablesAreRefusedNamingTheLine)
{
    ScratchDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::string many = "angle,force\n";
    for (int k = 0; k <= 100000; ++k)
        many += std::to_string(k / 1000.0) + ",1\n";
    const struct {
        const char* name;
        std::string text;
        std::string message; // after "--load FILE: "
    } cases[] = {
        {"not increasing", "angle,force\n10,1\n10,2\n", "line 3: the angles are not increasing"},
        {"out of range", "angle;force\n0;1\n360;2\n", "line 3: the angle lies outside [0, 360)"},
        {"stroke out of range", "stroke,force_toward,force_away\n1.5,1,1\n",
         "line 2: the stroke lies outside [0, 1]"},
        {"not finite", "angle,force\n0,1e5000\n",
         "line 2: '1e5000' is not a valid floating point value"},
        {"too large a force", "stroke;force_toward;force_away\n0;1;-1,1e12\n",
         "line 2: |Q| exceeds 1e12 N"},
        {"too many rows", many, "line 100002: more than 100000 rows"},
        {"empty", "angle,force_y\n\n", "line 2: the table is empty"},
        {"no header", "",
         "line 1: expected the columns angle,force or angle,force_y or "
         "stroke,force_toward,force_away, not ''"},
        {"a field short", "angle,force\n5\n", "line 2: expected 2 fields, not '5'"},
    };
    const std::string out = dir.file("out.csv");
    for (const auto& c : cases) {
        writeBytes(dir.file("load.csv"), c.text);
        const BatchRun run = batch({"--load", dir.file("load.csv"), "--csv", out});
        EXPECT_EQ(run.status, kBatchBadInput) << c.name;
        EXPECT_EQ(run.err,
                  "kinovar-batch: --load " + dir.file("load.csv") + ": " + c.message + "\n")
            << c.name;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.name;
    }
    const BatchRun fifo = batch({"--load", dir.file("fifo")});
    EXPECT_EQ(fifo.err, "kinovar-batch: --load " + dir.file("fifo") + ": File access denied\n");
    // A table by stroke on a crank that cannot turn fully.
    writeBytes(dir.file("stroke.csv"), "stroke,force_toward,force_away\n0,1,1\n");
    const BatchRun rocking = batch({"--load", dir.file("stroke.csv"), "--set", "b=16"});
    EXPECT_EQ(rocking.status, kBatchBadInput);
    EXPECT_NE(rocking.err.find("turns fully"), std::string::npos) << rocking.err;
}

TEST(BatchLoad, TheTableReachesTheCalculationWithItsPeriod)
{
    ScratchDir dir;
    // Along y, 100 N at 0° rising to 500.5 N at 400°, back to 100 N at 720°: the angle 400 needs
    // the 720° period set after the table, and the last step (720.1°) wraps to the first segment.
    writeBytes(dir.file("load.csv"), "angle;force_y\r\n0;100\r\n400;500,5\r\n");
    const BatchRun run =
        batch({"--load", dir.file("load.csv"), "--set", "period=720", "--set", "step=30", "--set",
               "cycles=1", "--csv", "-", "--report", dir.file("out.rep")});
    ASSERT_EQ(run.status, kBatchDone) << run.err;
    EXPECT_EQ(run.err, "kinovar-batch: the report does not hold the working load; it is kept only "
                       "in the project\n");
    const auto q = csvColumn(run.out, "q"), pq = csvColumn(run.out, "pq");
    const auto ybt = csvColumn(run.out, "ybt");
    ASSERT_EQ(q.size(), 25u);
    for (size_t i = 0; i < q.size(); ++i) {
        const long double angle = fmodl(0.1L + 30.0L * static_cast<long double>(i), 720); // fi0 0.1
        const long double expected =
            angle <= 400 ? 100 + 400.5L * angle / 400 : 500.5L - 400.5L * (angle - 400) / 320;
        EXPECT_NEAR(static_cast<double>(q[i]), static_cast<double>(expected), 1e-9) << angle;
        EXPECT_NEAR(static_cast<double>(pq[i]), static_cast<double>(q[i] * ybt[i]), 1e-9);
    }
    EXPECT_EQ(batch({"--set", "period=540"}).err,
              "kinovar-batch: --set period=540: '540' is not 360 or 720\n");
}
