// SPDX-License-Identifier: GPL-3.0-or-later
// What a broken layout looks like to a reader, found by walking a shown window's widgets: a
// visible widget outside its window, two visible sibling widgets that overlap, a label whose text
// is wider than the label, and a window larger than the smallest screen the program serves.
#pragma once
#include <QAbstractScrollArea>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>
#include <string>
#include <vector>

namespace layout {

// The smallest screen the windows must fit, with their frames.
inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 600;

// Whether `w` lies in the contents of a scroll area, below `window`: such a widget may stand
// outside the area's visible part and be scrolled to.
inline bool scrolls(const QWidget* w, const QWidget* window)
{
    for (const QWidget* p = w; p && p != window; p = p->parentWidget()) {
        const QWidget* up = p->parentWidget();
        const auto* area =
            up ? qobject_cast<const QAbstractScrollArea*>(up->parentWidget()) : nullptr;
        if (area && area->viewport() == up) return true;
    }
    return false;
}

inline std::string nameOf(const QWidget* w)
{
    const QString name = w->objectName();
    return (name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name)
        .toStdString();
}

inline std::string rectText(const QRect& r)
{
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + "+" +
           std::to_string(r.x()) + "+" + std::to_string(r.y());
}

// The widest line of a label's plain text, in pixels of its font.
inline int textWidth(const QLabel* label)
{
    int widest = 0;
    for (const QString& line : label->text().split(QLatin1Char('\n')))
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
    return widest;
}

// Every fault of the kinds above in `window`, shown and laid out, one line each.
inline std::vector<std::string> faults(const QWidget* window)
{
    std::vector<std::string> found;
    const std::string where = nameOf(window) + ": ";
    if (window->frameGeometry().width() > kScreenWidth ||
        window->frameGeometry().height() > kScreenHeight)
        found.push_back(where + "larger than " + std::to_string(kScreenWidth) + "x" +
                        std::to_string(kScreenHeight));
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    for (const QWidget* w : all) {
        if (!w->isVisibleTo(window) || w->isWindow()) continue;
        const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!scrolls(w, window) && !window->rect().contains(inWindow))
            found.push_back(where + nameOf(w) + " lies outside its window: " + rectText(inWindow) +
                            " in " + rectText(window->rect()));
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            const bool plain =
                label->textFormat() == Qt::PlainText ||
                (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
            if (plain && !label->wordWrap() && !label->text().isEmpty() &&
                textWidth(label) > label->contentsRect().width())
                found.push_back(where + "the text of " + nameOf(w) + " is wider than the label");
        }
    }
    // Siblings: each pair of the visible children a widget lays out.
    QList<const QWidget*> parents{window};
    for (const QWidget* w : all)
        if (w->isVisibleTo(window) && !w->isWindow()) parents.push_back(w);
    for (const QWidget* parent : parents) {
        // A scroll area places its own viewport, headers and scroll bars, some of them over others.
        if (qobject_cast<const QAbstractScrollArea*>(parent)) continue;
        QList<const QWidget*> kids;
        for (const QObject* o : parent->children())
            if (const auto* k = qobject_cast<const QWidget*>(o))
                if (k->isVisibleTo(window) && !k->isWindow()) kids.push_back(k);
        for (int i = 0; i < kids.size(); ++i)
            for (int j = i + 1; j < kids.size(); ++j)
                if (kids[i]->geometry().intersects(kids[j]->geometry()))
                    found.push_back(where + nameOf(kids[i]) + " and " + nameOf(kids[j]) +
                                    " overlap");
    }
    return found;
}

} // namespace layout
