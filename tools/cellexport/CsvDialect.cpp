#include "tools/cellexport/CsvDialect.h"

namespace cellexport {

namespace {

QString quotedIfNeeded(QString field, QChar separator)
{
    if (!field.contains(separator) && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r'))
        return field;
    return u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

CsvDialect csvDialect(bool decimalComma)
{
    if (!decimalComma) return {};
    return {u';', u',', true};
}

QString csvStart(const CsvDialect& dialect)
{
    return dialect.byteOrderMark ? QString(QChar(0xFEFF)) : QString();
}

QString csvNumber(QString fullStopText, const CsvDialect& dialect)
{
    return fullStopText.replace(u'.', dialect.decimalPoint);
}

QString csvLine(const QStringList& fields, const CsvDialect& dialect)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString& field : fields)
        written << quotedIfNeeded(field, dialect.separator);
    return written.join(dialect.separator) + u'\n';
}

} // namespace cellexport
