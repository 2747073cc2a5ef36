// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide as the build wrote it (<build>/guide, with the screenshots of guide_shots): both
// languages hold the same pages, every link and image resolves to a file and anchor that exist,
// nothing is fetched from the network, and every quantity and parameter of the catalogues has
// its row on the generated pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/GuideHelp.h"
#include "calc/Quantities.h"
#include "formats/GuidePages.h"
#include "params/ParamTable.h"
#include "support/ScratchFiles.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGuide = KINOVAR_GUIDE_DIR;
const char* const kLanguages[] = {"ru", "en"};

std::set<std::string> pagesOf(const char* lang)
{
    std::set<std::string> pages;
    for (const fs::directory_entry& e : fs::directory_iterator(kGuide / lang))
        if (e.path().extension() == ".html") pages.insert(e.path().filename().string());
    return pages;
}

// The values of every href and src attribute of `html`.
std::vector<std::string> targets(const std::string& html)
{
    static const std::regex attribute(R"re(\b(?:href|src)="([^"]*)")re");
    std::vector<std::string> found;
    for (std::sregex_iterator it(html.begin(), html.end(), attribute), end; it != end; ++it)
        found.push_back((*it)[1].str());
    return found;
}

bool hasAnchor(const std::string& html, const std::string& id)
{
    return html.find("id=\"" + id + "\"") != std::string::npos;
}

} // namespace

TEST(GuideLinks, BothLanguagesHoldTheSamePages)
{
    const std::set<std::string> ru = pagesOf("ru");
    EXPECT_EQ(ru, pagesOf("en"));
    for (const GuidePageInfo& p : kGuidePages)
        EXPECT_EQ(ru.count(p.file), 1u) << p.file;
}

// A link to a missing page or anchor, an image not made, or anything from the network fails
// here, naming the page and the link.
TEST(GuideLinks, EveryLinkAndImageResolves)
{
    size_t checked = 0, pages = 0;
    for (const char* lang : kLanguages)
        for (const std::string& page : pagesOf(lang)) {
            ++pages;
            const fs::path path = kGuide / lang / page;
            const std::string html = readBytes(path.string());
            EXPECT_EQ(html.find('@'), std::string::npos) << path << ": a figure left unfilled";
            for (const std::string& target : targets(html)) {
                ++checked;
                const std::string where = path.string() + ": " + target;
                ASSERT_FALSE(target.empty()) << where;
                EXPECT_EQ(target.find("//"), std::string::npos) << where << " leaves the guide";
                const size_t hash = target.find('#');
                const std::string file = target.substr(0, hash);
                const fs::path resolved = file.empty() ? path : (path.parent_path() / file);
                std::error_code ec;
                if (!fs::is_regular_file(resolved, ec)) {
                    ADD_FAILURE() << where << ": no file " << resolved;
                    continue;
                }
                if (hash != std::string::npos) {
                    EXPECT_TRUE(hasAnchor(readBytes(resolved.string()), target.substr(hash + 1)))
                        << where << ": no such anchor";
                }
            }
        }
    // Each page links at least its style sheet and, in its navigation bar, every other page.
    EXPECT_GE(checked, pages * std::size(kGuidePages));
}

TEST(GuideLinks, EveryCatalogueEntryIsOnTheBuiltPages)
{
    for (const char* lang : kLanguages) {
        const std::string quantities = readBytes((kGuide / lang / kQuantitiesPage).string());
        const std::string params = readBytes((kGuide / lang / kParametersPage).string());
        for (const QuantityInfo& q : kQuantities)
            EXPECT_TRUE(hasAnchor(quantities, quantityAnchor(q.name)) &&
                        quantities.find(std::string("<code>") + q.name + "</code>") !=
                            std::string::npos)
                << lang << " " << q.name;
        for (const ParamInfo& p : kParams)
            EXPECT_TRUE(hasAnchor(params, paramAnchor(p.key)) &&
                        params.find(std::string("<code>") + p.key + "</code>") != std::string::npos)
                << lang << " " << p.key;
    }
}

// F1's every place (GuideHelp's map and its first page) is a page and anchor of the built guide.
TEST(GuideLinks, EveryHelpPlaceExists)
{
    std::vector<GuidePlace> places{kGuideStartPlace};
    for (const GuideTopic& topic : kGuideTopics)
        places.push_back(topic.place);
    for (const char* lang : kLanguages)
        for (const GuidePlace& place : places) {
            const fs::path page = kGuide / lang / place.page;
            std::error_code ec;
            ASSERT_TRUE(fs::is_regular_file(page, ec)) << page;
            if (*place.anchor) {
                EXPECT_TRUE(hasAnchor(readBytes(page.string()), place.anchor))
                    << page << "#" << place.anchor;
            }
        }
}
