#pragma once

#include "tests/benchmarks/SimulatedArchive.h"
#include "ui/ErrorGuard.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace benchmarks {

/// A window benchmark's laboratory: a temporary folder, made the current one, with tests 1..count
/// simulated in its archive (`points(number)` points each). The program's error messages are collected
/// here instead of waiting in a message box for a click.
class Laboratory final {
public:
    Laboratory(int count, const std::function<int(int)>& points)
    {
        if (!m_folder.isValid()) return;
        QDir::setCurrent(m_folder.path());
        m_files = writeSimulatedArchive(m_folder.path(), count, points);
        ui::setErrorPresenter([this](const QString& text) { m_errors << text; });
    }
    Laboratory(const Laboratory&) = delete;
    Laboratory& operator=(const Laboratory&) = delete;

    bool isValid() const { return m_folder.isValid(); }
    /// The test files, in the order of their numbers.
    const QStringList& files() const { return m_files; }
    /// The messages the program has shown so far.
    const QStringList& errors() const { return m_errors; }

private:
    QTemporaryDir m_folder;
    QStringList m_files;
    QStringList m_errors;
};

} // namespace benchmarks
