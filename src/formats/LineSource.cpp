// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/LineSource.h"

#include <stdexcept>

void appendLines(const LineSource& source, size_t first, size_t last, std::string_view lineEnd,
                 std::string& out)
{
    const size_t count = source.lineCount();
    if (first > last || last > count) throw std::out_of_range("line range");
    for (size_t i = first; i < last; ++i) {
        source.appendLine(i, out);
        if (i + 1 < count) out += lineEnd;
    }
}

std::string wholeText(const LineSource& source, std::string_view lineEnd)
{
    std::string text;
    appendLines(source, 0, source.lineCount(), lineEnd, text);
    return text;
}

TextLines::TextLines(std::string_view text) : text_(text)
{
    for (size_t at = text_.find('\n'); at != std::string::npos; at = text_.find('\n', at + 1))
        ends_.push_back(at);
    ends_.push_back(text_.size());
}

void TextLines::appendLine(size_t i, std::string& out) const
{
    if (i >= ends_.size()) throw std::out_of_range("line");
    const size_t begin = i == 0 ? 0 : ends_[i - 1] + 1;
    out.append(text_, begin, ends_[i] - begin);
}
