// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues in English: every caption, unit and note that the windows, the summary and the
// document show has a translation in kinovar_core_en.qm, so that a quantity, parameter or figure
// added without one fails here; and the shown forms follow the installed lookup.
#include <gtest/gtest.h>

#include <vector>

#include "calc/KeyFigures.h"
#include "calc/Optimise.h"
#include "calc/Quantities.h"
#include "params/ParamTable.h"
#include "support/CoreTranslation.h"

namespace {

struct Entry {
    const char* context;
    const char* text;
    std::string where; // which row of which table, for the failure message
};

std::vector<Entry> catalogueTexts()
{
    std::vector<Entry> all;
    for (const QuantityInfo& q : kQuantities) {
        all.push_back({"Quantity", q.caption, std::string("kQuantities ") + q.name});
        all.push_back({"Unit", q.unit, std::string("kQuantities ") + q.name});
    }
    for (const QuantityNote& n : kQuantityNotes)
        all.push_back({"Note", n.text, std::string("kQuantityNotes ") + n.names});
    for (const ParamInfo& p : kParams) {
        if (*p.caption) all.push_back({"Parameter", p.caption, std::string("kParams ") + p.key});
        if (*p.unit) all.push_back({"Unit", p.unit, std::string("kParams ") + p.key});
    }
    for (const ParamNote& n : kParamNotes)
        all.push_back({"Note", n.text, std::string("kParamNotes ") + n.keys});
    for (const KeyFigure& f : optimiseFigures()) { // the key figures and the optimiser's own
        all.push_back({"Figure", f.caption, std::string("figure ") + f.key});
        if (std::string(f.unit) != "°")
            all.push_back({"Unit", f.unit, std::string("figure ") + f.key});
    }
    return all;
}

} // namespace

TEST(CatalogueTranslation, EveryCatalogueTextHasAnEnglishTranslation)
{
    CoreTranslation english;
    ASSERT_TRUE(english.loaded()) << KINOVAR_TRANSLATIONS_DIR;
    const std::vector<Entry> all = catalogueTexts();
    ASSERT_GT(all.size(), std::size(kQuantities) * 2);
    for (const Entry& e : all) {
        const std::string found = english.find(e.context, e.text);
        EXPECT_FALSE(found.empty()) << e.where << ": " << e.context << " \"" << e.text << "\"";
        EXPECT_FALSE(hasCyrillic(found)) << e.where << ": " << found;
    }
}

// Every name the interface gives a parameter, with or without a box, reads in English.
TEST(CatalogueTranslation, ParameterNamesAndTipsAreEnglish)
{
    CoreTranslation english;
    ASSERT_TRUE(english.loaded());
    for (const ParamInfo& p : kParams) {
        EXPECT_FALSE(hasCyrillic(paramDisplayName(p))) << p.key << ": " << paramDisplayName(p);
        EXPECT_FALSE(hasCyrillic(paramCaptionTip(p))) << p.key << ": " << paramCaptionTip(p);
        EXPECT_FALSE(hasCyrillic(shownCaption(p))) << p.key;
    }
}

// The shown forms give the translation while the lookup is installed and the catalogue's own
// Russian once it is removed, so that the legacy files, written without it, keep their bytes.
TEST(CatalogueTranslation, ShownFormsFollowTheLookup)
{
    struct Case {
        std::string (*shown)();
        const char* russian;
        const char* english;
    };
    const Case cases[] = {
        {[] { return shownCaption(quantityInfo(Quantity::mo)); },
         "приведённый момент Mo на кривошипе", "reduced moment Mo on the crank"},
        {[] { return defaultCaption(quantityInfo(Quantity::fsh)); },
         "fsh: сотрясающая сила на стойку, модуль, Н",
         "fsh: shaking force on the frame, magnitude, N"},
        {[] { return paramDisplayName(*findParam("m_cw")); }, "Mпв", "Mcw"},
        {[] { return paramDisplayName(*findParam("step")); }, "Шаг расчёта", "Calculation step"},
        {[] { return shownCaption(*findKeyFigure("flywheel")); }, "J маховика",
         "J of the flywheel"},
        {[] { return shownUnit("кг·м²"); }, "кг·м²", "kg·m²"},
        {[] { return quantityNote(quantityInfo(Quantity::fok)); },
         "Сила, с которой стойка действует на кривошип в опоре O.",
         "The force of the frame on the crank at bearing O."},
    };
    for (const Case& c : cases) {
        {
            CoreTranslation english;
            ASSERT_TRUE(english.loaded());
            EXPECT_EQ(c.shown(), c.english);
        }
        EXPECT_EQ(c.shown(), c.russian);
    }
}
