// Prints the evaluation of ".cell" test files as JSON (or one test's series as CSV) for checks and
// spreadsheets, without the windows.

#include "tools/cellexport/ExportRun.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return cellexport::runCellExport(QCoreApplication::arguments().mid(1), out, err);
}
