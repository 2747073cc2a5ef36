// SPDX-License-Identifier: GPL-3.0-or-later
// The project file's refusal and the limits its JSON is read under, shared by the file's syntax
// (ProjectJson) and its sections (ProjectFile, ProjectSections).
#pragma once
#include <cstddef>
#include <string>

#include "base/Errors.h"
#include "base/WindowMessage.h"

// The most keys one object may hold (the parameters section holds about 30). Each key costs a
// look among those before it, so the cap bounds the time a file of the size limit takes.
inline constexpr size_t kMaxProjectKeys = 200;
// The unknown keys a read lists by name; the rest are only counted.
inline constexpr size_t kListedUnknownKeys = 20;
// The deepest nesting of arrays and objects read; the format itself uses two levels.
inline constexpr int kMaxProjectDepth = 32;

// A project that cannot be written or read back; the message names the key and the reason.
// It carries the same message in Russian for the window.
class ProjectError : public KinovarError, public RussianText {
public:
    explicit ProjectError(const std::string& message, std::string russian = {})
        : KinovarError(message), RussianText(std::move(russian))
    {
    }
};
