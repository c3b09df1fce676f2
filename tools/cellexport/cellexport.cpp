// Prints the evaluation of ".cell" test files as JSON, or as CSV (one test's series, or the results of
// a series of tests) for checks and spreadsheets, without the windows.

#include "tools/cellexport/ExportRun.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(FROSTDIL_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return cellexport::runCellExport(QCoreApplication::arguments().mid(1), out, err);
}
