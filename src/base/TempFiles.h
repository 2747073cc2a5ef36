// SPDX-License-Identifier: GPL-3.0-or-later
// The temporary files of saves in progress: their recognisable names, their removal when the
// process is ended by SIGINT, SIGTERM or SIGHUP, and the removal of those a killed process left.
#pragma once
#include <chrono>
#include <signal.h>
#include <string>
#include <string_view>

// The name of a new temporary file beside `targetName` (a name, not a path):
// ".<targetName cut to 64 bytes>.kinovar-<8 hex digits>.tmp", at most 86 bytes whatever the
// target's name, so that any target a folder can hold has a temporary name it can hold too.
// `salt` picks the hex digits.
std::string temporaryName(std::string_view targetName, unsigned salt);

// True for a name temporaryName can give (the hex digits in lower case).
bool isTemporaryName(std::string_view name);

// While it lives, this thread holds back SIGINT, SIGTERM and SIGHUP (having installed their
// handlers), so that a temporary file created and then recorded cannot be left by a signal that
// arrives between the two: such a signal is delivered, and removes the file, once it ends.
class CleanupSignalsHeld {
public:
    CleanupSignalsHeld();
    ~CleanupSignalsHeld();
    CleanupSignalsHeld(const CleanupSignalsHeld&) = delete;
    CleanupSignalsHeld& operator=(const CleanupSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

// Records the temporary file `name` in the folder open as `dirFd`, so that SIGINT, SIGTERM and
// SIGHUP remove it before they end the process; the first call installs the handlers for those
// signals whose action is still the default (an ignored signal stays ignored). Returns a handle
// for forgetTemporary, or -1 when the table of 32 files is full (the file is then simply not
// removed by a signal). Safe to call from several threads.
int rememberTemporary(int dirFd, std::string_view name);

// The file of `handle` is gone or in place: a signal no longer removes it. -1 is ignored.
void forgetTemporary(int handle);

// Removes from the folder open as `dirFd` (opened for reading) the files whose names
// isTemporaryName accepts and that are regular, this user's, last changed longer than `age`
// ago, and locked by no process (a save holds a lock on its temporary file while it lives).
// Returns how many were removed; a folder that cannot be listed removes none.
int removeStaleTemporaries(int dirFd, std::chrono::seconds age = std::chrono::hours(24));
