// SPDX-License-Identifier: GPL-3.0-or-later
// The figures the user guide quotes (doc/guide/figures.tsv) against what the batch prints today,
// and the reading and filling-in of that file.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "formats/GuideFigures.h"
#include "support/BatchRun.h"
#include "support/ScratchFiles.h"

namespace {

std::vector<std::string> splitSpaces(const std::string& text)
{
    std::vector<std::string> words;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find(' ', start), text.size());
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// Half a unit of the last decimal the guide writes: "179.1" stands for 179.05 … 179.15.
double halfUnit(const std::string& value)
{
    const size_t dot = value.find('.');
    const int decimals = dot == std::string::npos ? 0 : static_cast<int>(value.size() - dot - 1);
    return 0.5 * std::pow(10.0, -decimals);
}

// The number at `place` of a run's output, or NaN when it is not there.
double valueAt(const BatchRun& run, const std::string& place)
{
    const std::string prefix = "stderr:";
    if (place.rfind(prefix, 0) == 0) {
        const std::string label = place.substr(prefix.size());
        const size_t at = run.err.find(label);
        return at == std::string::npos ? NAN : std::stod(run.err.substr(at + label.size()));
    }
    const nlohmann::json doc = nlohmann::json::parse(run.out, nullptr, false);
    const nlohmann::json::json_pointer pointer(place);
    if (doc.is_discarded() || !doc.contains(pointer)) return NAN;
    const nlohmann::json& v = doc.at(pointer);
    if (v.is_string()) return std::stod(v.get<std::string>()); // a project's exact text
    return v.is_number() ? v.get<double>() : NAN;
}

} // namespace

// Every figure the guide quotes rounds today's batch value: a change of the calculation that
// moves one fails here until the figure (and the page's text around it) is brought up to date.
TEST(GuideFigures, QuotedFiguresMatchTheBatch)
{
    const std::vector<GuideFigure> figures =
        readGuideFigures(KINOVAR_SOURCE_DIR "/doc/guide/figures.tsv");
    ASSERT_GE(figures.size(), 10u);
    std::map<std::string, BatchRun> runs; // one run per distinct command
    for (const GuideFigure& f : figures) {
        auto it = runs.find(f.args);
        if (it == runs.end()) {
            std::vector<std::string> args;
            for (std::string word : splitSpaces(f.args))
                args.push_back(
                    word == "@press@" ? KINOVAR_SOURCE_DIR "/data/examples/2-press.kinovar" : word);
            it = runs.emplace(f.args, batch(args)).first;
            EXPECT_EQ(it->second.status, 0) << f.args << "\n" << it->second.err;
        }
        const double actual = valueAt(it->second, f.place);
        ASSERT_FALSE(std::isnan(actual)) << f.key << ": nothing at " << f.place;
        EXPECT_LE(std::fabs(actual - std::stod(f.value)), halfUnit(f.value) * (1 + 1e-9))
            << f.key << ": the guide says " << f.value << ", the batch " << actual;
    }
}

TEST(GuideFigures, FillingInWritesTheLanguagesNumbers)
{
    const std::vector<GuideFigure> figures = {{"md", "179.1", "a", "/x"},
                                              {"q_min", "-250000", "a", "/y"}};
    const struct {
        const char* html;
        char decimal;
        const char* filled;
    } cases[] = {
        {"M = @md@ Н·м", ',', "M = 179,1 Н·м"},
        {"M = @md@ N·m", '.', "M = 179.1 N·m"},
        {"@q_min@@md@", '.', "−250000179.1"},
        {"mail@example.org, 5 @ 3, @", ',', "mail@example.org, 5 @ 3, @"},
        {"@@md@", ',', "@179,1"},
        {"no figures", ',', "no figures"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fillFigures(c.html, figures, c.decimal), c.filled) << c.html;
    EXPECT_THROW(fillFigures("@mdd@", figures, '.'), KinovarError);
}

TEST(GuideFigures, MalformedLinesAreRefusedWithTheirLine)
{
    const struct {
        const char* text;
        const char* fault; // "" when the file reads
    } cases[] = {
        {"# comment\n\nmd\t179.1\t--summary -\t/a\n", ""},
        {"md\t179.1\t--summary -\n", ":1: key, value"},
        {"md\t17,1\t--summary -\t/a\n", "not a plain number"},
        {"md\t1.\t--summary -\t/a\n", "not a plain number"},
        {"md\t-\t--summary -\t/a\n", "not a plain number"},
        {"a\t1\tx\t/a\n#\nb c\t2\tx\t/a\n", ":3: bad key"},
        {"md\t1\tx\t/a\nmd\t2\tx\t/b\n", ":2: key given twice"},
        {"md\t1\t\t/a\n", "key, value"},
    };
    for (const auto& c : cases) {
        const ScratchDir dir("figures");
        writeBytes(dir.file("f.tsv"), c.text);
        std::string fault;
        try {
            readGuideFigures(dir.file("f.tsv"));
        } catch (const KinovarError& e) {
            fault = e.what();
        }
        if (*c.fault == '\0')
            EXPECT_EQ(fault, "") << c.text;
        else
            EXPECT_NE(fault.find(c.fault), std::string::npos) << c.text << " -> " << fault;
    }
}
