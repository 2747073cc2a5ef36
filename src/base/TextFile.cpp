// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/TextFile.h"
#include "base/WindowMessage.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Lines are gathered up to this size before one write: exports of hundreds of thousands of
// short lines would otherwise spend their time in the C library's per-call overhead.
constexpr size_t kChunk = 1 << 20;

// errno after a failed stdio call; a failure that left errno unset still counts as an I/O error.
int lastError()
{
    return errno != 0 ? errno : EIO;
}

} // namespace

TextWriter::TextWriter(const std::string& path) : file_(std::make_unique<AtomicFile>(path))
{
    buffer_.reserve(kChunk + 4096);
}

TextWriter::TextWriter(std::ostream& out) : stream_(&out)
{
    buffer_.reserve(kChunk + 4096);
}

// A file not closed is abandoned by its AtomicFile: the old file stays as it was.
TextWriter::~TextWriter() = default;

void TextWriter::writeLine(std::string_view text)
{
    buffer_.append(text);
    buffer_.append("\r\n", 2);
    if (buffer_.size() >= kChunk) writeBuffer();
}

void TextWriter::writeRaw(std::string_view bytes)
{
    buffer_.append(bytes);
    if (buffer_.size() >= kChunk) writeBuffer();
}

void TextWriter::writeBuffer()
{
    if (buffer_.empty()) return;
    if (file_) {
        file_->write(buffer_);
    } else {
        // A stream keeps no error code: the errno of its failed write is the best account.
        errno = 0;
        stream_->write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        stream_->flush();
        if (!*stream_) throw inOutErrorFromErrno(lastError());
    }
    buffer_.clear();
}

void TextWriter::finish()
{
    writeBuffer();
    if (file_) {
        file_->finish();
    } else {
        errno = 0;
        stream_->flush();
        if (!*stream_) throw inOutErrorFromErrno(lastError());
    }
}

void TextWriter::commit()
{
    finish();
    if (file_) file_->commit();
}

void TextWriter::save()
{
    commit();
}

// ---- Reading -----------------------------------------------------------------------------

namespace {

// The file is read in pieces of this size; only one piece and one line are held at a time.
constexpr size_t kPiece = 64 * 1024;

// A path that is no regular file is refused as access denied, as it always was for the batch;
// the window names what stands there.
NamedInOutError notRegular(const struct stat& info)
{
    return NamedInOutError(inOutErrorFromErrno(EACCES),
                           S_ISDIR(info.st_mode) ? "это папка" : "это не обычный файл");
}

// A loop of symbolic links has no system code of its own: name it rather than give its number.
[[noreturn]] void throwOpenFailure(int err)
{
    if (err == ELOOP)
        throw NamedInOutError(InOutError(err, "Too many levels of symbolic links"),
                              "циклическая ссылка");
    throw inOutErrorFromErrno(err);
}

} // namespace

TextReader::TextReader(const std::string& path)
{
    // Non-blocking, so that a pipe without a writer cannot hold the open; only a regular file
    // gets past the check below, and for it the flag changes nothing.
    // A socket cannot even be opened: look before opening, and again after, in case the name
    // changed hands in between.
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) throw notRegular(named);
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) throwOpenFailure(lastError());
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int err = errno;
        ::close(fd_);
        fd_ = -1;
        // A folder, device, pipe or socket is no text file of ours: /dev/zero never ends and
        // a pipe may never deliver.
        if (S_ISREG(info.st_mode)) throw inOutErrorFromErrno(err);
        throw notRegular(info);
    }
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
}

TextReader::~TextReader()
{
    if (fd_ >= 0) ::close(fd_);
}

bool TextReader::fill()
{
    if (ended_) return false;
    piece_.resize(kPiece);
    ssize_t got = 0;
    do {
        got = ::read(fd_, piece_.data(), piece_.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0) throw inOutErrorFromErrno(lastError());
    piece_.resize(static_cast<size_t>(got));
    pos_ = 0;
    const size_t eof = piece_.find('\x1A');
    if (eof != std::string::npos) piece_.resize(eof);
    if (got == 0 || eof != std::string::npos) ended_ = true;
    return !piece_.empty();
}

bool TextReader::atEnd()
{
    skipRestOfLine();
    return pos_ >= piece_.size() && !fill();
}

void TextReader::skipRestOfLine()
{
    // The rest of a cut line is skipped only when the next line is wanted: a reader that stops
    // at the cut line never reads through a line of gigabytes.
    while (skipping_) {
        if (pos_ >= piece_.size() && !fill()) {
            skipping_ = false;
            break;
        }
        const size_t lf = piece_.find('\n', pos_);
        if (lf == std::string::npos) {
            pos_ = piece_.size();
        } else {
            pos_ = lf + 1;
            skipping_ = false;
        }
    }
}

void TextReader::skipByteOrderMark()
{
    if (!atEnd() && piece_.compare(pos_, 3, "\xEF\xBB\xBF") == 0) pos_ += 3;
}

std::string TextReader::readLine()
{
    skipRestOfLine();
    lineCut_ = false;
    loneCr_ = std::string::npos;
    bool endedByLf = false;
    std::string line;
    // One byte more than the limit: a CR before the LF does not count against it.
    constexpr size_t kKeep = kMaxLineBytes + 1;
    while (pos_ < piece_.size() || fill()) {
        const size_t lf = piece_.find('\n', pos_);
        const size_t end = lf == std::string::npos ? piece_.size() : lf;
        const size_t take = std::min(end - pos_, kKeep - line.size());
        line.append(piece_, pos_, take);
        pos_ += take;
        if (line.size() == kKeep && pos_ < end) {
            lineCut_ = true;
            skipping_ = true;
            break;
        }
        if (lf != std::string::npos) {
            pos_ = lf + 1;
            endedByLf = true;
            break;
        }
    }
    // A CR before the LF belongs to the line end, any other CR is dropped: both simply go.
    if (const size_t cr = line.find('\r'); cr != std::string::npos) {
        if (!endedByLf || cr + 1 != line.size()) loneCr_ = cr;
        std::erase(line, '\r');
    }
    if (line.size() > kMaxLineBytes) {
        line.resize(kMaxLineBytes);
        lineCut_ = true;
    }
    return line;
}
