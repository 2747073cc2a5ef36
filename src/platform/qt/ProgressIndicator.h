// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's progress bar on its sky-blue panel, handed to the panels that drive it: the
// parameter refresh puts it back to 0, the results refresh follows it while "Индикатор" is on,
// the animation export always.
#pragma once
#include <QObject>

class QFrame;
class QProgressBar;
class QWidget;

class ProgressIndicator : public QObject {
    Q_OBJECT
public:
    // Builds the panel and its bar (range 0..12, at 0) as a child of `host`, for the window's
    // layout to place (widget()).
    ProgressIndicator(QWidget* host, QObject* parent);

    // The panel that holds the bar.
    QWidget* widget() const;

    // The bar's range and position, as QProgressBar keeps them.
    int minimum() const;
    int maximum() const;
    void setRange(int minimum, int maximum);
    void setValue(int value);
    // Paints the bar's present position at once, while a command keeps the event loop waiting.
    void repaintNow();

    // Whether the results refresh drives the bar ("Индикатор"); on at the start.
    bool followsRefresh() const { return followsRefresh_; }
    void setFollowsRefresh(bool on) { followsRefresh_ = on; }

private:
    // Object names "progressPanel" and "progressBar".
    QFrame* progressPanel = nullptr;
    QProgressBar* progressBar = nullptr;
    bool followsRefresh_ = true;
};
