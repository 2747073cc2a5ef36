// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/MainLayout.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "params/ParamSections.h"
#include "params/qt/ParameterPanel.h"
#include "params/qt/RunSettingsPanel.h"
#include "platform/qt/ProgressIndicator.h"
#include "platform/qt/ReadingOrder.h"
#include "present/qt/AnimationPanel.h"
#include "present/qt/ResultsPanel.h"

namespace {

QWidget* column(QWidget* parent, const char* name)
{
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    return w;
}

// A scroll area that asks for the whole of its contents when there is room, so that the window's
// default size shows every parameter without scrolling; smaller, it scrolls.
class ParameterScroll : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const QWidget* w = widget();
        if (!w) return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        return w->sizeHint() + QSize(frame + verticalScrollBar()->sizeHint().width(), frame);
    }
    // It scrolls up and down only: never narrower than its contents, so that whatever stands
    // beside it (the results, the docks) gives way first.
    QSize minimumSizeHint() const override
    {
        const QWidget* w = widget();
        if (!w) return QScrollArea::minimumSizeHint();
        const int frame = 2 * frameWidth();
        return {w->minimumSizeHint().width() + frame + verticalScrollBar()->sizeHint().width(),
                QScrollArea::minimumSizeHint().height()};
    }
};

} // namespace

QSplitter* layOutClient(QWidget* client, const ClientPanels& panels)
{
    ParameterPanel& parameters = panels.parameters;
    auto* outer = new QHBoxLayout(client);
    outer->setContentsMargins(4, 4, 4, 4);
    auto* split = new QSplitter(Qt::Horizontal, client);
    split->setObjectName("mainSplitter");
    split->setChildrenCollapsible(false);
    outer->addWidget(split);

    QWidget* side = column(split, "parameterColumn");
    auto* scroll = new ParameterScroll(side);
    scroll->setObjectName("parameterScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab reaches the controls inside and scrolls to each; the area itself is no stop, and a click
    // on a control that keeps the focus where it is (an edit button) must not hand it the focus.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* view = new QWidget(scroll);
    view->setObjectName("parameterView");
    auto* viewLayout = new QVBoxLayout(view);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewLayout->addWidget(panels.progress.widget());
    auto* columns = new QHBoxLayout;
    viewLayout->addLayout(columns);
    viewLayout->addStretch(1);

    // The sections in table order, the coordinates' autofill under them; the masses, the run
    // settings and the renderer in a second column, so that a screen of ordinary height holds
    // every row at once.
    QWidget* left = column(view, "parametersLeft");
    for (ParamSection s : {ParamSection::Lengths, ParamSection::Motion, ParamSection::Points})
        left->layout()->addWidget(parameters.sectionBox(s));
    left->layout()->addWidget(parameters.toolRow());
    static_cast<QVBoxLayout*>(left->layout())->addStretch(1);
    QWidget* right = column(view, "parametersRight");
    right->layout()->addWidget(parameters.sectionBox(ParamSection::Masses));
    right->layout()->addWidget(panels.loadAndDelta);
    right->layout()->addWidget(panels.runSettings.widget());
    right->layout()->addWidget(panels.animation.widget());
    static_cast<QVBoxLayout*>(right->layout())->addStretch(1);
    columns->addWidget(left);
    columns->addWidget(right);
    scroll->setWidget(view);

    side->layout()->addWidget(scroll);
    // Under the scroll area, the entry is never scrolled away from the user typing into it.
    side->layout()->addWidget(parameters.entryPanelFrame());
    split->addWidget(side);
    split->addWidget(panels.results.widget());
    // A wider window gives its room to the results.
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    return split;
}

void chainTabOrder(QWidget* window)
{
    QList<QWidget*> chain;
    for (const char* name : kTabRegions)
        if (auto* region = window->findChild<QWidget*>(QString::fromLatin1(name)))
            chain += readingOrder(region);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

QSize defaultWindowSize(QSize wanted, QSize room)
{
    return wanted.boundedTo(room);
}
