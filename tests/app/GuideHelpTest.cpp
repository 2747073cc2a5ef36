// SPDX-License-Identifier: GPL-3.0-or-later
// F1's choices: the page for the focused window, the language, and where the guide is looked for.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/GuideHelp.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

TEST(GuideHelp, PlaceIsTheInnermostNamedWidgets)
{
    const struct {
        std::vector<std::string> names; // from the focused widget outwards
        std::string page, anchor;
    } cases[] = {
        {{"synthesisH", "", "synthesisWindow"}, "course.html", "synthesis"},
        {{"grid", "resultsTabs", "client", "mainWindow"}, "quantities.html", ""},
        {{"summaryWindow", "summaryScroll", "resultsTabs", "mainWindow"}, "index.html", "summary"},
        {{"l1Button", "lengthsBox", "client", "mainWindow"}, "parameters.html", ""},
        {{"loadButton", "loadAndDelta", "client", "mainWindow"}, "index.html", ""},
        {{"flywheelTabs", "flywheelChart"}, "course.html", "flywheel"},
        {{"", "unknownWindow"}, "index.html", ""},
        {{}, "index.html", ""},
    };
    for (const auto& c : cases) {
        const GuidePlace place = guidePlaceFor(c.names);
        EXPECT_EQ(place.page, c.page) << (c.names.empty() ? "" : c.names.front());
        EXPECT_EQ(place.anchor, c.anchor) << (c.names.empty() ? "" : c.names.front());
    }
}

// The guide in the build tree or the installed tree, or neither: the page opened at its anchor,
// or a message naming every file looked for.
TEST(GuideHelp, OpensTheFirstFolderThatHoldsThePage)
{
    enum Where { Build, Installed, Nowhere };
    const struct {
        Where where;
        bool opens; // the platform manages to open it
    } cases[] = {{Build, true}, {Installed, true}, {Nowhere, true}, {Build, false}};
    for (const auto& c : cases) {
        const ScratchDir root("guide");
        const std::string exeDir = root.dir() + "bin/";
        std::filesystem::create_directories(exeDir);
        const std::vector<std::string> folders = guideFolders(exeDir);
        ASSERT_EQ(folders.size(), 2u);
        EXPECT_EQ(folders[0], root.dir() + "guide/");
        std::string page;
        if (c.where != Nowhere) {
            page = folders[c.where == Build ? 0 : 1] + "en/course.html";
            std::filesystem::create_directories(std::filesystem::path(page).parent_path());
            writeBytes(page, "<html></html>");
        }
        FakePlatform fake;
        fake.exeDir = exeDir;
        fake.documentOpens = c.opens;
        const bool opened = openGuide(fake, {"course.html", "flywheel"}, "en");
        EXPECT_EQ(opened, c.where != Nowhere && c.opens);
        if (c.where == Nowhere) {
            EXPECT_TRUE(fake.documents.empty());
            ASSERT_EQ(fake.messages.size(), 1u);
            for (const std::string& folder : folders)
                EXPECT_NE(fake.messages[0].find(folder + "en/course.html"), std::string::npos);
            continue;
        }
        ASSERT_EQ(fake.documents.size(), 1u);
        EXPECT_EQ(fake.documents[0], page + "#flywheel");
        EXPECT_EQ(fake.messages.size(), c.opens ? 0u : 1u);
        if (!c.opens) {
            EXPECT_NE(fake.messages[0].find(page), std::string::npos);
        }
    }
}
