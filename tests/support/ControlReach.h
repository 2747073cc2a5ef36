// SPDX-License-Identifier: GPL-3.0-or-later
// Walking a window's controls against its own area, as a user reaching for each would: every
// control shown must lie whole inside the window (after its scroll area, if any, scrolls to it)
// and at no less than the size it needs; a view larger than the window must show a usable part.
#pragma once
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QWidget>
#include <string>
#include <vector>

namespace reach {

// The side of the square a view must show at least, in pixels: a few rows of a table.
inline constexpr int kViewPart = 48;

// A view shows a part of what it holds and scrolls itself: seeing a part of it is reaching it.
inline bool isView(const QWidget* w)
{
    return qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QGraphicsView*>(w);
}

// What a user works or reads: buttons, boxes, fields, sliders, tabs, views and captions.
inline bool isControl(const QWidget* w)
{
    if (qobject_cast<const QScrollBar*>(w)) return false; // a part of its view
    if (const auto* label = qobject_cast<const QLabel*>(w)) return !label->text().isEmpty();
    return isView(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QTabBar*>(w) || qobject_cast<const QProgressBar*>(w);
}

// Whether `w` is a part of another control of `window` (a box's field, a table's header).
inline bool insideControl(const QWidget* w, const QWidget* window)
{
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (isControl(p)) return true;
    return false;
}

// The part of `w` that `window` shows: its rectangle clipped by each widget it lies in.
inline QRect shownPart(const QWidget* w, const QWidget* window)
{
    QRect shown(w->mapTo(window, QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        shown &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
    return shown & window->rect();
}

// One line per control of `window` that is shown but cannot be reached whole, naming it and
// why; empty when every one can. Scroll areas are scrolled to each control first.
inline std::vector<std::string> unreachableControls(QWidget* window)
{
    std::vector<std::string> faults;
    int controls = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(window) || !isControl(w) || insideControl(w, window))
            continue;
        ++controls;
        for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
            if (auto* area = qobject_cast<QScrollArea*>(p)) {
                area->ensureWidgetVisible(w, 0, 0);
                break;
            }
        const QRect shown = shownPart(w, window);
        const QRect whole(w->mapTo(window, QPoint(0, 0)), w->size());
        // A view scrolls what it holds: a usable part of it is enough, where any other control
        // must keep the size it needs to show itself whole.
        const QSize needed =
            isView(w) ? QSize(kViewPart, kViewPart).boundedTo(w->maximumSize())
                      : w->minimumSizeHint().expandedTo(w->minimumSize());
        std::string why;
        if (w->width() < needed.width() || w->height() < needed.height())
            why = "squeezed below the size it needs";
        else if (isView(w) ? shown.width() < std::min(w->width(), kViewPart) ||
                                 shown.height() < std::min(w->height(), kViewPart)
                           : shown != whole)
            why = "not shown whole";
        if (why.empty()) continue;
        const QString name = w->objectName().isEmpty()
                                 ? QString::fromLatin1(w->metaObject()->className())
                                 : w->objectName();
        QString text;
        if (const auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
        if (const auto* l = qobject_cast<const QLabel*>(w)) text = l->text();
        faults.push_back((name + QStringLiteral(" \"") + text + QStringLiteral("\" ")).toStdString() +
                         why + " at " + std::to_string(whole.x()) + "," +
                         std::to_string(whole.y()) + " " + std::to_string(whole.width()) + "x" +
                         std::to_string(whole.height()) + " in " +
                         std::to_string(window->width()) + "x" +
                         std::to_string(window->height()));
    }
    if (controls == 0) faults.push_back("no control found to walk");
    return faults;
}

} // namespace reach
