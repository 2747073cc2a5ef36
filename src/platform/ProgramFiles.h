// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's own files live: "scr.ini", the example projects and the animator beside
// the executable or in the installed tree relative to it, and "Kinetic.ini" beside the
// executable or, when that folder is read-only, in the user's data folder.
#pragma once
#include <string>
#include <vector>

#include "platform/Platform.h"

enum class AnimatorBuild { Full, Light };

// The folder Kinetic.ini goes to: exeDir when it may be written in, else dataDir. Both end in '/'.
std::string kineticFolder(const std::string& exeDir, bool exeDirWritable,
                          const std::string& dataDir);

// The path of Kinetic.ini for this run, from the platform's folders. Creates the data folder when
// it is chosen and missing; if that fails, writing the file reports it.
std::string kineticFilePath(Platform& platform);

// The executable of an animator build: "Animator/<name>" beside the program when it is there,
// else the installed one (kInstalledAnimatorDir from exeDir) when that is there, else the one
// beside, so that a failed start names the usual place.
std::string animatorPath(const std::string& exeDir, AnimatorBuild build);

// What the animator needs to find the file: nothing when the file is where the animator looks by
// itself (Kinetic.ini in the folder above its own), else {"--kinetic", kineticPath}.
std::vector<std::string> animatorArguments(const std::string& animator,
                                           const std::string& kineticPath);

// The caption file: "scr.ini" beside the executable when it is there, else the installed one
// (kInstalledDataDir from exeDir) when that is there, else the one beside, so that reading it
// reports "File not found" as before.
std::string captionsPath(const std::string& exeDir);

// The folder of the example projects: "examples/" beside the executable when it is there, else
// the installed one (kInstalledDataDir/examples from exeDir) when that is there, else the one
// beside. Ends in '/'.
std::string examplesFolder(const std::string& exeDir);

// The example projects of `folder`: its regular "*.kinovar" files, sorted by name (the names
// start with their place in the menu). None when the folder is missing or unreadable.
std::vector<std::string> exampleProjects(const std::string& folder);
