// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/qt/UserSettings.h"

QSettings kinovarSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kinovar"),
                     QStringLiteral("Kinovar"));
}

namespace {

QString textKey(const std::string& key)
{
    return QStringLiteral("texts/") + QString::fromUtf8(key);
}

} // namespace

std::string readRememberedText(const std::string& key, const std::string& fallback)
{
    const QVariant value = kinovarSettings().value(textKey(key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void writeRememberedText(const std::string& key, const std::string& value)
{
    QSettings settings = kinovarSettings();
    settings.setValue(textKey(key), QString::fromStdString(value));
    settings.sync();
}
