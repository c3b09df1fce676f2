// The chart picture, chart printing, the test report and the signature-line settings.
#include "ui/Unit1.h"

#include "ui/ProgramState.h"

void TForm1::SpeedButton8Click() {}

void TForm1::N6Click() {}

void TForm1::N12Click() {}

void TForm1::N19Click() {}
