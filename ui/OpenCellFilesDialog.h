#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QObject;
class QWidget;

/// Asks the user which test files to load. Tests hand in a chooser that returns a prepared list instead
/// of showing a dialog.
class CellFileChooser {
public:
    virtual ~CellFileChooser() = default;

    /// The chosen files as full paths, in the dialog's order; empty when the user cancels.
    virtual QStringList chooseFiles(QWidget* parent, const QString& initialFolder) = 0;
};

/// The file-open dialog of the load command: data files or all files, several at once.
class OpenCellFilesDialog final : public CellFileChooser {
public:
    static QStringList nameFilters();

    QStringList chooseFiles(QWidget* parent, const QString& initialFolder) override;
};

/// The open dialog of a window: a non-visual child named "OpenDialog1" that holds the chooser, created
/// with the real dialog on first use.
CellFileChooser& openDialog(QObject& window);

/// Replaces the chooser of a window's open dialog.
void setOpenDialog(QObject& window, std::unique_ptr<CellFileChooser> chooser);
