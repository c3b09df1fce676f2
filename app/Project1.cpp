#include "platform/QtTranslations.h"
#include "ui/Fonts.h"
#include "ui/ProgramWindows.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("frostdil"));
    QApplication::setDesktopFileName(QStringLiteral("frostdil"));  // the desktop entry the windows belong to
    ui::loadFonts();
    QApplication::setFont(ui::uiFont(ui::DefaultPixelSize));  // message boxes and dialogs in the windows' face
    platform::installRussianQtTranslations();
    const auto windows = std::make_unique<ui::ProgramWindows>();
    return QApplication::exec();
}
