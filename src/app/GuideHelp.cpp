// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GuideHelp.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/BuildInfo.h"
#include "base/UiText.h"

namespace fs = std::filesystem;

GuidePlace guidePlaceFor(const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        for (const GuideTopic& topic : kGuideTopics)
            if (name == topic.objectName) return topic.place;
    return kGuideStartPlace;
}

std::vector<std::string> guideFolders(const std::string& exeDir)
{
    const fs::path build = (fs::path(exeDir) / ".." / "guide").lexically_normal();
    const fs::path installed = (fs::path(exeDir) / kInstalledGuideDir).lexically_normal();
    std::vector<std::string> folders{build.string()};
    if (installed != build) folders.push_back(installed.string());
    for (std::string& f : folders)
        if (f.empty() || f.back() != '/') f += '/';
    return folders;
}

bool openGuide(Platform& platform, const GuidePlace& place, const std::string& lang)
{
    std::string lookedAt;
    for (const std::string& folder : guideFolders(platform.executableDir())) {
        const std::string page = folder + lang + "/" + place.page;
        std::error_code ec;
        if (!fs::is_regular_file(page, ec)) {
            lookedAt += "\n" + page;
            continue;
        }
        if (platform.openDocument(page, place.anchor)) return true;
        platform.showMessage(fillIn(
            uiText("GuideHelp", "Не удалось открыть руководство пользователя:\n%1"), {page}));
        return false;
    }
    platform.showMessage(uiText("GuideHelp", "Руководство пользователя не найдено. Искали:") +
                         lookedAt);
    return false;
}
