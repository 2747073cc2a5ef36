#include "platform/qt/UiLook.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>

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
