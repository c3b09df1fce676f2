#include "ui/Unit3.h"

#include "ui/Fonts.h"

#include <QGuiApplication>
#include <QScreen>

TForm3::TForm3(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("О программе"));
    setFont(ui::uiFont(ui::DefaultPixelSize));
    setFixedSize(438, 331);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect centred(QPoint(0, 0), size());
        centred.moveCenter(screen->geometry().center());
        move(centred.topLeft());
    }
}
