// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/VisibleTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>

QList<std::pair<QString, QString>> visibleTexts(QWidget* root)
{
    QList<std::pair<QString, QString>> texts;
    const auto add = [&texts](const QObject* o, const QString& what, const QString& text) {
        if (!text.isEmpty()) texts.push_back({o->objectName() + " " + what, text});
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        add(w, "title", w->windowTitle());
        add(w, "tip", w->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w)) add(w, "label", l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(w, "button", b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) add(w, "group", g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w)) add(w, "placeholder", e->placeholderText());
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            add(w, "placeholder", c->placeholderText());
            add(w, "text", c->currentText());
            for (int i = 0; i < c->count(); ++i)
                add(w, "item", c->itemText(i));
        }
        if (auto* m = qobject_cast<QMenu*>(w)) {
            emit m->aboutToShow();
            add(w, "menu", m->title());
        }
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
            for (int c = 0; c < v->model()->columnCount(); ++c)
                add(w, "heading", v->model()->headerData(c, Qt::Horizontal).toString());
        }
        if (auto* cv = qobject_cast<QChartView*>(w); cv && cv->chart()) {
            add(w, "chart", cv->chart()->title());
            for (QAbstractAxis* axis : cv->chart()->axes())
                add(w, "axis", axis->titleText());
            for (QAbstractSeries* series : cv->chart()->series())
                add(w, "series", series->name());
        }
        if (auto* t = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i) {
                add(w, "tab", t->tabText(i));
                add(w, "tab tip", t->tabToolTip(i));
            }
        }
        for (const QAction* a : w->actions()) {
            add(a, "action", a->text());
            add(a, "action tip",
                a->toolTip() == QString(a->text()).remove('&') ? QString() : a->toolTip());
        }
    }
    return texts;
}
