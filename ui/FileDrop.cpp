#include "ui/FileDrop.h"

#include "ui/ErrorGuard.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace ui {

DroppedFiles sortDroppedFiles(const QList<QUrl>& urls)
{
    DroppedFiles files;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) {
            files.refused << url.toDisplayString();
            continue;
        }
        const QString path = url.toLocalFile();
        if (path.endsWith(QStringLiteral(".cell"), Qt::CaseInsensitive))
            files.testFiles << path;
        else
            files.refused << QDir::toNativeSeparators(path);
    }
    return files;
}

QString refusedFilesMessage(const QStringList& refused)
{
    return QStringLiteral("Загружаются только файлы испытаний *.cell.\nНе загружены:\n") +
           refused.join(u'\n');
}

FileDrop::FileDrop(QWidget& window, Loader load) : QObject(&window), m_window(window), m_load(std::move(load))
{
    // Qt hands a drag to the innermost widget under the cursor that accepts drops: the window accepts
    // them so that every part of it is a target, and the filter sees the drag before a field that would
    // take a file's path as text.
    m_window.setAcceptDrops(true);
    qApp->installEventFilter(this);
}

FileDrop::~FileDrop()
{
    qApp->removeEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != &m_window) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls()) return false;

    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // The file manager waits for the drop to end: loading, and any message box it shows, come after.
        const DroppedFiles files = sortDroppedFiles(drop->mimeData()->urls());
        QMetaObject::invokeMethod(
            this, [this, files] { take(files); }, Qt::QueuedConnection);
    }
    return true;
}

void FileDrop::take(const DroppedFiles& files)
{
    if (!files.testFiles.isEmpty()) runGuarded([this, &files] { m_load(files.testFiles); });
    if (!files.refused.isEmpty()) runGuarded([&files] { presentError(refusedFilesMessage(files.refused)); });
}

} // namespace ui
