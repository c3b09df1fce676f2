#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>

class QWidget;

namespace ui {

/// Files dragged onto a window, sorted into test files and the rest.
struct DroppedFiles {
    QStringList testFiles; ///< local ".cell" files (any letter case), in the order dropped
    QStringList refused;   ///< every other file or address, as the user would recognise it
};

/// Sorts what a file manager dropped.
DroppedFiles sortDroppedFiles(const QList<QUrl>& urls);

/// The message naming the refused files, one to a line.
QString refusedFilesMessage(const QStringList& refused);

/// Takes files dropped from a file manager anywhere on `window`, its fields included: the test files go
/// to `load` once the drop is over, as a list chosen in the open dialog would, and the others are named
/// in the error box. The drop is always a copy, so the file manager never removes a dropped file. Drags
/// that carry no files (text between fields) are left to the widgets.
class FileDrop final : public QObject {
public:
    using Loader = std::function<void(const QStringList& paths)>;

    FileDrop(QWidget& window, Loader load);
    ~FileDrop() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void take(const DroppedFiles& files);

    QWidget& m_window;
    Loader m_load;
};

} // namespace ui
