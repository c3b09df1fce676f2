#include "output/SignatureLines.h"

#include "platform/TextFile.h"

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

QString signatureFileText(const QString& memoText)
{
    // A memo keeps its lines apart with LF (or the paragraph separator of a rich document).
    QString text = memoText;
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

QStringList readSignatureLines(const QString& path)
{
    return platform::readTextLines(path);
}

void writeSignatureLines(const QString& path, const QString& memoText)
{
    platform::writeTextFile(path, signatureFileText(memoText));
}

} // namespace output
