#pragma once

#include <QString>
#include <QStringList>

namespace cellexport {

enum class ExportMode {
    Json,    ///< FILE...: the evaluations as one JSON document
    Csv,     ///< --csv FILE: the series of one test
    Table,   ///< --table FILE...: one results row per test
    Help,    ///< --help
    Version, ///< --version
};

/// The command line of `cellexport` after its program name, as read.
struct ExportOptions {
    ExportMode mode = ExportMode::Json;
    bool decimalComma = false; ///< --decimal-comma, for --csv and --table
    QStringList files;
    QString problem; ///< what is wrong with the command line; empty when nothing is
};

/// Reads the command line. --help or --version anywhere wins over everything else; otherwise at most
/// one of --csv and --table, --decimal-comma only with one of them, --csv with exactly one file and
/// the others with at least one. Arguments not starting with "--" are files.
ExportOptions parseExportOptions(const QStringList& arguments);

} // namespace cellexport
