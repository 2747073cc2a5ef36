// SPDX-License-Identifier: GPL-3.0-or-later
// The animation-file reader and the animator's scene model: a file either is refused with its
// line named, or gives a model whose box, bar width and paths are finite.
#include <QString>
#include <cmath>

#include "FuzzFile.h"
#include "animator/SceneModel.h"
#include "present/KineticReader.h"

namespace {

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

void checkPath(const std::vector<SceneModel::Segment>& path, int frames)
{
    for (const SceneModel::Segment& s : path) {
        if (!finite(s.from) || !finite(s.to)) fuzz::fail("a path point is not finite");
        if (s.frame < 1 || s.frame >= frames) fuzz::fail("a segment's frame is out of range");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& path = fuzz::writeInput(data, size);
    KineticData d;
    try {
        d = readKinetic(path);
    } catch (const KineticFileError& e) {
        if (e.path() != path) fuzz::fail("the message names another file");
        return 0;
    }
    if (d.frames.size() != static_cast<size_t>(d.N)) fuzz::fail("frame count differs from N");
    const SceneModel model(std::move(d));
    const QRectF& box = model.box();
    if (!finite(box.topLeft()) || !finite(box.bottomRight()) || !(box.width() > 0) ||
        !(box.height() > 0) || !std::isfinite(box.width()) || !std::isfinite(box.height()))
        fuzz::fail("the world box is empty or not finite");
    if (!std::isfinite(model.barWidth()) || !(model.barWidth() > 0))
        fuzz::fail("the bar width is not a positive finite number");
    checkPath(model.pathA(), model.frameCount());
    checkPath(model.pathB(), model.frameCount());
    (void)frameCaption(model, model.frameCount() / 2, ',');
    return 0;
}
