// SPDX-License-Identifier: GPL-3.0-or-later
// The Tab order of a window in reading order: the controls as they stand on screen, top to
// bottom and, along one line, left to right.
#pragma once
#include <QList>
#include <QPoint>

class QWidget;

// Where `widget`'s top-left corner stands inside `root`, the reading position Tab follows.
QPoint readingPosition(const QWidget* widget, const QWidget* root);

// Whether a stands before b in reading order: higher up, or on the same top line further left.
bool readsBefore(QPoint a, QPoint b);

// Every control inside `root` that Tab can reach (its focus policy takes Tab and it passes the
// focus to no other widget), hidden ones included, in reading order.
QList<QWidget*> readingOrder(QWidget* root);

// Chains the Tab order of `root`'s controls in readingOrder, from their places as they stand.
void setReadingTabOrder(QWidget* root);
