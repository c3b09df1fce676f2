// Writes the simulated archive the cellexport benchmark reads: tests 1..N (default 999) of both shapes
// and all concrete types into FOLDER/Archive, and prints their paths one to a line.
#include "tests/benchmarks/SimulatedArchive.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [COUNT]\n", argv[0]);
        return 2;
    }
    const int count = arguments.size() > 2 ? arguments[2].toInt() : 999;
    const QStringList paths =
        benchmarks::writeSimulatedArchive(arguments[1], count, [](int number) { return 120 + number % 120; });
    for (const QString& path : paths)
        std::printf("%s\n", qPrintable(path));
    return 0;
}
