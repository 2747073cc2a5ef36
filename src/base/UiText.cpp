// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/UiText.h"

#include <atomic>
#include <vector>

namespace {

// Sweeps and the optimiser compose messages on worker threads while the window may switch its
// translator, so the hook is read atomically.
std::atomic<TextLookup> gLookup{nullptr};

} // namespace

void setTextLookup(TextLookup lookup)
{
    gLookup.store(lookup, std::memory_order_release);
}

std::string uiText(const char* context, const char* text)
{
    const TextLookup lookup = gLookup.load(std::memory_order_acquire);
    return lookup ? lookup(context, text) : std::string(text);
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t k = static_cast<size_t>(text[i + 1] - '1');
            if (k < values.size()) {
                out += values[k];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string shownUnit(const char* unit)
{
    return *unit ? uiText("Unit", unit) : std::string();
}

std::string inUserLanguage(const std::string& english, const std::string& russian)
{
    return uiText("Language", "ru") == "ru" ? russian : english;
}
