#include "params/ParamSet.h"

#include <array>

#include "base/NumberText.h"

void setDefaults(ParamSet& p)
{
    p.mode = 0;
    p.l1 = 10;
    p.l2 = 25;
    p.b = 15;
    p.fi0 = 0.1;
    p.aux = 15;
    p.fit0 = 1;
    p.fitt0 = 0;
    p.fidtt = 0.01;
    p.m1 = 4;
    p.m2 = 10;
    p.m3 = 2;
    p.i1 = 4;
    p.i2 = 10;
    p.i3 = 2;
    p.step = 15 * kRadPerDeg;
    p.N = 25;
}

namespace {

const std::array<ParamRowInfo, kParamRowCount> kRows{{
    {"L1=", "l1", false},       {"L2=", "l2", false},     {"B=", "b", false},
    {"Fi0=", "fi0", false},     {"Fit0=", "fit0", false}, {"Fitt0=", "fitt0", false},
    {"+Fitt=", "fidtt", false}, {"A(C1)=", "ac1", false}, {"B(C1)=", "bc1", false},
    {"A(C2)=", "ac2", false},   {"B(C2)=", "bc2", false}, {"A(C3)=", "ac3", false},
    {"B(C3)=", "bc3", false},   {"A(A)=", "ac4", false},  {"B(A)=", "bc4", false},
    {"A(B)=", "ac5", false},    {"B(B)=", "bc5", false},  {"M1=", "m1", true},
    {"M2", "m2", true},         {"M3=", "m3", true},      {"I1=", "i1", true},
    {"I2=", "i2", true},        {"I3=", "i3", true},
}};

} // namespace

const ParamRowInfo& paramRow(int row)
{
    return kRows.at(static_cast<size_t>(row));
}

int paramRowForKey(const std::string& key)
{
    for (int r = 0; r < kParamRowCount; ++r)
        if (key == kRows[static_cast<size_t>(r)].key) return r;
    return -1;
}

long double paramValue(const ParamSet& p, int row)
{
    switch (row) {
    case 0:
        return p.l1;
    case 1:
        return p.l2;
    case 2:
        return p.b;
    case 3:
        return p.fi0;
    case 4:
        return p.fit0;
    case 5:
        return p.fitt0;
    case 6:
        return p.fidtt;
    case 7:
        return p.ac1;
    case 8:
        return p.bc1;
    case 9:
        return p.ac2;
    case 10:
        return p.bc2;
    case 11:
        return p.ac3;
    case 12:
        return p.bc3;
    case 13:
        return p.ac4;
    case 14:
        return p.bc4;
    case 15:
        return p.ac5;
    case 16:
        return p.bc5;
    case 17:
        return p.m1;
    case 18:
        return p.m2;
    case 19:
        return p.m3;
    case 20:
        return p.i1;
    case 21:
        return p.i2;
    case 22:
        return p.i3;
    default:
        return 0;
    }
}

std::string paramLabelText(const ParamSet& p, int row)
{
    return FormatFixed(paramValue(p, row), 4, 3);
}
