#pragma once

#include "tools/cellexport/RunOutput.h"

#include <QStringList>

namespace cellexport {

/// The whole run of `cellexport` after its program name:
///   FILE...                          one JSON document {"tests": [...]} written as UTF-8 to `out`, each
///                                    file as soon as it is evaluated;
///   --csv [--decimal-comma] FILE     the series of one test as CSV on `out`;
///   --table [--decimal-comma] FILE...  the results of the tests as CSV, one row per test, on `out`;
///   --help, --version                the usage or the program's name and version on `out`, exit code 0.
/// A file that cannot be evaluated gives exit code 1: in JSON as its error object, otherwise with its
/// message on `err` (warnings go there too); so does an output device that refuses the text, with a
/// message on `err`. A wrong command line gives the usage on `err` and exit code 2. The output is the
/// same whatever the locale: numbers and grid texts use a full stop, or a decimal comma with
/// --decimal-comma. All is written as UTF-8.
int runCellExport(const QStringList& arguments, RunOutput& out, RunOutput& err);

/// The usage text.
QString usageText();

} // namespace cellexport
