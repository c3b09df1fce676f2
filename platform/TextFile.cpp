#include "platform/TextFile.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"
#include "platform/Windows1251.h"

#include <QFile>

namespace platform {

QString readTextFile(const QString& path)
{
    QFile file(nativePath(path));
    if (!file.open(QIODevice::ReadOnly)) throw Error(messages::cannotOpenFile(path, file.errorString()));
    return decodeWindows1251(file.readAll());
}

void writeTextFile(const QString& path, const QString& text)
{
    writeWholeFile(path, encodeWindows1251(text));
}

} // namespace platform
