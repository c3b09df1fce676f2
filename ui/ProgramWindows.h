#pragma once

#include "ui/ProgramState.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"

namespace ui {

/// The program's state and its five windows, created in the program's order (main window, report,
/// about, settings, help) and alive together until the program ends. Only the main window is shown;
/// closing it ends the program even while another window is open.
class ProgramWindows final {
public:
    ProgramWindows();

    ProgramState State;
    TForm1 Form1{State};
    TForm2 Form2{State};
    TForm3 Form3;
    TForm4 Form4{State};
    TForm5 Form5;
};

} // namespace ui
