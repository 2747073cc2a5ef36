// Results grid, listing and report commands of the main window.
#include "app/qt/KPM.h"

void TForm1::buildResultsGrid() {}
void TForm1::N15Click() {}
void TForm1::N4Click() {}
void TForm1::N3Click() {}
