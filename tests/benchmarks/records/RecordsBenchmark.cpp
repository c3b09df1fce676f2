// Times the decoder on one realistic test (header fields, header texts and all measured series) and
// the loading of 999 test files from disk into the record store. Prints medians.

#include "records/CellFileReader.h"
#include "records/CellHeader.h"
#include "records/HeaderTexts.h"
#include "records/Measurements.h"
#include "tests/benchmarks/Timing.h"
#include "tools/simulator/TestModel.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

} // namespace

int main()
{
    simulator::SimulationOptions options;
    options.points = 200;
    options.seed = 7;
    simulator::CellFile file = simulator::simulateTest(options).file();
    const records::Slot slot = file.toSlot();

    constexpr int DecodeRuns = 20000;
    std::vector<double> samples;
    samples.reserve(DecodeRuns);
    auto record = std::make_unique<records::TestRecord>();
    long long check = 0;
    for (int run = 0; run < DecodeRuns; ++run) {
        const auto start = Clock::now();
        const records::CellHeader header = records::readCellHeader(slot);
        const records::HeaderTexts texts = records::decodeHeaderTexts(header);
        records::decodeMeasurements(slot, *record);
        samples.push_back(microsecondsSince(start));
        check += texts.strengthText.size() + record->ChamberPointCount[1];
    }
    std::printf("decoding one slot (header, texts, 4 x 3 series of 256 words and the fridge): median %.2f us "
                "over %d runs\n",
                benchmarks::median(samples), DecodeRuns);

    QTemporaryDir folder;
    QStringList paths;
    for (int number = 1; number <= 999; ++number) {
        file.setU16(0, static_cast<std::uint16_t>(number));
        paths << QDir(folder.path())
                     .filePath(QStringLiteral("test_%1.cell").arg(number, 4, 10, QLatin1Char('0')));
        file.writeTo(paths.back());
    }
    auto store = std::make_unique<records::RecordStore>();
    auto buffer = std::make_unique<records::ReadBuffer>();
    constexpr int LoadRuns = 9;
    std::vector<double> totals;
    for (int run = 0; run < LoadRuns; ++run) {
        const auto start = Clock::now();
        for (const QString& path : paths) {
            const records::LoadedFile loaded = records::readCellFile(path, *buffer);
            records::overlayFile(store->slot(loaded.testNumber), *buffer, loaded.size);
        }
        totals.push_back(microsecondsSince(start));
    }
    check += store->slot(999)[0];
    const double total = benchmarks::median(totals);
    std::printf("reading, checking and storing 999 files of %d bytes: median %.1f ms (%.1f us per file) over "
                "%d runs\n",
                file.size(), total / 1000, total / 999, LoadRuns);
    return check == 0 ? 1 : 0;
}
