// The animation command of the main window.
#include "app/qt/KPM.h"

void TForm1::N12Click() {}
