// SPDX-License-Identifier: GPL-3.0-or-later
// What a parameter command does to the main window, as an ordered list of effects, so that the
// window applies message boxes, memo, labels and the entry panel in exactly the order decided here.
#pragma once
#include <optional>
#include <string>
#include <vector>

struct Effect {
    enum class Kind {
        Message,   // modal message box with `text`
        Memo,      // replace the whole memo text by `text`
        Label,     // put `text` into the value label of parameter row `row`
        ShowPanel, // make the entry panel visible
        HidePanel, // hide the entry panel
        EditText,  // set the text of the entry field to `text`
        Refresh,   // the full display refresh (all value labels, progress bar to 0)
    };
    Kind kind;
    std::string text;
    int row = -1;

    bool operator==(const Effect&) const = default;
};

struct Outcome {
    std::vector<Effect> effects;

    void message(std::string text) { effects.push_back({Effect::Kind::Message, std::move(text)}); }
    void memo(std::string text) { effects.push_back({Effect::Kind::Memo, std::move(text)}); }
    void label(int row, std::string text)
    {
        effects.push_back({Effect::Kind::Label, std::move(text), row});
    }
    void add(Effect::Kind kind) { effects.push_back({kind, {}}); }

    // The texts of the message boxes, in the order they are shown.
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const Effect& e : effects)
            if (e.kind == Effect::Kind::Message) out.push_back(e.text);
        return out;
    }
    // The memo text left at the end, if the command writes the memo at all.
    std::optional<std::string> memoText() const
    {
        std::optional<std::string> out;
        for (const Effect& e : effects)
            if (e.kind == Effect::Kind::Memo) out = e.text;
        return out;
    }
    bool has(Effect::Kind kind) const
    {
        for (const Effect& e : effects)
            if (e.kind == kind) return true;
        return false;
    }
};
