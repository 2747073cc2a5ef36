// SPDX-License-Identifier: GPL-3.0-or-later
// The reduced inertia and the reduced moment of the resistances against independent derivations:
// the slope of J by central differences, and the energy stage's kinetic energies and reduced
// moment at a constant crank speed, where Σ ek = ½·(J − J_fw)·ω² and mo = ½·J′·ω² + M_c.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "TrueMotionFixtures.h"
#include "calc/Calculation.h"
#include "calc/ReducedMachine.h"

using Q = Quantity;

namespace {

struct MachineCase {
    const char* name;
    ParamSet p;
    long double flywheel;
};

std::vector<MachineCase> machineCases()
{
    ParamSet offset = motiontest::machineSet(0.12L, 0.3L, -0.08L, 200);
    offset.ac1 += 0.01L; // C1 off the crank's line, C2 off the rod's
    offset.bc2 -= 0.02L;
    return {{"centred", motiontest::machineSet(0.1L, 0.4L, 0, 0), 0},
            {"offset guide", motiontest::machineSet(), 0.3L},
            {"points off the links", offset, 1.5L},
            {"loaded by stroke", motiontest::loadedSet(), 0.7L},
            {"loaded by angle", motiontest::angleLoadedSet(), 0.1L}};
}

TEST(ReducedMachine, SlopeOfInertiaMatchesCentralDifferences)
{
    for (const MachineCase& c : machineCases()) {
        const ReducedMachine machine(c.p, c.flywheel);
        long double largest = 0;
        for (int k = 0; k < 36; ++k)
            largest = std::max(largest, std::fabs(machine.at(rad(10.0L * k + 3)).inertiaRate));
        ASSERT_GT(largest, 0) << c.name;
        for (int k = 0; k < 36; ++k) {
            const long double phi = rad(10.0L * k + 3), h = 1e-5L;
            const long double slope = (machine.inertia(phi + h) - machine.inertia(phi - h)) / (2 * h);
            EXPECT_NEAR(static_cast<double>(machine.at(phi).inertiaRate),
                        static_cast<double>(slope), 1e-7 * static_cast<double>(largest))
                << c.name << " at " << 10 * k + 3 << "°";
        }
    }
}

TEST(ReducedMachine, AgreesWithTheEnergyStageAtConstantSpeed)
{
    const auto R = std::make_unique<ResultStore>();
    for (const MachineCase& c : machineCases()) {
        ParamSet p = c.p;
        p.fit0 = 37.5;
        const CalcOutcome outcome = runCalculation(p, *R);
        ASSERT_FALSE(outcome.kinematicFailed || outcome.energyFailed) << c.name;
        const ReducedMachine machine(p, c.flywheel);
        const long double w = p.fit0;
        for (int i = 1; i <= p.N; i += 7) {
            const ReducedPoint r = machine.at((*R)(Q::fi, i));
            const long double kinetic = (*R)(Q::ek1, i) + (*R)(Q::ek2, i) + (*R)(Q::ek3, i);
            EXPECT_NEAR(static_cast<double>(0.5L * (r.inertia - c.flywheel) * w * w),
                        static_cast<double>(kinetic), 1e-12 * static_cast<double>(kinetic))
                << c.name << " step " << i;
            const long double mo = (*R)(Q::mo, i);
            const long double expected = 0.5L * r.inertiaRate * w * w + r.resistance;
            EXPECT_NEAR(static_cast<double>(expected), static_cast<double>(mo),
                        1e-9 * (std::fabs(static_cast<double>(mo)) + 1))
                << c.name << " step " << i;
        }
    }
}

} // namespace
