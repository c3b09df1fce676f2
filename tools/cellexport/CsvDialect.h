#pragma once

#include <QString>
#include <QStringList>

namespace cellexport {

/// How a CSV text is written: the plain form that programs read (commas between fields, full stops in
/// numbers), or the form Russian spreadsheet programs read every number of (semicolons, decimal commas,
/// UTF-8 with a byte-order mark).
struct CsvDialect {
    QChar separator = u',';
    QChar decimalPoint = u'.';
    bool byteOrderMark = false;
};

/// The plain dialect, or with `decimalComma` the spreadsheet one.
CsvDialect csvDialect(bool decimalComma);

/// What a CSV text starts with: the byte-order mark where the dialect has one.
QString csvStart(const CsvDialect& dialect);

/// A number written with a full stop ("-0.012", "1.5e-07") in the dialect's decimal point.
QString csvNumber(QString fullStopText, const CsvDialect& dialect);

/// One line: the fields joined by the separator, each quoted when it holds the separator, a quote or a
/// line break (quotes inside doubled); ended by "\n".
QString csvLine(const QStringList& fields, const CsvDialect& dialect);

} // namespace cellexport
