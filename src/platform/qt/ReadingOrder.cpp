// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/ReadingOrder.h"

#include <QWidget>
#include <algorithm>

QPoint readingPosition(const QWidget* widget, const QWidget* root)
{
    return widget->mapTo(root, QPoint(0, 0));
}

bool readsBefore(QPoint a, QPoint b)
{
    return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
}

QList<QWidget*> readingOrder(QWidget* root)
{
    QList<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() != nullptr) continue;
        // The parts of a compound control (a list's viewport, a box's own field) follow the
        // control itself: only the outermost that takes the focus is placed.
        bool part = false;
        for (QWidget* up = w->parentWidget(); up && up != root; up = up->parentWidget())
            if ((up->focusPolicy() & Qt::TabFocus) && up->focusProxy() == nullptr) part = true;
        if (!part) controls.push_back(w);
    }
    // Stable, so that two controls at one point keep the order they were made in.
    std::stable_sort(controls.begin(), controls.end(), [root](QWidget* a, QWidget* b) {
        return readsBefore(readingPosition(a, root), readingPosition(b, root));
    });
    return controls;
}

void setReadingTabOrder(QWidget* root)
{
    const QList<QWidget*> controls = readingOrder(root);
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}
