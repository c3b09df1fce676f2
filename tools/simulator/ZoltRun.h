#pragma once

#include "tools/simulator/ZoltArguments.h"

#include <QDateTime>
#include <QString>

namespace simulator {

/// Carries out one request: fills in what the command line left open (the next free test number of the
/// archive, the seed, the date and time `now`), simulates the test, writes its file (creating the archive
/// folder or the output's folder when absent) and returns a one-line account of what was written.
/// A file in the archive is never replaced; only the file named by --out is.
/// Throws platform::Error when the file cannot be written, its name in the archive is taken, or the
/// archive has no free number left.
QString recordTest(ZoltRequest request, const QDateTime& now);

/// "Испытание № 7 записано в файл ...": the account of one written test.
QString describeTest(const SimulatedTest& test, const SimulationOptions& options, const QString& path);

} // namespace simulator
