// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Platform.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "base/UiText.h"

bool systemCanWriteIn(const std::string& dir)
{
    // access() asks with the real user's rights and sees a read-only mount, which the mode bits
    // alone do not tell.
    if (::access(dir.c_str(), W_OK) == 0) return true;
    return errno != EACCES && errno != EROFS && errno != EPERM;
}

std::string fileErrorText(const std::string& message, const std::string& path)
{
    return fillIn(uiText("Platform", "%1\nФайл \"%2\""), {message, quoteText(path)});
}

bool isSaveTarget(const std::string& path)
{
    struct stat info {};
    // A name that cannot be looked at (a missing folder, no permission) is left to the save,
    // which reports it.
    if (::stat(path.c_str(), &info) != 0) return true;
    return S_ISREG(info.st_mode);
}

std::optional<std::string> chooseSaveTarget(Platform& platform, const FileDialogRequest& request)
{
    std::optional<std::string> chosen = platform.saveFileName(request);
    if (chosen && !isSaveTarget(*chosen)) {
        platform.showError(fileErrorText(uiText("Platform", kNotARegularFileMessage), *chosen));
        return std::nullopt;
    }
    return chosen;
}

std::string forwardingPage(const std::string& url)
{
    std::string attribute;
    for (const char c : url)
        attribute += c == '&'   ? std::string("&amp;")
                     : c == '"' ? std::string("&quot;")
                                : std::string(1, c);
    return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta http-equiv=\"refresh\" content=\"0; url=" +
           attribute + "\">\n<title>Kinovar</title>\n</head>\n<body>\n<p><a href=\"" + attribute +
           "\">" + attribute + "</a></p>\n</body>\n</html>\n";
}
