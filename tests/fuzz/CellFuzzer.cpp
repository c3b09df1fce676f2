// ".cell" bytes through everything the program does with a test file: the reader's checks, the overlay
// onto the test's slot, the decode with smoothing and the results grid, the characteristic points and
// result curves, the chart kinds with their chamber selection and cursor, and the evaluation cellexport
// prints. An input is one file, or two with SecondFileMark between them: the second is loaded after the
// first as the main window loads it, over the first's slot when the test numbers agree.

#include "chartengine/Chart.h"
#include "charts/ChamberSelection.h"
#include "charts/ChartKinds.h"
#include "charts/CursorReadout.h"
#include "charts/SeriesLayout.h"
#include "platform/Error.h"
#include "platform/NumberFormat.h"
#include "records/CellFileReader.h"
#include "records/RecordStore.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/GuiApplication.h"
#include "tools/cellexport/CellEvaluation.h"
#include "ui/DecodedTest.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace {

const QByteArray SecondFileMark = QByteArrayLiteral("<second file>");
const QString FileName = QStringLiteral("Archive/fuzz.cell");

/// What the main window keeps from one load to the next.
struct Session {
    records::TestRecord record;
    int chartKind = charts::NoChartKind;
    charts::ResultCurves curves;
    int trackMaximum = 0;
};

/// The program's single store and chart. A store costs ten megabytes, so one serves the whole run and
/// each input zeroes the slots it filled: every input then replays alone exactly as it ran.
struct Program {
    records::RecordStore store;
    records::ReadBuffer buffer{};
    records::Slot candidate{};
    records::Slot alone{};
    chartengine::Chart chart;
    std::vector<int> filledSlots;

    Program() { charts::AddChartSeries(chart); }
};

Program& program()
{
    static Program instance;
    return instance;
}

/// The chamber selection and the cursor at both ends of its range, as the window redoes them after
/// each chart kind.
void selectChamberAndReadCursor(Session& session)
{
    const charts::ChamberFlags allShown{{true, true, true, true}};
    const charts::ChamberSelection selection = charts::SelectChamber(
        allShown, session.record, session.chartKind, session.curves, session.trackMaximum);
    if (!selection.chamber) return;
    if (selection.slotRange) session.trackMaximum = selection.slotRange->maximum;
    for (const int slot : {selection.slotRange ? selection.slotRange->minimum : 0, session.trackMaximum})
        charts::ReadCursor(session.chartKind, *selection.chamber, slot, session.record, session.curves);
}

/// The window draws the kind the user has selected after each load. The fuzzer lets the test number
/// select it, so that every kind is reached without drawing all four for every file.
void drawSelectedKind(Program& p, Session& session, std::uint16_t testNumber)
{
    const charts::ChartKindRequest request{testNumber % 4, true, true};
    try {
        charts::ApplyChartKind(p.chart, session.record, request, session.chartKind, session.curves,
                               [&] { selectChamberAndReadCursor(session); });
    } catch (const platform::Error&) {
        // A chord that divides by zero: the window shows the message and keeps the chambers before.
    }
    for (int k = 1; k <= records::ChamberCount; ++k)
        FUZZ_CHECK(p.chart.series(charts::chamberSeries(k)).count() <= records::PointSlots);
    for (int k = 1; k <= records::MeasuringChambers; ++k) {
        const auto& curve = session.curves[k];
        FUZZ_CHECK(!curve ||
                   (curve->first >= 0 && curve->first <= curve->last && curve->last < records::PointSlots));
    }
}

template <typename Values> bool sameBits(const Values& a, const Values& b)
{
    return std::memcmp(&a, &b, sizeof(Values)) == 0;
}

/// cellexport evaluates a file alone in a zero slot, as the window decodes the first file it loads: both
/// must refuse the same files and show the same texts, grid and smoothed temperatures.
void compareWithExport(Program& p, const QByteArray& file, const std::optional<DecodedTest>& shown)
{
    p.alone.fill(0);
    std::memcpy(p.alone.data(), file.constData(), static_cast<std::size_t>(file.size()));
    const cellexport::CellEvaluation evaluation = cellexport::evaluateSlot(FileName, p.alone);
    FUZZ_CHECK(evaluation.failed() == !shown);
    if (!shown) return;
    FUZZ_CHECK(evaluation.texts.timeText == shown->texts.timeText);
    FUZZ_CHECK(evaluation.texts.dateText == shown->texts.dateText);
    // The window writes ΔV and the mean with the user's decimal point, the export with a full stop.
    auto shownCells = shown->grid.cells;
    for (auto& row : shownCells)
        for (auto& cell : row)
            if (cell) cell->replace(platform::userDecimalPoint(), QStringLiteral("."));
    FUZZ_CHECK(evaluation.grid.cells == shownCells);
    FUZZ_CHECK(sameBits(evaluation.record.ChamberTemperature, shown->record.ChamberTemperature));
}

/// Loads one file as the main window does; a file it refuses changes nothing.
void loadFile(Program& p, Session& session, const QByteArray& file, bool firstLoad)
{
    // The reader refuses a longer file by its size before it reads a byte.
    if (file.size() > records::SlotSize) return;
    std::memcpy(p.buffer.data(), file.constData(), static_cast<std::size_t>(file.size()));
    records::LoadedFile loaded;
    try {
        loaded = records::acceptCellFile(FileName, p.buffer, file.size());
    } catch (const platform::Error&) {
        return;
    }
    records::Slot& slot = p.store.slot(loaded.testNumber);
    p.candidate = slot;
    records::overlayFile(p.candidate, p.buffer, loaded.size);
    FUZZ_CHECK(std::memcmp(p.candidate.data(), file.constData(), static_cast<std::size_t>(file.size())) == 0);
    FUZZ_CHECK(std::equal(p.candidate.begin() + loaded.size, p.candidate.end(), slot.begin() + loaded.size));

    // An invalid time or date, or a sample without volume, is refused with a message.
    std::optional<DecodedTest> decoded;
    try {
        decoded = decodeTest(p.candidate, session.record);
    } catch (const platform::Error&) {
    }
    if (firstLoad) compareWithExport(p, file, decoded);
    if (!decoded) return;

    slot = p.candidate;
    p.filledSlots.push_back(loaded.testNumber);
    session.record = decoded->record;
    drawSelectedKind(p, session, loaded.testNumber);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzsupport::startGuiApplication();
    program();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Program& p = program();
    const QByteArray input = fuzzsupport::inputBytes(data, size);
    const qsizetype mark = input.indexOf(SecondFileMark);
    Session session;
    loadFile(p, session, input.left(mark < 0 ? input.size() : mark), true);
    if (mark >= 0) loadFile(p, session, input.mid(mark + SecondFileMark.size()), false);

    for (const int testNumber : p.filledSlots)
        p.store.slot(testNumber).fill(0);
    p.filledSlots.clear();
    return 0;
}
