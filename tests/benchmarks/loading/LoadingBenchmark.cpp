// Times the load command on 999 test files (the open dialog answering with all of them, each file read,
// checked, decoded and shown as a load does) and the decoding of one stored test, and prints the medians.
#include "records/Measurements.h"
#include "tests/benchmarks/SimulatedArchive.h"
#include "tests/benchmarks/Timing.h"
#include "tools/simulator/TestModel.h"
#include "ui/DecodedTest.h"
#include "ui/ErrorGuard.h"
#include "ui/OpenCellFilesDialog.h"
#include "ui/ProgramState.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int LoadRuns = 7;
constexpr int DecodeRuns = 21;
constexpr int DecodesPerRun = 2000;

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir laboratory;
    if (!laboratory.isValid()) return 1;
    QDir::setCurrent(laboratory.path());
    const QStringList files = benchmarks::writeSimulatedArchive(
        laboratory.path(), 999, [](int number) { return 120 + number % 120; });

    QStringList errors;
    ui::setErrorPresenter([&errors](const QString& text) { errors << text; });

    std::vector<double> loadTimes;
    std::unique_ptr<ProgramState> state;
    std::unique_ptr<TForm1> form;
    for (int run = 0; run < LoadRuns; ++run) {
        form.reset();
        state = std::make_unique<ProgramState>();
        form = std::make_unique<TForm1>(*state);
        setOpenDialog(*form, std::make_unique<benchmarks::PreparedChoice>(files));
        QElapsedTimer timer;
        timer.start();
        form->N3->trigger();
        loadTimes.push_back(timer.nsecsElapsed() / 1e6);
    }
    if (!errors.isEmpty() || form->ComboBox1->count() != 999) {
        std::fprintf(stderr, "the load failed: %s\n", qPrintable(errors.value(0)));
        return 1;
    }

    const records::Slot& slot = state->RecordStore.slot(500);
    double sink = 0;
    const auto microsecondsPerDecode = [&sink](const auto& decode) {
        std::vector<double> times;
        for (int run = 0; run < DecodeRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < DecodesPerRun; ++i)
                sink += decode();
            times.push_back(timer.nsecsElapsed() / 1e3 / DecodesPerRun);
        }
        return benchmarks::median(times);
    };
    // The stored words alone: header fields, header texts and the measured series.
    records::TestRecord record;
    const double wordsTime = microsecondsPerDecode([&] {
        const records::CellHeader header = records::readCellHeader(slot);
        records::decodeMeasurements(slot, record);
        return records::decodeHeaderTexts(header).time.second() + record.ChamberTime[1][7];
    });
    // Everything a decode computes before the screen changes: the above, the results grid and smoothing.
    const double decodeTime = microsecondsPerDecode(
        [&] { return decodeTest(slot, state->TestRecord).record.ChamberTemperature[1][7]; });

    // Choosing a test: the same decoding put on the window, with the chart kind applied.
    std::vector<double> chooseTimes;
    for (int run = 0; run < DecodeRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 100; ++i)
            form->DecodeTestRecord(static_cast<quint16>(1 + (run * 100 + i) % 999));
        chooseTimes.push_back(timer.nsecsElapsed() / 1e3 / 100);
    }

    std::printf("load 999 files through the load command: median %.1f ms (target < 300 ms)\n",
                benchmarks::median(loadTimes));
    std::printf("decode one slot's header and series:     median %.2f us (target < 20 us)\n", wordsTime);
    std::printf("decode one slot with grid and smoothing: median %.2f us\n", decodeTime);
    std::printf("decode and show one test on the window:  median %.1f us\n", benchmarks::median(chooseTimes));
    return sink == 12345.678 ? 2 : 0;
}
