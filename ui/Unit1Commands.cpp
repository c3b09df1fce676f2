// The acquisition program, exit, help and about.
#include "ui/Unit1.h"

#include "ui/ProgramState.h"

void TForm1::SpeedButton5Click() {}

void TForm1::N14Click() {}

void TForm1::SpeedButton14Click() {}

void TForm1::N18Click() {}
