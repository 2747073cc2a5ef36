// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchSynthesis.h"

#include "app/BatchParams.h"
#include "base/Errors.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "params/Autofill.h"

namespace {

std::string optionText(const std::string& text)
{
    return "--synthesise " + quoteText(text) + ": ";
}

} // namespace

SynthesisRequest parseSynthesisOption(const std::string& text, const ParamSet& current)
{
    const auto fail = [&](const std::string& why) { return BatchBadInput{optionText(text) + why}; };
    SynthesisRequest r;
    bool stroke = false, ratio = false, lambda = false, pressure = false;
    size_t at = 0;
    while (true) {
        const size_t comma = text.find(',', at);
        std::string key, value;
        if (!splitAssignment(text.substr(at, comma - at), key, value))
            throw fail("expected H=...,K=...[,lambda=...|,pressure=...]");
        long double number = 0;
        try {
            number = ParseReal(value, '.');
        } catch (const ConvertError& e) {
            throw fail(e.what());
        }
        bool* seen = key == "H"          ? &stroke
                     : key == "K"        ? &ratio
                     : key == "lambda"   ? &lambda
                     : key == "pressure" ? &pressure
                                         : nullptr;
        if (seen == nullptr)
            throw fail("unknown requirement '" + quoteText(key) + "' (H, K, lambda, pressure)");
        if (*seen) throw fail(key + " given twice");
        *seen = true;
        if (key == "H") r.stroke = number;
        if (key == "K") r.timeRatio = number;
        if (key == "lambda") r.rodRatio = number;
        if (key == "pressure") r.pressureAngle = number;
        if (comma == std::string::npos) break;
        at = comma + 1;
    }
    if (!stroke || !ratio) throw fail("H and K are required");
    if (lambda && pressure) throw fail("give lambda or pressure, not both");
    r.by = pressure ? SynthesisRequest::By::PressureAngle : SynthesisRequest::By::RodRatio;
    if (!lambda && !pressure) r.rodRatio = static_cast<long double>(current.l1) / current.l2;
    return r;
}

std::string applySynthesisOption(ParamSet& p, const std::string& text)
{
    const SynthesisOutcome o = synthesise(parseSynthesisOption(text, p), '.');
    if (!o.design) throw BatchBadInput{optionText(text) + o.fault};
    applyDesign(p, *o.design);
    if (!autofillPoints(p)) throw BatchBadInput{optionText(text) + autofillFaultText(p)};
    const SynthesisDesign& d = *o.design;
    const auto n = [](long double x) { return FormatGeneral(x, '.'); };
    return "synthesised: l1=" + n(p.l1) + ", l2=" + n(p.l2) + ", b=" + n(p.b) +
           ", theta=" + n(d.theta) + ", lambda=" + n(d.rodRatio) +
           ", pressure angle=" + n(d.pressureAngle);
}
