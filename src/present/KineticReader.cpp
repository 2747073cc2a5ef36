// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/KineticReader.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

#include "base/KineticLayout.h"
#include "base/KineticLimits.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "base/TextFile.h"
#include "base/UiText.h"

namespace {

// A text of the file, or its name, in a message: short, on one line, nothing invisible. Short
// enough that a message quoting a path and a line stays within kQuoteBytes as a rule.
std::string quoted(const std::string& text)
{
    return "\"" + quoteText(text, 60) + "\"";
}

class LineSource {
public:
    explicit LineSource(const std::string& path) : path_(path), in_(path) {}

    // The next line without consuming it ("" at the end of the file).
    std::string peek()
    {
        if (!pending_ && !atEnd(line_ + 1)) {
            pending_ = readLine(line_ + 1);
            pendingCut_ = in_.lineCut();
            pendingLoneCr_ = in_.loneCr();
        }
        return pending_.value_or("");
    }

    // The next line; `missing` describes what was expected when the file has ended.
    std::string next(const std::string& missing)
    {
        ++line_;
        loneCr_ = std::string::npos;
        std::string text;
        bool cut = false;
        if (pending_) {
            text = std::move(*pending_);
            cut = pendingCut_;
            loneCr_ = pendingLoneCr_;
            pending_.reset();
        } else {
            if (atEnd(line_)) fail(missing);
            text = readLine(line_);
            cut = in_.lineCut();
            loneCr_ = in_.loneCr();
        }
        if (loneCr_ != std::string::npos) current_ = text;
        // Only the line's start was kept: read as it stands, it could pass for another value.
        if (cut)
            fail(fillIn(uiText("KineticReader", "строка длиннее %1 байт"),
                        {std::to_string(kMaxLineBytes)}));
        return text;
    }

    // A line of lines that end in CR alone holds them all: that, not the run-together text,
    // is what the message then says.
    [[noreturn]] void fail(const std::string& message) const
    {
        if (loneCr_ != std::string::npos)
            throw KineticFileError(
                path_, line_,
                fillIn(
                    uiText(
                        "KineticReader",
                        "после %1 стоит CR без LF, а строки файла должны кончаться CR LF или LF"),
                    {quoted(current_.substr(0, loneCr_))}));
        throw KineticFileError(path_, line_, message);
    }

    double real(const std::string& missing)
    {
        const std::string text = next(missing);
        double value = 0;
        try {
            // The file may come from another locale: either separator is read.
            value = static_cast<double>(ParseRealAnySeparator(text));
        } catch (const ConvertError&) {
            fail(fillIn(uiText("KineticReader", "%1 не является числом"), {quoted(text)}));
        }
        // An extended value beyond the double range would reach the drawing as infinity.
        if (!std::isfinite(value))
            fail(fillIn(uiText("KineticReader", "%1 слишком велико"), {quoted(text)}));
        return value;
    }

private:
    // A read that fails part way (an I/O error of the disk, a file of /proc) names the file
    // and the line it was reading.
    bool atEnd(int lineNo)
    {
        try {
            return in_.atEnd();
        } catch (const InOutError& e) {
            throw KineticFileError(path_, lineNo, e.what());
        }
    }
    std::string readLine(int lineNo)
    {
        try {
            return in_.readLine();
        } catch (const InOutError& e) {
            throw KineticFileError(path_, lineNo, e.what());
        }
    }

    std::string path_;
    TextReader in_;
    int line_ = 0;
    size_t loneCr_ = std::string::npos;  // where a CR without LF stood in the line last taken
    std::string current_;                // that line, when one did
    std::optional<std::string> pending_; // a line peeked at but not yet taken
    bool pendingCut_ = false;            // and whether it was longer than a line may be
    size_t pendingLoneCr_ = std::string::npos;
};

constexpr const char* kHeaderCut = UI_TEXT_NOOP("KineticReader", "файл обрывается в заголовке");

std::string tooWide(const std::string& what)
{
    return fillIn(uiText("KineticReader", "%1 выводит рисунок за допустимый размах 1E150 м"),
                  {what});
}

// What stands at `path` when it is not a regular file, in words; empty for a regular file or
// when the type cannot be told (the opening then reports the fault).
std::string notAFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    switch (fs::status(path, ec).type()) {
    case fs::file_type::not_found:
        return uiText("KineticReader", "файл не найден");
    case fs::file_type::directory:
        return uiText("KineticReader", "это папка, а не файл");
    case fs::file_type::fifo:
        return uiText("KineticReader", "это канал (FIFO), а не обычный файл");
    case fs::file_type::block:
    case fs::file_type::character:
        return uiText("KineticReader", "это устройство, а не обычный файл");
    case fs::file_type::socket:
        return uiText("KineticReader", "это сокет, а не обычный файл");
    case fs::file_type::regular:
    case fs::file_type::none:
    case fs::file_type::unknown:
        return "";
    default:
        return uiText("KineticReader", "это не обычный файл");
    }
}

} // namespace

// The whole message stays short whatever the path and the line: the box and the terminal show it
// at once (quoted() has already made every part of it visible).
KineticFileError::KineticFileError(const std::string& path, int line, const std::string& message)
    : KinovarError(elideMiddle(
          line > 0 ? fillIn(uiText("KineticReader", "Файл %1, строка %2: %3."),
                            {quoted(path), std::to_string(line), message})
                   : fillIn(uiText("KineticReader", "Файл %1: %2."), {quoted(path), message}),
          kQuoteBytes)),
      path_(path), line_(line)
{
}

KineticData readKinetic(const std::string& path)
{
    // A FIFO would block the opening until some writer came; a folder or a device is never
    // an animation file.
    if (const std::string what = notAFile(path); !what.empty())
        throw KineticFileError(path, 0, what);

    LineSource src = [&]() {
        try {
            return LineSource(path);
        } catch (const InOutError& e) {
            throw KineticFileError(path, 0, e.what());
        }
    }();

    KineticData d;
    const std::string headerCut = uiText("KineticReader", kHeaderCut);
    d.totalAngle = src.real(headerCut);
    d.mode = src.real(headerCut) != 0 ? 1 : 0;
    KineticSpread spread;
    d.l1 = src.real(headerCut);
    if (!spread.add(true, -std::abs(d.l1)) || !spread.add(true, std::abs(d.l1)) ||
        !spread.add(false, -std::abs(d.l1)) || !spread.add(false, std::abs(d.l1)))
        src.fail(tooWide(uiText("KineticReader", "кривошип")));
    d.l2 = src.real(headerCut);
    d.b = src.real(headerCut);
    if (!spread.add(true, d.b)) src.fail(tooWide(uiText("KineticReader", "направляющая")));

    const std::string countText = src.next(headerCut);
    try {
        d.N = ParseInteger(countText);
    } catch (const ConvertError&) {
        src.fail(fillIn(uiText("KineticReader", "%1 не является целым числом шагов"),
                        {quoted(countText)}));
    }
    if (d.N < 0)
        src.fail(fillIn(uiText("KineticReader", "отрицательное число шагов %1"),
                        {quoteText(countText)}));
    // A file of no steps has nothing to play, and no run of the program has more steps than
    // kMaxKineticSteps: the frames of a larger one would only cost memory and time.
    if (d.N == 0) src.fail(uiText("KineticReader", "в файле нет ни одного шага"));
    if (d.N > kMaxKineticSteps)
        src.fail(fillIn(uiText("KineticReader", "шагов %1, а программа считает не больше %2"),
                        {quoteText(countText), std::to_string(kMaxKineticSteps)}));

    const std::string start = src.next(headerCut);
    if (start != kKineticStart)
        src.fail(fillIn(uiText("KineticReader", "ожидалась строка %1, а записано %2"),
                        {quoted(kKineticStart), quoted(start)}));

    d.frames.reserve(static_cast<size_t>(d.N));
    // Looked up once: the message of a cut is made for every step.
    const std::string cutText =
        uiText("KineticReader", "файл обрывается на шаге %1, а в заголовке %2 шагов");
    const std::string steps = std::to_string(d.N);
    for (int32_t i = 1; i <= d.N; ++i) {
        const std::string cut = fillIn(cutText, {std::to_string(i), steps});
        KineticFrame f;
        if (src.peek() == kKineticEnd) {
            src.next(cut); // the fault is on the "END" line itself
            src.fail(
                fillIn(uiText("KineticReader", "%1 после %2 блоков шагов, а в заголовке %3 шагов"),
                       {quoted(kKineticEnd), std::to_string(i - 1), std::to_string(d.N)}));
        }
        f.crank = src.real(cut);
        f.rod = src.real(cut);
        bool onX = true;
        for (double* v : {&f.xa, &f.ya, &f.xb, &f.yb, &f.xs, &f.ys}) {
            *v = src.real(cut);
            if (!spread.add(onX, *v))
                src.fail(tooWide(
                    fillIn(uiText("KineticReader", "положение на шаге %1"), {std::to_string(i)})));
            onX = !onX;
        }
        const std::string end = src.next(cut);
        if (end != kKineticBlockEnd)
            src.fail(fillIn(
                uiText("KineticReader", "блок шага %1 не заканчивается строкой %2 (записано %3)"),
                {std::to_string(i), quoted(kKineticBlockEnd), quoted(end)}));
        d.frames.push_back(f);
    }

    const std::string last = src.next(
        fillIn(uiText("KineticReader", "нет строки %1 в конце файла"), {quoted(kKineticEnd)}));
    if (last != kKineticEnd)
        src.fail(fillIn(uiText("KineticReader", "ожидалась строка %1, а записано %2"),
                        {quoted(kKineticEnd), quoted(last)}));
    return d;
}
