// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/NumberText.h"
#include "params/Entry.h"
#include "params/ParamTable.h"

namespace {

using Kind = Effect::Kind;

const int kRowL1 = paramRowForKey("l1"), kRowL2 = paramRowForKey("l2"), kRowB = paramRowForKey("b"),
          kRowFi0 = paramRowForKey("fi0"), kRowM1 = paramRowForKey("m1"),
          kRowI2 = paramRowForKey("i2");

class EntryTest : public ::testing::Test {
protected:
    void SetUp() override { setDefaults(p); }

    Outcome enter(int row, const std::string& text, char decimal = '.')
    {
        openEntry(p, row, decimal);
        return confirmEntry(p, text, decimal);
    }

    ParamSet p;
};

Effect msg(const char* t)
{
    return {Kind::Message, t};
}
Effect memo(const char* t)
{
    return {Kind::Memo, t};
}
Effect label(int row, const std::string& t)
{
    return {Kind::Label, t, row};
}
Effect just(Kind k)
{
    return {k, {}};
}
Effect editText(const std::string& t)
{
    return {Kind::EditText, t};
}

struct ScreenCase {
    std::string text;
    bool allowed;
};

TEST(EntryScreening, CharacterClasses)
{
    // The point and the comma both pass whatever the locale: a fraction may be typed either way.
    const std::vector<ScreenCase> cases = {
        {"0123456789", true},
        {"-12,5", true},
        {"1.5", true},
        {"1.5,5", true},
        {"", true},
        {"--", true},
        {"1\t", true}, // control characters are left to the
                       // conversion
        {"1\r\n2", true},
        {" 7", false},
        {"+1", false},
        {"1e3", false},
        {"1E3", false},
        {"1/2", false},
        {"1:2", false},
        {"#", false},
        {"1\x7f", false},
        {"абв", false},
        {"12ф", false},
    };
    for (const ScreenCase& c : cases)
        EXPECT_EQ(entryTextAllowed(c.text), c.allowed) << "text \"" << c.text << "\"";
}

struct OpenCase {
    int row;
    long double value; // stored into the row's field first
    char decimal;
    const char* caption;
    const char* text; // what the field is filled with
};

// The field shows the stored value in plain digits that read back to it, never an exponent
// (the screening would refuse its letter), and the panel names the parameter after its caption.
TEST_F(EntryTest, EditButtonFillsTheFieldWithTheStoredValue)
{
    const std::vector<OpenCase> cases = {
        {kRowL1, 12.5L, ',', "L1 =", "12,5"},
        {kRowFi0, 0.1L, '.', "Fi0 =", "0.1"}, // a double: 0.1 as a double, not its widening
        {kRowM1, 0.1L, ',', "M1 =", "0,1"},   // an extended 0.1
        {paramRowForKey("m2"), 1e-5L, '.', "M2 =", "0.00001"}, // "M2" has no "=" to drop
        {paramRowForKey("fidtt"), -2, '.', "+Fitt =", "-2"},
        {paramRowForKey("ac1"), 1e20L, '.', "A(C1) =", "100000000000000000000"},
    };
    for (const OpenCase& c : cases) {
        setDefaults(p);
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(storeParam(p, paramRow(c.row), c.value));
        const Outcome out = openEntry(p, c.row, c.decimal);
        EXPECT_EQ(out.effects, (std::vector<Effect>{editText(c.text), just(Kind::ShowPanel)}));
        EXPECT_EQ(p.curkey, paramRow(c.row).key);
        EXPECT_EQ(entryCaptionText(c.row), c.caption);
    }
    // A value with no short decimal form reads back exactly, through the field's own conversion.
    for (int row : {kRowFi0, kRowM1}) {
        ASSERT_TRUE(storeParam(p, paramRow(row), 1.0L / 3));
        const std::string text = entryValueText(p, row, ',');
        EXPECT_TRUE(entryTextAllowed(text)) << text;
        const Outcome out = enter(row, text, ',');
        EXPECT_TRUE(out.messages().empty()) << text;
        EXPECT_EQ(paramValue(p, row),
                  row == kRowFi0 ? static_cast<long double>(1.0 / 3) : 1.0L / 3);
    }
}

TEST_F(EntryTest, CommaFractionWithCommaLocale)
{
    const Outcome out = enter(kRowL1, "12,5", ',');
    EXPECT_EQ(out.effects, (std::vector<Effect>{just(Kind::HidePanel), label(kRowL1, "12,500")}));
    EXPECT_EQ(p.l1, 12.5);
    // The stored lengths no longer add up: the next confirmation warns in the memo.
    const Outcome next = enter(kRowM1, "3");
    EXPECT_EQ(next.memoText(), std::string(kSumMemo));
    EXPECT_TRUE(next.messages().empty());
}

TEST_F(EntryTest, FractionsTypedEitherWayUnderEitherLocale)
{
    // The entry takes either separator whatever the window's locale: no separator is passed in.
    for (const char* text : {"1.5", "1,5"}) {
        p.m1 = 4;
        const Outcome out = enter(kRowM1, text);
        EXPECT_TRUE(out.messages().empty()) << text;
        EXPECT_EQ(p.m1, 1.5L) << text;
        EXPECT_EQ(out.effects,
                  (std::vector<Effect>{just(Kind::HidePanel), label(kRowM1, "1.500")}));
    }
    // More than one separator is no number: the conversion refuses it, the value stays.
    for (const char* text : {"1.5.5", "1,5,5", "1.5,5", "1,5.5", ".,5"}) {
        p.m1 = 4;
        EXPECT_EQ(enter(kRowM1, text).messages(), std::vector<std::string>{kEntryFault}) << text;
        EXPECT_EQ(p.m1, 4);
    }
}

TEST_F(EntryTest, DoubleFieldsRoundExtendedFieldsDoNot)
{
    enter(kRowFi0, "0,1");
    enter(kRowM1, "0,1");
    EXPECT_EQ(p.fi0, 0.1);
    EXPECT_EQ(p.m1, 0.1L);
    EXPECT_NE(p.m1, static_cast<long double>(0.1));
}

// A screened-out or empty text stores nothing, says why in the memo and reopens the panel on the
// stored value.
TEST_F(EntryTest, ScreenedOutTextKeepsFieldAndLabel)
{
    for (const char* text : {"1e3", " 7", "1/5", "абв", "+4", "7 ", ""}) {
        for (int row : {kRowL2, kRowM1}) {
            setDefaults(p);
            const Outcome out = enter(row, text);
            const char* why = *text ? kScreenedMemo : kEmptyEntryMemo;
            EXPECT_EQ(out.effects, (std::vector<Effect>{just(Kind::HidePanel), memo(why),
                                                        editText(row == kRowL2 ? "25" : "4"),
                                                        just(Kind::ShowPanel)}))
                << text;
            EXPECT_EQ(p.l2, 25);
            EXPECT_EQ(p.b, 15);
            EXPECT_EQ(p.m1, 4);
        }
    }
}

struct BadCase {
    std::string text;
    bool extendedFails; // every one of them fails for a double field
};

TEST_F(EntryTest, BadInputNeverChangesOtherFields)
{
    const std::vector<BadCase> cases = {
        {"-", true},
        {"--", true},
        {"--1", true},
        {"1-2", true},
        {"1,2,3", true},
        // Beyond a double, within an extended: refused for the extended fields as well, whose
        // reports could not be read back.
        {std::string(1, '1') + std::string(400, '0'), true},
        {std::string(1000, '9'), true}, // a thousand digits
        {std::string(5000, '9'), true}, // beyond an extended too
        {"\t5", true},
        {"5\r\n", true},
        {"12\n34", true},
    };
    for (const BadCase& c : cases) {
        for (int row : {kRowL1, kRowM1}) {
            setDefaults(p);
            const Outcome out = enter(row, c.text);
            const bool fails = row == kRowL1 || c.extendedFails;
            SCOPED_TRACE("row " + std::to_string(row) + " text length " +
                         std::to_string(c.text.size()));
            // A value refused leaves the label as it was.
            EXPECT_EQ(out.has(Kind::Label), !fails);
            EXPECT_EQ(out.messages(),
                      fails ? std::vector<std::string>{kEntryFault} : std::vector<std::string>{});
            EXPECT_EQ(p.l1, 10);
            if (fails) {
                EXPECT_EQ(p.m1, 4);
            } else {
                EXPECT_GT(p.m1, 1e399L);
            }
            EXPECT_EQ(p.l2, 25);
            EXPECT_EQ(p.b, 15);
            EXPECT_FALSE(out.has(Kind::Refresh));
        }
    }
}

TEST_F(EntryTest, TinyValueUnderflowsSilentlyInDoubleField)
{
    const Outcome out = enter(kRowFi0, "0," + std::string(400, '0') + "1");
    EXPECT_TRUE(out.messages().empty());
    EXPECT_EQ(p.fi0, 0.0);
}

TEST_F(EntryTest, ChecksRunOnStoredValuesInOrder)
{
    p.l1 = 10;
    p.l2 = 0; // non-positive and not matching b
    const Outcome out = enter(kRowL2, "15");
    EXPECT_EQ(out.effects, (std::vector<Effect>{just(Kind::HidePanel), msg(kLengthMessage),
                                                memo(kSumMemo), label(kRowL2, "15.000"),
                                                label(kRowB, "5.000"), just(Kind::Refresh)}));
    EXPECT_EQ(p.l2, 15);
    EXPECT_EQ(p.b, 5);
}

// An L2 below L1 would turn the offset negative, which no run accepts: the entry is refused
// with the reason, and neither L2 nor B changes.
TEST_F(EntryTest, RodShorterThanTheCrankIsRefused)
{
    const struct {
        const char* text;
        double l2, b;
        bool refused;
    } cases[] = {{"5", 25, 15, true},
                 {"9.5", 25, 15, true},
                 {"10", 10, 0, false},
                 {"12,5", 12.5, 2.5, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        setDefaults(p);
        const Outcome out = enter(kRowL2, c.text);
        EXPECT_EQ(p.l2, c.l2);
        EXPECT_EQ(p.b, c.b);
        EXPECT_EQ(out.messages(), c.refused ? std::vector<std::string>{kNegativeBRefusal}
                                            : std::vector<std::string>{});
        EXPECT_EQ(out.has(Kind::Label), !c.refused);
    }
}

TEST_F(EntryTest, LengthMessageOnceForBothLengthsAndBeforeTheFault)
{
    p.l1 = 0;
    p.l2 = -1;
    p.b = -1; // l2 - l1 = b: no sum warning
    const Outcome out = enter(kRowM1, "x");
    EXPECT_EQ(out.effects,
              (std::vector<Effect>{just(Kind::HidePanel), msg(kLengthMessage), memo(kScreenedMemo),
                                   editText("4"), just(Kind::ShowPanel)}));
    const Outcome bad = enter(kRowM1, "-");
    EXPECT_EQ(bad.messages(), (std::vector<std::string>{kLengthMessage, kEntryFault}));
}

// Either length at zero, the other one fine, is reason enough for the length message.
TEST_F(EntryTest, ALengthOfZeroRaisesTheLengthMessage)
{
    const struct {
        double l1, l2;
        bool warned;
    } cases[] = {{0, 25, true}, {10, 0, true}, {10, 25, false}};
    for (const auto& c : cases) {
        setDefaults(p);
        p.l1 = c.l1;
        p.l2 = c.l2;
        const auto messages = enter(kRowFi0, "2").messages();
        EXPECT_EQ(messages.size() == 1 && messages[0] == kLengthMessage, c.warned)
            << c.l1 << " " << c.l2;
        EXPECT_EQ(messages.empty(), !c.warned);
    }
}

TEST_F(EntryTest, NegativeCrankAcceptedThenWarnedNextTime)
{
    EXPECT_TRUE(enter(kRowL1, "-3").messages().empty());
    EXPECT_EQ(p.l1, -3);
    const Outcome next = enter(kRowFi0, "2");
    EXPECT_EQ(next.messages(), std::vector<std::string>{kLengthMessage});
    EXPECT_EQ(next.memoText(), std::string(kSumMemo));
}

TEST_F(EntryTest, RodLengthRecomputesGuideOffset)
{
    const Outcome out = enter(kRowL2, "30");
    EXPECT_EQ(out.effects, (std::vector<Effect>{just(Kind::HidePanel), label(kRowL2, "30.000"),
                                                label(kRowB, "20.000"), just(Kind::Refresh)}));
    EXPECT_EQ(p.b, 20);
    // Only the rod length triggers the refresh.
    EXPECT_FALSE(enter(kRowB, "20").has(Kind::Refresh));
}

TEST_F(EntryTest, FailedRodLengthLeavesGuideAndDisplay)
{
    const Outcome out = enter(kRowL2, "1,2,3");
    EXPECT_EQ(out.messages(), std::vector<std::string>{kEntryFault});
    EXPECT_FALSE(out.has(Kind::Refresh));
    EXPECT_EQ(p.l2, 25);
    EXPECT_EQ(p.b, 15);
}

TEST_F(EntryTest, GuideOffsetOverflowKeepsRodLengthAndOldOffset)
{
    p.l1 = -1.5e308;
    // std::string on both sides: GCC 12 at -O3 warns falsely (-Wrestrict) about "1" + string.
    const Outcome out = enter(kRowL2, std::string(1, '1') + std::string(308, '0'));
    EXPECT_EQ(out.messages(), (std::vector<std::string>{kLengthMessage, kEntryFault}));
    EXPECT_FALSE(out.has(Kind::Refresh));
    EXPECT_EQ(p.l2, 1e308);
    EXPECT_EQ(p.b, 15);
}

TEST_F(EntryTest, KeyKeptAcrossConfirmations)
{
    openEntry(p, kRowM1, '.');
    openEntry(p, kRowI2, '.');
    confirmEntry(p, "3", '.');
    EXPECT_EQ(p.m1, 4);
    EXPECT_EQ(p.i2, 3);
    const Outcome again = confirmEntry(p, "7", '.');
    EXPECT_EQ(p.curkey, "i2");
    EXPECT_EQ(p.i2, 7);
    EXPECT_EQ(again.effects.back(), label(kRowI2, "7.000"));
}

TEST_F(EntryTest, NoKeyYetChangesNothing)
{
    p.curkey.clear();
    const ParamSet before = p;
    const Outcome out = confirmEntry(p, "5", '.');
    EXPECT_EQ(out.effects, std::vector<Effect>{just(Kind::HidePanel)});
    EXPECT_EQ(p.l1, before.l1);
    EXPECT_EQ(p.m1, before.m1);
}

} // namespace

// Every row's entry lands in its own field and nowhere else: the rates fit0, fitt0 and fidtt
// as much as the lengths and points.
TEST_F(EntryTest, EveryRowStoresIntoItsField)
{
    for (int row = 0; row < kParamRowCount; ++row) {
        setDefaults(p);
        ParamSet before = p;
        const Outcome out = enter(row, "25.5");
        EXPECT_TRUE(out.messages().empty()) << paramRow(row).key;
        EXPECT_EQ(paramValue(p, row), 25.5L) << paramRow(row).key;
        for (int other = 0; other < kParamRowCount; ++other) {
            // Entering l2 recomputes b = l2 - l1 as well.
            if (other == row || (row == kRowL2 && other == kRowB)) continue;
            EXPECT_EQ(paramValue(p, other), paramValue(before, other))
                << paramRow(row).key << " changed " << paramRow(other).key;
        }
    }
}

// l2 = l1 puts the guide through O (b = 0): a legitimate mechanism, not a negative offset.
TEST_F(EntryTest, GuideThroughTheCrankPivotIsNotWarned)
{
    const Outcome out = enter(kRowL2, "10");
    EXPECT_EQ(p.b, 0.0);
    EXPECT_EQ(out.effects, (std::vector<Effect>{just(Kind::HidePanel), label(kRowL2, "10.000"),
                                                label(kRowB, "0.000"), just(Kind::Refresh)}));
}

// A value typed into a row's own field: the entry's checks and refusals for that row, nothing
// done to the entry panel, the panel's key untouched, and the field never left holding a text
// that was not stored.
TEST_F(EntryTest, EditInPlaceStoresOrPutsTheStoredValueBack)
{
    const struct {
        const char* name;
        int row;
        std::string text;
        std::vector<Effect> effects;
        long double l2, b, m1;
    } cases[] = {
        {"a mass, comma", kRowM1, "3,5", {label(kRowM1, "3.500")}, 25, 15, 3.5L},
        {"the rod moves the guide",
         kRowL2,
         "30",
         {label(kRowL2, "30.000"), label(kRowB, "20.000"), just(Kind::Refresh)},
         30,
         20,
         4},
        {"screened out", kRowM1, "1e3", {memo(kScreenedMemo), label(kRowM1, "4.000")}, 25, 15, 4},
        {"empty", kRowL2, "", {memo(kEmptyEntryMemo), label(kRowL2, "25.000")}, 25, 15, 4},
        {"a negative mass",
         kRowM1,
         "-2",
         {msg(paramValueFault(paramRow(kRowM1), -2).c_str()), label(kRowM1, "4.000")},
         25,
         15,
         4},
        {"a rod shorter than the crank",
         kRowL2,
         "5",
         {msg(kNegativeBRefusal), label(kRowL2, "25.000")},
         25,
         15,
         4},
        {"no number", kRowM1, "1-2", {msg(kEntryFault), label(kRowM1, "4.000")}, 25, 15, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setDefaults(p);
        openEntry(p, kRowI2, '.'); // the panel stands open on another row
        const Outcome out = editInPlace(p, c.row, c.text, '.');
        EXPECT_EQ(out.effects, c.effects);
        EXPECT_EQ(p.curkey, "i2");
        EXPECT_EQ(p.l2, c.l2);
        EXPECT_EQ(p.b, c.b);
        EXPECT_EQ(p.m1, c.m1);
        EXPECT_EQ(p.i2, 10);
    }
}
