// SPDX-License-Identifier: GPL-3.0-or-later
// The guide's pages made from the catalogues: each quantity's row carries its own texts, every
// text passes through the translation hook, and the guide's bodies agree with the catalogue's
// notes. That every entry reaches the built pages of both languages is tests/guide's to check.
#include <gtest/gtest.h>

#include <string>

#include "base/UiText.h"
#include "calc/Quantities.h"
#include "calc/QuantityGuide.h"
#include "formats/GuidePages.h"
#include "params/ParamTable.h"

namespace {

bool hasCyrillic(const std::string& text)
{
    // Cyrillic letters are U+0400..U+04FF: lead bytes 0xD0..0xD3 in UTF-8.
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0xD0 && static_cast<unsigned char>(c) <= 0xD3)
            return true;
    return false;
}

// A translation that answers every text with Latin letters, as a complete English one would.
std::string latinLookup(const char* context, const char* text)
{
    (void)text;
    return std::string("[") + context + "]";
}

struct LookupScope {
    explicit LookupScope(TextLookup lookup) { setTextLookup(lookup); }
    ~LookupScope() { setTextLookup(nullptr); }
};

} // namespace

// The Russian page shows each quantity's own meaning, sign and body in its row, not a neighbour's.
TEST(GuidePages, QuantityRowsCarryTheirOwnGuideTexts)
{
    const std::string html = quantitiesPageHtml("ru");
    for (const QuantityInfo& q : kQuantities) {
        const size_t row = html.find("<tr id=\"" + quantityAnchor(q.name) + "\">");
        ASSERT_NE(row, std::string::npos) << q.name;
        const std::string line = html.substr(row, html.find("</tr>", row) - row);
        const QuantityGuideEntry& g = quantityGuide(q.id);
        for (const std::string& text : {htmlEscaped(g.meaning), htmlEscaped(g.sign),
                                        htmlEscaped(forceBodyText(g.body)), htmlEscaped(q.caption)})
            EXPECT_NE(line.find(text), std::string::npos) << q.name << ": " << text;
    }
}

// With every text translated, no Russian is left on the quantities page; on the parameters page
// only the value boxes' captions ("Mпв=") stay as the window shows them.
TEST(GuidePages, EveryTextPassesThroughTheTranslation)
{
    const LookupScope scope(&latinLookup);
    EXPECT_FALSE(hasCyrillic(quantitiesPageHtml("en")));
    std::string params = parametersPageHtml("en");
    for (const ParamInfo& p : kParams) {
        const std::string caption = std::string("<td>") + htmlEscaped(p.caption) + "</td>";
        for (size_t at; *p.caption && (at = params.find(caption)) != std::string::npos;)
            params.erase(at, caption.size());
    }
    EXPECT_FALSE(hasCyrillic(params));
    // Each context reaches the page: the catalogue's captions, the guide's meanings, the units.
    const std::string quantities = quantitiesPageHtml("en");
    for (const char* context : {"[Quantity]", "[QuantityGuide]", "[GuideUnit]", "[GuidePage]"})
        EXPECT_NE(quantities.find(context), std::string::npos) << context;
}

TEST(GuidePages, HtmlEscapingCoversMarkup)
{
    const struct {
        const char* text;
        const char* html;
    } cases[] = {
        {"a < b", "a &lt; b"},      {"x > 0 & y", "x &gt; 0 &amp; y"},
        {"\"M\"", "&quot;M&quot;"}, {"−Σm·a", "−Σm·a"},
        {"&amp;", "&amp;amp;"},     {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(htmlEscaped(c.text), c.html) << c.text;
}

// A force or moment names the body it acts on; nothing else does. A unit of force or moment
// is the mark, so a new force row without its body fails here.
TEST(QuantityGuide, ForcesAndMomentsNameTheirBody)
{
    for (const QuantityInfo& q : kQuantities) {
        const std::string unit = q.unit;
        const bool force = unit == "Н" || unit == "Н·м";
        EXPECT_EQ(quantityGuide(q.id).body != ForceBody::None, force) << q.name;
    }
}

// The body of a joint force agrees with the catalogue's note on who acts on whom.
TEST(QuantityGuide, BodiesAgreeWithTheCatalogueNotes)
{
    const struct {
        ForceBody body;
        const char* notePhrase;
    } cases[] = {
        {ForceBody::SliderByRod, "шатун действует на ползун"},
        {ForceBody::RodByCrank, "кривошип действует на шатун"},
        {ForceBody::CrankByFrame, "стойка действует на кривошип"},
        {ForceBody::CrankByDrive, "Момент привода на кривошипе"},
        {ForceBody::FrameByLinks, "стойка воспринимает"},
    };
    for (const auto& c : cases) {
        int found = 0;
        for (const QuantityGuideEntry& g : kQuantityGuide) {
            if (g.body != c.body) continue;
            ++found;
            EXPECT_NE(quantityNote(quantityInfo(g.id)).find(c.notePhrase), std::string::npos)
                << quantityInfo(g.id).name;
        }
        EXPECT_GT(found, 0) << c.notePhrase;
    }
}
