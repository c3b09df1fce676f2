#include "ui/Fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <fontconfig/fontconfig.h>

namespace ui {

QFont uiFont(int pixelSize, bool bold)
{
    QFont font(QString::fromLatin1(FaceFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

std::jthread readFontConfigurationAhead()
{
    // Qt's font database starts with FcInit() too, which then finds the configuration loaded.
    return std::jthread([] { FcInit(); });
}

void loadFonts()
{
    const QString family = QString::fromLatin1(FaceFamily);
    // The list as it stands: hasFamily() would first have fontconfig resolve the name as an alias, a
    // million instructions of every start for a name that is no alias.
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive)) return;
    // Debian's fonts-liberation puts the files here.
    const QDir folder(QStringLiteral("/usr/share/fonts/truetype/liberation"));
    for (const QString& file : folder.entryList({QStringLiteral("LiberationSans-*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(file));
}

} // namespace ui
