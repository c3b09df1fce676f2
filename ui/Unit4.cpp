#include "ui/Unit4.h"

#include "output/SignatureLines.h"
#include "platform/TextFile.h"
#include "ui/ErrorGuard.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"
#include "ui/ProgramState.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

TForm4::TForm4(ProgramState& state, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_state(state)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Настройки"));
    setFont(ui::uiFont(ui::DefaultPixelSize));
    setFixedSize(909, 94);
    move(41, 169);

    // The same size and font as the report's memo, so that the lines wrap as they will in the report.
    Memo2 = ui::place(new QPlainTextEdit(this), QStringLiteral("Memo2"), 19, 21, 874, 41);
    Memo2->setFrameShape(QFrame::NoFrame);
    Memo2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->document()->setDocumentMargin(1);
    Memo2->setPlainText(output::designSignatureLines().join(u'\n'));

    Button1 =
        ui::place(new QPushButton(QStringLiteral("ОК"), this), QStringLiteral("Button1"), 360, 72, 73, 17);
    Button2 = ui::place(new QPushButton(QStringLiteral("Отмена"), this), QStringLiteral("Button2"), 440, 72,
                        65, 17);
    // Enter belongs to the memo (a new line), not to a default button.
    for (QPushButton* button : {Button1, Button2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    ui::connectGuarded(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    ui::connectGuarded(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
}

void TForm4::FormShow()
{
    Memo2->clear();
    m_loadedText.clear();
    m_loadedText = platform::readTextFile(output::signatureFilePath(m_state.ProgramFolder));
    Memo2->setPlainText(output::signatureMemoText(m_loadedText));
}

void TForm4::Button1Click()
{
    // The raw text keeps what the plain text would change (a no-break space becomes a blank there).
    platform::writeTextFile(output::signatureFilePath(m_state.ProgramFolder),
                            output::signatureFileText(Memo2->document()->toRawText(), m_loadedText));
    accept();
}

void TForm4::Button2Click()
{
    reject();
}
