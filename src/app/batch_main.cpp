// kinovar-batch: the calculation without a window, for scripted studies.
#include <iostream>
#include <string>
#include <vector>

#include "app/Batch.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return runBatch(args, std::cout, std::cerr);
}
