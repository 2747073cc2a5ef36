// The animator's window: the scene of the current step and the playback controls (play and
// pause, slower and faster, a step back and forward, a slider to scrub); loops while playing.
#pragma once
#include <QElapsedTimer>
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
    explicit AnimatorWindow(SceneModel model, QWidget* parent = nullptr);

    const KineticPlayback& playback() const { return playback_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tick();
    void refresh(); // controls and scene after any change of frame, rate or state

    SceneModel model_;
    KineticPlayback playback_;
    SceneWidget* scene_ = nullptr;
    QPushButton* playButton_ = nullptr;
    QSlider* slider_ = nullptr;
    QLabel* rateLabel_ = nullptr;
    QTimer* timer_ = nullptr;
    QElapsedTimer clock_;
};
