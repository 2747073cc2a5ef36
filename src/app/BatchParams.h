// SPDX-License-Identifier: GPL-3.0-or-later
// The batch's parameters from text: one "KEY=VALUE" of --set, or a params file of such lines,
// checked as the window checks what is typed.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "params/ParamSet.h"

// Bad input; the message names the option or the file and line, and the offending text.
struct BatchBadInput {
    std::string message;
};

// `s` without the blanks and tabs around it.
std::string trim(std::string_view s);

// "KEY=VALUE" with optional blanks around both; false without an '='.
bool splitAssignment(std::string_view text, std::string& key, std::string& value);

// The pieces of `text` between its commas, in order, each as it stands ("a=1,,b=2" gives
// "a=1", "", "b=2"; a text without a comma is its only piece).
std::vector<std::string> commaParts(std::string_view text);

// The crank step of a text in degrees, in radians: only the steps the window's step box offers.
// Throws BatchBadInput for any other.
long double windowStep(const std::string& text);

// Sets one parameter from its text (ParseReal / ParseInteger): numbers on the command line and
// in params files take the period, whatever the locale. Throws BatchBadInput for an unknown key
// or a value the parameter refuses.
void setParam(ParamSet& p, const std::string& key, const std::string& text);

// Applies every "KEY = VALUE" line of a params file ('#' starts a comment line). Throws
// BatchBadInput naming the file and line of the first bad one, or the file that cannot be read.
void applyParamsFile(ParamSet& p, const std::string& path);
