// SPDX-License-Identifier: GPL-3.0-or-later
// A negative mass or moment of inertia is refused wherever a value comes in: the entry, the
// batch's --set and a report's header (read by the window and by --from-report); zero passes.
#include <gtest/gtest.h>
#include <string>

#include "base/Errors.h"
#include "formats/Report.h"
#include "params/Entry.h"
#include "params/ParamSet.h"
#include "params/ParamTable.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

struct MassKey {
    const char* key;
    const char* refusal; // what the user reads for -5
};

const MassKey kMassKeys[] = {
    {"m1", "M1: масса не может быть отрицательной"},
    {"m2", "M2: масса не может быть отрицательной"},
    {"m3", "M3: масса не может быть отрицательной"},
    {"i1", "I1: момент инерции не может быть отрицательным"},
    {"i2", "I2: момент инерции не может быть отрицательным"},
    {"i3", "I3: момент инерции не может быть отрицательным"},
};

// A report whose header holds the defaults but `text` on the line of `key`.
std::string reportWith(const ScratchDir& dir, const ParamInfo& info, const std::string& text)
{
    ParamSet p;
    setDefaults(p);
    auto header = reportHeader(p, '.');
    header[static_cast<size_t>(info.reportLine)] = text;
    std::string bytes;
    for (const std::string& line : header)
        bytes += line + "\r\n";
    const std::string path = dir.file(std::string(info.key) + ".txt");
    writeBytes(path, bytes);
    return path;
}

} // namespace

TEST(MassSign, NegativeIsRefusedEverywhereAndZeroAccepted)
{
    ScratchDir dir("mass-sign");
    for (const MassKey& k : kMassKeys) {
        const ParamInfo& info = *findParam(k.key);
        ParamSet defaults;
        setDefaults(defaults);
        const long double before = defaults.*(info.asExtended);
        ASSERT_GT(before, 0) << k.key; // so that a store of 0 or -5 shows
        for (const char* text : {"-5", "0"}) {
            SCOPED_TRACE(std::string(k.key) + "=" + text);
            const bool refused = text[0] == '-';

            // The entry: a box says why, and neither the label nor the value changes.
            ParamSet p = defaults;
            p.curkey = k.key;
            const Outcome out = confirmEntry(p, text, '.');
            EXPECT_EQ(p.*(info.asExtended), refused ? before : 0.0L);
            EXPECT_EQ(out.messages(),
                      refused ? std::vector<std::string>{k.refusal} : std::vector<std::string>{});
            bool labelled = false;
            for (const Effect& e : out.effects)
                labelled = labelled || e.kind == Effect::Kind::Label;
            EXPECT_EQ(labelled, !refused);

            // The batch's --set.
            const BatchRun set = batch({"--set", std::string(k.key) + "=" + text, "--csv", "-"});
            EXPECT_EQ(set.status == kBatchBadInput, refused) << set.err;
            EXPECT_EQ(set.err.find(k.refusal) != std::string::npos, refused) << set.err;
            EXPECT_EQ(set.out.empty(), refused);

            // A report's header, read by the window and by the batch.
            const std::string report = reportWith(dir, info, text);
            ParamSet read = defaults;
            if (refused) {
                try {
                    readReportHeader(report, read);
                    ADD_FAILURE() << "read";
                } catch (const ConvertError& e) {
                    EXPECT_EQ(std::string(e.what()),
                              "line " + std::to_string(info.reportLine + 1) + ": " + k.refusal);
                }
                EXPECT_EQ(read.*(info.asExtended), before);
            } else {
                readReportHeader(report, read);
                EXPECT_EQ(read.*(info.asExtended), 0.0L);
            }
            const BatchRun fromReport = batch({"--from-report", report, "--csv", "-"});
            EXPECT_EQ(fromReport.status == kBatchBadInput, refused) << fromReport.err;
            EXPECT_EQ(fromReport.err.find(k.refusal) != std::string::npos, refused);
        }
    }
}
