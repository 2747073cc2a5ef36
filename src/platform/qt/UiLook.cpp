// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/UiLook.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>

#include "platform/qt/WheelGuard.h"

QFont uiFont(int lineHeight, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    // The layout was designed for a narrow bitmap font; choosing by line height rather than by
    // nominal size keeps every caption inside its fixed geometry.
    for (int px = lineHeight; px > 6; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).height() <= lineHeight) break;
    }
    return font;
}

void applyWindowOpacity(QWidget* window, int opacity)
{
    // The headless platforms have no opacity and complain at every call; a fade ticks often.
    static const bool supported = QGuiApplication::platformName() != QLatin1String("offscreen") &&
                                  QGuiApplication::platformName() != QLatin1String("minimal");
    if (supported) window->setWindowOpacity(opacity / 255.0);
}

QComboBox* makeCombo(QWidget* parent, const char* name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    wheelOnlyWithFocus(combo);
    return combo;
}

void makeEditable(QComboBox* combo, const QString& text)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}
