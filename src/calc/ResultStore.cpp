// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ResultStore.h"

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

void ResultStore::swapContents(ResultStore& other) noexcept
{
    std::swap(data_, other.data_);
    std::swap(computedWith_, other.computedWith_);
}
