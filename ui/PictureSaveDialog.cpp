#include "ui/PictureSaveDialog.h"

#include "ui/Seam.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

namespace ui {
namespace {

constexpr QSize PreviewBox(160, 160);

QString defaultChooser(QWidget* parent)
{
    static SavePictureDialog dialog;
    return dialog.exec(parent);
}

Seam<QString(QWidget*)>& currentChooser()
{
    static Seam<QString(QWidget*)> chooser(defaultChooser);
    return chooser;
}

} // namespace

QStringList pictureFileFilters()
{
    return {
        QStringLiteral("All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)"),
        QStringLiteral("JPEG Image File (*.jpg)"),
        QStringLiteral("JPEG Image File (*.jpeg)"),
        QStringLiteral("Bitmaps (*.bmp)"),
        QStringLiteral("Icons (*.ico)"),
        QStringLiteral("Enhanced Metafiles (*.emf)"),
        QStringLiteral("Metafiles (*.wmf)"),
    };
}

QPixmap picturePreview(const QString& path, QSize box)
{
    if (path.isEmpty()) return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) return {};
    const QImage fitted = image.width() > box.width() || image.height() > box.height()
                              ? image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              : image;
    return QPixmap::fromImage(fitted);
}

void SavePictureDialog::configure(QFileDialog& dialog, QLabel* preview) const
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    // The dialog takes the patterns of a type apart at blanks, so "All" with its patterns joined by
    // semicolons would match no file: it works with blanks and shows the entries as they are written
    // (a type is selected and reported by the text shown).
    QStringList filters = pictureFileFilters();
    for (QString& filter : filters)
        filter.replace(u';', u' ');
    dialog.setNameFilters(filters);
    if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        for (int i = 0; i < types->count() && i < pictureFileFilters().size(); ++i)
            types->setItemText(i, pictureFileFilters().at(i));
    dialog.selectNameFilter(m_lastFilter);
    if (!m_lastFile.isEmpty()) dialog.selectFile(m_lastFile);

    if (auto* sidebar = dialog.findChild<QWidget*>(QStringLiteral("sidebar"))) sidebar->hide();
    dialog.resize(860, 480); // the file list and the preview side by side without crowding

    preview->setObjectName(QStringLiteral("PicturePreview"));
    preview->setFixedSize(PreviewBox);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
        preview->setPixmap(picturePreview(path, PreviewBox));
    });
}

QString SavePictureDialog::exec(QWidget* parent)
{
    QFileDialog dialog(parent);
    auto* preview = new QLabel(&dialog);
    configure(dialog, preview);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    m_lastFile = dialog.selectedFiles().constFirst();
    m_lastFilter = dialog.selectedNameFilter();
    return m_lastFile;
}

PictureFileChooser setPictureFileChooser(PictureFileChooser chooser)
{
    return currentChooser().replace(std::move(chooser));
}

QString choosePictureFile(QWidget* parent)
{
    return currentChooser()(parent);
}

} // namespace ui
