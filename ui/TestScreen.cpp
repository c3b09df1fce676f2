#include "ui/TestScreen.h"

#include "ui/ChartWidget.h"
#include "ui/DecodedTest.h"
#include "ui/ProgramState.h"
#include "ui/ResultsGridView.h"
#include "ui/ShapeHeading.h"
#include "ui/Unit1.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>

namespace {

// A stored index outside the list leaves the box with no item and a blank text.
void selectItem(QComboBox& box, int index) { box.setCurrentIndex(index >= 0 && index < box.count() ? index : -1); }

} // namespace

void showDecodedTest(TForm1& form, quint16 testNumber, const DecodedTest& decoded)
{
    ProgramState& state = form.state();
    state.TestRecord = decoded.record;
    state.CurrentTestNumber = testNumber;

    chartengine::Chart& chart = form.Chart1->chart();
    for (int series = 1; series <= 4; ++series) chart.clearSeries(series);

    form.DateTimePicker2->setTime(decoded.texts.time);
    form.DateTimePicker1->setDate(decoded.texts.date);
    form.Edit2->setText(decoded.texts.seriesText);
    selectItem(*form.ComboBox2, decoded.texts.concreteTypeIndex);
    selectItem(*form.ComboBox3, decoded.texts.shapeIndex);
    form.Edit6->setText(decoded.texts.strengthText);

    showResultsGrid(*form.StringGrid1, decoded.grid);
    form.Image7->showShape(decoded.grid.cube);
    form.Label11->setText(decoded.grid.meanText);
    form.Label13->setText(decoded.grid.gradeText);

    for (int series = 13; series <= 15; ++series) chart.clearSeries(series);
}
