// SPDX-License-Identifier: GPL-3.0-or-later
// The figures the user guide quotes from real runs, kept in one file (doc/guide/figures.tsv) with
// the batch command that prints each, so that a test holds them against today's batch and the
// pages never quote a stale number. The hand-written pages name a figure as @key@; the build
// puts its value in, with the page's decimal separator.
//
// A line of the file: key, value, the batch's arguments, and where the value stands in what the
// batch prints, separated by tabs. The arguments are split at spaces; "@press@" stands for the
// press example project. The place is a JSON pointer into the batch's standard output
// ("/flywheel/mean_moment"), or "stderr:" and the text a number follows on standard error
// ("stderr:pressure angle="). Blank lines and lines starting with # are skipped.
#pragma once
#include <string>
#include <vector>

struct GuideFigure {
    std::string key;   // "md"
    std::string value; // "179.1", as rounded for the reader; its decimals are its precision
    std::string args;  // "--project @press@ --summary -"
    std::string place; // "/flywheel/mean_moment" or "stderr:pressure angle="
};

// The figures of `path`, in file order. Throws KinovarError naming the line of a malformed one
// (fewer than four fields, an empty key, a value that is not a plain decimal number, a key given
// twice); InOutError when the file cannot be read.
std::vector<GuideFigure> readGuideFigures(const std::string& path);

// `html` with every @key@ of `figures` replaced by its value, the '.' written as `decimal` and a
// leading '-' as the minus sign '−'. Throws KinovarError naming an @key@ that no figure has, so
// that a misspelt figure stops the build. An '@' not followed by a key's letters, digits or '_'
// and a closing '@' is left as it stands (an address, "@" alone).
std::string fillFigures(const std::string& html, const std::vector<GuideFigure>& figures,
                        char decimal);
