// SPDX-License-Identifier: GPL-3.0-or-later
// The outputs of one batch run, written so that a failure replaces no file: every output is
// opened and checked before any is written, the files are written in full to their temporary
// files, then standard output, then the targets that must be written in place, and only then are
// the temporary files renamed over their targets.
#pragma once
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "base/TextFile.h"

// One output: the option that asked for it (for messages), its path ("-" for standard output)
// and what writes it.
struct BatchOutput {
    std::string option;
    std::string path;
    std::function<void(TextWriter&)> write;
};

// Why the outputs were not written; the message names the output ("out.csv: Disk full").
struct BatchOutputFailure {
    std::string message;
};

// Writes `outputs` ("-" to `out`, at most one of them) in this order:
// 1. refuses two outputs that name one file ("--csv and --report name the same file 'x'");
// 2. opens every file output (AtomicFile: a missing folder, a pipe no process reads, ... fail
//    here, with nothing written);
// 3. writes each output that is replaced by a rename to its temporary file, in full and synced;
// 4. writes standard output;
// 5. writes the outputs that go in place (AtomicFile::inPlace), each in full: devices and pipes
//    first, then regular files;
// 6. renames the temporary files over their targets, smallest first (ties in the given order).
// A failure in steps 1 to 4 leaves every target as it was; in step 5 it leaves that target
// partly written, the in-place ones before it written and the others as they were. A process
// killed during step 6 leaves the outputs renamed so far new and the others old. Throws
// BatchOutputFailure.
void writeBatchOutputs(const std::vector<BatchOutput>& outputs, std::ostream& out);

// True when two paths name one file: the same text, one existing file reached by both, or one
// new name reached by both.
bool sameFile(const std::string& a, const std::string& b);
