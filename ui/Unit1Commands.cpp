// The acquisition program, exit, help and about.
#include "platform/Paths.h"
#include "ui/AcquisitionProgram.h"
#include "ui/ExitQuestion.h"
#include "ui/ProgramState.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"
#include "ui/Unit5.h"

void TForm1::SpeedButton5Click()
{
    // A folder that has gone since start-up leaves the current directory as it is; the start goes on.
    platform::setCurrentDirectory(m_state.ProgramFolder);
    ui::runAcquisitionProgram();
}

void TForm1::N14Click()
{
    if (ui::askExitQuestion(this)) close();
}

void TForm1::SpeedButton14Click()
{
    m_help->HelpFolder = m_state.ProgramFolder;
    m_help->exec();
}

void TForm1::N18Click()
{
    m_about->exec();
}
