// SPDX-License-Identifier: GPL-3.0-or-later
// The manual pages say what the catalogues say: their section "WHAT THE VALUES MEAN" holds every
// note of the parameter and quantity catalogues, word for word, under the names it covers.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Quantities.h"
#include "params/ParamTable.h"

namespace {

// Text as a manual page writes it: a backslash as \e, a hyphen-minus as \-.
std::string roff(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

// The section's entries as the catalogues give them: one per note text, under the parameters
// it covers (by key, with their unit) and then the quantities (by short name), each in table
// order; a text both catalogues use is one entry.
std::string entriesFromCatalogues()
{
    struct Entry {
        std::string names;
        std::string text;
    };
    std::vector<Entry> entries;
    const auto add = [&entries](const std::string& name, const std::string& text) {
        for (Entry& e : entries)
            if (e.text == text) {
                e.names += ", " + name;
                return;
            }
        entries.push_back({name, text});
    };
    for (const ParamNote& note : kParamNotes)
        for (const ParamInfo& p : kParams)
            if (listsWord(note.keys, p.key))
                add(std::string(p.key) + (*p.unit ? std::string(" (") + p.unit + ")" : ""),
                    note.text);
    for (const QuantityNote& note : kQuantityNotes)
        for (const QuantityInfo& q : kQuantities)
            if (listsWord(note.names, q.name)) add(q.name, note.text);
    std::string out;
    for (const Entry& e : entries)
        out += ".TP\n.B " + roff(e.names) + "\n" + roff(e.text) + "\n";
    return out;
}

// The entries of the page's section: from its first .TP to the next section.
std::string entriesOnPage(const std::string& path)
{
    std::ifstream page(path);
    EXPECT_TRUE(page) << path;
    std::string line, out;
    bool inSection = false, inEntries = false;
    while (std::getline(page, line)) {
        if (line.rfind(".SH", 0) == 0) {
            inSection = line == ".SH WHAT THE VALUES MEAN";
            inEntries = false;
        }
        if (inSection && line == ".TP") inEntries = true;
        if (inEntries) out += line + "\n";
    }
    return out;
}

} // namespace

TEST(ManualNotes, EachPageSaysWhatTheCataloguesSay)
{
    const std::string expected = entriesFromCatalogues();
    ASSERT_NE(expected.find("fidtt (рад/с² за шаг)"), std::string::npos) << expected;
    for (const char* page : {"/doc/kinovar.1", "/doc/kinovar-batch.1"})
        EXPECT_EQ(entriesOnPage(std::string(KINOVAR_SOURCE_DIR) + page), expected)
            << page << " needs, after its lead-in, the entries:\n"
            << expected;
}
