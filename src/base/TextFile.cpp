#include "base/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace {

// Lines are gathered up to this size before one write: exports of hundreds of thousands of
// short lines would otherwise spend their time in the C library's per-call overhead.
constexpr size_t kChunk = 1 << 20;

const char* systemText(int code)
{
    switch (code) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return nullptr;
    }
}

int systemCode(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return 2;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return 5;
    case EMFILE:
    case ENFILE:
        return 4;
    case ENAMETOOLONG:
        return 3;
    case ENOSPC:
    case EDQUOT:
        return 101;
    default:
        return 0;
    }
}

// errno after a failed stdio call; a failure that left errno unset still counts as an I/O error.
int lastError()
{
    return errno != 0 ? errno : EIO;
}

} // namespace

InOutError inOutErrorFromCode(int code)
{
    if (const char* text = systemText(code)) return InOutError(code, text);
    return InOutError(code, "I/O error " + std::to_string(code));
}

InOutError inOutErrorFromErrno(int err)
{
    // An errno with no system code keeps its own number: it must not borrow the text of a
    // system code that happens to share it (errno 100 is not "Read beyond end of file").
    if (const int code = systemCode(err)) return inOutErrorFromCode(code);
    return InOutError(err, "I/O error " + std::to_string(err));
}

TextWriter::TextWriter(const std::string& path) : path_(path)
{
    errno = 0;
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) throw inOutErrorFromErrno(lastError());
    std::setvbuf(file_, nullptr, _IONBF, 0); // our own buffer already makes large writes
    buffer_.reserve(kChunk + 4096);
}

TextWriter::~TextWriter()
{
    if (!file_) return;
    // Closing quietly: the error was either reported already or nobody is left to hear it.
    writeBuffer();
    std::fclose(file_);
}

void TextWriter::writeLine(std::string_view text)
{
    buffer_.append(text);
    buffer_.append("\r\n", 2);
    if (buffer_.size() >= kChunk)
        if (const int err = writeBuffer()) throw inOutErrorFromErrno(err);
}

void TextWriter::writeRaw(std::string_view bytes)
{
    buffer_.append(bytes);
    if (buffer_.size() >= kChunk)
        if (const int err = writeBuffer()) throw inOutErrorFromErrno(err);
}

int TextWriter::writeBuffer()
{
    if (!file_) return EBADF;
    if (buffer_.empty()) return 0;
    errno = 0;
    const size_t written = std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    const int err = written == buffer_.size() ? 0 : lastError();
    buffer_.clear(); // what could not be written is lost either way; it is not retried
    return err;
}

void TextWriter::close()
{
    if (!file_) return;
    int err = writeBuffer();
    std::FILE* const file = file_;
    file_ = nullptr;
    errno = 0;
    if (std::fflush(file) != 0 && err == 0) err = lastError();
    errno = 0;
    if (std::fclose(file) != 0 && err == 0) err = lastError();
    if (err != 0) throw inOutErrorFromErrno(err);
}

TextReader::TextReader(const std::string& path)
{
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw inOutErrorFromErrno(lastError());
    // Slurp: the whole file in one call when its size is known (a device or a pipe reads on
    // in steps until it ends).
    struct stat info {};
    size_t step = 1 << 20;
    if (::fstat(::fileno(file), &info) == 0 && info.st_size > 0) step = size_t(info.st_size) + 1;
    size_t used = 0;
    for (;;) {
        data_.resize(used + step);
        errno = 0;
        const size_t got = std::fread(data_.data() + used, 1, step, file);
        used += got;
        if (got < step) break;
        step = std::max(step, used); // grow geometrically
    }
    data_.resize(used);
    if (std::ferror(file)) {
        const int err = lastError();
        std::fclose(file);
        throw inOutErrorFromErrno(err);
    }
    std::fclose(file);
    const size_t eof = data_.find('\x1A');
    if (eof != std::string::npos) data_.resize(eof);
}

TextReader::~TextReader() = default;

bool TextReader::atEnd()
{
    return pos_ >= data_.size();
}

std::string TextReader::readLine()
{
    if (pos_ >= data_.size()) return {};
    const size_t lf = data_.find('\n', pos_);
    const size_t end = lf == std::string::npos ? data_.size() : lf;
    std::string line = data_.substr(pos_, end - pos_);
    pos_ = lf == std::string::npos ? data_.size() : lf + 1;
    // A CR before the LF belongs to the line end, any other CR is dropped: both simply go.
    if (line.find('\r') != std::string::npos) std::erase(line, '\r');
    return line;
}
