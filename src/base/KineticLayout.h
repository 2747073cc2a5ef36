// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed lines of the animation file "Kinetic.ini", shared by its writer (formats/Kinetic.h)
// and its readers: the window's and the animator's, which sees only this layer and present.
#pragma once

// The file's name; it lives in the folder of the running executable.
inline constexpr const char* kKineticFileName = "Kinetic.ini";
// Fixed lines of the file.
inline constexpr const char* kKineticStart = "START:";
inline constexpr const char* kKineticBlockEnd = "---";
inline constexpr const char* kKineticEnd = "END";
// Lines before the first step block, and lines per block.
inline constexpr int kKineticHeaderLines = 7;
inline constexpr int kKineticBlockLines = 9;
