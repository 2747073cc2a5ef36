// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch under the true motion: --motion, --flywheel and --drive, what the summary and
// the CSV gain, and the refusals of bad drive values with status 2.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "app/Batch.h"
#include "formats/ProjectFile.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

std::string example(const char* name)
{
    return std::string(KINOVAR_SOURCE_DIR) + "/data/examples/" + name + ".kinovar";
}

TEST(BatchMotion, BadDriveValuesExitWithTheirMessage)
{
    ScratchDir dir;
    writeBytes(dir.file("bad.csv"), "omega,moment\n0,5\n0,4\n");
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--drive", "motor:10:95"}, "--drive 'motor:10:95': expected motor:M_n:ω_n:ω_0"},
        {{"--drive", "motor:10:95:100:5"}, "expected motor:M_n:ω_n:ω_0"},
        {{"--drive", "motor:10:105:95"}, "0 <= ω_n < ω_0"},
        {{"--drive", "motor:-1:95:105"}, "nominal moment"},
        {{"--drive", "motor:x:95:105"}, "'x' is not a valid floating point value"},
        {{"--drive", "table:" + dir.file("bad.csv")}, "line 3: the speeds are not increasing"},
        {{"--drive", "table:" + dir.file("none.csv")}, "--drive 'table:"},
        {{"--drive", "electric"}, "expected constant, motor:M_n:ω_n:ω_0 or table:FILE"},
        {{"--flywheel", "-0.5"}, "--flywheel '-0.5': expected"},
        {{"--flywheel", "inf"}, "--flywheel 'inf': expected"},
        {{"--motion", "real"}, "--motion 'real': expected true or prescribed"},
        {{"--set", "drive=diesel"}, "is not constant, motor or table"},
        {{"--set", "w_start=-1"}, "w_start: ω пуска не может быть отрицательной"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--csv", "-"});
        const BatchRun run = batch(args);
        EXPECT_EQ(run.status, kBatchBadInput) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << c.message;
    }
}

TEST(BatchMotion, SummaryGainsTheTrueMotionOrItsReason)
{
    ScratchDir dir;
    // The press runs at about 6.3 rad/s against some 180 N·m on average.
    writeBytes(dir.file("drive.csv"), "omega;moment\n0;3000\n6;400\n7;-100\n");
    const struct {
        const char* name;
        std::vector<std::string> drive;
        bool steady;
        bool startUp;
    } cases[] = {
        {"constant", {}, true, false},
        {"motor", {"--drive", "motor:400:6.5:7"}, true, true},
        {"table", {"--drive", "table:" + dir.file("drive.csv")}, true, true},
        {"weak motor", {"--drive", "motor:1:6.5:7"}, false, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--project", example("2-press"), "--motion", "true",
                                         "--summary", "-"};
        args.insert(args.end(), c.drive.begin(), c.drive.end());
        const BatchRun run = batch(args);
        // Without steady running the run stops before its first step, and says so.
        ASSERT_EQ(run.status, c.steady ? kBatchDone : kBatchStageFailed) << c.name << ": " << run.err;
        const auto doc = nlohmann::json::parse(run.out);
        ASSERT_TRUE(doc.contains("true_motion")) << c.name;
        if (!c.steady) {
            EXPECT_TRUE(doc["true_motion"].is_null()) << c.name;
            EXPECT_NE(doc["true_motion_error"].get<std::string>().find("слаб"), std::string::npos)
                << c.name;
            continue;
        }
        const auto& t = doc["true_motion"];
        const double lo = t["omega_min"], hi = t["omega_max"], mean = t["omega_mean"];
        EXPECT_LT(lo, mean) << c.name;
        EXPECT_LT(mean, hi) << c.name;
        EXPECT_NEAR(t["delta_achieved"].get<double>(), (hi - lo) / mean, 1e-12) << c.name;
        EXPECT_GT(t["period_time"].get<double>(), 0) << c.name;
        EXPECT_EQ(t["startup_time"].is_number(), c.startUp) << c.name;
        EXPECT_EQ(t["startup_turns"].is_number(), c.startUp) << c.name;
    }
}

TEST(BatchMotion, PrescribedRunKeepsItsSummaryKeysAndTheCsvGainsTheMotion)
{
    const BatchRun prescribed = batch({"--project", example("2-press"), "--summary", "-"});
    ASSERT_EQ(prescribed.status, 0) << prescribed.err;
    EXPECT_FALSE(nlohmann::json::parse(prescribed.out).contains("true_motion"));

    const BatchRun csv = batch({"--project", example("2-press"), "--motion", "true", "--drive",
                                "motor:400:6.5:7", "--csv", "-"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::string header = csv.out.substr(0, csv.out.find('\n'));
    for (const char* name : {"omega_true", "eps_true", "t_true"})
        EXPECT_NE(header.find(std::string(",") + name), std::string::npos) << name;
}

TEST(BatchMotion, ProjectCarriesTheTrueMotionBack)
{
    ScratchDir dir;
    writeBytes(dir.file("drive.csv"), "omega,moment\n0,50\n10.5,40\n");
    const BatchRun run = batch({"--motion", "true", "--flywheel", "0.75", "--drive",
                                "table:" + dir.file("drive.csv"), "--set", "mn=3", "--set",
                                "wn=4", "--set", "w0=5", "--set", "w_start=12.5",
                                "--save-project", "-"});
    // The defaults' mechanism, its rod across the guide at 180°, has no true motion: the run
    // stops, and the project is written all the same.
    ASSERT_EQ(run.status, kBatchStageFailed) << run.err;
    const ParamSet p = parseProject(run.out).params;
    EXPECT_EQ(p.motion, MotionLaw::True);
    EXPECT_EQ(p.flywheel, 0.75L);
    EXPECT_EQ(p.drive, DriveKind::Table);
    EXPECT_EQ(p.driveTable, (std::vector<DrivePoint>{{0, 50}, {10.5L, 40}}));
    EXPECT_EQ(p.motorMoment, 3);
    EXPECT_EQ(p.motorSpeed, 4);
    EXPECT_EQ(p.motorSynchronous, 5);
    EXPECT_EQ(p.startSpeed, 12.5L);
    // A project without a drive table keeps the shape older versions wrote.
    const BatchRun plain = batch({"--save-project", "-"});
    EXPECT_EQ(plain.out.find("drive_table"), std::string::npos);
}

} // namespace
