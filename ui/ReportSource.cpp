#include "ui/ReportSource.h"

#include "ui/ProgramState.h"
#include "ui/Unit1.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace ui {

output::ReportSource reportSourceOf(const TForm1& form)
{
    output::ReportSource source;
    // The selector may hold a number still being typed; the journal names the test whose values it prints.
    source.testNumber = form.state().currentTestNumberText();
    source.series = form.Edit2->text();
    source.manufactureDate = form.Edit3->text();
    source.shape = form.ComboBox3->currentText();
    source.testDate = form.DateTimePicker1->date();
    for (int row = 0; row < processing::GridRows; ++row)
        for (int column = 0; column < processing::GridColumns; ++column)
            if (const QTableWidgetItem* item = form.StringGrid1->item(row, column))
                source.grid[row][column] = item->text();
    source.meanText = form.Label11->text();
    source.gradeText = form.Label13->text();
    return source;
}

} // namespace ui
