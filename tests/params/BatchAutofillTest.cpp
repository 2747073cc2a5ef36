// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/Batch.h"
#include "calc/Calculation.h"
#include "formats/ResultCsv.h"
#include "params/Autofill.h"
#include "support/BatchRun.h"

namespace {

// The CSV the batch should write for `p` once the autofill has placed its points.
std::string expectedCsv(ParamSet p)
{
    EXPECT_TRUE(autofillPoints(p));
    auto R = std::make_unique<ResultStore>();
    runCalculation(p, *R);
    std::ostringstream s;
    writeResultCsv(*R, p.N, s);
    return s.str();
}

TEST(BatchAutofill, PlacesThePointsAfterEveryParameter)
{
    // The option comes first, yet it works on the rod length set after it.
    const BatchRun run = batch({"--autofill", "--set", "l2=30", "--set", "cycles=1", "--csv", "-"});
    ASSERT_EQ(run.status, kBatchDone) << run.err;
    EXPECT_EQ(run.err, "");
    ParamSet p;
    setDefaults(p);
    p.l2 = 30;
    EXPECT_EQ(run.out, expectedCsv(p));

    // Without the option the coordinates stay 0 and the results differ.
    const BatchRun plain = batch({"--set", "l2=30", "--set", "cycles=1", "--csv", "-"});
    EXPECT_NE(plain.out, run.out);
}

TEST(BatchAutofill, UnreachableGuideStopsBeforeTheCalculation)
{
    namespace fs = std::filesystem;
    const fs::path csv =
        fs::temp_directory_path() / ("kinovar-autofill-" + std::to_string(getpid()) + ".csv");
    fs::remove(csv);
    for (const std::string& target : {std::string("-"), csv.string()}) {
        const BatchRun run =
            batch({"--set", "l2=4", "--set", "fi0=0", "--autofill", "--csv", target});
        EXPECT_EQ(run.status, kBatchStageFailed);
        EXPECT_EQ(run.err, std::string(kAutofillUnreachable) + "\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(fs::exists(csv));
}

TEST(BatchAutofill, TakesNoValue)
{
    const BatchRun run = batch({"--autofill=1"});
    EXPECT_EQ(run.status, kBatchBadInput);
    EXPECT_NE(run.err.find("--autofill"), std::string::npos);
}

} // namespace
