// SPDX-License-Identifier: GPL-3.0-or-later
// Texts quoted in messages: short, on one line, with nothing invisible. A bad line of a file may
// be megabytes long or hold control characters; the message shows enough of it to find it.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// How much of an offending text a message quotes.
inline constexpr size_t kQuoteBytes = 200;

// A text as a message quotes it: every control character (bytes 0x00..0x1F and 0x7F) and every
// byte that is not part of well-formed UTF-8 is written as \xHH (a tab is "\x09"); when the
// result would be longer than maxBytes, its start and its end are kept around "…". Texts that
// are short, printable UTF-8 come back unchanged.
std::string quoteText(std::string_view text, size_t maxBytes = kQuoteBytes);

// A message as a box can show it: a text longer than maxBytes keeps its start and its end around
// "…", cut on UTF-8 character boundaries. (A pasted megabyte line would take the toolkit seconds
// to lay out, and nobody reads it.)
std::string elideMiddle(const std::string& text, size_t maxBytes = 2000);
