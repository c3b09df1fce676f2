// Loading test files and decoding the chosen test.
#include "ui/Unit1.h"

#include "ui/ProgramState.h"

void TForm1::N3Click() {}

void TForm1::ComboBox1Change() {}

void TForm1::DecodeTestRecord(quint16) {}
