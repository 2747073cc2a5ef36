// Parameter handlers of the main window: entry, autofill, run settings.
#include "app/qt/KPM.h"

void TForm1::SpeedButtonClick(int) {}
void TForm1::okbtnClick() {}
void TForm1::BitBtnClick() {}
void TForm1::tuneChange() {}
void TForm1::Button1Click() {}
void TForm1::CBChange() {}
