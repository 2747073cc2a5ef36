// SPDX-License-Identifier: GPL-3.0-or-later
// The summary's lines of the true motion: the achieved δ beside the asked one, or the reason
// there is no steady running; none under the prescribed law.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "calc/TrueMotionFixtures.h"
#include "calc/Calculation.h"
#include "calc/Summary.h"
#include "present/SummaryText.h"

namespace {

std::string allText(const std::vector<SummaryLine>& lines)
{
    std::string out;
    for (const SummaryLine& l : lines)
        out += l.label + " | " + l.value + "\n";
    return out;
}

TEST(TrueMotionSummary, SaysTheDeltaAchievedAndAskedOrWhyNone)
{
    const struct {
        const char* name;
        MotionLaw law;
        long double motorMoment;
        const char* expected; // "" when no true-motion section is expected
    } cases[] = {
        {"prescribed", MotionLaw::Prescribed, 60, ""},
        {"steady", MotionLaw::True, 60, "δ достигнутое = "},
        {"weak motor", MotionLaw::True, 0.5L, "привод слишком слаб"},
    };
    const auto R = std::make_unique<ResultStore>();
    for (const auto& c : cases) {
        ParamSet p = motiontest::loadedSet();
        p.motion = c.law;
        p.flywheel = 0.3L;
        p.drive = DriveKind::Motor;
        p.motorMoment = c.motorMoment;
        p.motorSpeed = 95;
        p.motorSynchronous = 105;
        p.delta = 0.04L;
        runCalculation(p, *R);
        const RunSummary s = summarizeRun(*R, p, R->computedSteps(), summaryOptions(p, p.delta));
        const std::string text = allText(summaryLines(s, ','));
        const bool section = text.find("Истинное движение") != std::string::npos;
        EXPECT_EQ(section, *c.expected != '\0') << c.name << "\n" << text;
        if (!*c.expected) continue;
        EXPECT_NE(text.find(c.expected), std::string::npos) << c.name << "\n" << text;
        if (s.trueMotion && s.trueMotion->steady) {
            const std::string line = "δ достигнутое = " +
                                     summaryFigure(s.trueMotion->steady->delta, ',') +
                                     ", δ заданное = 0,04";
            EXPECT_NE(text.find(line), std::string::npos) << c.name << "\n" << text;
        }
    }
}

} // namespace
