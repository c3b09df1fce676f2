// Loading test files and decoding the chosen test.
#include "ui/Unit1.h"

#include "platform/Error.h"
#include "platform/Paths.h"
#include "records/LoadMessages.h"
#include "records/TestNumberText.h"
#include "ui/DecodedTest.h"
#include "ui/OpenCellFilesDialog.h"
#include "ui/ProgramState.h"
#include "ui/TestLoader.h"
#include "ui/TestScreen.h"

#include <QComboBox>

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
    const quint16 testNumber = text.isEmpty() ? m_state.CurrentTestNumber : records::selectorTestNumber(text);
    if (testNumber == 0) return;
    DecodeTestRecord(testNumber);
}

void TForm1::DecodeTestRecord(quint16 testNumber)
{
    if (!records::RecordStore::holdsTestNumber(testNumber))
        throw platform::Error(records::messages::selectorNumberOutOfRange(testNumber));
    // Decoded aside first: a test that fails to decode leaves the previous one on screen, whole.
    showDecodedTest(*this, testNumber, decodeTest(m_state.RecordStore.slot(testNumber), m_state.TestRecord));
    ApplyChartKind();
}
