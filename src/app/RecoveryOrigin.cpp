// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecoveryOrigin.h"

#include <filesystem>

#include "app/RecoveryCopies.h"
#include "base/TextFile.h"

namespace fs = std::filesystem;

void writeRecoveryOrigin(const std::string& copy, const std::string& origin)
{
    if (origin.empty()) {
        std::error_code ec;
        fs::remove(originPath(copy), ec);
        return;
    }
    TextWriter out(originPath(copy));
    out.writeRaw(origin + "\n");
    out.save();
}

std::string readRecoveryOrigin(const std::string& copy)
{
    std::error_code ec;
    // A link or a folder standing there is no origin this program wrote.
    if (!fs::is_regular_file(fs::symlink_status(originPath(copy), ec))) return {};
    try {
        TextReader in(originPath(copy));
        return in.readLine();
    } catch (const std::exception&) {
        return {};
    }
}
