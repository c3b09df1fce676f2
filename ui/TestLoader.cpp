#include "ui/TestLoader.h"

#include "platform/Paths.h"
#include "records/CellFileReader.h"
#include "ui/DecodedTest.h"
#include "ui/ProgramState.h"
#include "ui/TestScreen.h"
#include "ui/Unit1.h"
#include "ui/UpdatesHeld.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <exception>

namespace {

// The file dialog may leave the process in another folder; the program's relative paths need its own.
class CurrentDirectoryRestorer final {
public:
    explicit CurrentDirectoryRestorer(const QString& folder) : m_folder(folder) {}
    ~CurrentDirectoryRestorer() { platform::setCurrentDirectory(m_folder); }
    CurrentDirectoryRestorer(const CurrentDirectoryRestorer&) = delete;
    CurrentDirectoryRestorer& operator=(const CurrentDirectoryRestorer&) = delete;

private:
    QString m_folder;
};

} // namespace

QStringList TestLoader::loadingOrder(const QStringList& chosen)
{
    if (chosen.size() < 2) return chosen;
    QStringList order = chosen.mid(1);
    order.append(chosen.first());
    return order;
}

void TestLoader::load(const QStringList& chosen)
{
    // The window is drawn once, with the test on screen at the end, not asked to repaint for every file.
    const ui::UpdatesHeld held(m_form);
    for (const QString& path : loadingOrder(chosen)) loadFile(path);
}

void TestLoader::loadFile(const QString& path)
{
    ProgramState& state = m_form.state();
    const CurrentDirectoryRestorer restorer(state.ProgramFolder);

    const records::LoadedFile file = records::readCellFile(path, m_buffer);
    records::Slot& slot = state.RecordStore.slot(file.testNumber);
    m_candidate = slot;
    records::overlayFile(m_candidate, m_buffer, file.size);
    const DecodedTest decoded = decodeTest(m_candidate, state.TestRecord);

    // From here on the file is taken.
    slot = m_candidate;
    state.CurrentFileName = path;
    m_form.Edit7->setText(path);
    showDecodedTest(m_form, file.testNumber, decoded);

    // The test is stored and on screen whatever the chart makes of it, so it is listed before a chart
    // error is passed on.
    std::exception_ptr chartError;
    try {
        m_form.ApplyChartKind();
    } catch (...) {
        chartError = std::current_exception();
    }
    m_form.SpeedButton4Click();
    listInSelector(file.testNumber);
    state.RecordLoaded = true;
    if (chartError) std::rethrow_exception(chartError);
}

void TestLoader::listInSelector(quint16 testNumber)
{
    ProgramState& state = m_form.state();
    // Filling the list is no choice of the user's: it must not run the selector's change handler.
    const QSignalBlocker quiet(m_form.ComboBox1);
    const QString text = QString::number(testNumber);
    m_form.ComboBox1->addItem(text);
    ++state.SelectorLastIndex;
    // With the number already in the edit field, selecting its item does not make the selector's completer
    // filter the whole list again, which made loading many files take time growing with the square.
    m_form.ComboBox1->setEditText(text);
    m_form.ComboBox1->setCurrentIndex(state.SelectorLastIndex);
}
