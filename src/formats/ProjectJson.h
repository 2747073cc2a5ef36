// SPDX-License-Identifier: GPL-3.0-or-later
// The project file's JSON: parsing under the file's own limits, and writing in its layout. The
// sections' meaning is ProjectFile's and ProjectSections'; this unit knows only the syntax.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "formats/ProjectError.h"

// Objects keep their keys in file order, so that unknown keys are listed as the file holds them.
using ProjectJson = nlohmann::ordered_json;

// Parses `text` as the JSON of a project. Throws ProjectError, before any value is built, for a
// NUL byte (naming its offset); and while parsing for nesting deeper than kMaxProjectDepth, an
// object with more than kMaxProjectKeys keys or one key twice (naming the key with its path,
// "variants[1].run.cycles"), and text that is not JSON (naming its line and column). Work and
// memory grow linearly with the text.
ProjectJson parseProjectJson(std::string_view text);

// The text of `doc` ending in a newline: two spaces a level and one member or element a line, as
// nlohmann's dump(2) lays it out, except that an array of numbers and strings inside an array
// (a row of a table) stands on one line: ["0.5", "120"]. Throws ProjectError for a string that
// is not UTF-8.
std::string projectJsonText(const ProjectJson& doc);
