// SPDX-License-Identifier: GPL-3.0-or-later
// The sections of a project file that describe one parameter set ("parameters", "run", "load"),
// as the project itself and each of its variants carries them, with the reading of one real and
// the refusal that names a key. The writer refuses whatever the reader would refuse, so that a
// file written is a file read back.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "formats/ProjectJson.h"
#include "params/ParamSet.h"

// The unknown keys a read meets: every one counted, the first kListedUnknownKeys kept by name.
// A key is met once: no object holds a key twice, so no two paths are the same.
struct UnknownKeys {
    std::vector<std::string>& listed;
    size_t& count;
    void add(std::string key);
};

// Throws ProjectError "project key '<key>': <why>", in Russian "ключ проекта «<key>»: <ru>".
[[noreturn]] void refuseKey(const std::string& key, const std::string& why, const std::string& ru);

// The full-precision text of v with '.' (21 significant digits).
std::string exactText(long double v);
// The shortest text that ParseReal reads back to v bit for bit, for the rows of long tables:
// "0.5", "1e-05", "120"; never longer than exactText(v).
std::string shortExactText(long double v);

// A real from a JSON string (exact) or a whole JSON number; refuses anything else, and a value
// that is not finite, naming `key`.
long double readReal(const std::string& key, const ProjectJson& v);
// Whether a real may stand in the file: finite and within the range of a double (an underflow
// passes, as for every parameter).
bool withinDoubleRange(long double v);

// Writes the three sections of `p` into `object`. Throws ProjectError, naming `where` and the
// key, for a set the reader would refuse: a step none the window offers, a step count not
// 24 * cycles + 1 up to 90000, a parameter its table refuses, a load table its period refuses or
// a load value beyond the range of a double. The cycle count written is the one N gives.
void writeSet(ProjectJson& object, const ParamSet& p, const std::string& where);

// Reads one set section of an object: false when `key` names none. The load is only noted in
// `load`, to be read last by readLoad, against the period of the run section wherever it
// stands. `where` prefixes the keys of messages and of unknown keys ("variants[2]", or "").
bool readSetSection(const std::string& key, const ProjectJson& value, ParamSet& p,
                    UnknownKeys& unknown, const ProjectJson*& load, const std::string& where);
void readLoad(const ProjectJson& section, ParamSet& p, UnknownKeys& unknown,
              const std::string& where);
