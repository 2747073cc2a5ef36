// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BatchOutputs.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <sys/stat.h>

#include "base/AtomicFile.h"
#include "base/Errors.h"
#include "base/MessageText.h"

namespace {

struct OpenFile {
    const BatchOutput* output;
    std::unique_ptr<TextWriter> writer;
};

[[noreturn]] void failed(const std::string& where, const std::exception& e)
{
    throw BatchOutputFailure{where + ": " + e.what()};
}

// Writes the whole output and syncs it; a file written in place is then in place as well.
void writeWhole(OpenFile& f)
{
    try {
        f.output->write(*f.writer);
        f.writer->finish();
        if (f.writer->file()->inPlace()) f.writer->commit();
    } catch (const KinovarError& e) {
        failed(quoteText(f.output->path), e);
    }
}

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

bool sameFile(const std::string& a, const std::string& b)
{
    if (a == b) return true;
    struct stat sa {};
    struct stat sb {};
    const bool aExists = ::stat(a.c_str(), &sa) == 0, bExists = ::stat(b.c_str(), &sb) == 0;
    if (aExists && bExists) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    if (aExists != bExists) return false;
    namespace fs = std::filesystem;
    std::error_code ea, eb;
    const fs::path ca = fs::weakly_canonical(fs::absolute(a, ea), ea);
    const fs::path cb = fs::weakly_canonical(fs::absolute(b, eb), eb);
    return !ea && !eb && ca == cb;
}

void writeBatchOutputs(const std::vector<BatchOutput>& outputs, std::ostream& out)
{
    for (size_t i = 0; i < outputs.size(); ++i)
        for (size_t j = i + 1; j < outputs.size(); ++j)
            if (outputs[i].path != "-" && outputs[j].path != "-" &&
                sameFile(outputs[i].path, outputs[j].path))
                throw BatchOutputFailure{outputs[i].option + " and " + outputs[j].option +
                                         " name the same file '" + quoteText(outputs[j].path) +
                                         "'"};

    std::vector<OpenFile> files;
    const BatchOutput* toStandardOutput = nullptr;
    for (const BatchOutput& o : outputs) {
        if (o.path == "-") {
            toStandardOutput = &o;
            continue;
        }
        try {
            files.push_back({&o, std::make_unique<TextWriter>(o.path)});
        } catch (const InOutError& e) {
            failed(quoteText(o.path), e);
        }
    }

    for (OpenFile& f : files)
        if (!f.writer->file()->inPlace()) writeWhole(f);
    if (toStandardOutput) {
        try {
            TextWriter stream(out);
            toStandardOutput->write(stream);
            stream.finish();
        } catch (const KinovarError& e) {
            failed("standard output", e);
        }
    }
    // Written in place, a target cannot be left as it was should its write fail: these come
    // once everything else has succeeded, devices and pipes (which hold no old text) before the
    // files.
    for (const bool regular : {false, true})
        for (OpenFile& f : files)
            if (f.writer->file()->inPlace() && isRegularFile(f.output->path) == regular)
                writeWhole(f);

    // Should the process be killed between two renames, the smaller outputs are the ones
    // already new; the order is the same on every run.
    std::vector<OpenFile*> order;
    for (OpenFile& f : files)
        if (!f.writer->file()->inPlace()) order.push_back(&f);
    std::stable_sort(order.begin(), order.end(), [](const OpenFile* x, const OpenFile* y) {
        return x->writer->file()->bytesWritten() < y->writer->file()->bytesWritten();
    });
    for (OpenFile* f : order) {
        try {
            f->writer->commit();
        } catch (const InOutError& e) {
            failed(quoteText(f->output->path), e);
        }
    }
}
