// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/AnimationPanel.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <exception>
#include <optional>

#include "base/UiText.h"
#include "base/WindowMessage.h"
#include "calc/Calculation.h"
#include "formats/Kinetic.h"
#include "platform/ProgramFiles.h"
#include "platform/qt/ProgressIndicator.h"

AnimationPanel::AnimationPanel(QWidget* client, const ResultStore& store, Platform& platform,
                               ProgressIndicator& progress, const NumberFormat& numbers,
                               QObject* parent)
    : QObject(parent), R(store), platform(platform), progress(progress), numbers(numbers)
{
    rendererChoice = new QGroupBox(tr("Вид анимации"), client);
    rendererChoice->setObjectName("rendererChoice");
    auto* layout = new QVBoxLayout(rendererChoice);
    layout->setSpacing(0);
    rendererChoice->setToolTip(
        tr("Если у вас медленный компьютер, выбирайте «2-D во весь экран»: в этом режиме "
           "аниматор менее требователен к ресурсам, но работает в полноэкранном режиме"));
    // The choice is between the animator's flat full-screen view and its 3-D window.
    const QString items[] = {tr("2-D во весь экран"), tr("3-D в окне")};
    for (int i = 0; i < 2; ++i) {
        rendererItems[i] = new QRadioButton(items[i], rendererChoice);
        rendererItems[i]->setObjectName(QStringLiteral("rendererItem%1").arg(i));
        layout->addWidget(rendererItems[i]);
    }
    rendererItems[1]->setChecked(true);
}

QWidget* AnimationPanel::widget() const
{
    return rendererChoice;
}

int AnimationPanel::rendererIndex() const
{
    for (size_t i = 0; i < rendererItems.size(); ++i)
        if (rendererItems[i] && rendererItems[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

void AnimationPanel::exportAnimation()
{
    // The animation shows the run in the store with its own lengths, step and N; of a run that
    // stopped part-way, its computed steps (the file's step count and total angle say so).
    if (!R.computedWith()) {
        platform.showMessage(uiText("Calculation", kNoResultsMessage));
        return;
    }
    if (exportCheck_ && !exportCheck_(*R.computedWith(), ExportSource::Store)) return;
    const std::optional<ParamSet> run = computedRun(R); // a recalculation may have replaced it
    if (!run) return;
    const BusyCursor busy(platform);
    // Beside the executable, or in the user's data folder when the program's folder is read-only.
    const std::string kineticPath = kineticFilePath(platform);
    if (!isSaveTarget(kineticPath)) {
        platform.showError(fileErrorText(uiText("Platform", kNotARegularFileMessage), kineticPath));
        return;
    }
    try {
        // The bar follows every step, whatever "Индикатор" says. Asking the bar only when the
        // percentage it stands for changes (and at the last step) leaves the same picture and
        // the same final position, without 90000 style queries and repaints.
        int shownPercent = -1;
        writeKinetic(kineticPath, *run, R, numbers.decimal, [&](int32_t i) {
            const int lo = progress.minimum(), hi = progress.maximum();
            const int percent =
                hi > lo ? static_cast<int>((int64_t{std::clamp(i, lo, hi)} - lo) * 100 / (hi - lo))
                        : 0;
            if (percent == shownPercent && i != run->N) return;
            shownPercent = percent;
            progress.setValue(i);
        });
    } catch (const std::exception& e) {
        platform.showError(fileErrorText(windowMessage(e), kineticPath));
        return;
    }
    const std::string program =
        animatorPath(platform.executableDir(),
                     rendererIndex() == 1 ? AnimatorBuild::Full : AnimatorBuild::Light);
    // The file stays written either way; a missing animator must not fail in silence.
    if (!platform.startProgram(program, animatorArguments(program, kineticPath)))
        platform.showMessage(tr("Не удалось запустить аниматор: %1")
                                 .arg(QString::fromStdString(program))
                                 .toStdString());
}
