// SPDX-License-Identifier: GPL-3.0-or-later
// Messages reach the window in Russian: a file error by its code, what a reader refuses by name.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "base/FileErrors.h"
#include "base/TextFile.h"
#include "base/WindowMessage.h"
#include "support/ScratchFiles.h"

namespace {

// The window's text of what opening `path` for reading throws, and the batch's.
std::pair<std::string, std::string> readRefusal(const std::string& path)
{
    try {
        TextReader in(path);
    } catch (const InOutError& e) {
        return {windowMessage(e), e.what()};
    }
    return {"read", "read"};
}

} // namespace

TEST(WindowMessage, FileErrorsAreToldInRussianByTheirCode)
{
    const struct {
        InOutError error;
        const char* russian;
    } cases[] = {
        {inOutErrorFromCode(2), "Файл не найден"},
        {inOutErrorFromCode(3), "Недопустимое имя файла"},
        {inOutErrorFromCode(4), "Слишком много открытых файлов"},
        {inOutErrorFromCode(5), "Нет доступа к файлу"},
        {inOutErrorFromCode(100), "Чтение за концом файла"},
        {inOutErrorFromCode(101), "Диск переполнен"},
        {inOutErrorFromCode(106), "Недопустимый числовой ввод"},
        {inOutErrorFromErrno(EIO), "Ошибка ввода-вывода 5"},
        {inOutErrorFromErrno(ENOSPC), "Диск переполнен"},
        // A detail after the code's own words is kept.
        {InOutError(2, "File not found: share/scr.ini"), "Файл не найден: share/scr.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windowMessage(c.error), c.russian) << c.error.what();
    // Errors of no file keep their text; a Russian text carried wins over the code.
    EXPECT_EQ(windowMessage(std::runtime_error("нет")), "нет");
    EXPECT_EQ(windowMessage(NamedInOutError(inOutErrorFromCode(5), "это папка")), "это папка");
}

TEST(WindowMessage, AReaderNamesWhatStandsInsteadOfAFile)
{
    ScratchDir dir;
    const std::string fifo = dir.file("fifo"), loop = dir.file("loop");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
    const struct {
        std::string path;
        const char* window;
        const char* batch;
    } cases[] = {
        {dir.dir(), "это папка", "File access denied"},
        {fifo, "это не обычный файл", "File access denied"},
        {"/dev/zero", "это не обычный файл", "File access denied"},
        {loop, "циклическая ссылка", "Too many levels of symbolic links"},
        {dir.file("none"), "Файл не найден", "File not found"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readRefusal(c.path), std::make_pair(std::string(c.window), std::string(c.batch)))
            << c.path;
}
