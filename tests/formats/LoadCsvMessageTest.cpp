// SPDX-License-Identifier: GPL-3.0-or-later
// A load table's refusal reaches the window in Russian, naming the line as the batch does.
#include <gtest/gtest.h>

#include "formats/LoadCsv.h"
#include "support/ScratchFiles.h"

TEST(LoadCsvMessage, EveryRefusalHasItsRussianText)
{
    const struct {
        std::string text;
        int period;
        const char* batch;
        const char* window;
    } cases[] = {
        {"angle,force\n0,1\n500,2\n", 360, "line 3: the angle lies outside [0, 360)",
         "строка 3: угол вне [0, 360)"},
        {"angle,force\n10,1\n5,2\n", 360, "line 3: the angles are not increasing",
         "строка 3: углы не возрастают"},
        {"stroke,force_toward,force_away\n0,1,1\n0,2,2\n", 360,
         "line 3: the stroke values are not increasing", "строка 3: значения хода не возрастают"},
        {"stroke,force_toward,force_away\n2,1,1\n", 360, "line 2: the stroke lies outside [0, 1]",
         "строка 2: ход вне [0, 1]"},
        {"angle,force\n0,2e12\n", 720, "line 2: |Q| exceeds 1e12 N", "строка 2: |Q| больше 1e12 Н"},
        {"angle,force\n", 360, "line 1: the table is empty", "строка 1: таблица пуста"},
        {"angle,force\n0,x\n", 360, "line 2: 'x' is not a valid floating point value",
         "строка 2: «x» не число"},
        {"angle,force\n0,1,2\n", 360, "line 2: expected 2 fields, not '0,1,2'",
         "строка 2: ожидалось полей: 2, а не «0,1,2»"},
        {"x,y\n", 360, "line 1: expected the columns", "строка 1: ожидались столбцы"},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        writeBytes(dir.file("load.csv"), c.text);
        try {
            readLoadCsv(dir.file("load.csv"), c.period);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const LoadFileError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with(c.batch)) << e.what();
            EXPECT_TRUE(windowMessage(e).starts_with(c.window)) << windowMessage(e);
        }
    }
}
