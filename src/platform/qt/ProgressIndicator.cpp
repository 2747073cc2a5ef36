// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/ProgressIndicator.h"

#include <QFrame>
#include <QProgressBar>

#include "platform/qt/UiLook.h"

ProgressIndicator::ProgressIndicator(QWidget* client, QObject* parent) : QObject(parent)
{
    progressPanel = makePanel(client, "progressPanel", {496, 8, 185, 41}, kSkyBlue);
    progressBar = new QProgressBar(progressPanel);
    progressBar->setObjectName("progressBar");
    progressBar->setGeometry(8, 8, 169, 25);
    progressBar->setRange(0, 12);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
}

int ProgressIndicator::minimum() const
{
    return progressBar->minimum();
}

int ProgressIndicator::maximum() const
{
    return progressBar->maximum();
}

void ProgressIndicator::setRange(int minimum, int maximum)
{
    progressBar->setRange(minimum, maximum);
}

void ProgressIndicator::setValue(int value)
{
    progressBar->setValue(value);
}

void ProgressIndicator::repaintNow()
{
    progressBar->repaint();
}
