// SPDX-License-Identifier: GPL-3.0-or-later
// F1, "Справка": which page of the user guide answers for the window or panel that has the
// focus, in which language, where the guide lies (the build tree or the installed tree), and its
// opening in the system's browser through the platform. The window side only gathers the object
// names from the focused widget outwards.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

// A page of the guide and an anchor on it ("" for the top).
struct GuidePlace {
    const char* page;
    const char* anchor;
};

// The guide's first page, for a window the map below does not name.
inline constexpr GuidePlace kGuideStartPlace{"index.html", ""};

// The object names of the windows and panels that have a page of their own, and that page.
struct GuideTopic {
    const char* objectName;
    GuidePlace place;
};
inline constexpr GuideTopic kGuideTopics[] = {
    {"summaryWindow", {"index.html", "summary"}},
    {"grid", {"quantities.html", ""}},
    {"listing", {"quantities.html", ""}},
    {"lengthsBox", {"parameters.html", ""}},
    {"motionBox", {"parameters.html", ""}},
    {"pointsBox", {"parameters.html", ""}},
    {"massesBox", {"parameters.html", ""}},
    {"entryPanel", {"parameters.html", ""}},
    {"runSettings", {"parameters.html", "p-step"}},
    {"synthesisWindow", {"course.html", "synthesis"}},
    {"loadEditor", {"course.html", "load"}},
    {"moeChartWindow", {"course.html", "kinematics"}},
    {"quantityChartWindow", {"course.html", "forces"}},
    {"flywheelChart", {"course.html", "flywheel"}},
    {"shakingChart", {"course.html", "balancing"}},
    {"trueMotionWindow", {"course.html", "true-motion"}},
    {"variantsWindow", {"index.html", "variants"}},
    {"sweepWindow", {"files.html", "sweeps"}},
    {"sweepMapWindow", {"files.html", "sweeps"}},
    {"optimiseWindow", {"files.html", "optimise"}},
    {"mainWindow", {"index.html", ""}},
};

// The place for the first of `names` (the focused widget's object name, then its parents',
// outwards to its window) that kGuideTopics names; kGuideStartPlace when none is named.
GuidePlace guidePlaceFor(const std::vector<std::string>& names);

// The guide's folders, in the order they are looked in: "<exeDir>../guide/" (the build tree),
// then the installed one (kInstalledGuideDir from exeDir). Each ends in '/'.
std::vector<std::string> guideFolders(const std::string& exeDir);

// Opens `place` of the guide in `lang` ("<folder><lang>/<page>", at the anchor) with
// platform.openDocument, from the first folder of guideFolders that holds the page. When no folder
// holds it, or the document cannot be opened, a message names the files looked for (or the one
// that would not open); false then.
bool openGuide(Platform& platform, const GuidePlace& place, const std::string& lang);
