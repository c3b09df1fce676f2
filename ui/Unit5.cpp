#include "ui/Unit5.h"

#include "ui/Fonts.h"

TForm5::TForm5(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Справка"));
    setFont(ui::uiFont(ui::DefaultPixelSize));
    setFixedSize(1011, 460);
    move(3, 110);
}
