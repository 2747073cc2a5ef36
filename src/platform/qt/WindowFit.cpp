// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/WindowFit.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "platform/qt/ScreenFit.h"

namespace {

// Watches one window's show events; owned by the window.
class FitWhenShown : public QObject {
public:
    explicit FitWhenShown(QWidget* window) : QObject(window)
    {
        setObjectName(QStringLiteral("fitWhenShown"));
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A spontaneous show is the window coming back from the task bar: the user placed it.
        if (event->type() == QEvent::Show && !event->spontaneous() && watched == parent())
            fitWindowToScreen(static_cast<QWidget*>(watched));
        return false;
    }
};

// A scroll area that asks for the room its content would like, where a plain one asks for a
// few dozen lines at most: a window opens showing its controls whole when the screen allows.
class BodyScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const QWidget* body = widget();
        return body ? body->sizeHint() : QScrollArea::sizeHint();
    }
};

} // namespace

QSize fittedClientSize(QSize size, QSize minimum, QSize decoration, QSize area)
{
    return size.boundedTo(area - decoration).expandedTo(minimum);
}

QSize frameDecoration(const QWidget* window)
{
    const QSize decoration = window->frameGeometry().size() - window->size();
    return decoration.isNull() ? kUnframedDecoration : decoration;
}

void fitWindowInto(QWidget* window, const QRect& area)
{
    if (!window || !window->isWindow()) return;
    if (QLayout* layout = window->layout()) layout->activate(); // its minimum becomes the window's
    const bool framed = window->frameGeometry().size() != window->size();
    const QSize decoration = frameDecoration(window);
    const QSize fitted =
        fittedClientSize(window->size(), window->minimumSize(), decoration, area.size());
    if (fitted != window->size()) window->resize(fitted);
    const QRect frame(window->frameGeometry().topLeft(), fitted + decoration);
    QPoint target = placeInside(frame, area);
    // An unframed window is put at its client's place by the window system, so its title bar
    // would end above a window moved to the area's top.
    if (!framed)
        target.setY(
            std::max(target.y(), area.top() + decoration.height() - decoration.width() / 2));
    if (target != window->frameGeometry().topLeft()) window->move(target);
}

void fitWindowToScreen(QWidget* window)
{
    if (!window) return;
    QScreen* screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    fitWindowInto(window, screen->availableGeometry());
}

void growToContent(QWidget* window)
{
    if (!window || !window->isWindow() || !window->isVisible()) return;
    // A scroll area does not tell its layout when its content's wishes change.
    for (QScrollArea* area : window->findChildren<QScrollArea*>())
        area->updateGeometry();
    if (QLayout* layout = window->layout()) layout->activate();
    const QSize wanted = window->sizeHint().expandedTo(window->size());
    if (wanted == window->size()) return;
    window->resize(wanted);
    fitWindowToScreen(window);
}

void fitToScreenWhenShown(QWidget* window)
{
    // Found by name: without a meta-object of its own the filter's class matches any child.
    if (!window ||
        window->findChild<QObject*>(QStringLiteral("fitWhenShown"), Qt::FindDirectChildrenOnly))
        return;
    window->installEventFilter(new FitWhenShown(window));
}

QWidget* scrollingBody(QWidget* window)
{
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new BodyScrollArea(window);
    scroll->setObjectName(QStringLiteral("scrollingBody"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* body = new QWidget(scroll);
    scroll->setWidget(body);
    layout->addWidget(scroll);
    return body;
}
