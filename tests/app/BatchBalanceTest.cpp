// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch and the counterweight: --set with several keys, --balance, the summary's
// shaking keys, and a counterweight of no mass changing no byte of any output.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

// Every output of a run with a counterweight of no mass, wherever r_cw and fi_cw put it, is the
// output of the run without one, byte for byte.
TEST(BatchBalance, ZeroMassIsByteIdenticalToNone)
{
    const std::vector<std::string> base = {"--autofill", "--set", "cycles=2", "--set", "step=5"};
    const char* outputs[] = {"--report", "--listing", "--kinetic", "--csv", "--summary"};
    const auto write = [&](const ScratchDir& dir, const std::vector<std::string>& extra) {
        std::vector<std::string> args = joined(base, extra);
        for (const char* o : outputs)
            args.insert(args.end(), {o, dir.file(std::string(o).substr(2))});
        const BatchRun run = batch(args);
        EXPECT_EQ(run.status, kBatchDone) << run.err;
    };
    ScratchDir none;
    write(none, {});
    for (const char* zero : {"m_cw=0,r_cw=0.35,fi_cw=77", "m_cw=-0,fi_cw=-30"}) {
        ScratchDir with;
        write(with, {"--set", zero});
        for (const char* o : outputs) {
            const std::string name = std::string(o).substr(2);
            const std::string a = readBytes(none.file(name)), b = readBytes(with.file(name));
            EXPECT_FALSE(a.empty()) << name;
            EXPECT_TRUE(a == b) << zero << ": " << name << " differs";
        }
    }
}

// The defaults autofilled: the crank's 4 kg at l1/2 = 5, the rod's 10 kg mid-way along AB (5 kg
// at A, 5 at B), the slider's 2 kg; so by hand m_cw·r_cw = 4·5 + 5·10 + C·(2 + 5)·10, opposite
// the pin, and r_cw = l1 = 10 when none is given.
TEST(BatchBalance, BalancePutsOnTheCounterweightOfTheFraction)
{
    const struct {
        const char* fraction;
        std::vector<std::string> before;
        double massRadius, mass;
    } cases[] = {
        {"0", {}, 70, 7},
        {"0.5", {}, 105, 10.5},
        {"1", {}, 140, 14},
        {"0.5", {"--set", "r_cw=20"}, 105, 5.25},
        // A counterweight set before is replaced, its radius kept.
        {"0.5", {"--set", "m_cw=99,r_cw=7,fi_cw=12"}, 105, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fraction) + " after " + std::to_string(c.before.size()));
        ScratchDir dir;
        const BatchRun run = batch(
            joined(joined({"--autofill"}, c.before), {"--balance", c.fraction, "--save-project",
                                                      dir.file("p.kinovar"), "--summary", "-"}));
        ASSERT_EQ(run.status, kBatchDone) << run.err;
        const auto summary = nlohmann::json::parse(run.out);
        ASSERT_TRUE(summary.contains("counterweight"));
        const auto& cw = summary["counterweight"];
        EXPECT_NEAR(cw["mass_radius"].get<double>(), c.massRadius, 1e-9 * c.massRadius);
        EXPECT_NEAR(cw["angle"].get<double>(), 180, 1e-12);
        EXPECT_NEAR(cw["fraction"].get<double>(), std::stod(c.fraction), 1e-12);
        EXPECT_GT(cw["shaking_force_peak_without"]["value"].get<double>(), 0);
        const auto project = nlohmann::json::parse(readBytes(dir.file("p.kinovar")));
        EXPECT_NEAR(std::stod(project["parameters"]["m_cw"].get<std::string>()), c.mass,
                    1e-9 * c.mass);
    }
}

// Which of the shaking keys a summary holds: the peaks always, the counterweight with one, the
// primary and secondary forces for a centric mechanism only.
TEST(BatchBalance, SummaryKeysWhereTheyApply)
{
    const struct {
        std::vector<std::string> args;
        bool counterweight, centric;
    } cases[] = {
        {{}, false, false},
        {{"--set", "b=0,fidtt=0"}, false, true},
        {{"--set", "m_cw=2,r_cw=3"}, true, false},
        {{"--set", "b=0,fidtt=0,m_cw=2,r_cw=3,fi_cw=170"}, true, true},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(joined(c.args, {"--autofill", "--summary", "-"}));
        ASSERT_EQ(run.status, kBatchDone) << run.err;
        const auto s = nlohmann::json::parse(run.out);
        EXPECT_GT(s["shaking_force_peak"]["value"].get<double>(), 0);
        EXPECT_TRUE(s["shaking_moment_peak"].contains("angle"));
        EXPECT_EQ(s.contains("counterweight"), c.counterweight);
        for (const char* key : {"primary_peak", "secondary_peak", "reciprocating_peak"})
            EXPECT_EQ(s.contains(key), c.centric) << key;
        if (c.counterweight) {
            EXPECT_NEAR(s["counterweight"]["mass_radius"].get<double>(), 6, 1e-12);
        }
        // At a steady speed the two terms add up to the exact force at the dead centre, the
        // greatest; the figures' run passes it 0.1° off (fi0 = 0.1), within 2e-6 of it.
        if (c.centric) {
            const double exact = s["reciprocating_peak"]["value"].get<double>();
            EXPECT_NEAR(s["primary_peak"]["value"].get<double>() +
                            s["secondary_peak"]["value"].get<double>(),
                        exact, 1e-5 * exact);
        }
    }
}

TEST(BatchBalance, RefusedInput)
{
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--autofill", "--balance", "1.5"}, "--balance 1.5: expected a fraction from 0 to 1"},
        {{"--autofill", "--balance", "half"}, "--balance: "},
        {{"--balance", "0.5"}, "--balance: the crank pin A lies on O"},
        {{"--set", "m_cw=1,,r_cw=2"}, "--set m_cw=1,,r_cw=2: expected KEY=VALUE"},
        {{"--set", "r_cw=-1"}, "R_CW: радиус не может быть отрицательным"},
        {{"--set", "m_cw=-1"}, "M_CW: масса не может быть отрицательной"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(joined(c.args, {"--summary", "-"}));
        EXPECT_EQ(run.status, kBatchBadInput) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}
