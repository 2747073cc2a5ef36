// SPDX-License-Identifier: GPL-3.0-or-later
// Every parameter of the table, one by one: --set stores it in its own field and no other, the
// undo history (sameParams) and the stale line (sameInputs) see the change, and the project file
// carries it back. A row added to the table is checked here without a line of its own.
#include <gtest/gtest.h>

#include <string>

#include "app/BatchParams.h"
#include "formats/ProjectFile.h"
#include "params/ParamSet.h"
#include "params/ParamSetCompare.h"
#include "params/ParamTable.h"

namespace {

// A text --set takes for the parameter, whose value differs from the defaults.
std::string changedText(const ParamInfo& info)
{
    switch (info.kind) {
    case ParamKind::Double:
    case ParamKind::Extended:
        return "0.375";
    case ParamKind::Step:
        return "5";
    case ParamKind::Cycles:
        return "3";
    case ParamKind::Mode:
    case ParamKind::Period:
        return "720";
    case ParamKind::Motion:
        return "true";
    case ParamKind::Drive:
        return "motor";
    }
    return "";
}

// The defaults, with the cycle count that gives their N, as a project holds them.
ParamSet defaults()
{
    ParamSet p;
    setDefaults(p);
    setParam(p, "cycles", "1");
    return p;
}

bool isReal(const ParamInfo& info)
{
    return info.asDouble != nullptr || info.asExtended != nullptr;
}

} // namespace

TEST(ParamFields, EachParameterIsStoredInItsOwnFieldComparedAndCarriedBack)
{
    const ParamSet before = defaults();
    for (const ParamInfo& info : kParams) {
        SCOPED_TRACE(info.key);
        ASSERT_EQ(isReal(info), info.kind == ParamKind::Double || info.kind == ParamKind::Extended);
        ParamSet after = before;
        setParam(after, info.key, changedText(info));

        // Its own field holds the value; every other real of the table is as it was.
        for (const ParamInfo& other : kParams) {
            if (!isReal(other)) continue;
            if (&other == &info)
                EXPECT_EQ(paramValue(after, other), 0.375L);
            else
                EXPECT_EQ(paramValue(after, other), paramValue(before, other)) << other.key;
        }

        // The undo history sees every change; the stale line every one but δ's, which only the
        // summary reads.
        EXPECT_FALSE(sameParams(before, after));
        EXPECT_EQ(sameInputs(before, after), std::string_view(info.key) == "delta");

        // The project file carries the parameter back.
        if (info.files & kInProject) {
            const ProjectContent read = parseProject(projectText(after));
            EXPECT_TRUE(sameParams(read.params, after));
            EXPECT_FALSE(sameParams(read.params, before));
        }
    }
}
