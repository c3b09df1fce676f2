#include "ui/Fonts.h"
#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("frostdil"));
    QApplication::setDesktopFileName(QStringLiteral("frostdil"));  // the desktop entry the windows belong to
    ui::loadFonts();
    QApplication::setFont(ui::uiFont(ui::DefaultPixelSize));  // message boxes and dialogs in the windows' face
    // The platform's own dialogs (open, save, print) speak the user's language, as they do elsewhere.
    QTranslator platformDialogs;
    if (platformDialogs.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&platformDialogs);
    const auto windows = std::make_unique<ui::ProgramWindows>();
    return QApplication::exec();
}
