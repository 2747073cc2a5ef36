// SPDX-License-Identifier: GPL-3.0-or-later
// Text kept as lines that are made on demand, so that a view draws only the lines it shows and a
// copy or a file takes them in pieces instead of one whole text.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A text as a sequence of lines: the text is the lines joined by a line end, so a text that ends
// in a line end has an empty last line, and there is always at least one line.
class LineSource {
public:
    virtual ~LineSource() = default;
    // At least 1.
    virtual size_t lineCount() const = 0;
    // Appends line i (i < lineCount()) to out, UTF-8, without its line end.
    virtual void appendLine(size_t i, std::string& out) const = 0;
};

// Appends lines first..last-1 (last <= lineCount()) to out, each followed by lineEnd except the
// source's last line: appending every line gives the whole text with lineEnd between lines.
void appendLines(const LineSource& source, size_t first, size_t last, std::string_view lineEnd,
                 std::string& out);

// The whole text, lines joined by lineEnd.
std::string wholeText(const LineSource& source, std::string_view lineEnd);

// A fixed text split at each '\n' (a status line, a file name).
class TextLines final : public LineSource {
public:
    explicit TextLines(std::string_view text);
    size_t lineCount() const override { return ends_.size(); }
    void appendLine(size_t i, std::string& out) const override;

private:
    std::string text_;
    std::vector<size_t> ends_; // where each line ends in text_ (at its '\n' or the text's end)
};
