// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter panel's sections follow from the table: every parameter with a value box falls in
// the section a designer looks for it in, and nothing without a box has one.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "params/ParamSections.h"

namespace {

// Where a designer of the mechanism expects each value: the link lengths and the offset, the
// crank's motion, the points' coordinates, the masses with the moments of inertia.
struct SectionCase {
    const char* key;
    ParamSection section;
};
const SectionCase kExpected[] = {
    {"l1", ParamSection::Lengths},   {"l2", ParamSection::Lengths},
    {"b", ParamSection::Lengths},    {"fi0", ParamSection::Motion},
    {"fit0", ParamSection::Motion},  {"fitt0", ParamSection::Motion},
    {"fidtt", ParamSection::Motion}, {"ac1", ParamSection::Points},
    {"bc1", ParamSection::Points},   {"ac2", ParamSection::Points},
    {"bc2", ParamSection::Points},   {"ac3", ParamSection::Points},
    {"bc3", ParamSection::Points},   {"ac4", ParamSection::Points},
    {"bc4", ParamSection::Points},   {"ac5", ParamSection::Points},
    {"bc5", ParamSection::Points},   {"m1", ParamSection::Masses},
    {"m2", ParamSection::Masses},    {"m3", ParamSection::Masses},
    {"i1", ParamSection::Masses},    {"i2", ParamSection::Masses},
    {"i3", ParamSection::Masses},    {"m_cw", ParamSection::Masses},
    {"r_cw", ParamSection::Masses},  {"fi_cw", ParamSection::Masses},
};

TEST(ParamSections, EachParameterWithABoxFallsInItsSection)
{
    for (const SectionCase& c : kExpected) {
        SCOPED_TRACE(c.key);
        const ParamInfo* info = findParam(c.key);
        ASSERT_NE(info, nullptr);
        ASSERT_TRUE(info->hasBox());
        EXPECT_EQ(paramSection(*info), c.section);
    }
    // Every row the panel shows has a section, a parameter added later included.
    for (int r = 0; r < kParamRowCount; ++r)
        EXPECT_NO_THROW(paramSection(paramRow(r))) << paramRow(r).key;
}

TEST(ParamSections, ParametersWithoutABoxHaveNoSection)
{
    for (const char* key : {"aux", "delta", "step", "cycles", "mode", "period"}) {
        SCOPED_TRACE(key);
        const ParamInfo* info = findParam(key);
        ASSERT_NE(info, nullptr);
        EXPECT_THROW(paramSection(*info), std::invalid_argument);
    }
}

TEST(ParamSections, RowCountsCountTheSectionsRows)
{
    for (int s = 0; s < kParamSectionCount; ++s) {
        SCOPED_TRACE(kParamSections[s].name);
        int expected = 0;
        for (const SectionCase& c : kExpected)
            expected += c.section == ParamSection(s) ? 1 : 0;
        EXPECT_EQ(paramSectionRowCount(ParamSection(s)), expected);
    }
}

} // namespace
