#include "platform/TextFile.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "platform/Paths.h"
#include "platform/Windows1251.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

QStringList readTextLines(const QString& path)
{
    QFile file(nativePath(path));
    if (!file.open(QIODevice::ReadOnly)) throw Error(messages::cannotOpenFile(path, file.errorString()));
    return textLines(file.readAll());
}

QStringList textLines(const QByteArray& bytes)
{
    const QString text = decodeWindows1251(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

void writeTextFile(const QString& path, const QString& text)
{
    QSaveFile file(nativePath(path));
    if (!file.open(QIODevice::WriteOnly)) throw Error(messages::cannotCreateFile(path, file.errorString()));
    file.write(encodeWindows1251(text));
    if (!file.commit()) throw Error(messages::cannotCreateFile(path, file.errorString()));
}

} // namespace platform
