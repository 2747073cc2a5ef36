// SPDX-License-Identifier: GPL-3.0-or-later
// Messages in the window's language. An error's what() is the text the batch prints (English);
// the window is Russian, so an error may carry its Russian text beside it, and a file error is
// told in Russian by its system code.
#pragma once
#include <exception>
#include <string>
#include <utility>

#include "base/Errors.h"

// The Russian text an error carries for the window; empty when it has none.
class RussianText {
public:
    explicit RussianText(std::string text) : text_(std::move(text)) {}
    virtual ~RussianText() = default;
    const std::string& russian() const { return text_; }

private:
    std::string text_;
};

// A file error that names what is wrong for the window ("это папка"), with the system code and
// text of its InOutError for the batch.
class NamedInOutError : public InOutError, public RussianText {
public:
    NamedInOutError(const InOutError& error, std::string russian)
        : InOutError(error), RussianText(std::move(russian))
    {
    }
};

// The Russian text of a file error's system code: 2 "Файл не найден", 5 "Нет доступа к файлу",
// 101 "Диск переполнен", ...; "Ошибка ввода-вывода <code>" for a code without a text of its own.
std::string russianFileErrorText(int code);

// The message of `e` for the window: while the user's language is Russian (inUserLanguage), the
// Russian text it carries, else the Russian of an InOutError's code (with whatever its English
// text adds after the code's own words), else what(); in another language what().
std::string windowMessage(const std::exception& e);
