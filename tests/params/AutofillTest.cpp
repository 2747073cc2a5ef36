// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "params/Autofill.h"

namespace {

constexpr long double kTol = 5e-7L; // the expected figures are given to six decimals

void fillSentinels(ParamSet& p)
{
    for (long double* f : {&p.ac1, &p.ac2, &p.ac3, &p.ac4, &p.ac5, &p.bc1, &p.bc2, &p.bc3, &p.bc4,
                           &p.bc5, &p.phi0, &p.psi0})
        *f = 77;
}

TEST(Autofill, ValuesAtTheDefaults)
{
    ParamSet p;
    setDefaults(p);
    const Outcome out = autofill(p);
    EXPECT_TRUE(out.messages().empty());
    EXPECT_TRUE(out.has(Effect::Kind::Refresh));
    EXPECT_NEAR(p.phi0, 0.001745, kTol);
    EXPECT_NEAR(p.psi0, 1.369438, kTol);
    EXPECT_NEAR(p.ac4, 9.999985, kTol);
    EXPECT_NEAR(p.bc4, 0.017453, kTol);
    EXPECT_NEAR(p.ac5, 15.000000, kTol);
    EXPECT_NEAR(p.bc5, 24.512348, kTol);
    EXPECT_NEAR(p.ac1, 4.999992, kTol);
    EXPECT_NEAR(p.bc1, 0.008727, kTol);
    EXPECT_NEAR(p.ac2, 12.499992, kTol);
    EXPECT_NEAR(p.bc2, 12.264900, kTol);
    EXPECT_EQ(p.ac3, 15);
    EXPECT_NEAR(p.bc3, 24.512348, kTol);
    // B lands on the guide up to extended rounding.
    EXPECT_NEAR(p.ac5, p.b, 1e-15L);
}

struct Geometry {
    double l1, l2, b, fi0;
};

TEST(Autofill, CentresOfMassAtTheLinksMidpoints)
{
    const std::vector<Geometry> cases = {
        {10, 25, 15, 0.1}, {3, 7, -2, 135}, {0.5, 40, 20, -30}, {2, 2, 0, 90}};
    for (const Geometry& g : cases) {
        ParamSet p;
        setDefaults(p);
        p.l1 = g.l1;
        p.l2 = g.l2;
        p.b = g.b;
        p.fi0 = g.fi0;
        ASSERT_TRUE(autofillPoints(p)) << g.l1 << " " << g.l2 << " " << g.b;
        EXPECT_NEAR(p.ac1, p.ac4 / 2, 1e-15L);
        EXPECT_NEAR(p.bc1, p.bc4 / 2, 1e-15L);
        EXPECT_NEAR(p.ac2, (p.ac4 + p.ac5) / 2, 1e-14L);
        EXPECT_NEAR(p.bc2, (p.bc4 + p.bc5) / 2, 1e-14L);
        EXPECT_NEAR(p.ac5, g.b, 1e-14L);
        EXPECT_GE(p.bc5, p.bc4); // B never below A
        EXPECT_EQ(p.ac3, g.b);
        EXPECT_NEAR(p.bc3, p.bc5, 1e-14L);
        // A second run gives the same values.
        ParamSet q = p;
        ASSERT_TRUE(autofillPoints(q));
        EXPECT_EQ(q.psi0, p.psi0);
        EXPECT_EQ(q.bc2, p.bc2);
        EXPECT_EQ(q.bc3, p.bc3);
    }
}

TEST(Autofill, ArgumentExactlyOneOrMinusOne)
{
    ParamSet p;
    setDefaults(p);
    p.fi0 = 0;
    p.l1 = 10;
    p.b = 15;
    p.l2 = 5; // (15 - 10) / 5 = 1
    ASSERT_TRUE(autofillPoints(p));
    EXPECT_EQ(p.psi0, 0);
    EXPECT_EQ(p.ac5, 15);
    EXPECT_EQ(p.bc5, 0);
    p.b = 5; // (5 - 10) / 5 = -1
    ASSERT_TRUE(autofillPoints(p));
    EXPECT_NEAR(p.psi0, kPi, 1e-18L);
    EXPECT_NEAR(p.ac5, 5, 1e-15L);
}

TEST(Autofill, RodTooShortStopsAfterCrankPoints)
{
    for (double l2 : {4.0, -4.0, 0.0}) {
        ParamSet p;
        setDefaults(p);
        fillSentinels(p);
        p.l1 = 10;
        p.b = 15;
        p.fi0 = 0;
        p.l2 = l2;
        const Outcome out = autofill(p);
        // A rod of some length that falls short is told as such; one of length 0 is a fault.
        const char* message = l2 == 0 ? kAutofillFault : kAutofillUnreachable;
        EXPECT_EQ(out.effects, (std::vector<Effect>{{Effect::Kind::Message, message}})) << l2;
        EXPECT_EQ(p.phi0, 0);
        EXPECT_EQ(p.ac4, 10);
        EXPECT_EQ(p.ac1, 5);
        for (long double f : {p.psi0, p.ac2, p.ac3, p.ac5, p.bc1, p.bc2, p.bc3, p.bc4, p.bc5})
            EXPECT_EQ(f, 77);
    }
}

TEST(Autofill, ZeroOverZeroFails)
{
    ParamSet p;
    setDefaults(p);
    p.l1 = 10;
    p.b = 10;
    p.fi0 = 0;
    p.l2 = 0;
    EXPECT_FALSE(autofillPoints(p));
}

} // namespace
