#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QFileDialog;
class QLabel;
class QWidget;

namespace ui {

/// The picture types the save dialog offers, in order; the fourth, "Bitmaps (*.bmp)", is the first
/// choice. Whatever is chosen, the chart is written as BMP.
QStringList pictureFileFilters();

/// The picture file at `path` scaled to fit `box`, for the dialog's preview pane; null when the file is
/// not a picture this program can read (BMP, JPEG, icons, ...).
QPixmap picturePreview(const QString& path, QSize box);

/// The save dialog for the chart picture: non-native so that it has a preview pane beside the file
/// list, no places bar, default suffix "bmp", no question before an existing file is replaced. It offers
/// the name and the type chosen last again while the program runs.
class SavePictureDialog final {
public:
    /// Asks for the file; an empty text when the user cancels.
    QString exec(QWidget* parent);

    /// Sets up `dialog` with the types, the remembered choices and the preview pane `preview`.
    void configure(QFileDialog& dialog, QLabel* preview) const;

private:
    QString m_lastFile;
    QString m_lastFilter = pictureFileFilters().at(3);
};

/// Asks for the name of a picture file to write; an empty text when the user cancels.
using PictureFileChooser = std::function<QString(QWidget* parent)>;

/// Replaces the chooser (tests do); returns the one that was set. An empty function puts back the dialog.
PictureFileChooser setPictureFileChooser(PictureFileChooser chooser);

/// Runs the current chooser: by default the program's one SavePictureDialog.
QString choosePictureFile(QWidget* parent);

} // namespace ui
