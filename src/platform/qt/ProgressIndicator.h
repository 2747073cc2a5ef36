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
    // Builds the panel and its bar (range 0..12, at 0) inside `client`.
    ProgressIndicator(QWidget* client, QObject* parent);

    QFrame* progressPanel = nullptr;
    QProgressBar* progressBar = nullptr;

    // Whether the results refresh drives the bar ("Индикатор"); on at the start.
    bool followsRefresh() const { return followsRefresh_; }
    void setFollowsRefresh(bool on) { followsRefresh_ = on; }

private:
    bool followsRefresh_ = true;
};
