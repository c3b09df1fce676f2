#pragma once

#include "records/TestRecord.h"
#include "tools/simulator/TestModel.h"

#include <QTest>

#include <cstdint>
#include <initializer_list>
#include <utility>

// The model configurations several tests run over, and a reading of its curves they share.
namespace modelcases {

/// Columns type, cylinder, points, step: a row for every concrete type, both shapes and each
/// (points, step) pair given.
inline void addConfigurationRows(std::initializer_list<std::pair<int, int>> lengths)
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("cylinder");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("step");
    for (int type = 0; type < 4; ++type) {
        for (bool cylinder : {false, true}) {
            for (const auto& [points, step] : lengths) {
                QTest::addRow("type %d, %s, %d points every %d s", type, cylinder ? "cylinder" : "cube", points,
                              step)
                    << type << cylinder << points << step;
            }
        }
    }
}

inline simulator::SimulationOptions options(int type, bool cylinder, int points, int step, std::uint32_t seed)
{
    simulator::SimulationOptions options;
    options.concreteType = type;
    options.cylinder = cylinder;
    options.points = points;
    options.stepSeconds = step;
    options.seed = seed;
    return options;
}

/// The first measured slot below 0 °C, or −1.
inline int firstBelowZero(const records::PointSeries& T, int count)
{
    for (int i = 0; i < count; ++i) {
        if (T[static_cast<std::size_t>(i)] < 0) return i;
    }
    return -1;
}

} // namespace modelcases
