// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the file-reader harnesses: each input is written to one scratch file per process,
// so a harness drives a reader through its ordinary path-taking entry point.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace fuzz {

// The scratch file of this process (under $TMPDIR or /tmp), rewritten with `data` on each call.
inline const std::string& writeInput(const uint8_t* data, size_t size)
{
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp && *tmp ? tmp : "/tmp") + "/kinovar-fuzz-" +
               std::to_string(::getpid()) + ".txt";
    }();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    if (std::fclose(f) != 0) std::abort();
    return path;
}

// Stops the run with a report the fuzzer records as a crash.
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace fuzz
