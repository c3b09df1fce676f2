#include "ui/Unit4.h"

#include "output/SignatureLines.h"
#include "ui/ErrorGuard.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"
#include "ui/ProgramState.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString signaturePath(const ProgramState& state)
{
    return state.ProgramFolder + QStringLiteral("/Temp/N.ns");
}

} // namespace

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

bool TForm4::event(QEvent* event)
{
    if (m_activation.isActivation(event)) ui::runGuarded([this] { FormActivate(); });
    return QDialog::event(event);
}

void TForm4::FormActivate()
{
    Memo2->clear();
    Memo2->setPlainText(output::readSignatureLines(signaturePath(m_state)).join(u'\n'));
}

void TForm4::Button1Click()
{
    output::writeSignatureLines(signaturePath(m_state), Memo2->toPlainText());
    accept();
}

void TForm4::Button2Click()
{
    reject();
}
