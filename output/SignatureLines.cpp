#include "output/SignatureLines.h"

namespace output {
namespace {

QString blanks(int count)
{
    return QString(count, u' ');
}
QString underscores(int count)
{
    return QString(count, u'_');
}

} // namespace

QStringList designSignatureLines()
{
    // The blanks place "Ответственное лицо" and its signature line over the right half of the report;
    // the names are placeholders that each laboratory replaces with its own.
    return {
        QStringLiteral("Начальник подразделения") + blanks(119) + QStringLiteral("Ответственное лицо"),
        blanks(11) + QStringLiteral("(лаборатории)") + blanks(18) + underscores(23) + blanks(3) +
            QStringLiteral("И.И.Петров") + blanks(42) + QStringLiteral("проводившее испытание") + blanks(4) +
            underscores(25) + blanks(3) + QStringLiteral("А.А.Сидоров"),
    };
}

QString signatureMemoText(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar lineBreak :
         {QChar(u'\r'), QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
        lines.replace(lineBreak, u'\n');
    return lines;
}

QString signatureFileText(const QString& memoText, const QString& loadedFileText)
{
    QString lines = signatureMemoText(memoText);
    if (lines == signatureMemoText(loadedFileText)) return loadedFileText;
    lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return lines;
}

QString signatureFilePath(const QString& programFolder)
{
    return programFolder + QStringLiteral("/Temp/N.ns");
}

} // namespace output
