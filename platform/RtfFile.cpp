#include "platform/RtfFile.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/Rtf.h"
#include "platform/Windows1251.h"

#include <QFile>
#include <QTextDocument>

namespace platform {

void loadRtfOrText(QTextDocument& document, const QByteArray& bytes)
{
    document.clear();
    if (isRtf(bytes)) {
        loadRtf(document, bytes);
        return;
    }
    if (bytes.contains('\0')) throw Error(messages::failedToLoadStream());
    QString text = decodeWindows1251(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    document.setPlainText(text);
}

void loadRtfFile(QTextDocument& document, const QString& path)
{
    document.clear();
    QFile file(nativePath(path));
    if (!file.open(QIODevice::ReadOnly)) throw Error(messages::cannotOpenFile(path, file.errorString()));
    if (file.size() > maxRtfFileSize) throw Error(messages::failedToLoadStream());
    const QByteArray bytes = file.read(maxRtfFileSize + 1);
    if (file.error() != QFileDevice::NoError) throw Error(messages::cannotOpenFile(path, file.errorString()));
    if (bytes.size() > maxRtfFileSize) throw Error(messages::failedToLoadStream());
    loadRtfOrText(document, bytes);
}

} // namespace platform
