// SPDX-License-Identifier: GPL-3.0-or-later
// The mechanism drawn to scale at one step: the guide, the crank OA, the rod AB, the slider at B
// and the centres of mass C1–C3, labelled; the load on the slider; with results, the complete
// joint forces as arrows scaled by the run's largest. A position the rod cannot reach shows the
// rod in red, short of the guide, with the reason; a branch jump is marked at B.
#pragma once
#include <QColor>
#include <QWidget>

#include "present/MechanismScene.h"

// The joints' filled marks, each in a colour of its own, so that a test (or a user comparing
// with the printed scheme) can find them on the picture.
inline const QColor kJointMarkO(255, 0, 0);
inline const QColor kJointMarkA(0, 160, 0);
inline const QColor kJointMarkB(0, 0, 255);
// The rod of a position that cannot be assembled.
inline const QColor kUnassembledRod(200, 0, 120);

class MechanismView : public QWidget {
    Q_OBJECT
public:
    explicit MechanismView(QWidget* parent = nullptr);

    // Draws `pose` of `scene` (which must outlive the view or be set again); the scene gives the
    // scale (its box) and the force scale.
    void showPose(const MechanismScene& scene, const MechanismPose& pose);
    const MechanismPose& pose() const { return pose_; }
    // The lines written under the drawing: the step and angle, the reason a position cannot be
    // assembled, the run's geometry problem, the branch jump, and what the force arrows are.
    QString notes() const;
    // Where metres land on the widget now.
    PlaneMapping mapping() const;

    QSize sizeHint() const override { return {360, 320}; }
    QSize minimumSizeHint() const override { return {160, 140}; }

    // The unit's own decimal separator for the values it writes.
    void setDecimal(char decimal) { decimal_ = decimal; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF drawingArea() const;
    const MechanismScene* scene_ = nullptr;
    MechanismPose pose_;
    char decimal_ = '.';
};
