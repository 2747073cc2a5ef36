// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/LocaleSeparator.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>

char environmentDecimalSeparator()
{
    const char* name = nullptr;
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            name = value;
            break;
        }
    }
    if (name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0)
        return '.';
    // A private locale object: the process's own locale (setlocale) stays as it is.
    const locale_t locale = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) return '.';
    const char* point = nl_langinfo_l(RADIXCHAR, locale);
    char separator = '.';
    if (point != nullptr && point[0] > 0x20 && point[0] < 0x7F && point[1] == '\0')
        separator = point[0];
    freelocale(locale);
    return separator;
}
