// SPDX-License-Identifier: GPL-3.0-or-later
// Work split into numbered chunks done on several threads, with each chunk's completion handed
// to the calling thread in chunk order (a progress bar that moves forward only).
#pragma once
#include <cstddef>
#include <functional>

// How many threads to use for threads = 0: the machine's cores, at least 1.
unsigned availableThreads();

// Runs work(c) once for every chunk c in 0..chunks-1 on up to `threads` threads (0: every core),
// the calling thread among them, and calls completed(c) on the calling thread for c = 0, 1, ...
// in order, each as soon as chunks 0..c are all done. work must be safe to run at once for
// different chunks. Returns when every chunk is done. The first exception of a work or of
// completed is rethrown on the calling thread after every thread has stopped; chunks not yet
// started are then skipped.
void runOrderedChunks(size_t chunks, unsigned threads, const std::function<void(size_t)>& work,
                      const std::function<void(size_t)>& completed);
