// Times the decoder on one realistic test (header fields, header texts and all measured series) and
// the loading of 999 test files from disk into the record store. Prints the medians.

#include "records/CellFileReader.h"
#include "records/CellHeader.h"
#include "records/HeaderTexts.h"
#include "records/Measurements.h"
#include "tests/benchmarks/Timing.h"
#include "tools/simulator/TestModel.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace {

constexpr int DecodeRuns = 200;
constexpr int DecodesPerRun = 100;
constexpr int LoadRuns = 9;
constexpr int Files = 999;

} // namespace

int main()
{
    simulator::SimulationOptions options;
    options.points = 200;
    options.seed = 7;
    simulator::CellFile file = simulator::simulateTest(options).file();
    const records::Slot slot = file.toSlot();

    auto record = std::make_unique<records::TestRecord>();
    long long check = 0;
    benchmarks::report("records.decode", benchmarks::measure(DecodeRuns, DecodesPerRun, [&] {
                           for (int i = 0; i < DecodesPerRun; ++i) {
                               const records::CellHeader header = records::readCellHeader(slot);
                               const records::HeaderTexts texts = records::decodeHeaderTexts(header);
                               records::decodeMeasurements(slot, *record);
                               check += texts.strengthText.size() + record->ChamberPointCount[1];
                           }
                       }));

    QTemporaryDir folder;
    QStringList paths;
    for (int number = 1; number <= Files; ++number) {
        file.setU16(0, static_cast<std::uint16_t>(number));
        paths << QDir(folder.path())
                     .filePath(QStringLiteral("test_%1.cell").arg(number, 4, 10, QLatin1Char('0')));
        file.writeTo(paths.back());
    }
    auto store = std::make_unique<records::RecordStore>();
    auto buffer = std::make_unique<records::ReadBuffer>();
    // Per file: read, checked and laid into its slot.
    benchmarks::report("records.store", benchmarks::measure(LoadRuns, Files, [&] {
                           for (const QString& path : paths) {
                               const records::LoadedFile loaded = records::readCellFile(path, *buffer);
                               records::overlayFile(store->slot(loaded.testNumber), *buffer, loaded.size);
                           }
                       }));
    check += store->slot(Files)[0];
    return check == 0 ? 1 : 0;
}
