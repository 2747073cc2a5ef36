#include "calc/ResultStore.h"

#include <array>
#include <cstdlib>
#include <new>

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

namespace {

// Rows without a name are written by no stage and stay 0.
const std::array<const char*, ResultStore::kRows> kRowNames{{
    "fi",    "dfi",   "fitt",  "dt",    "fit",   "fis",   "sdfi",  "cdfi",  "psi",  "dpsi",
    "sdpsi", "cdpsi", "xa",    "ya",    "xat",   "yat",   "xatt",  "yatt",  "psit", "psitt",
    "xb",    "yb",    "xbt",   "ybt",   "xbtt",  "ybtt",  "xs",    "ys",    "xc1",  "yc1",
    "xc1t",  "yc1t",  "xc1tt", "yc1tt", "ek1",   "fx1",   "fy1",   "mi1",   "pin1", "pgr1",
    "xc2",   "yc2",   "xc2t",  "yc2t",  "xc2tt", "yc2tt", "ek2",   "fx2",   "fy2",  "mi2",
    "pin2",  "pgr2",  "xc3",   "yc3",   "xc3t",  "yc3t",  "xc3tt", "yc3tt", "ek3",  "fx3",
    "fy3",   "mi3",   "pin3",  "pgr3",  "psum",  "mo",    "e",     "fbx",   "fby",  "",
    "",      "fax",   "fay",   "ma",    "",      "fox",   "foy",   "",      "",     "",
    "",      "",      "",      "",      "",      "",      "",      "",      "",     "",
    "",      "",      "",      "",      "",      "",      "",      "",      "",     "",
}};

} // namespace

const char* rowName(int k)
{
    if (k < 0 || k >= ResultStore::kRows) return "";
    return kRowNames[static_cast<size_t>(k)];
}
