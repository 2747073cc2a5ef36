// SPDX-License-Identifier: GPL-3.0-or-later
// The notes of the parameter catalogue as the value boxes' caption tips give them.
#include <gtest/gtest.h>

#include <string>

#include "params/ParamTable.h"

TEST(ParamNotes, WordListsMatchWholeWordsOnly)
{
    const struct {
        const char* words;
        const char* word;
        bool listed;
    } cases[] = {
        {"i1 i2", "i2", true},     {"i1 i2", "i1", true},
        {"i1 i2", "i", false},     {"fbx fax", "fbxk", false},
        {"fbxk fbx", "fbx", true}, {"fi0", "fi", false},
        {"", "", false},           {"mo mb", "mo mb", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(listsWord(c.words, c.word), c.listed) << c.words << " / " << c.word;
}

// The tip names the parameter as its box does, gives its unit, and on a line of its own what the
// catalogue notes on it.
TEST(ParamNotes, CaptionTipsGiveUnitAndNote)
{
    const struct {
        const char* key;
        const char* head;    // the tip's first line
        const char* noteHas; // a phrase of the note, or nullptr for a parameter without one
    } cases[] = {
        {"fidtt", "+Fitt, рад/с² за шаг", "на каждом шаге расчёта"},
        {"fitt0", "Fitt0, рад/с²", nullptr},
        {"fi0", "Fi0, °", "от оси +x"},
        {"l1", "L1, м", nullptr},
        {"m2", "M2, кг", "g = 9,8 м/с²"},
        {"i1", "I1, кг·м²", "относительно центра масс"},
        {"i2", "I2, кг·м²", "относительно центра масс"},
        {"i3", "I3, кг·м²", "Не входит ни в один результат"},
        {"aux", "aux", "Не входит ни в один результат"},
        {"ac1", "A(C1), м", nullptr},
    };
    for (const auto& c : cases) {
        const ParamInfo* info = findParam(c.key);
        ASSERT_NE(info, nullptr) << c.key;
        const std::string tip = paramCaptionTip(*info);
        const size_t br = tip.find('\n');
        EXPECT_EQ(tip.substr(0, br), c.head) << c.key;
        if (c.noteHas == nullptr) {
            EXPECT_EQ(br, std::string::npos) << tip;
            EXPECT_EQ(paramNote(*info), "") << c.key;
        } else {
            ASSERT_NE(br, std::string::npos) << tip;
            EXPECT_EQ(tip.substr(br + 1), paramNote(*info)) << c.key;
            EXPECT_NE(tip.find(c.noteHas, br), std::string::npos) << tip;
        }
    }
}
