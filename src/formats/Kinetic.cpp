#include "formats/Kinetic.h"

#include <stdexcept>

#include "base/NumberText.h"
#include "base/TextFile.h"

void writeKinetic(TextWriter& out, const ParamSet& p, const ResultStore& R, char decimal,
                  const KineticProgress& onStep)
{
    if (p.N > ResultStore::kSteps) throw std::invalid_argument("writeKinetic: N beyond store");

    // The total angle follows the current run settings, not the last calculation.
    const long double total = (static_cast<long double>(p.N) - 1) * p.step * kDegPerRad;
    out.writeLine(FormatGeneral(total, decimal));
    out.writeLine(FormatFixed(p.mode, 1, 0, decimal));
    out.writeLine(FormatFixed(p.l1, 4, 2, decimal));
    out.writeLine(FormatFixed(p.l2, 4, 2, decimal));
    out.writeLine(FormatFixed(p.b, 4, 2, decimal));
    out.writeLine(FormatInteger(p.N));
    out.writeLine(kKineticStart);

    for (int32_t i = 1; i <= p.N; ++i) {
        for (Quantity k : kKineticAngleRows)
            out.writeLine(FormatFixed(R(k, i) * kDegPerRad, 4, 2, decimal));
        for (Quantity k : kKineticPositionRows)
            out.writeLine(FormatFixed(R(k, i), 4, 2, decimal));
        out.writeLine(kKineticBlockEnd);
        if (onStep) onStep(i);
    }
    out.writeLine(kKineticEnd);
}

void writeKinetic(const std::string& path, const ParamSet& p, const ResultStore& R, char decimal,
                  const KineticProgress& onStep)
{
    if (p.N > ResultStore::kSteps) throw std::invalid_argument("writeKinetic: N beyond store");
    TextWriter out(path);
    writeKinetic(out, p, R, decimal, onStep);
    out.close();
}
