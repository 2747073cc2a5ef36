// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a chart window's picture: the save dialog through the platform, then a PNG file.
#pragma once
#include <functional>

#include "platform/Platform.h"

class QAction;
class QChart;
class QMenu;
class QObject;
class QWidget;

// The picture dialog: "PNG" filter, ".png" added to a bare name before the overwrite question,
// and a remembered path of its own, apart from the report's dialogs.
FileDialogRequest chartImageDialog();

// Asks for a file name with chartImageDialog() (through chooseSaveTarget, which refuses a target
// that is not a regular file or a new name) and writes `chart` there as PNG, under the name the
// dialog returned. A failed write is shown as a message. Returns true when a file was written.
bool saveChartImage(Platform& platform, QWidget* chart);

// The two actions every chart window's popup menu ends with, named "zoomResetAction" and
// "saveImageAction".
struct ChartViewActions {
    QAction* zoomReset; // "Исходный масштаб": the chart back to its full extent
    QAction* saveImage; // "Сохранить изображение…": runs `save`
};

// Adds them to `menu`, each run as a guarded command (failures shown through `platform`) for as
// long as `context` lives.
ChartViewActions addChartViewActions(QMenu* menu, QObject* context, Platform& platform,
                                     QChart* chart, std::function<void()> save);
