// Times the processing of one decoded test as a decode and a result chart need it: smoothing, the
// results grid and the result curves of the three chambers. Prints the median of many runs.

#include "processing/ResultCurve.h"
#include "processing/ResultsGrid.h"
#include "processing/Smoothing.h"
#include "records/CellHeader.h"
#include "records/Measurements.h"
#include "tests/benchmarks/Timing.h"
#include "tools/simulator/TestModel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

} // namespace

int main()
{
    simulator::SimulationOptions options;
    options.points = 200;
    options.seed = 7;
    const records::Slot slot = simulator::simulateTest(options).file().toSlot();
    const records::CellHeader header = records::readCellHeader(slot);
    records::TestRecord decoded;
    records::decodeMeasurements(slot, decoded);

    constexpr int Runs = 5000;
    std::vector<double> samples;
    samples.reserve(Runs);
    records::TestRecord record = decoded;
    int curves = 0;
    for (int run = 0; run < Runs; ++run) {
        // Smoothing must start from the measured temperatures, as after every decode.
        record.ChamberTemperature = decoded.ChamberTemperature;
        const auto start = Clock::now();
        processing::SmoothTemperatures(record);
        const auto grid = processing::FillResultsGrid(record, header);
        const auto found = processing::FindCharacteristicPoint(record);
        for (int chamber = 1; chamber <= records::MeasuringChambers; ++chamber)
            curves += processing::ComputeResultCurve(record, chamber, found[chamber]).has_value() ? 1 : 0;
        const auto stop = Clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
        curves += grid.cube ? 0 : 1;
    }

    std::printf("processing of one test (%d points, 3 chambers): median %.2f us over %d runs (%d curves)\n",
                options.points, benchmarks::median(samples), Runs, curves);
    return 0;
}
