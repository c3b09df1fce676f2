// Chart kinds, chamber toggles and the cursor readout.
#include "ui/Unit1.h"

#include "ui/ProgramState.h"

void TForm1::ApplyChartKind() {}

void TForm1::RadioGroup1Click() {}

void TForm1::CheckBox1Click() {}

void TForm1::SpeedButton1Click() {}

void TForm1::SpeedButton2Click() {}

void TForm1::SpeedButton3Click() {}

void TForm1::SpeedButton4Click() {}

void TForm1::UpdateChamberSelection() {}

void TForm1::TrackBar1Change() {}
