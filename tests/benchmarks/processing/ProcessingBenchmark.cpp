// Times the processing of one decoded test as a decode and a result chart need it: smoothing, the
// results grid and the result curves of the three chambers. Prints the medians of many runs.

#include "processing/ResultCurve.h"
#include "processing/ResultsGrid.h"
#include "processing/Smoothing.h"
#include "records/CellHeader.h"
#include "records/Measurements.h"
#include "tests/benchmarks/Timing.h"
#include "tools/simulator/TestModel.h"

namespace {

constexpr int Runs = 5000;

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

    records::TestRecord record = decoded;
    int curves = 0;
    benchmarks::Samples samples;
    for (int run = 0; run < Runs; ++run) {
        // Smoothing must start from the measured temperatures, as after every decode.
        record.ChamberTemperature = decoded.ChamberTemperature;
        samples.start();
        processing::SmoothTemperatures(record);
        const auto grid = processing::FillResultsGrid(record, header);
        const auto found = processing::FindCharacteristicPoint(record);
        for (int chamber = 1; chamber <= records::MeasuringChambers; ++chamber)
            curves += processing::ComputeResultCurve(record, chamber, found[chamber]).has_value() ? 1 : 0;
        samples.stop();
        curves += grid.cube ? 0 : 1;
    }
    benchmarks::report("processing", samples.medians());
    return curves == 3 * Runs ? 0 : 1;
}
