#pragma once

#include "charts/ResultChart.h"
#include "records/RecordStore.h"
#include "records/TestRecord.h"

#include <QString>
#include <QtGlobal>

#include <optional>

/// The program-wide state: one instance, created at start-up, handed to the main window, alive until the
/// program ends. The grade names are the constant table processing::GradeNames.
struct ProgramState final {
    records::RecordStore RecordStore;  ///< raw bytes of every loaded test, slot n for test number n
    records::TestRecord TestRecord;    ///< the decoded test on screen

    quint16 CurrentTestNumber = 0;
    QString CurrentFileName;
    QString ProgramFolder;  ///< the current directory at start-up, without a trailing separator
    bool RecordLoaded = false;
    qint32 SelectorLastIndex = -1;  ///< item index of the last test number added to ComboBox1
    int ChartKind = 0;              ///< 0 none applied yet, 1 dV = f(t), 2 T = f(t), 3 dV = f(T), 4 result
    records::ByChamber<bool, records::ChamberCount> ChamberShown;  ///< chambers 1..4
    std::optional<int> SelectedChamber;                              ///< 1..4, or none
    charts::ResultCurves ResultCurves;  ///< the result curves on the chart, which the cursor may read

    /// The number of the test on screen as the test selector lists it; empty before the first test.
    QString currentTestNumberText() const
    {
        return CurrentTestNumber != 0 ? QString::number(CurrentTestNumber) : QString();
    }
};
