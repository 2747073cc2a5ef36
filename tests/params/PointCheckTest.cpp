// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "params/Autofill.h"
#include "params/PointCheck.h"

namespace {

using Kind = PointMismatch::Kind;

// l1 = 3, l2 = 5, b = 3 at fi0 = 90: A = (0, 3), and B on x = 3 at |AB| = 5 is (3, 7) above
// the crank line or (3, -1) below it; worked by hand, not by the autofill.
ParamSet byHand()
{
    ParamSet p;
    setDefaults(p);
    p.l1 = 3, p.l2 = 5, p.b = 3, p.fi0 = 90;
    p.ac4 = 0, p.bc4 = 3, p.ac5 = 3, p.bc5 = 7;
    return p;
}

} // namespace

TEST(PointCheck, NamesEachContradictionAndItsSize)
{
    const struct {
        const char* name;
        void (*change)(ParamSet&);
        std::vector<Kind> kinds;
        long double firstBy;
    } cases[] = {
        {"consistent", [](ParamSet&) {}, {}, 0},
        {"placed by the autofill at 250 in mode 720",
         [](ParamSet& p) {
             p.mode = 1, p.fi0 = 250;
             ASSERT_TRUE(autofillPoints(p));
         },
         {},
         0},
        {"all points at O",
         [](ParamSet& p) { p.ac4 = p.bc4 = p.ac5 = p.bc5 = 0; },
         {Kind::CrankLength, Kind::RodLength, Kind::OffGuide},
         -3},
        // B moved 0.5 along the guide: |AB| = sqrt(9 + 20.25) = 5.408326913...
        {"rod too long", [](ParamSet& p) { p.bc5 = 7.5L; }, {Kind::RodLength}, 0.40832691319598L},
        {"B off the guide by 0.25",
         [](ParamSet& p) { p.ac5 = 3.25L, p.bc5 = 3 + std::sqrt(25 - 3.25L * 3.25L); },
         {Kind::OffGuide},
         0.25L},
        // A at 60° on its circle, B kept 5 away from it on the guide.
        {"A off its angle",
         [](ParamSet& p) {
             p.ac4 = 1.5L, p.bc4 = 3 * std::sqrt(3.0L) / 2;
             p.bc5 = p.bc4 + std::sqrt(25 - 1.5L * 1.5L);
         },
         {Kind::CrankAngle},
         -30},
        {"B below A in mode 360", [](ParamSet& p) { p.bc5 = -1; }, {Kind::OtherBranch}, 0},
        {"B above A where mode 720 turns the rod below",
         [](ParamSet& p) { p.mode = 1, p.fi0 = 270, p.ac4 = 0, p.bc4 = -3, p.bc5 = 1; },
         {Kind::OtherBranch},
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParamSet p = byHand();
        c.change(p);
        const std::vector<PointMismatch> found = checkPoints(p);
        std::vector<Kind> kinds;
        for (const PointMismatch& m : found)
            kinds.push_back(m.kind);
        EXPECT_EQ(kinds, c.kinds);
        if (!found.empty()) {
            EXPECT_NEAR(static_cast<double>(found[0].by), static_cast<double>(c.firstBy), 1e-12);
        }
        EXPECT_EQ(pointMismatchText(found, ',').empty(), found.empty());
    }
}

TEST(PointCheck, MessageGivesTheSizesAndOffersTheAutofill)
{
    ParamSet p = byHand();
    p.ac4 = p.bc4 = p.ac5 = p.bc5 = 0;
    const std::string text = pointMismatchText(checkPoints(p), ',');
    EXPECT_NE(text.find("|OA| короче L1 на 3,000000 м"), std::string::npos) << text;
    EXPECT_NE(text.find("в 3,000000 м от направляющей"), std::string::npos) << text;
    EXPECT_NE(text.find("«Автозаполнение»"), std::string::npos) << text;
}
