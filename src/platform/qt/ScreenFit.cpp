// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// Watches one window's show events; owned by the window.
class ScreenFitFilter : public QObject {
public:
    explicit ScreenFitFilter(QWidget* window) : QObject(window)
    {
        setObjectName(QStringLiteral("screenFit"));
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            keepOnScreen(static_cast<QWidget*>(watched));
        return false;
    }
};

int fitAxis(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength) return areaStart;
    if (start < areaStart) return areaStart;
    if (start + length > areaStart + areaLength) return areaStart + areaLength - length;
    return start;
}

} // namespace

QPoint placeInside(const QRect& frame, const QRect& area)
{
    return {fitAxis(frame.x(), frame.width(), area.x(), area.width()),
            fitAxis(frame.y(), frame.height(), area.y(), area.height())};
}

void keepOnScreen(QWidget* window)
{
    if (!window || !window->isWindow()) return;
    QScreen* screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // Before the window system has framed a window for the first time its frame is unknown and
    // frameGeometry() is the client area; the window then lands a title bar lower at most.
    const QRect frame = window->frameGeometry();
    const QPoint target = placeInside(frame, screen->availableGeometry());
    if (target != frame.topLeft()) window->move(target); // move() places the frame
}

void keepOnScreenWhenShown(QWidget* window)
{
    // Found by name: without a meta-object of its own the filter's class matches any child, and
    // a window with children was never kept on screen.
    if (!window ||
        window->findChild<QObject*>(QStringLiteral("screenFit"), Qt::FindDirectChildrenOnly))
        return;
    window->installEventFilter(new ScreenFitFilter(window));
}

void bringToFront(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}
