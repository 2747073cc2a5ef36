// SPDX-License-Identifier: GPL-3.0-or-later
// What both animator views draw from: the data of "Kinetic.ini", the world box the drawing is
// scaled into, the size of the links, and the paths of A and B as distinct segments.
#pragma once
#include <QPointF>
#include <QRectF>
#include <vector>

#include "present/KineticReader.h"

class SceneModel {
public:
    // One piece of a joint's path, first travelled on the way into `frame` (0-based).
    struct Segment {
        QPointF from, to;
        int frame;
    };

    explicit SceneModel(KineticData data);

    const KineticData& data() const { return data_; }
    int frameCount() const { return static_cast<int>(data_.frames.size()); }
    // The frame at `index`, or an all-zero frame for a run without steps.
    const KineticFrame& frame(int index) const;
    // World box (y up) holding the crank circle, the guide and every position of the run, with
    // room for the slider block; never empty.
    const QRectF& box() const { return box_; }
    // Width of a link bar in metres; the slider block and pivots are sized from it.
    double barWidth() const { return barWidth_; }
    // Paths of A and B with repeated segments dropped, in order of first travel.
    const std::vector<Segment>& pathA() const { return pathA_; }
    const std::vector<Segment>& pathB() const { return pathB_; }

private:
    KineticData data_;
    QRectF box_;
    double barWidth_ = 1;
    std::vector<Segment> pathA_, pathB_;
};

// "Угол кривошипа: 123,45°   Шаг 5 из 25": the caption both views show, the angle with two
// decimals and `decimal` as its separator.
QString frameCaption(const SceneModel& model, int frame, char decimal);
// The locale's decimal separator the captions use (environmentDecimalSeparator, read once).
char captionDecimal();
