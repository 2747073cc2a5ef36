// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/NumberText.h"
#include "params/RunSettings.h"

namespace {

class RunSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setDefaults(p);
        p.cycles = 1;
    }
    ParamSet p;

private:
};

struct StepCase {
    int index;
    const char* shown; // degrees as the memo shows them with the point
    bool warns;
};

TEST_F(RunSettingsTest, StepTable)
{
    const std::vector<StepCase> cases = {
        {0, "1", false},  {1, "5", false},   {2, "10", false},   {3, "15", false},
        {4, "30", false}, {5, "60", false},  {6, "0.5", false},  {7, "0.2", true},
        {8, "0.1", true}, {9, "0.05", true}, {10, "0.01", true},
    };
    const long double degrees[] = {1, 5, 10, 15, 30, 60, 0.5L, 0.2L, 0.1L, 0.05L, 0.01L};
    for (const StepCase& c : cases) {
        const Outcome out = selectStep(p, c.index, '.');
        EXPECT_EQ(p.step, degrees[c.index] * kRadPerDeg) << c.index;
        std::vector<Effect> want;
        if (c.warns) want.push_back({Effect::Kind::Message, kFineStepWarning});
        want.push_back({Effect::Kind::Memo, std::string("Шаг ") + c.shown + " градусов принят"});
        EXPECT_EQ(out.effects, want) << c.index;
        EXPECT_EQ(p.N, 25); // a new step keeps the step count
    }
}

TEST_F(RunSettingsTest, StepMemoUsesTheLocaleSeparator)
{
    EXPECT_EQ(selectStep(p, 7, ',').memoText(), std::string("Шаг 0,2 градусов принят"));
}

TEST_F(RunSettingsTest, TypedStepKeepsTheStepInForce)
{
    selectStep(p, 1, '.');
    const Outcome out = selectStep(p, -1, '.');
    EXPECT_EQ(p.step, 5 * kRadPerDeg);
    EXPECT_TRUE(out.messages().empty());
    EXPECT_EQ(out.memoText(), std::string("Шаг 5 градусов принят"));
}

struct CountCase {
    const char* text;
    int32_t n;        // N afterwards
    int32_t cycles;   // cycles afterwards
    const char* memo; // nullptr: the memo is left alone
    const char* message;
};

TEST_F(RunSettingsTest, CountConversionAndLimits)
{
    const std::vector<CountCase> cases = {
        {"2", 49, 2, "Принято: циклов 2, шагов 48, поворот кривошипа 720°", nullptr},
        {"3749", 89977, 3749, "Принято: циклов 3749, шагов 89976, поворот кривошипа 1349640°",
         nullptr},
        {"0", 1, 0, "Принято: циклов 0, шагов 0, поворот кривошипа 0°", nullptr},
        {"-0", 1, 0, "Принято: циклов 0, шагов 0, поворот кривошипа 0°", nullptr},
        {"$10", 385, 16, "Принято: циклов 16, шагов 384, поворот кривошипа 5760°", nullptr},
        // Beyond the store: N and the count in force keep their values and the memo reports them.
        {"3750", 25, 1, "Принято: циклов 1, шагов 24, поворот кривошипа 360°", kCountLimitMessage},
        {"178956971", 25, 1, "Принято: циклов 1, шагов 24, поворот кривошипа 360°",
         kCountLimitMessage},
        {"2147483647", 25, 1, "Принято: циклов 1, шагов 24, поворот кривошипа 360°",
         kCountLimitMessage},
        // Not a natural number: nothing changes.
        {"-2", 25, 1, nullptr, kCountFault},
        {"-2147483648", 25, 1, nullptr, kCountFault},
        {"$FFFFFFFF", 25, 1, nullptr, kCountFault},
        {"abc", 25, 1, nullptr, kCountFault},
        {"", 25, 1, nullptr, kCountFault},
        {"2147483648", 25, 1, nullptr, kCountFault},
        {"1.0", 25, 1, nullptr, kCountFault},
        {"3 ", 25, 1, nullptr, kCountFault},
        {"3\r\n", 25, 1, nullptr, kCountFault},
        {"три", 25, 1, nullptr, kCountFault},
    };
    for (const CountCase& c : cases) {
        setDefaults(p);
        p.cycles = 1;
        const Outcome out = applyCycleCount(p, c.text, '.');
        SCOPED_TRACE(c.text);
        EXPECT_EQ(p.N, c.n);
        EXPECT_EQ(p.cycles, c.cycles);
        EXPECT_EQ(out.messages(),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        if (c.memo) {
            EXPECT_EQ(out.memoText(), std::string(c.memo));
        } else {
            EXPECT_FALSE(out.memoText());
        }
        // The message box comes before the memo line.
        if (c.message && c.memo) {
            EXPECT_EQ(out.effects.front().kind, Effect::Kind::Message);
        }
    }
}

// The step box's items in degrees with the locale's separator, and what a typed text names: the
// item's number with either separator, with or without the degree sign and blanks, or the
// legacy "ext" form; nothing else.
TEST_F(RunSettingsTest, StepItemsAndTypedSteps)
{
    EXPECT_EQ(stepItemText(3, ','), "15°");
    EXPECT_EQ(stepItemText(8, ','), "0,1°");
    EXPECT_EQ(stepItemText(8, '.'), "0.1°");
    EXPECT_EQ(stepItemText(10, ','), "0,01°");
    const struct {
        const char* text;
        int item;
    } cases[] = {
        {"15°", 3},   {"15", 3},  {" 15 ", 3}, {"0,1°", 8},  {"0.1", 8},  {"ext 0.1", 8},
        {"0,05°", 9}, {"60°", 5}, {"1", 0},    {"0", -1},    {"7", -1},   {"15.0", -1},
        {"1e1", -1},  {"", -1},   {"°", -1},   {"0,02", -1}, {"-15", -1}, {"15°°", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stepItemForText(c.text), c.item) << c.text;
    for (int i = 0; i < static_cast<int>(kTuneItems.size()); ++i)
        EXPECT_EQ(stepItemForText(stepItemText(i, ',')), i) << i;
}

TEST_F(RunSettingsTest, CycleMemoFollowsTheStep)
{
    selectStep(p, 1, '.');
    EXPECT_EQ(applyCycleCount(p, "1", '.').memoText(),
              std::string("Принято: циклов 1, шагов 24, поворот кривошипа 120°"));
    EXPECT_EQ(p.N, 25);
}

// The message quotes the limit both ways: the steps of the store and the largest count that fits
// them, 24 * 3749 + 1 = 89977 <= 90000 < 24 * 3750 + 1.
TEST_F(RunSettingsTest, LimitMessageIsThreeCrLfLines)
{
    const std::string text = kCountLimitMessage;
    const auto first = text.find("\r\n");
    const auto second = text.find("\r\n", first + 2);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(text.find("\r\n", second + 2), std::string::npos);
    EXPECT_EQ(
        text.substr(0, first),
        "Ошибка: Максимально допустимое кол-во шаг-циклов заданное разработчиком: 90000 шагов "
        "(3749 циклов)");
    EXPECT_EQ(text.substr(second + 2), "Решение 2> Введите меньше циклов и увеличьте шаг");
    EXPECT_EQ(applyCycleCount(p, "3749", '.').messages(), std::vector<std::string>{});
    EXPECT_EQ(applyCycleCount(p, "3750", '.').messages(), std::vector<std::string>{text});
    EXPECT_EQ(p.cycles, 3749);
}

TEST_F(RunSettingsTest, ModeFromIndex)
{
    for (auto [index, mode] : std::vector<std::pair<int, long double>>{{1, 1}, {0, 0}, {-1, 1}}) {
        const Outcome out = selectMode(p, index);
        EXPECT_EQ(p.mode, mode) << index;
        EXPECT_EQ(out.effects, (std::vector<Effect>{{Effect::Kind::Memo, kModeMemo}}));
    }
}

} // namespace
