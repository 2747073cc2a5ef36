// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area as it grows: the panels are placed at fixed spots for the default
// size, and any extra room goes to one widget (the results area). A panel to the right of that
// widget's default area moves right by the extra width, one below it moves down by the extra
// height, and their sizes stay as they are. The client never gets smaller than its default.
#pragma once
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

class GrowingClient : public QObject {
public:
    // Records the default geometry of `client` and of its direct children as they stand now, and
    // from then on places them whenever `client` is resized. `growing` is one of the children.
    GrowingClient(QWidget* client, QWidget* growing);

    // Places every recorded child for the client's current size.
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Home {
        QPointer<QWidget> widget;
        QRect rect;
    };
    QWidget* client_;
    QWidget* growing_;
    QSize base_;
    QRect growingHome_;
    std::vector<Home> homes_;
};
