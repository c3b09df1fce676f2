#pragma once

#include <QString>
#include <functional>

// The separate program that reads the dilatometer, started and awaited by "Чтение данных с дилатометра".
namespace ui {

inline constexpr const char* AcquisitionProgramName = "zolt.exe";

/// Starts the program named without a path and waits for its end; false when it could not start.
using ProgramRunner = std::function<bool(const QString& name)>;

/// Replaces the runner (tests watch the windows during a run this way); an empty one restores the real
/// one, which looks the name up beside this program, in the current folder and on PATH. Returns the
/// runner that was set.
ProgramRunner setProgramRunner(ProgramRunner runner);

/// Minimises every visible top-level window of the application, runs the acquisition program in the
/// current folder and waits for its end, then restores the windows it minimised. Nothing is reported
/// when the program is missing or cannot start; the windows come back at once. Returns whether it ran.
bool runAcquisitionProgram();

} // namespace ui
