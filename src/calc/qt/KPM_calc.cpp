// The calculation command of the main window.
#include "app/qt/KPM.h"
#include "calc/Calculation.h"

void TForm1::N10Click()
{
    setMemo(QString::fromUtf8(kCalcMemo));
    const CalcOutcome outcome = runCalculation(P, R);
    // The stages run to the end before any box is shown; the boxes keep stage order.
    if (outcome.kinematicFailed) platform.showMessage(kKinematicFault);
    if (outcome.energyFailed) platform.showMessage(kEnergyFault);
    if (outcome.forceFailed) platform.showMessage(kForceFault);
}
