#include "charts/ChartKinds.h"

#include "chartengine/Chart.h"
#include "charts/KindFills.h"

#include <array>

namespace charts {

namespace {

const QString timeCaption = QStringLiteral("Время, с");
const QString volumeCaption = QStringLiteral("Изменение объема, см куб");
const QString temperatureCaption =
    QStringLiteral("Температура, С"); // a Cyrillic Es, as the laboratory writes it

const std::array<ChartKindTexts, 4> kindTexts = {{
    {QStringLiteral("График зависимости изменения объема камеры от времени"), timeCaption, volumeCaption,
     false},
    {QStringLiteral("График зависимости изменения температуры внутри камеры от времени"), timeCaption,
     temperatureCaption, false},
    {QStringLiteral("График зависимости изменения объема камеры от температуры"), temperatureCaption,
     volumeCaption, true},
    {QStringLiteral("График зависимости изменения объема образца от времени"), timeCaption, volumeCaption,
     false},
}};

} // namespace

const ChartKindTexts& chartKindTexts(int kind)
{
    return kindTexts[static_cast<std::size_t>(kind - 1)];
}

std::optional<int> chartKindOfItem(int index)
{
    if (index < 0 || index >= static_cast<int>(kindTexts.size())) return std::nullopt;
    return index + 1;
}

void ApplyChartKind(chartengine::Chart& chart, records::TestRecord& record, const ChartKindRequest& request,
                    int& chartKind, ResultCurves& curves, const std::function<void()>& updateChamberSelection)
{
    if (const std::optional<int> kind = chartKindOfItem(request.selectedItem)) {
        const ChartKindTexts& texts = chartKindTexts(*kind);
        chart.setBottomAxisInverted(texts.bottomInverted);
        chart.clearTitle();
        chart.addTitleLine(texts.title);
        chart.setBottomAxisCaption(texts.bottomCaption);
        chart.setLeftAxisCaption(texts.leftCaption);
        chartKind = *kind;
        switch (*kind) {
        case VolumeTimeKind:
            FillVolumeTimeChart(chart, record);
            break;
        case TemperatureTimeKind:
            FillTemperatureTimeChart(chart, record, request.fridgeCurve);
            break;
        case VolumeTemperatureKind:
            FillVolumeTemperatureChart(chart, record);
            break;
        case ResultKind:
            // The curves drawn so far may belong to another record; until the fill has recomputed them
            // the cursor must not read them.
            curves = {};
            updateChamberSelection();
            if (request.recordLoaded) FillResultChart(chart, record, curves);
            break;
        }
    }
    updateChamberSelection();
}

} // namespace charts
