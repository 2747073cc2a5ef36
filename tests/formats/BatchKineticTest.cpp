// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch --kinetic: the same file "Анимация" writes for the same parameters and run.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "formats/KineticTestSupport.h"
#include "app/Batch.h"
#include "calc/Calculation.h"
#include "params/Autofill.h"
#include "formats/Kinetic.h"

using namespace kinetic_test;

namespace {

int batch(const std::vector<std::string>& args, std::string* errors = nullptr)
{
    std::ostringstream out, err;
    const int status = runBatch(args, out, err);
    if (errors) *errors = err.str();
    return status;
}

// The file the window writes after the same settings and a calculation.
std::string windowFile(const std::string& path, int cycles, bool autofill, char separator)
{
    ParamSet p;
    setDefaults(p);
    p.mode = 1;
    p.cycles = cycles;
    p.N = 24 * cycles + 1;
    p.step = 5 * kRadPerDeg;
    if (autofill) {
        EXPECT_TRUE(autofillPoints(p));
    }
    auto R = std::make_unique<ResultStore>();
    runCalculation(p, *R);
    writeKinetic(path, p, *R, separator);
    return readBytes(path);
}

} // namespace

TEST(BatchKinetic, WritesWhatTheWindowWritesForTheSameRun)
{
    ScratchDir dir("batch-kinetic");
    const std::string batchFile = dir.file("batch.ini");
    for (char separator : {'.', ','})
        for (bool autofill : {false, true}) {
            std::vector<std::string> args{"--set",
                                          "mode=720",
                                          "--set",
                                          "step=5",
                                          "--set",
                                          "cycles=3",
                                          "--kinetic",
                                          batchFile,
                                          "--decimal-separator",
                                          std::string(1, separator)};
            if (autofill) args.push_back("--autofill");
            ASSERT_EQ(batch(args), kBatchDone);
            const std::string expected = windowFile(dir.file("window.ini"), 3, autofill, separator);
            EXPECT_EQ(readBytes(batchFile), expected) << "autofill " << autofill << separator;
            EXPECT_EQ(crlfLines(expected).size(), 8u + 9u * 73u);
            EXPECT_NE(expected.find(std::string("10") + separator + "00\r\n"), std::string::npos);
        }
}

TEST(BatchKinetic, DefaultsAndAnUnwritableFile)
{
    ScratchDir dir("batch-kinetic-def");
    ASSERT_EQ(batch({"--kinetic", dir.file("k.ini"), "--decimal-separator", "."}), kBatchDone);
    const auto lines = crlfLines(readBytes(dir.file("k.ini")));
    ASSERT_EQ(lines.size(), 233u);
    EXPECT_EQ(lines[0], "360");
    EXPECT_EQ(lines.back(), "END");

    std::string errors;
    const std::string bad = dir.file("no-such-folder/k.ini");
    EXPECT_EQ(batch({"--kinetic", bad}, &errors), kBatchBadInput);
    EXPECT_NE(errors.find(bad + ": File not found"), std::string::npos) << errors;
    EXPECT_EQ(batch({"--kinetic"}), kBatchBadInput);
}
