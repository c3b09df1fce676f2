#include "ui/Fonts.h"
#include "ui/ProgramState.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("frostdil"));
    ui::loadFonts();

    const auto state = std::make_unique<ProgramState>();
    TForm1 form1(*state);
    form1.show();
    TForm2 form2(*state);
    TForm3 form3;
    TForm4 form4(*state);
    TForm5 form5;
    form1.attachWindows(&form2, &form3, &form4, &form5);

    // Closing the main window ends the program, whatever else is open.
    for (QWidget* window : {static_cast<QWidget*>(&form2), static_cast<QWidget*>(&form3),
                            static_cast<QWidget*>(&form4), static_cast<QWidget*>(&form5)})
        window->setAttribute(Qt::WA_QuitOnClose, false);

    return QApplication::exec();
}
