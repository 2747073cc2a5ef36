// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of the user guide that are made from the catalogues: the quantities (kQuantities with
// their guide entries, kQuantityGuide) and the parameters (kParams with their notes). The build
// writes them for each language beside the hand-written pages, so a new quantity or parameter
// reaches the guide with no other edit. Every text goes through uiText: the caller installs the
// lookup of the language it writes (none for Russian).
#pragma once
#include <string>
#include <string_view>

// A page of the guide: its file name in each language's folder and its title (context
// "GuidePage", marked for lupdate).
struct GuidePageInfo {
    const char* file;
    const char* title;
};

// Every page, in reading order; the navigation bar of each page lists them.
extern const GuidePageInfo kGuidePages[5];

// The file names of the two generated pages.
inline constexpr const char* kQuantitiesPage = "quantities.html";
inline constexpr const char* kParametersPage = "parameters.html";

// The anchor of a quantity's row ("q-fi") and of a parameter's ("p-l1") on their pages; the
// hand-written pages link to them.
std::string quantityAnchor(std::string_view name);
std::string paramAnchor(std::string_view key);

// `text` with &, <, > and " written as HTML character references.
std::string htmlEscaped(std::string_view text);

// The complete HTML of the quantities page and of the parameters page, in the language `lang`
// ("ru", "en": the page's lang attribute) as the installed lookup gives it. Each row carries the
// anchor above and the short name or key in a <code> element.
std::string quantitiesPageHtml(std::string_view lang);
std::string parametersPageHtml(std::string_view lang);
