// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/BuildInfo.h"

namespace fs = std::filesystem;

namespace {

// The animation file's name, as the export writes it and the animator looks for it.
constexpr const char* kKineticName = "Kinetic.ini";

bool isThere(const fs::path& p)
{
    std::error_code ec;
    return fs::exists(p, ec);
}

// The file beside the executable, else the installed one, else the one beside.
std::string besideOrInstalled(const std::string& exeDir, const std::string& relative,
                              const std::string& installedDir, const std::string& name)
{
    const fs::path beside = fs::path(exeDir + relative);
    if (isThere(beside)) return beside.string();
    const fs::path installed = (fs::path(exeDir) / installedDir / name).lexically_normal();
    if (isThere(installed)) return installed.string();
    return beside.string();
}

} // namespace

std::string kineticFolder(const std::string& exeDir, bool exeDirWritable,
                          const std::string& dataDir)
{
    return exeDirWritable ? exeDir : dataDir;
}

std::string kineticFilePath(Platform& platform)
{
    const std::string exeDir = platform.executableDir();
    const bool writable = platform.canWriteIn(exeDir);
    const std::string dir = kineticFolder(exeDir, writable, writable ? "" : platform.userDataDir());
    if (!writable) {
        std::error_code ec; // a failure shows as the write's own error
        fs::create_directories(dir, ec);
    }
    return dir + kKineticName;
}

std::string animatorPath(const std::string& exeDir, AnimatorBuild build)
{
    const std::string name = build == AnimatorBuild::Full ? "Animator" : "Anima_dx7";
    return besideOrInstalled(exeDir, "Animator/" + name, kInstalledAnimatorDir, name);
}

std::vector<std::string> animatorArguments(const std::string& animator,
                                           const std::string& kineticPath)
{
    const fs::path own = fs::path(animator).parent_path().parent_path() / kKineticName;
    if (own.lexically_normal() == fs::path(kineticPath).lexically_normal()) return {};
    return {"--kinetic", kineticPath};
}

std::string captionsPath(const std::string& exeDir)
{
    return besideOrInstalled(exeDir, "scr.ini", kInstalledDataDir, "scr.ini");
}

std::string examplesFolder(const std::string& exeDir)
{
    return besideOrInstalled(exeDir, "examples", kInstalledDataDir, "examples") + "/";
}

std::vector<std::string> exampleProjects(const std::string& folder)
{
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && it->path().extension() == ".kinovar")
            found.push_back(it->path().string());
    std::sort(found.begin(), found.end());
    return found;
}
