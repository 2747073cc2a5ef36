// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 well-formedness, shared by the caption reader and the quoting of texts in messages.
#pragma once
#include <cstddef>
#include <string_view>

// The length (1..4) of the well-formed UTF-8 character starting at text[at], or 0 when the bytes
// there are not one (a stray continuation byte, an overlong form, a surrogate, a value past
// U+10FFFF, a sequence cut short). at < text.size().
size_t utf8CharLength(std::string_view text, size_t at);

// True when text is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view text);

// The length of text without an incomplete UTF-8 character at its very end (the bytes of a
// character that a cut split); text without such a tail keeps its length.
size_t withoutCutCharacter(std::string_view text);
