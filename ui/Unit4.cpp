#include "ui/Unit4.h"

#include "ui/Fonts.h"
#include "ui/ProgramState.h"

TForm4::TForm4(ProgramState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_state(state)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Настройки"));
    setFont(ui::uiFont(ui::DefaultPixelSize));
    setFixedSize(909, 94);
    move(41, 169);
}
