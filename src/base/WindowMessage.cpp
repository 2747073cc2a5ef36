// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/WindowMessage.h"

#include "base/FileErrors.h"
#include "base/UiText.h"

std::string russianFileErrorText(int code)
{
    switch (code) {
    case 2:
        return "Файл не найден";
    case 3:
        return "Недопустимое имя файла";
    case 4:
        return "Слишком много открытых файлов";
    case 5:
        return "Нет доступа к файлу";
    case 100:
        return "Чтение за концом файла";
    case 101:
        return "Диск переполнен";
    case 106:
        return "Недопустимый числовой ввод";
    default:
        return "Ошибка ввода-вывода " + std::to_string(code);
    }
}

std::string windowMessage(const std::exception& e)
{
    // what() is the English text scripts read: the message itself when English is chosen.
    if (inUserLanguage("en", "ru") == "en") return e.what();
    if (const auto* text = dynamic_cast<const RussianText*>(&e); text && !text->russian().empty())
        return text->russian();
    if (const auto* io = dynamic_cast<const InOutError*>(&e)) {
        // The code's own English words are replaced; any detail after them is kept.
        const std::string english = e.what();
        const std::string own = inOutErrorFromCode(io->code()).what();
        if (english.starts_with(own))
            return russianFileErrorText(io->code()) + english.substr(own.size());
        // An errno without a system code keeps its number, which may equal a code's.
        const std::string numbered = "I/O error ";
        if (english.starts_with(numbered))
            return "Ошибка ввода-вывода " + english.substr(numbered.size());
    }
    return e.what();
}
