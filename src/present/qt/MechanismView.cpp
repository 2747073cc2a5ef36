// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/MechanismView.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/NumberText.h"

namespace {

constexpr double kMargin = 28; // room for the labels and the slider around the box
constexpr double kMarkRadius = 4.5;
// The largest force's arrow, as a share of the drawing's shorter side.
constexpr double kLongestArrow = 0.3;

void arrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1) return;
    const QPointF u = d / len, n(-u.y(), u.x());
    const double head = std::min(9.0, len / 2);
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to - u * head + n * head * 0.4);
    tip.lineTo(to - u * head - n * head * 0.4);
    tip.closeSubpath();
    p.fillPath(tip, p.pen().color());
}

void mark(QPainter& p, QPointF at, const QColor& colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at, kMarkRadius, kMarkRadius);
    p.restore();
}

} // namespace

MechanismView::MechanismView(QWidget* parent) : QWidget(parent)
{
    setObjectName("mechanismView");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void MechanismView::showPose(const MechanismScene& scene, const MechanismPose& pose)
{
    scene_ = &scene;
    pose_ = pose;
    update();
}

QString MechanismView::notes() const
{
    if (!scene_) return {};
    QStringList lines;
    lines << tr("Шаг %1, φ = %2°")
                 .arg(pose_.step)
                 .arg(QString::fromStdString(FormatFixed(pose_.angleDegrees, 18, 2, decimal_)));
    if (!pose_.assembled)
        lines << QString::fromStdString(pose_.reason);
    else if (!scene_->runProblem().empty())
        lines << QString::fromStdString(scene_->runProblem());
    if (!scene_->branchJumpWarning().empty())
        lines << QString::fromStdString(scene_->branchJumpWarning());
    if (!pose_.forces.empty())
        lines << tr("Стрелки — полные силы в шарнирах (с реакцией направляющей): "
                    "fak, fbk, fok.");
    else if (!scene_->fromResults())
        lines << tr("Положение по параметрам; силы — после расчёта.");
    return lines.join(QLatin1Char('\n'));
}

QRectF MechanismView::drawingArea() const
{
    const QRectF all = QRectF(rect());
    const QFontMetricsF fm(font());
    const QRectF text = fm.boundingRect(all.adjusted(6, 0, -6, 0), Qt::TextWordWrap, notes());
    return all.adjusted(0, 0, 0, -(text.height() + 8));
}

PlaneMapping MechanismView::mapping() const
{
    if (!scene_) return {};
    const QRectF area = drawingArea();
    PlaneMapping m = fitBox(scene_->box(), area.width(), area.height(), kMargin);
    m.originX += area.left();
    m.originY += area.top();
    return m;
}

void MechanismView::paintEvent(QPaintEvent*)
{
    if (!scene_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const PlaneMapping m = mapping();
    const auto map = [&m](PlanePoint q) { return QPointF(m.mapX(q.x), m.mapY(q.y)); };
    const QRectF area = drawingArea();

    // The guide x = b over the whole drawing height.
    p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    const double gx = m.mapX(pose_.guideX);
    p.drawLine(QPointF(gx, area.top() + 4), QPointF(gx, area.bottom() - 4));

    const QPointF O = map(pose_.O), A = map(pose_.A), B = map(pose_.B);
    // The links: without antialiasing a red rod keeps its colour exact to the pixel.
    p.setPen(QPen(QColor(30, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(O, A);
    p.save();
    if (!pose_.assembled) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(kUnassembledRod, 3, Qt::SolidLine, Qt::FlatCap));
    }
    p.drawLine(A, B);
    p.restore();
    // The slider on the guide, at B (or at the height of A while the rod cannot reach it).
    const QPointF slider = map(pose_.C3);
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(QRectF(slider.x() - 9, slider.y() - 14, 18, 28));
    p.setBrush(Qt::NoBrush);

    // The joints' names first, so that the forces' values are placed clear of them.
    const struct {
        const char* text;
        PlanePoint at;
        QPointF offset;
    } labels[] = {{"O", pose_.O, {-14, 14}}, {"A", pose_.A, {6, -6}},   {"B", pose_.B, {-16, -6}},
                  {"C1", pose_.C1, {5, 13}}, {"C2", pose_.C2, {5, 13}}, {"C3", pose_.C3, {12, 4}}};
    const QFontMetricsF metrics(p.font());
    std::vector<QRectF> taken;
    for (const auto& l : labels)
        taken.push_back(
            metrics.boundingRect(QLatin1String(l.text)).translated(map(l.at) + l.offset));
    taken.push_back(QRectF(slider.x() - 9, slider.y() - 14, 18, 28));

    // Forces: arrows from their joints, the largest of the run kLongestArrow of the area's shorter
    // side; each value beyond its arrow's tip, moved down a line at a time while it would cover a
    // name or another value.
    const double longest = kLongestArrow * std::min(area.width(), area.height());
    if (scene_->largestForce() > 0)
        for (const JointForce& f : pose_.forces) {
            if (!std::isfinite(f.magnitude) || f.magnitude <= 0) continue;
            const double len = longest * static_cast<double>(f.magnitude / scene_->largestForce());
            const double fx = static_cast<double>(f.force.x), fy = static_cast<double>(f.force.y);
            const double norm = std::hypot(fx, fy);
            if (!(norm > 0)) continue;
            const QPointF from = map(f.at), to = from + QPointF(fx, -fy) / norm * len;
            p.setPen(QPen(QColor(200, 90, 0), 2));
            arrow(p, from, to);
            const QString value =
                tr("%1 = %2 Н")
                    .arg(QLatin1String(f.name))
                    .arg(QString::fromStdString(FormatFixed(f.magnitude, 18, 1, decimal_)));
            const QRectF box = metrics.boundingRect(value);
            // Right of a tip that points right, left of one that points left.
            QPointF at = to + QPointF(fx >= 0 ? 4 : -4 - box.width(), -4);
            for (int tries = 0; tries < 6; ++tries) {
                const QRectF placed = box.translated(at);
                if (std::none_of(taken.begin(), taken.end(),
                                 [&placed](const QRectF& r) { return r.intersects(placed); }))
                    break;
                at.ry() += metrics.height();
            }
            taken.push_back(box.translated(at));
            p.drawText(at, value);
        }
    // The load along the guide, on the slider's outer side.
    if (pose_.load && *pose_.load != 0) {
        const double len = 0.2 * std::min(area.width(), area.height());
        const double dir = *pose_.load > 0 ? -1 : 1; // screen y points down
        const QPointF from(slider.x() + 16, slider.y() - dir * len / 2);
        const QPointF to(slider.x() + 16, slider.y() + dir * len / 2);
        p.setPen(QPen(QColor(0, 120, 120), 2));
        arrow(p, from, to);
        p.drawText(
            QPointF(from.x() + 5, (from.y() + to.y()) / 2),
            tr("Q = %1 Н").arg(QString::fromStdString(FormatFixed(*pose_.load, 18, 1, decimal_))));
    }
    // A branch jump: a ring around B.
    if (pose_.branchJump) {
        p.setPen(QPen(QColor(230, 120, 0), 2, Qt::DotLine));
        p.drawEllipse(B, 13, 13);
        p.drawText(B + QPointF(15, 16), tr("скачок ветви"));
    }

    // Centres of mass as hollow circles, joints as filled marks of their own colours.
    p.setPen(QPen(QColor(30, 30, 30), 1));
    for (const PlanePoint c : {pose_.C1, pose_.C2, pose_.C3})
        p.drawEllipse(map(c), 3.5, 3.5);
    mark(p, O, kJointMarkO);
    mark(p, A, kJointMarkA);
    mark(p, B, kJointMarkB);
    p.setPen(Qt::black);
    for (const auto& l : labels)
        p.drawText(map(l.at) + l.offset, QLatin1String(l.text));

    const QRectF text(6, area.bottom() + 4, width() - 12, height() - area.bottom() - 4);
    p.setPen(pose_.assembled ? palette().color(QPalette::WindowText) : QColor(180, 0, 0));
    p.drawText(text, Qt::TextWordWrap, notes());
}
