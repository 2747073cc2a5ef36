// SPDX-License-Identifier: GPL-3.0-or-later
// The drive table's file and the drive's own checks: what is read, and each refusal with its line.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "formats/DriveCsv.h"
#include "support/ScratchFiles.h"

namespace {

TEST(DriveCsv, ReadsThePointsOfEitherSeparator)
{
    const struct {
        const char* text;
        std::vector<DrivePoint> points;
    } cases[] = {
        {"omega,moment\n0,120\n50.5,80\n100,-3e1\n", {{0, 120}, {50.5L, 80}, {100, -30}}},
        {"omega;moment\r\n0;1,5\r\n\r\n 10 ; 2.5 \r\n", {{0, 1.5L}, {10, 2.5L}}},
        {"\xEF\xBB\xBFomega , moment\n1,2\n3,4\n", {{1, 2}, {3, 4}}},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        writeBytes(dir.file("drive.csv"), c.text);
        EXPECT_EQ(readDriveCsv(dir.file("drive.csv")), c.points) << c.text;
    }
}

TEST(DriveCsv, RefusesABadTableNamingItsLine)
{
    const struct {
        std::string text;
        const char* batch;
        const char* window;
    } cases[] = {
        {"omega,moment\n0,1\n0,2\n", "line 3: the speeds are not increasing",
         "строка 3: скорости не возрастают"},
        {"omega,moment\n-1,1\n2,2\n", "line 2: the speed lies outside", "строка 2: скорость вне"},
        {"omega,moment\n0,2e12\n1,1\n", "line 2: |M| exceeds 1e12", "строка 2: |M| больше 1e12"},
        {"omega,moment\n0,1\n", "line 2: the table needs at least two points",
         "строка 2: в таблице нужно не менее двух точек"},
        {"omega,moment\n0,x\n", "line 2: 'x' is not a valid floating point value",
         "строка 2: «x» не число"},
        {"omega,moment\n0,1,2\n", "line 2: expected 2 fields", "строка 2: ожидалось полей: 2"},
        {"speed,torque\n0,1\n", "line 1: expected the columns omega,moment",
         "строка 1: ожидались столбцы omega,moment"},
        {"omega,moment\n0,1.5\n1,nan\n", "line 3: 'nan' is not", "строка 3: «nan» не число"},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        writeBytes(dir.file("drive.csv"), c.text);
        try {
            readDriveCsv(dir.file("drive.csv"));
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const DriveFileError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with(c.batch)) << e.what();
            EXPECT_TRUE(windowMessage(e).starts_with(c.window)) << windowMessage(e);
        }
    }
}

TEST(DriveCsv, RefusesWhatIsNotARegularFile)
{
    ScratchDir dir;
    EXPECT_THROW(readDriveCsv(dir.path().string()), InOutError);
    EXPECT_THROW(readDriveCsv(dir.file("missing.csv")), InOutError);
}

DriveSpec motorOf(long double mn, long double wn, long double w0)
{
    DriveSpec d;
    d.kind = DriveKind::Motor;
    d.nominalMoment = mn;
    d.nominalSpeed = wn;
    d.synchronousSpeed = w0;
    return d;
}

TEST(DriveSpec, RefusesAMotorOrTableThatCannotDrive)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    DriveSpec table;
    table.kind = DriveKind::Table;
    table.table = {{0, 5}, {10, 4}, {10, 3}};
    DriveSpec lone = table;
    lone.table = {{0, 5}};
    const struct {
        const char* name;
        DriveSpec drive;
        const char* why; // "" when the drive is usable
    } cases[] = {
        {"constant", DriveSpec{}, ""},
        {"motor", motorOf(20, 95, 100), ""},
        {"motor from standstill speed", motorOf(20, 0, 100), ""},
        {"motor without moment", motorOf(0, 95, 100), "nominal moment"},
        {"motor nominal at synchronous", motorOf(20, 100, 100), "0 <= ω_n < ω_0"},
        {"motor with a NaN", motorOf(20, nan, 100), "finite"},
        {"table with a repeated speed", table, "point 3: the speeds are not increasing"},
        {"table of one point", lone, "2 to 10000 points"},
    };
    for (const auto& c : cases) {
        const std::optional<DriveFault> fault = driveFault(c.drive);
        if (std::string(c.why).empty()) {
            EXPECT_FALSE(fault) << c.name << ": " << fault->why;
        } else {
            ASSERT_TRUE(fault) << c.name;
            EXPECT_NE(fault->why.find(c.why), std::string::npos) << c.name << ": " << fault->why;
            EXPECT_FALSE(fault->russian.empty()) << c.name;
        }
    }
}

} // namespace
