// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "params/ParamSet.h"
#include "params/ParamTable.h"

TEST(ParamSet, RowTableFindsEveryKeyAndNothingElse)
{
    for (int r = 0; r < kParamRowCount; ++r)
        EXPECT_EQ(paramRowForKey(paramRow(r).key), r);
    EXPECT_EQ(paramRowForKey("L1"), -1); // keys compare case-sensitively
    EXPECT_EQ(paramRowForKey(""), -1);
    EXPECT_EQ(paramRowForKey("aux"), -1);
}

TEST(ParamSet, DefaultsLeaveCoordinatesAndRunStateAlone)
{
    ParamSet p;
    p.ac3 = 7;
    p.bc5 = -2;
    p.phi0 = 1;
    p.cycles = 3;
    p.curkey = "m1";
    p.step = 5 * kRadPerDeg;
    p.N = 73;
    setDefaults(p);
    EXPECT_EQ(p.l1, 10);
    EXPECT_EQ(p.l2, 25);
    EXPECT_EQ(p.b, 15);
    EXPECT_EQ(p.fi0, 0.1);
    EXPECT_EQ(p.aux, 15);
    EXPECT_EQ(p.step, 15 * kRadPerDeg);
    EXPECT_EQ(p.N, 25);
    EXPECT_EQ(p.mode, 0);
    EXPECT_EQ(p.ac3, 7);
    EXPECT_EQ(p.bc5, -2);
    EXPECT_EQ(p.phi0, 1);
    EXPECT_EQ(p.cycles, 3);
    EXPECT_EQ(p.curkey, "m1");
}

// "Новый" starts the true motion afresh too: a project's drive, flywheel and law are not carried
// into the next one.
TEST(ParamSet, DefaultsPutTheTrueMotionBack)
{
    ParamSet p;
    p.motion = MotionLaw::True;
    p.flywheel = 0.5L;
    p.drive = DriveKind::Table;
    p.motorMoment = 60;
    p.motorSpeed = 95;
    p.motorSynchronous = 105;
    p.driveTable = {{0, 5}, {10, 4}};
    p.startSpeed = 20;
    setDefaults(p);
    EXPECT_EQ(p.motion, MotionLaw::Prescribed);
    EXPECT_LT(p.flywheel, 0);
    EXPECT_EQ(p.drive, DriveKind::Constant);
    EXPECT_EQ(p.motorMoment, 0);
    EXPECT_EQ(p.motorSpeed, 0);
    EXPECT_EQ(p.motorSynchronous, 0);
    EXPECT_TRUE(p.driveTable.empty());
    EXPECT_EQ(p.startSpeed, 0);
}
