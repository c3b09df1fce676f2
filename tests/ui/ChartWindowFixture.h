#pragma once

#include "tests/charts/ChartFixtures.h"
#include "ui/ChartWidget.h"
#include "ui/ErrorGuard.h"
#include "ui/ProgramState.h"
#include "ui/RadioGroup.h"
#include "ui/Unit1.h"

#include <QRadioButton>
#include <QStringList>
#include <memory>

// A main window whose record is filled directly, driven through its own controls and handlers.
namespace chartwindow {

class ChartWindow final {
public:
    ChartWindow()
    {
        state = std::make_unique<ProgramState>();
        form = std::make_unique<TForm1>(*state);
        m_previousPresenter = ui::setErrorPresenter([this](const QString& text) { errors << text; });
    }

    ~ChartWindow() { ui::setErrorPresenter(m_previousPresenter); }

    ChartWindow(const ChartWindow&) = delete;
    ChartWindow& operator=(const ChartWindow&) = delete;

    /// Puts a record on screen as the loader does after decoding a file other than the first: the chart
    /// kind applied, then chamber 4's toggle re-applied.
    void show(const records::TestRecord& record)
    {
        state->TestRecord = record;
        state->RecordLoaded = true;
        ui::runGuarded([this] {
            form->ApplyChartKind();
            form->SpeedButton4Click();
        });
    }

    /// The user clicks item `item` of the chart-kind selector.
    void chooseKind(int item) { form->RadioGroup1->button(item)->click(); }

    chartengine::Chart& chart() { return form->Chart1->chart(); }
    int points(int series) { return chart().series(series).count(); }

    std::unique_ptr<ProgramState> state;
    std::unique_ptr<TForm1> form;
    QStringList errors;

private:
    ui::ErrorPresenter m_previousPresenter;
};

} // namespace chartwindow
