// SPDX-License-Identifier: GPL-3.0-or-later
// The batch writes nothing a reader would refuse and never reports an overflow as success.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/ProjectFile.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

const std::string kProject720 =
    R"({"format": "kinovar-project", "version": "1.0", "run": {"period": 720},
        "load": {"kind": "angle", "points": [["0", "10"], ["500", "20"]]}})";

} // namespace

TEST(BatchSafety, ALoadTableIsCheckedAgainstTheFinalPeriod)
{
    ScratchDir dir;
    writeBytes(dir.file("p.kinovar"), kProject720);
    writeBytes(dir.file("period.txt"), "period = 360\n");
    const std::vector<std::string> project = {"--project", dir.file("p.kinovar")};
    const struct {
        std::vector<std::string> change;
    } cases[] = {{{"--set", "period=360"}}, {{"--params", dir.file("period.txt")}}};
    for (const auto& c : cases) {
        std::vector<std::string> args = project;
        args.insert(args.end(), c.change.begin(), c.change.end());
        for (const char* output : {"--save-project", "--summary"}) {
            std::vector<std::string> run = args;
            run.insert(run.end(), {output, dir.file("out")});
            const BatchRun r = batch(run);
            EXPECT_EQ(r.status, kBatchBadInput) << c.change[0] << ' ' << output;
            EXPECT_NE(r.err.find("the load table does not suit period 360: point 2: "),
                      std::string::npos)
                << r.err;
            EXPECT_FALSE(std::filesystem::exists(dir.file("out")));
        }
    }
    // With the project's own period the table is used and saved.
    const BatchRun kept = batch({"--project", dir.file("p.kinovar"), "--save-project", "-"});
    ASSERT_EQ(kept.status, kBatchDone) << kept.err;
    EXPECT_EQ(parseProject(kept.out).params.load.points.size(), 2u);
}

TEST(BatchSafety, TheSummaryRefusesAValueBeyondTheRangeOfADouble)
{
    ScratchDir dir;
    const struct {
        const char* set;
        const char* key; // the key the refusal names
    } cases[] = {
        {"m1=1e308", "the summary's \"extremes."},
        {"delta=1e-320", "flywheel.required_inertia"},
    };
    for (const auto& c : cases) {
        const BatchRun r = batch({"--autofill", "--set", c.set, "--summary", dir.file("s.json")});
        EXPECT_EQ(r.status, kBatchBadInput) << c.set << "\n" << r.err;
        EXPECT_NE(r.err.find("lies beyond the range of a double"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.key), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("s.json")));
    }
    // An ordinary run still gives null only where a value does not apply.
    const BatchRun plain = batch({"--autofill", "--summary", "-"});
    ASSERT_EQ(plain.status, kBatchDone) << plain.err;
    EXPECT_NE(plain.out.find("\"angle\": null"), std::string::npos);
}

TEST(BatchSafety, SweepRowsBeyondTheRangeOfADoubleFail)
{
    const BatchRun r = batch({"--autofill", "--sweep", "m1=0:1e308:3", "--summary", "-"});
    ASSERT_EQ(r.status, kBatchDone) << r.err;
    // The header, the row at 0, and the two rows whose figures no double holds.
    std::vector<std::string> rows;
    for (size_t at = 0, end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1)
        rows.push_back(r.out.substr(at, end - at));
    ASSERT_EQ(rows.size(), 4u) << r.out;
    EXPECT_NE(rows[1].find(",ok,"), std::string::npos) << rows[1];
    for (size_t k = 2; k < 4; ++k) {
        EXPECT_EQ(rows[k].find(",ok"), std::string::npos) << rows[k];
        EXPECT_NE(rows[k].find("вне диапазона double"), std::string::npos) << rows[k];
        EXPECT_EQ(rows[k].find("e+30"), rows[k].rfind("e+30")) << "no figure after: " << rows[k];
    }
}

TEST(BatchSafety, AProjectTooLargeToReadIsNotSaved)
{
    ScratchDir dir;
    // Three tables of 100 000 rows read compactly (14 MB) take more than the limit laid out.
    std::string points;
    for (int k = 0; k < 100000; ++k) {
        std::string digits = std::to_string(k);
        digits.insert(0, 6 - digits.size(), '0');
        points += std::string(k ? ",\n" : "") + "[\"0.1" + digits + "1\",\"5" + digits +
                  "1234.56\",\"-5" + digits + "1234.56\"]";
    }
    const std::string set = R"("load":{"kind":"stroke","points":[)" + points + "]}";
    writeBytes(dir.file("big.kinovar"), R"({"format":"kinovar-project","version":"1.0",)" + set +
                                            R"(,"variants":[{)" + set + "},{" + set + "}]}");
    ASSERT_LT(readBytes(dir.file("big.kinovar")).size(), kMaxProjectBytes);
    writeBytes(dir.file("out.kinovar"), "old");
    const BatchRun r =
        batch({"--project", dir.file("big.kinovar"), "--save-project", dir.file("out.kinovar")});
    EXPECT_EQ(r.status, kBatchBadInput);
    EXPECT_NE(r.err.find("more than the 16777216 a project file may hold"), std::string::npos)
        << r.err;
    EXPECT_EQ(readBytes(dir.file("out.kinovar")), "old");
}
