// The chart commands of the main window.
#include "app/qt/KPM.h"

void TForm1::N16Click() {}
void TForm1::N13Click() {}
