#include "ui/Unit2.h"

#include "ui/Fonts.h"
#include "ui/ProgramState.h"

TForm2::TForm2(ProgramState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_state(state)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Отчет"));
    setFont(ui::uiFont(ui::DefaultPixelSize));
    setFixedSize(1005, 686);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    move(3, 3);
}
