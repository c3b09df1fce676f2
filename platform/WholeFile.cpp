#include "platform/WholeFile.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "platform/Paths.h"

#include <QSaveFile>

namespace platform {

void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(nativePath(path));
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Error(messages::cannotCreateFile(path, file.errorString()));
}

} // namespace platform
