// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch: the calculation without a window, for scripted studies.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "app/Batch.h"

int main(int argc, char** argv)
{
    // Past the file-size limit a write then fails with "Disk full" instead of killing the
    // process, standard output included.
    std::signal(SIGXFSZ, SIG_IGN);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return runBatch(args, std::cout, std::cerr);
}
