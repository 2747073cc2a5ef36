// SPDX-License-Identifier: GPL-3.0-or-later
// Typed errors of the core. Each carries the exact message text the user sees; only the GUI shows
// it.
#pragma once
#include <stdexcept>
#include <string>

// Base of every error the core raises for the standard error report.
class KinovarError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that does not convert: "'%s' is not a valid floating point value" or "... integer value".
class ConvertError : public KinovarError {
public:
    using KinovarError::KinovarError;
};

// A file error with the system code of the Overview (2 "File not found", 5 "File access denied",
// ...).
class InOutError : public KinovarError {
public:
    InOutError(int code, const std::string& message) : KinovarError(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// An output that would hold a value its reader could not take back (a number beyond the range of
// a double, a drawing wider than the animator draws): refused before anything of it is written.
class UnreadableOutputError : public KinovarError {
public:
    using KinovarError::KinovarError;
};
