#include "ui/TestLoader.h"

#include "platform/Error.h"
#include "platform/Paths.h"
#include "records/CellFileReader.h"
#include "records/LoadMessages.h"
#include "ui/DecodedTest.h"
#include "ui/ErrorGuard.h"
#include "ui/ProgramState.h"
#include "ui/TestScreen.h"
#include "ui/Unit1.h"
#include "ui/UpdatesHeld.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <vector>

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
    // The window is drawn once, with the test on screen at the end, not asked to repaint for every file;
    // the message about files not loaded comes after that.
    const ui::UpdatesHeld held(m_form);
    const CurrentDirectoryRestorer restorer(m_form.state().ProgramFolder);
    std::vector<records::messages::FileNotLoaded> notLoaded;
    std::exception_ptr chartError; // of the test on screen
    DecodedTest decoded;
    for (const QString& path : loadingOrder(chosen)) {
        quint16 testNumber = 0;
        try {
            testNumber = prepare(path, decoded);
        } catch (...) {
            notLoaded.push_back({path, ui::errorText(std::current_exception())});
            continue;
        }
        chartError = take(path, testNumber, decoded);
    }

    QStringList messages;
    if (!notLoaded.empty()) messages << records::messages::filesNotLoaded(notLoaded);
    if (chartError) messages << ui::errorText(chartError);
    if (!messages.isEmpty()) throw platform::Error(messages.join(QStringLiteral("\n\n")));
}

quint16 TestLoader::prepare(const QString& path, DecodedTest& decoded)
{
    ProgramState& state = m_form.state();
    const records::LoadedFile file = records::readCellFile(path, m_buffer);
    m_candidate = state.RecordStore.slot(file.testNumber);
    records::overlayFile(m_candidate, m_buffer, file.size);
    decoded = decodeTest(m_candidate, state.TestRecord);
    return file.testNumber;
}

std::exception_ptr TestLoader::take(const QString& path, quint16 testNumber, const DecodedTest& decoded)
{
    ProgramState& state = m_form.state();
    state.RecordStore.slot(testNumber) = m_candidate;
    state.CurrentFileName = path;
    m_form.Edit7->setText(path);
    showDecodedTest(m_form, testNumber, decoded);

    // The test is stored and on screen whatever the chart makes of it, so it is listed all the same.
    std::exception_ptr chartError;
    try {
        m_form.ApplyChartKind();
    } catch (...) {
        chartError = std::current_exception();
    }
    m_form.SpeedButton4Click();
    listInSelector(testNumber);
    state.RecordLoaded = true;
    return chartError;
}

void TestLoader::listInSelector(quint16 testNumber)
{
    ProgramState& state = m_form.state();
    // Filling the list is no choice of the user's: it must not run the selector's change handler.
    const QSignalBlocker quiet(m_form.ComboBox1);
    m_form.ComboBox1->addItem(QString::number(testNumber));
    ++state.SelectorLastIndex;
    m_form.ComboBox1->setCurrentIndex(state.SelectorLastIndex);
}
