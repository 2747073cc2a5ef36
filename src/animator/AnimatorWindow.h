// SPDX-License-Identifier: GPL-3.0-or-later
// The animator's window: the scene of the current step and the playback controls (play and
// pause, slower and faster, a step back and forward, a slider to scrub); loops while playing.
#pragma once
#include <QElapsedTimer>
#include <QSize>
#include <QWidget>

#include "Scene.h"
#include "SceneModel.h"
#include "present/KineticPlayback.h"

class QLabel;
class QPushButton;
class QSlider;
class QTimer;

// The drawing surface; in the full build the view turns while the mouse is dragged over it.
class SceneWidget : public QWidget {
    Q_OBJECT
public:
    SceneWidget(const SceneModel& model, const KineticPlayback& playback, QWidget* parent);
    ViewAngles view;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const SceneModel& model_;
    const KineticPlayback& playback_;
    QPointF lastDrag_;
};

class AnimatorWindow : public QWidget {
    Q_OBJECT
public:
    // How long a full-screen window shows its way out at the start.
    static constexpr int kExitHintMs = 4000;

    // Starts playing at the rate that shows one crank turn in about four seconds, from the step
    // the file's header gives.
    explicit AnimatorWindow(SceneModel model, QWidget* parent = nullptr);

    const KineticPlayback& playback() const { return playback_; }

    // The windowed build's size: kDefaultSize, or less where the available area of a small
    // screen (`available`, without task bars and panels) cannot hold it with a window frame.
    static constexpr QSize kDefaultSize{1000, 720};
    static QSize windowedSize(const QSize& available);
    // Shows the window at windowedSize of its screen's available area, inside that area.
    void showWindowed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void tick();
    void refresh(); // controls and scene after any change of frame, rate or state

    // "Esc — выход" over the scene, shown for kExitHintMs when the window is shown full screen
    // (there is no title bar to close it by); exitHintTimer hides it. Named as called here.
    QLabel* exitHint = nullptr;
    QTimer* exitHintTimer = nullptr;

    SceneModel model_;
    KineticPlayback playback_;
    SceneWidget* scene_ = nullptr;
    QPushButton* playButton_ = nullptr;
    QSlider* slider_ = nullptr;
    QLabel* rateLabel_ = nullptr;
    QTimer* timer_ = nullptr;
    QElapsedTimer clock_;
};
