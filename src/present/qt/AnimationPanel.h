// SPDX-License-Identifier: GPL-3.0-or-later
// The animation part of the main window. It owns the "Вид анимации" box that chooses the animator
// build and runs "Анимация": "Kinetic.ini" written beside the executable, the progress bar
// following every step, then the chosen animator started.
#pragma once
#include <QObject>
#include <array>

#include "base/NumberText.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"
#include "platform/Platform.h"
#include "present/ExportCheck.h"

class ProgressIndicator;
class QGroupBox;
class QRadioButton;
class QWidget;

class AnimationPanel : public QObject {
    Q_OBJECT
public:
    // Builds the "Вид анимации" box as a child of `client`, for the window's layout to place
    // (widget()), the full build chosen.
    // The file is written with the parameters of the run in `store`, never the ones on screen.
    AnimationPanel(QWidget* client, const ResultStore& store, Platform& platform,
                   ProgressIndicator& progress, const NumberFormat& numbers, QObject* parent);

    // The "Вид анимации" box.
    QWidget* widget() const;
    // Index of the checked renderer item (-1 none).
    int rendererIndex() const;
    // "Анимация": before the first calculation only kNoResultsMessage. Otherwise the export
    // check, then writes the file
    // of the run in the store, with the parameters it was computed with (an error is reported with
    // the file's name and nothing started; a path that is not a regular file or a new name is
    // refused, see isSaveTarget), then starts the full build for item 1 and the light one
    // otherwise; a start that fails is reported.
    void exportAnimation();
    // The check asked before the file is written (ExportCheck).
    void setExportCheck(ExportCheck check) { exportCheck_ = std::move(check); }

private:
    ExportCheck exportCheck_;
    // Object names "rendererChoice", "rendererItem0" and "rendererItem1".
    QGroupBox* rendererChoice = nullptr;
    std::array<QRadioButton*, 2> rendererItems{}; // the light build, the full build
    const ResultStore& R;
    Platform& platform;
    ProgressIndicator& progress;
    const NumberFormat& numbers;
};
