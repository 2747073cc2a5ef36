// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area, laid out by Qt rather than placed by pixels: the parameter
// column on the left (the progress bar over the parameter sections, the run settings and the
// renderer choice in a scroll area, the entry panel under it), the results on the right, a
// splitter between them. Every size the window takes shows every control or lets it be scrolled
// to.
#pragma once
#include <QSize>

class AnimationPanel;
class ParameterPanel;
class ProgressIndicator;
class QSplitter;
class QWidget;
class ResultsPanel;
class RunSettingsPanel;

// The panels whose parts the client holds; each built as a child of the client.
struct ClientPanels {
    ParameterPanel& parameters;
    RunSettingsPanel& runSettings;
    AnimationPanel& animation;
    ProgressIndicator& progress;
    ResultsPanel& results;
    QWidget* loadAndDelta; // the load in force and δ, each with the way to change it
};

// The regions Tab walks through one after the other, by object name: the parameters' two
// columns, the entry panel, the results, then the mechanism's dock and the cursor's beside them.
inline constexpr const char* kTabRegions[] = {"parametersLeft", "parametersRight", "entryPanel",
                                              "resultsArea",    "mechanismDock",   "cursorDock"};

// Lays the panels' parts out in `client` and returns the splitter ("mainSplitter") between the
// parameter column ("parameterColumn", whose scroll area is "parameterScroll") and the results.
QSplitter* layOutClient(QWidget* client, const ClientPanels& panels);

// Chains the Tab order of the window's controls region by region (kTabRegions), each region in
// reading order as its controls stand now (setReadingTabOrder's rule). Call it once the layout
// has placed them, as the window is shown.
void chainTabOrder(QWidget* window);

// The window's default size: the size its layout asks for (`wanted`), but never more than the
// room the screen has for it (`room`, the available area less the window frame).
QSize defaultWindowSize(QSize wanted, QSize room);
