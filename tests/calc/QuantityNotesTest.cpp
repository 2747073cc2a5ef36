// SPDX-License-Identifier: GPL-3.0-or-later
// The notes of the quantity catalogue as the grid's tips get them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/Quantities.h"

// A quantity covered by two notes gets both, in the notes' order; one covered by none gets "".
TEST(QuantityNotes, QuantityNotesJoinEveryNoteThatCoversAQuantity)
{
    const struct {
        Quantity q;
        std::vector<const char*> phrases; // in the order they must appear
    } cases[] = {
        {Quantity::fbx, {"шатун действует на ползун", "без реакции направляющей"}},
        {Quantity::fbxk, {"шатун действует на ползун"}},
        {Quantity::fax, {"кривошип действует на шатун", "без реакции направляющей"}},
        {Quantity::fok, {"стойка действует на кривошип"}},
        {Quantity::mb, {"отрицателен, когда машина отдаёт работу"}},
        {Quantity::e, {"с шага 1"}},
        {Quantity::mi2, {"+I·α", "−I·α"}},
        {Quantity::psi, {"от оси +x", "90° и 270°"}},
        {Quantity::ma, {}},
        {Quantity::q, {}},
    };
    for (const auto& c : cases) {
        const std::string note = quantityNote(quantityInfo(c.q));
        EXPECT_EQ(note.empty(), c.phrases.empty()) << quantityInfo(c.q).name << ": " << note;
        size_t at = 0;
        for (const char* phrase : c.phrases) {
            at = note.find(phrase, at);
            ASSERT_NE(at, std::string::npos) << quantityInfo(c.q).name << ": " << phrase;
        }
    }
}
