#include "platform/QtTranslations.h"
#include "ui/Fonts.h"
#include "ui/ProgramWindows.h"

#include <QApplication>

#include <memory>
#include <thread>

int main(int argc, char** argv)
{
    // Both cores at work: fontconfig reads its files while the application connects to the display.
    std::jthread fontConfiguration = ui::readFontConfigurationAhead();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("frostdil"));
    QApplication::setDesktopFileName(QStringLiteral("frostdil"));  // the desktop entry the windows belong to
    fontConfiguration.join();
    ui::loadFonts();
    QApplication::setFont(ui::uiFont(ui::DefaultPixelSize));  // message boxes and dialogs in the windows' face
    platform::installRussianQtTranslations();
    const auto windows = std::make_unique<ui::ProgramWindows>();
    return QApplication::exec();
}
