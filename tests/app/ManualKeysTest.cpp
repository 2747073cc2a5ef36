// SPDX-License-Identifier: GPL-3.0-or-later
// The keys --set takes, as the manual page lists them, are the parameter table's: a row added to
// the table without its key on the page fails here. (--help makes its list from the table.)
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "params/ParamTable.h"

namespace {

// The lines of a page's section `title`, without its heading.
std::vector<std::string> sectionLines(const std::string& path, const std::string& title)
{
    std::ifstream page(path);
    EXPECT_TRUE(page) << path;
    std::vector<std::string> out;
    std::string line;
    bool in = false;
    while (std::getline(page, line)) {
        if (line.rfind(".SH", 0) == 0) {
            in = line == ".SH " + title;
            continue;
        }
        if (in) out.push_back(line);
    }
    return out;
}

// The keys a list names at once, in table order: every parameter but the run settings, which
// each take a line of their own.
std::string valueKeys()
{
    std::string keys;
    for (const ParamInfo& p : kParams)
        if (p.group != ParamGroup::Run) keys += (keys.empty() ? "" : " ") + std::string(p.key);
    return keys;
}

std::vector<std::string> runKeys()
{
    std::vector<std::string> keys;
    for (const ParamInfo& p : kParams)
        if (p.group == ParamGroup::Run) keys.push_back(p.key);
    return keys;
}

// Whether `text` names the run settings, each as "key (" after a line break or a space, in table
// order.
::testing::AssertionResult namesRunKeysInOrder(const std::string& text)
{
    size_t at = 0;
    for (const std::string& key : runKeys()) {
        const size_t line = text.find("\n" + key + " (", at),
                     word = text.find(" " + key + " (", at);
        const size_t found = std::min(line, word);
        if (found == std::string::npos)
            return ::testing::AssertionFailure() << "\"" << key << " (\" is missing after " << at;
        at = found + 1;
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(ManualKeys, ThePageListsEveryKeyOfTheTableInItsOrder)
{
    const std::vector<std::string> lines =
        sectionLines(std::string(KINOVAR_SOURCE_DIR) + "/doc/kinovar-batch.1", "KEYS");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], valueKeys() + ",");
    std::string rest;
    for (size_t k = 1; k < lines.size(); ++k)
        rest += "\n" + lines[k];
    EXPECT_TRUE(namesRunKeysInOrder(rest));
}
