// SPDX-License-Identifier: GPL-3.0-or-later
// The core's English translation in tests: the build's kinovar_core_en.qm, installed as the
// uiText lookup for the life of a CoreTranslation, as the programs install it under an English
// locale; and a check for Cyrillic letters in a text that should be English.
#pragma once
#include <QString>
#include <QTranslator>
#include <string>

#include "base/UiText.h"

class CoreTranslation {
public:
    CoreTranslation()
    {
        loaded_ = translator_.load(QStringLiteral(KINOVAR_TRANSLATIONS_DIR "/kinovar_core_en.qm"));
        current() = &translator_;
        setTextLookup(&lookup);
    }
    ~CoreTranslation()
    {
        setTextLookup(nullptr);
        current() = nullptr;
    }
    CoreTranslation(const CoreTranslation&) = delete;
    CoreTranslation& operator=(const CoreTranslation&) = delete;

    bool loaded() const { return loaded_; }
    // The translation of `text` in `context`, "" when the catalogue has none.
    std::string find(const char* context, const char* text) const
    {
        return translator_.translate(context, text).toStdString();
    }

private:
    static QTranslator*& current()
    {
        static QTranslator* translator = nullptr;
        return translator;
    }
    static std::string lookup(const char* context, const char* text)
    {
        const QString found = current() ? current()->translate(context, text) : QString();
        return found.isEmpty() ? std::string(text) : found.toStdString();
    }

    QTranslator translator_;
    bool loaded_ = false;
};

// Whether UTF-8 `text` holds a letter of the Cyrillic block (U+0400 to U+04FF).
inline bool hasCyrillic(const std::string& text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (lead >= 0xD0 && lead <= 0xD3 && (next & 0xC0) == 0x80) return true;
    }
    return false;
}
