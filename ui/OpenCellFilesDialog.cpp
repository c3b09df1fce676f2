#include "ui/OpenCellFilesDialog.h"

#include <QFileDialog>

namespace {

const QString ComponentName = QStringLiteral("OpenDialog1");

class OpenDialogComponent final : public QObject {
public:
    explicit OpenDialogComponent(QObject& window) : QObject(&window) { setObjectName(ComponentName); }

    std::unique_ptr<CellFileChooser> chooser = std::make_unique<OpenCellFilesDialog>();
};

OpenDialogComponent& component(QObject& window)
{
    const auto children = window.findChildren<QObject*>(ComponentName, Qt::FindDirectChildrenOnly);
    for (QObject* child : children)
        if (auto* found = dynamic_cast<OpenDialogComponent*>(child)) return *found;
    return *new OpenDialogComponent(window);
}

} // namespace

QStringList OpenCellFilesDialog::nameFilters()
{
    // The blank before the second caption is part of it.
    return {QStringLiteral("Файлы данных ЗОЛТ-9 (*.cell)"), QStringLiteral(" Все файлы (*.*)")};
}

QStringList OpenCellFilesDialog::chooseFiles(QWidget* parent, const QString& initialFolder)
{
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog speaks the program's Russian; a desktop's native one would follow the session.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(nameFilters());
    dialog.setDirectory(initialFolder);
    dialog.setSizeGripEnabled(true);
    dialog.resize(760, 480);  // room for the archive's names, sizes and dates without eliding them
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

CellFileChooser& openDialog(QObject& window) { return *component(window).chooser; }

void setOpenDialog(QObject& window, std::unique_ptr<CellFileChooser> chooser)
{
    component(window).chooser = std::move(chooser);
}
