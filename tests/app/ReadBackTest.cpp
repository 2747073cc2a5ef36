// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the batch writes can be read back by the program's own readers, and what they refuse
// is told in a short message that shows no raw control byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/MessageText.h"
#include "params/ParamSet.h"
#include "present/KineticReader.h"
#include "formats/Report.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

bool hasRawControlByte(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
}

} // namespace

// Both separators the batch takes come back through the batch and through the animator's reader.
TEST(ReadBack, EachSeparatorRoundTripsThroughTheBatchAndTheAnimator)
{
    ScratchDir dir;
    for (const char* separator : {".", ","}) {
        SCOPED_TRACE(separator);
        const std::string report = dir.file("r.txt"), kinetic = dir.file("k.ini");
        const BatchRun written =
            batch({"--decimal-separator", separator, "--set", "m1=2.25", "--set", "fi0=7.5",
                   "--report", report, "--kinetic", kinetic});
        ASSERT_EQ(written.status, kBatchDone) << written.err;

        const BatchRun again = batch({"--decimal-separator", separator, "--from-report", report,
                                      "--report", dir.file("again.txt")});
        ASSERT_EQ(again.status, kBatchDone) << again.err;
        EXPECT_EQ(readBytes(dir.file("again.txt")), readBytes(report));

        const KineticData d = readKinetic(kinetic);
        EXPECT_EQ(d.l2, 25);
        ASSERT_EQ(d.frames.size(), 25u);
        EXPECT_EQ(d.frames[0].crank, 7.5);
    }
}

// A value no reader could take back is refused before anything is written: as a parameter, or
// as an output that a result leaves beyond what its reader accepts.
TEST(ReadBack, OutputsTheirReadersWouldRefuseAreNotWritten)
{
    ScratchDir dir;
    const std::string target = dir.file("out");
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--set", "m1=1e400", "--report", target}, "'1e400' is not a valid floating point value"},
        {{"--set", "aux=-1e309", "--report", target}, "'-1e309' is not a valid floating point"},
        {{"--set", "l2=1e308", "--autofill", "--csv", target},
         "of ma at step 1 lies beyond the range of a double"},
        {{"--set", "l2=1e308", "--autofill", "--kinetic", target},
         "Аниматор не прочтёт этот файл: шаг 1: положение выводит рисунок за допустимый размах"},
        // Rounded to four digits, the largest lengths would be written beyond a double.
        {{"--set", "l1=1.79769e308", "--report", target},
         "line 1 of the report, '1.798E308', could not be read back"},
        {{"--set", "b=-1.79769e308", "--kinetic", target}, "\"-1.798E308\" вне диапазона double"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        writeBytes(target, "old");
        const BatchRun run = batch(c.args);
        EXPECT_EQ(run.status, kBatchBadInput);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(readBytes(target), "old");
    }
}

// A 60 KB line full of escape sequences, and a path near the length limit: each reader's message
// stays within 200 bytes and shows every control byte as \xHH.
TEST(ReadBack, EndlessLinesAndPathsGiveShortVisibleMessages)
{
    ScratchDir dir;
    std::string hostile;
    while (hostile.size() < 60000)
        hostile += "1\x1B[31m\a\t";
    hostile += "\r\n";
    const std::string kinetic = dir.file("k.ini"), report = dir.file("r.txt");
    writeBytes(kinetic, "15\r\n1\r\n" + hostile);
    writeBytes(report, hostile);
    writeBytes(dir.file("p.txt"), "m1 = " + hostile);
    std::string deep = dir.path().string();
    while (deep.size() < 3840) {
        deep += "/" + std::string(200, '\x1B');
        std::filesystem::create_directory(deep);
    }
    const std::string longPath = deep + "/" + std::string(4085 - deep.size() - 1, 'k');
    writeBytes(longPath, "x\r\n");

    std::vector<std::string> messages;
    for (const std::string& path : {kinetic, longPath}) {
        try {
            readKinetic(path);
        } catch (const KineticFileError& e) {
            messages.push_back(e.what());
        }
    }
    try {
        ParamSet p;
        readReportHeader(report, p);
    } catch (const ConvertError& e) {
        messages.push_back(e.what());
    }
    for (const std::string option : {"--params", "--from-report"}) {
        const BatchRun run = batch({option, option == "--params" ? dir.file("p.txt") : report});
        EXPECT_EQ(run.status, kBatchBadInput);
        messages.push_back(run.err.substr(std::string("kinovar-batch: ").size()));
    }
    ASSERT_EQ(messages.size(), 5u);
    for (const std::string& message : messages) {
        EXPECT_LE(message.size(), kQuoteBytes + 100) << message; // the batch names the option
        EXPECT_FALSE(hasRawControlByte(message.substr(0, message.size() - 1))) << message;
        EXPECT_NE(message.find("\\x1B"), std::string::npos) << message;
    }
    for (size_t i = 0; i < 3; ++i)
        EXPECT_LE(messages[i].size(), kQuoteBytes) << messages[i];
}
