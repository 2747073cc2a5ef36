// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "formats/ProjectFile.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

// A run saved as a project and run again from it gives the same CSV, byte for byte, and the same
// project; options after --project apply on top of it in command-line order.
TEST(BatchProject, ProjectReproducesTheRunAndOptionsApplyAfterIt)
{
    ScratchDir dir;
    const std::string project = dir.file("study.kinovar"), csv = dir.file("a.csv");
    const BatchRun first = batch({"--set", "i1=0.1000000000000000000013", "--set", "m2=7.25",
                                  "--set", "step=0.5", "--set", "cycles=3", "--set", "mode=720",
                                  "--autofill", "--csv", csv, "--save-project", project});
    ASSERT_EQ(first.status, kBatchDone) << first.err;
    const BatchRun again = batch({"--project", project, "--csv", "-"});
    ASSERT_EQ(again.status, kBatchDone) << again.err;
    EXPECT_EQ(again.out, readBytes(csv));
    EXPECT_EQ(batch({"--project", project, "--save-project", "-"}).out, readBytes(project));

    writeBytes(dir.file("p.txt"), "m1 = 9\nm2 = 8\n");
    const struct {
        std::vector<std::string> args;
        long double m1, m2;
    } cases[] = {
        // Params files apply after the project wherever they stand, --set after both.
        {{"--params", dir.file("p.txt"), "--project", project}, 9, 8},
        {{"--set", "m2=1", "--project", project, "--params", dir.file("p.txt")}, 9, 1},
        {{"--project", project}, 4, 7.25L},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--save-project", "-"});
        const BatchRun run = batch(args);
        ASSERT_EQ(run.status, kBatchDone) << run.err;
        const ProjectContent read = parseProject(run.out);
        EXPECT_EQ(read.params.m1, c.m1);
        EXPECT_EQ(read.params.m2, c.m2);
        EXPECT_EQ(read.params.i1, 0.1000000000000000000013L); // every bit of the extended value
        EXPECT_EQ(read.params.N, 73);
    }
}

TEST(BatchProject, RefusedProjectNamesTheKeyAndWritesNothing)
{
    ScratchDir dir;
    writeBytes(dir.file("bad.kinovar"),
               R"({"format": "kinovar-project", "version": "1.0", "parameters": {"b": "1e999"}})");
    writeBytes(dir.file("odd.kinovar"), R"({"format": "kinovar-project", "version": "1.2",
        "parameters": {"b": "3", "hue": "1"}, "notes": "x"})");
    const BatchRun bad = batch({"--project", dir.file("bad.kinovar"), "--csv", dir.file("o.csv")});
    EXPECT_EQ(bad.status, kBatchBadInput);
    EXPECT_NE(bad.err.find("project key 'b': the value 1e999 is out of range"), std::string::npos)
        << bad.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("o.csv")));

    const BatchRun odd = batch({"--project", dir.file("odd.kinovar"), "--save-project", "-"});
    ASSERT_EQ(odd.status, kBatchDone) << odd.err;
    EXPECT_EQ(parseProject(odd.out).params.b, 3.0);
    EXPECT_NE(odd.err.find("unknown keys ignored: parameters.hue, notes"), std::string::npos)
        << odd.err;
}
