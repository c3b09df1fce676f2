// Times the load command on 999 test files (the open dialog answering with all of them, each file read,
// checked, decoded and shown as a load does) and, offscreen, the decoding of one stored test. With
// --shown the window is on the screen and a load lasts until its repaint has reached the X server.
#include "records/Measurements.h"
#include "tests/benchmarks/Laboratory.h"
#include "tests/benchmarks/PreparedChoice.h"
#include "tests/benchmarks/ShownWindow.h"
#include "tests/benchmarks/Timing.h"
#include "ui/ChartWidget.h"
#include "ui/DecodedTest.h"
#include "ui/ProgramState.h"
#include "ui/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

constexpr int Files = 999;
constexpr int LoadRuns = 7;
constexpr int DecodeRuns = 21;
constexpr int DecodesPerRun = 2000;

} // namespace

int main(int argc, char** argv)
{
    const bool shown = benchmarks::shownMode(argc, argv);
    QApplication app(argc, argv);
    const benchmarks::Laboratory laboratory(Files, [](int number) { return 120 + number % 120; });
    if (!laboratory.isValid()) return 1;
    const QStringList& errors = laboratory.errors();

    // Every load starts from a fresh program: an empty store and selector.
    benchmarks::Samples loads;
    std::unique_ptr<ProgramState> state;
    std::unique_ptr<TForm1> form;
    for (int run = 0; run < LoadRuns; ++run) {
        form.reset();
        state = std::make_unique<ProgramState>();
        form = std::make_unique<TForm1>(*state);
        setOpenDialog(*form, std::make_unique<benchmarks::PreparedChoice>(laboratory.files()));
        std::optional<benchmarks::PaintWatch> chartPaints;
        if (shown) {
            benchmarks::present(*form);
            chartPaints.emplace(*form->Chart1);
        }
        loads.start();
        form->N3->trigger();
        if (chartPaints) chartPaints->waitForRepaint();
        loads.stop();
    }
    if (!errors.isEmpty() || form->ComboBox1->count() != Files) {
        std::fprintf(stderr, "the load failed: %s\n", qPrintable(errors.value(0)));
        return 1;
    }
    benchmarks::report(shown ? "load.shown" : "load.offscreen", loads.medians());
    if (shown) return 0;

    const records::Slot& slot = state->RecordStore.slot(500);
    double sink = 0;
    const auto perDecode = [&sink](const auto& decode) {
        return benchmarks::measure(DecodeRuns, DecodesPerRun, [&] {
            for (int i = 0; i < DecodesPerRun; ++i)
                sink += decode();
        });
    };
    // The stored words alone: header fields, header texts and the measured series.
    records::TestRecord record;
    benchmarks::report("decode.words", perDecode([&] {
                           const records::CellHeader header = records::readCellHeader(slot);
                           records::decodeMeasurements(slot, record);
                           return records::decodeHeaderTexts(header).time.second() + record.ChamberTime[1][7];
                       }));
    // Everything a decode computes before the screen changes: the above, the results grid and smoothing.
    benchmarks::report("decode.computed", perDecode([&] {
                           return decodeTest(slot, state->TestRecord).record.ChamberTemperature[1][7];
                       }));
    // Choosing a test: the same decoding put on the window, with the chart kind applied.
    int chosen = 0;
    benchmarks::report("decode.window", benchmarks::measure(DecodeRuns, 100, [&] {
                           for (int i = 0; i < 100; ++i)
                               form->DecodeTestRecord(static_cast<quint16>(1 + chosen++ % Files));
                       }));
    return sink == 12345.678 ? 2 : 0;
}
