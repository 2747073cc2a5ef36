// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every window benchmark: one QApplication, offscreen unless the caller chose a
// platform, around Google Benchmark's run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
