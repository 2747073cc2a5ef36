// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ResultStore.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

ResultStore::ResultStore()
    : data_(static_cast<long double*>(std::calloc(kRows * kStride, sizeof(long double))))
{
    // calloc hands back untouched zero pages: the 144 MB block costs nothing until written.
    if (data_ == nullptr) throw std::bad_alloc();
}

ResultStore::~ResultStore()
{
    std::free(data_);
}

void ResultStore::clearSteps(int steps)
{
    const int last = std::min(steps, kSteps);
    if (last < 1) return;
    for (int k = 0; k < kRows; ++k)
        std::fill(row(k) + 1, row(k) + last + 1, 0.0L);
}

void ResultStore::recordRun(const ParamSet& p)
{
    computedWith_ = std::make_unique<ParamSet>(p);
    computedSteps_ = std::clamp(p.N, 0, kSteps);
    stoppedAt_.reset();
    trueMotion_.reset();
}

void ResultStore::recordStop(const StageFault& fault)
{
    const int before = std::clamp(fault.step - 1, 0, kSteps);
    if (stoppedAt_ && stoppedAt_->step <= fault.step) return;
    stoppedAt_ = fault;
    computedSteps_ = std::min(computedSteps_, before);
}

void ResultStore::swapContents(ResultStore& other) noexcept
{
    std::swap(data_, other.data_);
    std::swap(computedWith_, other.computedWith_);
    std::swap(computedSteps_, other.computedSteps_);
    std::swap(stoppedAt_, other.stoppedAt_);
    std::swap(trueMotion_, other.trueMotion_);
}
