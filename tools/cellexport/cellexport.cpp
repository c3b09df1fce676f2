// Prints the evaluation of ".cell" test files as JSON, or as CSV (one test's series, or the results of
// a series of tests) for checks and spreadsheets, without the windows.

#include "tools/cellexport/ExportRun.h"

#include <QCoreApplication>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv)
{
    // No application object: the export uses none of its services, and making one sets the C library's
    // locale up, some sixty system calls that cost a short run a twentieth of its time. The arguments are
    // decoded as it would decode them.
    QCoreApplication::setApplicationVersion(QStringLiteral(FROSTDIL_VERSION));
    QStringList arguments;
    arguments.reserve(argc - 1);
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    cellexport::RunOutput out(STDOUT_FILENO);
    cellexport::RunOutput err(STDERR_FILENO);
    const int status = cellexport::runCellExport(arguments, out, err);
    // All is written by now, straight to the descriptors. A normal exit would still run the destructors
    // of Qt, ICU, GLib and the C++ library, whose code and data no run touches before: a millisecond of
    // first touches of memory, a thirtieth of an export of a thousand tests, spent on nothing.
    std::_Exit(status);
}
