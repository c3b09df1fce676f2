#pragma once

#include "tools/simulator/CellFile.h"
#include "tools/simulator/TestModel.h"

#include <QDir>
#include <QString>

namespace fixtures {

/// A cube test of 200 points a minute apart, all three chambers present, dated 15.03.2024 09:05:00.
inline simulator::SimulatedTest cubeTest(std::uint16_t testNumber = 12)
{
    simulator::SimulationOptions options;
    options.testNumber = testNumber;
    options.points = 200;
    options.seed = 3;
    options.dimensions =
        std::array<simulator::Dimensions, 3>{{{100, 100, 100}, {100, 100, 100}, {100, 100, 100}}};
    return simulator::simulateTest(options);
}

/// Makes a chamber's volume change rise steadily over its points, so that it has no minimum; a dip at
/// `dipSlot` (if given) is then its only one.
inline void flattenVolumeChange(simulator::CellFile& file, int chamber, int points, int dipSlot = -1)
{
    for (int i = 0; i < points; ++i) file.setVolumeChange(chamber, i, 0.002 * i);
    if (dipSlot >= 0) file.setVolumeChange(chamber, dipSlot, -1.0);
}

inline QString writeFile(const QDir& folder, const QString& name, const simulator::CellFile& file)
{
    const QString path = folder.filePath(name);
    file.writeTo(path);
    return path;
}

} // namespace fixtures
