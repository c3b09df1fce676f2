#include "ui/ProgramWindows.h"

#include "ui/Icons.h"

#include <QApplication>

namespace ui {

ProgramWindows::ProgramWindows()
{
    // Every window and box of the program, the error box without a parent included, carries its icon.
    QApplication::setWindowIcon(programIcon());
    Form1.attachWindows(&Form2, &Form3, &Form4, &Form5);
    for (QWidget* window : {static_cast<QWidget*>(&Form2), static_cast<QWidget*>(&Form3),
                            static_cast<QWidget*>(&Form4), static_cast<QWidget*>(&Form5)})
        window->setAttribute(Qt::WA_QuitOnClose, false);
    Form1.show();
}

} // namespace ui
