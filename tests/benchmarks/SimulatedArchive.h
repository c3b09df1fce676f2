#pragma once

#include "tools/simulator/TestModel.h"

#include <QDir>
#include <QStringList>
#include <functional>

// The benchmarks' laboratory: simulated test files of both shapes and all concrete types.
namespace benchmarks {

/// Writes tests 1..count into folder/Archive; `points(number)` gives each test's point count.
inline QStringList writeSimulatedArchive(const QString& folder, int count,
                                         const std::function<int(int)>& points)
{
    QDir(folder).mkdir(QStringLiteral("Archive"));
    QStringList paths;
    for (int number = 1; number <= count; ++number) {
        simulator::SimulationOptions options;
        options.testNumber = static_cast<std::uint16_t>(number);
        options.seed = static_cast<std::uint32_t>(number);
        options.cylinder = number % 3 == 0;
        options.concreteType = number % 4;
        options.points = points(number);
        const QString path = QDir(folder).filePath(
            QStringLiteral("Archive/test_%1.cell").arg(number, 4, 10, QLatin1Char('0')));
        simulator::simulateTest(options).file().writeTo(path);
        paths << path;
    }
    return paths;
}

} // namespace benchmarks
