// Chart kinds, chamber toggles and the cursor readout: the window reads its controls, charts/ does the work.
#include "charts/ChamberSelection.h"
#include "charts/ChartKinds.h"
#include "charts/CursorReadout.h"
#include "charts/KindFills.h"
#include "charts/SeriesLayout.h"
#include "ui/ChartWidget.h"
#include "ui/ProgramState.h"
#include "ui/RadioGroup.h"
#include "ui/Unit1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>

namespace {

constexpr int TemperatureTimeItem = 1;

void toggleChamber(TForm1& form, int chamber, const QToolButton& button, QLabel& colourKey)
{
    chartengine::Chart& chart = form.Chart1->chart();
    chart.clearSeries(charts::CursorSeries);
    form.TrackBar1->setValue(0);
    const bool shown = button.isChecked();
    colourKey.setVisible(shown);
    for (int series : charts::toggledSeries(chamber))
        chart.setSeriesActive(series, shown);
    form.state().ChamberShown[chamber] = shown;
    form.UpdateChamberSelection();
}

// What the cursor reads at the track bar's position: none without a selected chamber or where the selected
// chamber has nothing to read in the kind shown.
std::optional<charts::CursorReadout> readoutAtTrackBar(const TForm1& form)
{
    const ProgramState& state = form.state();
    if (!state.SelectedChamber) return std::nullopt;
    return charts::ReadCursor(state.ChartKind, *state.SelectedChamber, form.TrackBar1->value(),
                              state.TestRecord, state.ResultCurves);
}

} // namespace

void TForm1::ApplyChartKind()
{
    charts::ChartKindRequest request;
    request.selectedItem = RadioGroup1->itemIndex();
    request.recordLoaded = m_state.RecordLoaded;
    request.fridgeCurve = CheckBox1->isChecked();
    charts::ApplyChartKind(Chart1->chart(), m_state.TestRecord, request, m_state.ChartKind,
                           m_state.ResultCurves, [this] { UpdateChamberSelection(); });
}

void TForm1::RadioGroup1Click()
{
    ApplyChartKind();
}

void TForm1::CheckBox1Click()
{
    // The box only matters to T = f(t); another kind picks up its state the next time T = f(t) is drawn.
    if (RadioGroup1->itemIndex() == TemperatureTimeItem)
        charts::FillTemperatureTimeChart(Chart1->chart(), m_state.TestRecord, CheckBox1->isChecked());
}

void TForm1::SpeedButton1Click()
{
    toggleChamber(*this, 1, *SpeedButton1, *Image1);
}

void TForm1::SpeedButton2Click()
{
    toggleChamber(*this, 2, *SpeedButton2, *Image2);
}

void TForm1::SpeedButton3Click()
{
    toggleChamber(*this, 3, *SpeedButton3, *Image3);
}

void TForm1::SpeedButton4Click()
{
    toggleChamber(*this, 4, *SpeedButton4, *Image4);
}

void TForm1::UpdateChamberSelection()
{
    chartengine::Chart& chart = Chart1->chart();
    chart.clearSeries(charts::CursorSeries);
    const charts::ChamberSelection selection =
        charts::SelectChamber(m_state.ChamberShown, m_state.TestRecord, m_state.ChartKind,
                              m_state.ResultCurves, TrackBar1->maximum());
    m_state.SelectedChamber = selection.chamber;
    Label19->setText(selection.chamberText);
    // QSlider moves its position into a new range and reports it only when it really moves, so the cursor
    // reads the clamped slot exactly when the position changes.
    if (selection.slotRange) TrackBar1->setRange(selection.slotRange->minimum, selection.slotRange->maximum);
    if (selection.firstCaption) Label17->setText(*selection.firstCaption);
    if (selection.secondCaption) Label18->setText(*selection.secondCaption);
    TrackBar1->setValue(TrackBar1->minimum());
    chart.clearSeries(charts::CursorSeries);
    // The position may have stayed, so no position change has written the readout: it would still show
    // another chamber's, kind's or test's values under the new selection.
    const std::optional<charts::CursorReadout> readout = readoutAtTrackBar(*this);
    Edit4->setText(readout ? readout->firstText : QString());
    Edit5->setText(readout ? readout->secondText : QString());
}

void TForm1::TrackBar1Change()
{
    chartengine::Chart& chart = Chart1->chart();
    chart.clearSeries(charts::CursorSeries);
    const std::optional<charts::CursorReadout> readout = readoutAtTrackBar(*this);
    if (!readout) return;
    charts::DrawCursor(chart, readout->x);
    Edit4->setText(readout->firstText);
    Edit5->setText(readout->secondText);
}
