// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch and the counterweight: a counterweight of no mass changes no byte of any
// output.
#include <gtest/gtest.h>

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
