#include "ui/Unit3.h"

#include "ui/DeferredPicture.h"
#include "ui/ErrorGuard.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"
#include "ui/about/AboutPicture.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

TForm3::TForm3(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("О программе"));
    setFont(ui::uiFont(ui::DefaultPixelSize));
    setFixedSize(438, 331);
    // The window itself paints nothing: what the picture leaves transparent shows the desktop.
    setAttribute(Qt::WA_TranslucentBackground);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect centred(QPoint(0, 0), size());
        centred.moveCenter(screen->geometry().center());
        move(centred.topLeft());
    }

    // The card is drawn when the window is first painted: drawing it while the program starts cost a tenth
    // of the start.
    Image1 =
        ui::place(new ui::DeferredPicture(ui::aboutPicture, this), QStringLiteral("Image1"), 0, 0, 441, 337);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Button1 =
        ui::place(new QPushButton(QStringLiteral("ОК"), this), QStringLiteral("Button1"), 192, 296, 65, 25);
    Button1->setDefault(true);
    ui::connectGuarded(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::Button1Click()
{
    close();
}
