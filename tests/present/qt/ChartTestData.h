// Shared data of the chart window tests: the default mechanism (autofilled) calculated once, and
// a store whose rows are easy to tell apart.
#pragma once
#include "calc/Calculation.h"
#include "calc/ResultStore.h"
#include "params/Autofill.h"
#include "params/ParamSet.h"

namespace charttest {

// The defaults (N = 25), autofilled and calculated.
inline const ParamSet& defaultParams()
{
    static const ParamSet p = [] {
        ParamSet q;
        setDefaults(q);
        autofillPoints(q);
        return q;
    }();
    return p;
}

inline const ResultStore& defaultStore()
{
    static ResultStore* R = [] {
        auto* r = new ResultStore;
        runCalculation(defaultParams(), *r);
        return r;
    }();
    return *R;
}

// R[k][i] = 1000 k + i for every row and the first 25 steps: a row is known by its values.
inline const ResultStore& taggedStore()
{
    static ResultStore* R = [] {
        auto* r = new ResultStore;
        for (int k = 0; k < ResultStore::kRows; ++k)
            for (int i = 1; i <= 25; ++i)
                (*r)(k, i) = 1000.0L * k + i;
        return r;
    }();
    return *R;
}

} // namespace charttest
