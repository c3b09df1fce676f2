#include "platform/Paths.h"

#include <QDir>

namespace platform {

QString nativePath(const QString& path)
{
    QString native = path;
    native.replace(u'\\', u'/');
    return native;
}

QString currentDirectory()
{
    QString path = QDir::currentPath();
    if (path.size() > 1 && path.endsWith(u'/')) path.chop(1);
    return path;
}

bool setCurrentDirectory(const QString& path) { return QDir::setCurrent(nativePath(path)); }

} // namespace platform
