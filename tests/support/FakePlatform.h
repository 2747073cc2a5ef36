// SPDX-License-Identifier: GPL-3.0-or-later
// A recording Platform for tests: every call is logged, dialogs answer scripted replies,
// nothing ever blocks on a modal window.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

class FakePlatform : public Platform {
public:
    std::vector<std::string> messages; // texts of showMessage, in order
    std::vector<std::string> errors;   // texts of showError as shown (period added)
    std::vector<std::string> calls; // every call: "message:<t>", "error:<t>", "open:<filter>", ...
    std::vector<std::string> started;                   // paths given to startProgram
    std::vector<std::vector<std::string>> startedArgs;  // and their arguments
    std::deque<std::optional<std::string>> openReplies; // popped per open dialog; empty -> cancel
    std::deque<std::optional<std::string>> saveReplies;
    std::vector<FileDialogRequest> dialogRequests; // every open and save request, in order
    bool startSucceeds = true;
    char separator = '.';
    std::string exeDir = "/tmp/";
    int busyDepth = 0; // beginBusy calls not yet ended ("busy:on" / "busy:off" in calls)
    std::string dataDir = "/tmp/kinovar-fake-data/";
    std::set<std::string> readOnlyDirs; // folders canWriteIn refuses
    // Scripted answers of the questions, popped per question; when none is left a question is
    // answered as the program behaved before it asked: discard, no.
    std::deque<SaveChoice> saveChoiceReplies;
    std::deque<bool> yesNoReplies;
    // Run while a yes-or-no question is open, before it is answered (what the user does meanwhile).
    std::function<void(const std::string&)> whileAsked;
    // Answers of askStaleResults; none left: as is, as the exports wrote before they asked.
    std::deque<StaleChoice> staleReplies;
    // Answers of askText in order; none left: cancelled.
    std::deque<std::optional<std::string>> textReplies;
    std::vector<std::string> questions; // texts of both questions, in order ("ask:<t>" in calls)
    // The print dialog: accepted unless told otherwise; the painting it was handed, kept for the
    // test to run on a device of its own ("print:<title>" in calls).
    bool printAccepted = true;
    std::function<bool(QPagedPaintDevice&)> printed;

    void showMessage(const std::string& text) override
    {
        messages.push_back(text);
        calls.push_back("message:" + text);
    }
    void showError(const std::string& message) override
    {
        errors.push_back(errorReportText(message));
        calls.push_back("error:" + errorReportText(message));
    }
    using Platform::openFileName;
    using Platform::saveFileName;
    std::optional<std::string> openFileName(const FileDialogRequest& request) override
    {
        calls.push_back("open:" + request.filter);
        dialogRequests.push_back(request);
        return pop(openReplies);
    }
    std::optional<std::string> saveFileName(const FileDialogRequest& request) override
    {
        calls.push_back("save:" + request.filter);
        dialogRequests.push_back(request);
        return pop(saveReplies);
    }
    bool startProgram(const std::string& path, const std::vector<std::string>& args) override
    {
        started.push_back(path);
        startedArgs.push_back(args);
        std::string call = "start:" + path;
        for (const std::string& a : args)
            call += " " + a;
        calls.push_back(call);
        return startSucceeds;
    }
    // The documents opened, as "path#anchor" ("path" without an anchor); "document:…" in calls.
    std::vector<std::string> documents;
    bool documentOpens = true;
    bool openDocument(const std::string& path, const std::string& anchor) override
    {
        documents.push_back(anchor.empty() ? path : path + "#" + anchor);
        calls.push_back("document:" + documents.back());
        return documentOpens;
    }
    char localeDecimalSeparator() override { return separator; }
    std::string executableDir() override { return exeDir; }
    void beginBusy() override
    {
        ++busyDepth;
        calls.push_back("busy:on");
    }
    void endBusy() override
    {
        --busyDepth;
        calls.push_back("busy:off");
    }
    std::string userDataDir() override { return dataDir; }
    bool canWriteIn(const std::string& dir) override { return readOnlyDirs.count(dir) == 0; }
    std::map<std::string, bool> flags; // the remembered flags, by key
    bool rememberedFlag(const std::string& key, bool fallback) override
    {
        const auto it = flags.find(key);
        return it == flags.end() ? fallback : it->second;
    }
    void rememberFlag(const std::string& key, bool value) override { flags[key] = value; }
    std::map<std::string, std::string> texts; // the remembered texts, by key
    std::string rememberedText(const std::string& key, const std::string& fallback) override
    {
        const auto it = texts.find(key);
        return it == texts.end() ? fallback : it->second;
    }
    void rememberText(const std::string& key, const std::string& value) override
    {
        texts[key] = value;
    }

    SaveChoice askSaveChanges(const std::string& text) override
    {
        questions.push_back(text);
        calls.push_back("ask:" + text);
        if (saveChoiceReplies.empty()) return SaveChoice::Discard;
        const SaveChoice c = saveChoiceReplies.front();
        saveChoiceReplies.pop_front();
        return c;
    }
    std::optional<std::string> askText(const std::string& prompt,
                                       const std::string& initial) override
    {
        calls.push_back("text:" + prompt + ":" + initial);
        if (textReplies.empty()) return std::nullopt;
        std::optional<std::string> reply = textReplies.front();
        textReplies.pop_front();
        return reply;
    }
    StaleChoice askStaleResults(const std::string& text) override
    {
        questions.push_back(text);
        calls.push_back("stale:" + text);
        if (staleReplies.empty()) return StaleChoice::SaveAsIs;
        const StaleChoice c = staleReplies.front();
        staleReplies.pop_front();
        return c;
    }
    bool askYesNo(const std::string& text) override
    {
        questions.push_back(text);
        calls.push_back("ask:" + text);
        if (whileAsked) whileAsked(text);
        if (yesNoReplies.empty()) return false;
        const bool yes = yesNoReplies.front();
        yesNoReplies.pop_front();
        return yes;
    }

    bool printDocument(const std::string& title,
                       const std::function<bool(QPagedPaintDevice&)>& paint) override
    {
        calls.push_back("print:" + title);
        if (!printAccepted) return false;
        printed = paint;
        return true;
    }

private:
    static std::optional<std::string> pop(std::deque<std::optional<std::string>>& q)
    {
        if (q.empty()) return std::nullopt;
        auto v = q.front();
        q.pop_front();
        return v;
    }
};
