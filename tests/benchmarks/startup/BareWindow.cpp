// The yardstick of the program's start: a bare Qt main window of the program's size with one menu of
// a few commands, built with the same compiler, flags and Qt.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("Файл"));
    for (const char* command : {"Открыть", "Сохранить", "Печать", "Выход"})
        file->addAction(QString::fromUtf8(command));
    window.menuBar()->addMenu(QStringLiteral("Справка"))->addAction(QStringLiteral("О программе"));
    window.resize(993, 652);
    window.show();
    return QApplication::exec();
}
