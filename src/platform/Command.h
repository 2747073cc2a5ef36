// SPDX-License-Identifier: GPL-3.0-or-later
// The boundary of every user command: whatever a command throws ends that command only. The
// failure is shown through the standard error report and the program goes on; nothing reaches
// the event loop, which cannot carry an exception.
#pragma once
#include <exception>
#include <new>
#include <string>
#include <type_traits>
#include <utility>

#include "base/WindowMessage.h"
#include "platform/Platform.h"

// The messages of failures that carry no text of their own.
inline constexpr const char* kOutOfMemoryMessage = "Out of memory";
inline constexpr const char* kUnexpectedFailureMessage = "Unexpected error";

// Shows `message` through the standard error report. A failure of the report itself (no memory
// left to build the box) is swallowed: there is nothing left to report it with.
inline void showCommandFailure(Platform& platform, const char* message) noexcept
{
    try {
        platform.showError(message);
    } catch (...) {
    }
}

// Runs `command()`. std::bad_alloc is reported as kOutOfMemoryMessage, any other std::exception
// by its text in the window's language (windowMessage), anything else as kUnexpectedFailureMessage.
// Never throws. What the command did before it failed stays done; a command that must not leave
// half its work works on a copy.
template <class F> void runCommand(Platform& platform, F&& command) noexcept
{
    try {
        std::forward<F>(command)();
    } catch (const std::bad_alloc&) {
        showCommandFailure(platform, kOutOfMemoryMessage);
    } catch (const std::exception& e) {
        std::string text;
        try {
            text = windowMessage(e); // in the window's language
        } catch (...) {
        }
        showCommandFailure(platform, text.empty() ? e.what() : text.c_str());
    } catch (...) {
        showCommandFailure(platform, kUnexpectedFailureMessage);
    }
}

// `command` wrapped for a signal connection: each call runs under runCommand. The signal's
// arguments are passed on when the command takes them, and dropped when it takes none.
// `platform` must outlive the returned function.
template <class F> auto guarded(Platform& platform, F command)
{
    return [&platform, command = std::move(command)](auto&&... args) mutable {
        runCommand(platform, [&] {
            if constexpr (std::is_invocable_v<F&, decltype(args)...>)
                command(std::forward<decltype(args)>(args)...);
            else
                command();
        });
    };
}
