// Loading test files and decoding the chosen test.
#include "platform/Error.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "records/LoadMessages.h"
#include "records/TestNumberText.h"
#include "ui/DecodedTest.h"
#include "ui/OpenCellFilesDialog.h"
#include "ui/ProgramState.h"
#include "ui/TestLoader.h"
#include "ui/TestScreen.h"
#include "ui/Unit1.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <optional>

namespace {

/// The loaded test a text in the selector names: a number whose low 16 bits are the number of a test
/// listed there. None for any other text.
std::optional<quint16> listedTestNumber(const QComboBox& selector, const QString& text)
{
    const std::optional<std::int32_t> number = records::integerOfText(text);
    if (!number) return std::nullopt;
    const quint16 testNumber = records::selectorTestNumber(*number);
    if (selector.findText(QString::number(testNumber)) < 0) return std::nullopt;
    return testNumber;
}

} // namespace

void TForm1::N3Click()
{
    const QString archive = platform::nativePath(m_state.ProgramFolder + QStringLiteral("\\Archive"));
    const QStringList chosen = openDialog(*this).chooseFiles(this, archive);
    if (chosen.isEmpty()) return;
    TestLoader(*this).load(chosen);
}

void TForm1::ComboBox1Change()
{
    const QString text = ComboBox1->currentText();
    // An empty text shows the current test again.
    if (text.isEmpty()) {
        if (m_state.CurrentTestNumber != 0) DecodeTestRecord(m_state.CurrentTestNumber);
        return;
    }
    // Typing passes through numbers of tests never loaded ("1" on the way to "198"); they choose nothing
    // until Enter or leaving the field ends the typing.
    if (const std::optional<quint16> testNumber = listedTestNumber(*ComboBox1, text))
        DecodeTestRecord(*testNumber);
}

void TForm1::ComboBox1EditingFinished()
{
    const QString text = ComboBox1->currentText();
    const bool testChosen = text.isEmpty() || listedTestNumber(*ComboBox1, text);
    // The selector names the test on screen again, also after a failed choice: the journal and the user
    // must never take another number for the values shown.
    {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->setEditText(m_state.currentTestNumberText());
    }
    if (testChosen) return;
    const std::optional<std::int32_t> number = records::integerOfText(text);
    throw platform::Error(number ? records::messages::selectorTestNotLoaded(*number)
                                 : platform::messages::notValidInteger(text));
}

void TForm1::DecodeTestRecord(quint16 testNumber)
{
    if (!records::RecordStore::holdsTestNumber(testNumber))
        throw platform::Error(records::messages::selectorNumberOutOfRange(testNumber));
    // Decoded aside first: a test that fails to decode leaves the previous one on screen, whole.
    showDecodedTest(*this, testNumber, decodeTest(m_state.RecordStore.slot(testNumber), m_state.TestRecord));
    ApplyChartKind();
}
