// SPDX-License-Identifier: GPL-3.0-or-later
// The batch command's arguments: NUL-separated words run through the whole command in a scratch
// folder. Words holding '/' are dropped so that every file it touches stays in that folder.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzFile.h"
#include "app/Batch.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxWords = 24;

// The scratch folder, made current once, with a params file and a report to read.
const fs::path& scratch()
{
    static const fs::path dir = [] {
        fs::path d =
            fs::temp_directory_path() / ("kinovar-fuzz-batch-" + std::to_string(::getpid()));
        fs::create_directories(d);
        fs::current_path(d);
        return d;
    }();
    return dir;
}

void resetScratch()
{
    for (const auto& entry : fs::directory_iterator(scratch()))
        fs::remove_all(entry.path());
    std::ofstream("p.txt") << "# a params file\nl1 = 12\nfi0=30\n\nmode = 720\n";
    std::ofstream("r.txt") << "15\n1\n10\n25\n15\n0.1\n1\n0\n0.01\n4\n10\n2\n4\n10\n";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    resetScratch();
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size && args.size() <= kMaxWords; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    std::erase_if(args, [](const std::string& a) { return a.find('/') != std::string::npos; });
    std::ostringstream out, err;
    const int status = runBatch(args, out, err);
    if (status != 0 && status != 2 && status != 3) fuzz::fail("an exit status outside 0, 2, 3");
    if (status != 0 && err.str().empty()) fuzz::fail("a failure without a message");
    return 0;
}
