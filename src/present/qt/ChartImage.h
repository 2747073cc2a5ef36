// Saving a chart window's picture: the save dialog through the platform, then a PNG file.
#pragma once
#include "platform/Platform.h"

class QWidget;

// The picture dialog: "PNG" filter, ".png" added to a bare name before the overwrite question,
// and a remembered path of its own, apart from the report's dialogs.
FileDialogRequest chartImageDialog();

// Asks for a file name with chartImageDialog() and writes `chart` there as PNG, under the name
// the dialog returned. A failed write is shown as a message. Returns true when a file was written.
bool saveChartImage(Platform& platform, QWidget* chart);
