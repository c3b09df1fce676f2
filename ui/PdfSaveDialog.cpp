#include "ui/PdfSaveDialog.h"

#include "ui/Seam.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace ui {
namespace {

QString saveDialog(QWidget* parent, const QString& suggestedName)
{
    static QString lastFolder;
    QFileDialog dialog(parent, QStringLiteral("Сохранить PDF"));
    // Qt's own dialog speaks the program's Russian; a desktop's native one would follow the session.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Документы PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(lastFolder.isEmpty() ? QDir::currentPath() : lastFolder);
    dialog.selectFile(suggestedName);
    dialog.setSizeGripEnabled(true);
    dialog.resize(760, 480);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(path).absolutePath();
    return path;
}

Seam<QString(QWidget*, const QString&)>& currentChooser()
{
    static Seam<QString(QWidget*, const QString&)> chooser(saveDialog);
    return chooser;
}

} // namespace

PdfFileChooser setPdfFileChooser(PdfFileChooser chooser)
{
    return currentChooser().replace(std::move(chooser));
}

QString choosePdfFile(QWidget* parent, const QString& suggestedName)
{
    return currentChooser()(parent, suggestedName);
}

} // namespace ui
