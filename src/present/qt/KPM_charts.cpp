// The chart commands of the main window and the caption source of the parameter chart.
#include <QLineSeries>
#include <algorithm>

#include "app/qt/KPM.h"
#include "present/qt/ResultsGridModel.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"

namespace {

void bringToFront(QWidget* w)
{
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->raise();
    w->activateWindow();
}

} // namespace

QStringList gridRowCaptions()
{
    QStringList out;
    if (!Form1 || !Form1->sg1Model) return out;
    // Grid rows 1..99 exist; captions read beyond them have no row to name.
    const int last = std::min<int>(scrrows - 1, ResultStore::kRows - 1);
    for (int k = 1; k <= last; ++k)
        out.push_back(Form1->sg1Model->cellText(0, k));
    return out;
}

void TForm1::N16Click()
{
    // Both ways the show handler clears the two series before it fills them.
    if (Form2->isVisible()) {
        // Already shown: its show handler will not run, so refill here rather than leave it empty.
        Form2->fill();
        bringToFront(Form2);
    } else {
        Form2->show();
    }
}

void TForm1::N13Click()
{
    if (Form3->isVisible())
        bringToFront(Form3);
    else
        Form3->show();
}
