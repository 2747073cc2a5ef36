// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/ParamSet.h"
#include "params/ParamSetCompare.h"

#include <cstring>

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

bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0; // the 80 bits of the value, not the padding
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A field added to ParamSet must join sameParams, or an undo step would miss its changes: the
// size of the set as it stands (x86-64) stops the build until it does.
#if defined(__x86_64__)
static_assert(sizeof(ParamSet) == 448, "a new field of ParamSet must be compared in sameParams");
#endif

} // namespace

bool sameParams(const ParamSet& a, const ParamSet& b)
{
    for (auto f : {&ParamSet::l1, &ParamSet::l2, &ParamSet::b, &ParamSet::fi0, &ParamSet::fit0,
                   &ParamSet::fitt0, &ParamSet::fidtt})
        if (!sameBits(a.*f, b.*f)) return false;
    for (auto f :
         {&ParamSet::ac1, &ParamSet::ac2,  &ParamSet::ac3,  &ParamSet::ac4, &ParamSet::ac5,
          &ParamSet::bc1, &ParamSet::bc2,  &ParamSet::bc3,  &ParamSet::bc4, &ParamSet::bc5,
          &ParamSet::m1,  &ParamSet::m2,   &ParamSet::m3,   &ParamSet::i1,  &ParamSet::i2,
          &ParamSet::i3,  &ParamSet::phi0, &ParamSet::psi0, &ParamSet::aux, &ParamSet::mode,
          &ParamSet::step})
        if (!sameBits(a.*f, b.*f)) return false;
    return a.N == b.N && a.cycles == b.cycles;
}
