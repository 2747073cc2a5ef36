// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchOptimise.h"

#include <cmath>
#include <ostream>

#include "app/Batch.h"
#include "app/BatchOutputs.h"
#include "app/BatchParams.h"
#include "base/Errors.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "formats/ResultCsv.h"

namespace {

long double number(const std::string& option, const std::string& text, const std::string& part)
{
    try {
        return ParseReal(trim(part), '.');
    } catch (const ConvertError& e) {
        throw BatchBadInput{option + " " + quoteText(text) + ": " + e.what()};
    }
}

} // namespace

OptimiseVariable parseVaryOption(const std::string& text)
{
    std::string key, range;
    const size_t colon = text.find(':');
    if (!splitAssignment(text, key, range) || colon == std::string::npos ||
        range.find(':') != range.rfind(':'))
        throw BatchBadInput{"--vary " + quoteText(text) + ": expected KEY=LO:HI"};
    const size_t at = range.find(':');
    return {key, number("--vary", text, range.substr(0, at)),
            number("--vary", text, range.substr(at + 1))};
}

OptimiseConstraint parseConstraintOption(const std::string& text)
{
    OptimiseConstraint c;
    size_t at = text.find("<=");
    size_t skip = 2;
    c.kind = OptimiseConstraint::Kind::AtMost;
    if (at == std::string::npos) at = text.find(">="), c.kind = OptimiseConstraint::Kind::AtLeast;
    if (at == std::string::npos)
        at = text.find('='), skip = 1, c.kind = OptimiseConstraint::Kind::Equal;
    if (at == std::string::npos)
        throw BatchBadInput{"--constraint " + quoteText(text) +
                            ": expected FIGURE<=VALUE, FIGURE>=VALUE or FIGURE=VALUE[:TOLERANCE]"};
    c.figure = trim(text.substr(0, at));
    std::string value = text.substr(at + skip);
    if (c.kind == OptimiseConstraint::Kind::Equal) {
        if (const size_t colon = value.find(':'); colon != std::string::npos) {
            c.tolerance = number("--constraint", text, value.substr(colon + 1));
            value.resize(colon);
            c.value = number("--constraint", text, value);
            return c;
        }
    }
    c.value = number("--constraint", text, value);
    c.tolerance = 1e-9L * std::max(1.0L, std::fabs(c.value));
    return c;
}

int parseMaxEvalsOption(const std::string& text)
{
    int n = 0;
    try {
        n = ParseInteger(text);
    } catch (const ConvertError& e) {
        throw BatchBadInput{"--max-evals: " + std::string(e.what())};
    }
    if (n < 10 || n > 1000000)
        throw BatchBadInput{"--max-evals '" + quoteText(text) + "': expected 10 to 1000000"};
    return n;
}

std::string optimiseHistoryCsv(const OptimisePlan& plan, const OptimiseResult& result)
{
    std::string text = "evaluation,phase";
    for (const OptimiseVariable& v : plan.variables)
        text += "," + v.key;
    text += "," + plan.figure + ",violation\n";
    int n = 0;
    for (const OptimiseEvaluation& e : result.history) {
        text += std::to_string(++n) + "," + e.phase;
        for (const long double v : e.point)
            text += "," + csvNumber(v);
        text += ",";
        if (e.figure) text += csvNumber(*e.figure);
        text += "," + (std::isfinite(e.violation) ? csvNumber(e.violation) : std::string("inf"));
        text += '\n';
    }
    return text;
}

int runBatchOptimise(const OptimisePlan& plan, const ParamSet& base,
                     const BatchOptimiseOutputs& outputs, std::ostream& out, std::ostream& err)
{
    if (const std::string fault = optimisePlanFault(base, plan); !fault.empty()) {
        err << "kinovar-batch: --optimise: " << fault << '\n';
        return kBatchBadInput;
    }
    const std::atomic<bool> never{false};
    const OptimiseResult result = *optimise(base, plan, never);
    if (!result.best) {
        err << "kinovar-batch: --optimise: " << result.fault << '\n';
        return kBatchStageFailed;
    }
    std::string told = "kinovar-batch: optimised: " + plan.figure + " = " +
                       FormatGeneral(result.figure, '.') + " after " +
                       std::to_string(result.evaluations) + " runs:";
    for (size_t i = 0; i < plan.variables.size(); ++i)
        told += " " + plan.variables[i].key + "=" + FormatGeneral(result.point[i], '.');
    err << told << '\n';
    std::vector<BatchOutput> files;
    Project project = outputs.kept;
    project.params = *result.best;
    if (outputs.project)
        files.push_back(
            {"--save-project", *outputs.project, [&](TextWriter& w) { writeProject(w, project); }});
    const std::string history = optimiseHistoryCsv(plan, result);
    if (outputs.history)
        files.push_back(
            {"--history", *outputs.history, [&](TextWriter& w) { w.writeRaw(history); }});
    try {
        writeBatchOutputs(files, out);
    } catch (const BatchOutputFailure& e) {
        err << "kinovar-batch: " << e.message << '\n';
        return kBatchBadInput;
    }
    return kBatchDone;
}
