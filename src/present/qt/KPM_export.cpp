// The animation command of the main window: writes "Kinetic.ini" beside the executable (or in the
// user's data folder when that is read-only) and starts the animator build chosen in "Renderer".
#include <QProgressBar>
#include <algorithm>
#include <cstdint>
#include <exception>

#include "app/qt/KPM.h"
#include "platform/ProgramFiles.h"
#include "present/Kinetic.h"

void TForm1::N12Click()
{
    const std::string kineticPath = kineticFilePath(platform);
    try {
        // The bar follows every step, whatever "Индикатор" says. Asking the bar only when the
        // percentage it stands for changes (and at the last step) leaves the same picture and
        // the same final position, without 90000 style queries and repaints.
        int shownPercent = -1;
        writeKinetic(kineticPath, P, R, [&](int32_t i) {
            const int lo = Loadbar->minimum(), hi = Loadbar->maximum();
            const int percent =
                hi > lo ? static_cast<int>((int64_t{std::clamp(i, lo, hi)} - lo) * 100 / (hi - lo))
                        : 0;
            if (percent == shownPercent && i != P.N) return;
            shownPercent = percent;
            Loadbar->setValue(i);
        });
    } catch (const std::exception& e) {
        platform.showError(e.what());
        return;
    }
    const std::string program = animatorPath(
        platform.executableDir(), rgdItemIndex() == 1 ? AnimatorBuild::Full : AnimatorBuild::Light);
    // The file stays written either way; a missing animator must not fail in silence.
    if (!platform.startProgram(program, animatorArguments(program, kineticPath)))
        platform.showMessage("Не удалось запустить аниматор: " + program);
}
