// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/ProgressIndicator.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QProgressBar>

ProgressIndicator::ProgressIndicator(QWidget* host, QObject* parent) : QObject(parent)
{
    progressPanel = new QFrame(host);
    progressPanel->setObjectName("progressPanel");
    auto* layout = new QHBoxLayout(progressPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    progressBar = new QProgressBar(progressPanel);
    progressBar->setObjectName("progressBar");
    layout->addWidget(progressBar);
    progressBar->setRange(0, 12);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
}

QWidget* ProgressIndicator::widget() const
{
    return progressPanel;
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
