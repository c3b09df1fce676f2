#pragma once

#include "ui/OpenCellFilesDialog.h"

#include <QStringList>

namespace benchmarks {

/// An open dialog that answers at once with prepared files.
class PreparedChoice final : public CellFileChooser {
public:
    explicit PreparedChoice(QStringList files) : m_files(std::move(files)) {}
    QStringList chooseFiles(QWidget*, const QString&) override { return m_files; }

private:
    QStringList m_files;
};

} // namespace benchmarks
