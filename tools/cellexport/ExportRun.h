#pragma once

#include <QStringList>
#include <QTextStream>

namespace cellexport {

/// The whole run of `cellexport` after its program name:
///   FILE...        one JSON document {"tests": [...]} written as UTF-8 straight to the device of `out`
///                  (which must have one), each file as soon as it is evaluated; exit code 1 when any
///                  file failed, or when the device refused the text (a message on `err` then);
///   --csv FILE     the series of one test as CSV on `out`; exit code 1 and the message on `err` when
///                  the file cannot be evaluated;
///   --help         the usage on `out`, exit code 0.
/// No files, or an unknown option, gives the usage on `err` and exit code 2. Numbers and texts use a
/// full stop: the run makes the C locale the default one.
int runCellExport(const QStringList& arguments, QTextStream& out, QTextStream& err);

/// The usage text.
QString usageText();

} // namespace cellexport
