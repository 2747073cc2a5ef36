// Saving a chart window's picture: the save dialog through the platform, then a PNG file.
#pragma once

class Platform;
class QWidget;

// Asks for a file name ("PNG" filter) and writes `chart` there as PNG, adding ".png" to a name
// without an extension. A failed write is shown as a message. Returns true when a file was written.
bool saveChartImage(Platform& platform, QWidget* chart);
