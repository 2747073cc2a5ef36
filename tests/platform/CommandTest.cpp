// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

#include "base/Errors.h"
#include "platform/Command.h"
#include "support/FakePlatform.h"

namespace {

struct Thrown {
    const char* name;
    std::function<void()> raise;
    const char* shown; // as the standard error report shows it
};

void PrintTo(const Thrown& t, std::ostream* os)
{
    *os << t.name;
}

class CommandBoundary : public ::testing::TestWithParam<Thrown> {};

TEST_P(CommandBoundary, ShowsTheFailureOnceAndEndsTheCommandThere)
{
    FakePlatform fake;
    bool reachedEnd = false;
    runCommand(fake, [&] {
        GetParam().raise();
        reachedEnd = true;
    });
    EXPECT_FALSE(reachedEnd);
    EXPECT_EQ(fake.errors, std::vector<std::string>{GetParam().shown});
    EXPECT_EQ(fake.calls.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Command, CommandBoundary,
    ::testing::Values(
        Thrown{"OutOfMemory", [] { throw std::bad_alloc(); }, "Out of memory."},
        Thrown{"ArrayTooLong", [] { throw std::bad_array_new_length(); }, "Out of memory."},
        Thrown{"TypedError", [] { throw InOutError(101, "Disk full"); }, "Диск переполнен."},
        Thrown{"StandardError", [] { throw std::length_error("vector too long."); },
               "vector too long."},
        Thrown{"NotAnException", [] { throw 42; }, "Unexpected error."}),
    [](const ::testing::TestParamInfo<Thrown>& info) { return std::string(info.param.name); });

TEST(Command, CommandThatSucceedsReportsNothing)
{
    FakePlatform fake;
    int runs = 0;
    runCommand(fake, [&] { ++runs; });
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(fake.calls.empty());
}

// With no memory left even the box may fail: that must not end the program either.
class BrokenReport : public FakePlatform {
public:
    int attempts = 0;
    void showError(const std::string&) override
    {
        ++attempts;
        throw std::bad_alloc();
    }
};

TEST(Command, FailingErrorReportIsSwallowed)
{
    BrokenReport platform;
    EXPECT_NO_THROW(runCommand(platform, [] { throw std::runtime_error("first"); }));
    EXPECT_EQ(platform.attempts, 1);
}

TEST(Command, GuardedPassesTheSignalArgumentsOnOrDropsThem)
{
    FakePlatform fake;
    bool seen = false;
    auto takesOne = guarded(fake, [&](bool on) { seen = on; });
    takesOne(true);
    EXPECT_TRUE(seen);

    int runs = 0;
    auto takesNone = guarded(fake, [&] { ++runs; });
    takesNone(7, true); // a signal with arguments the command does not want
    takesNone();
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(fake.errors.empty());

    auto failing = guarded(fake, [](int code) { throw InOutError(code, "File not found"); });
    EXPECT_NO_THROW(failing(2));
    EXPECT_EQ(fake.errors, std::vector<std::string>{"Файл не найден."});
}

} // namespace
