#include "output/DocumentNames.h"

#include <QRegularExpression>
#include <QStringList>

namespace output {
namespace {

// Forbidden in file names here or on the systems the files are carried to, and the control characters.
QString fileNamePart(const QString& text)
{
    static const QRegularExpression Forbidden(QStringLiteral(R"([/\\:*?"<>|\x00-\x1F])"));
    return QString(text).replace(Forbidden, QStringLiteral("_"));
}

} // namespace

QString pdfFileName(Document document, const QString& testNumber, QDate testDate)
{
    QStringList parts{document == Document::Journal ? QStringLiteral("Испытание") : QStringLiteral("График")};
    if (!testNumber.trimmed().isEmpty()) parts << fileNamePart(testNumber.trimmed());
    if (testDate.isValid()) parts << testDate.toString(Qt::ISODate);
    return parts.join(u'_') + QStringLiteral(".pdf");
}

QString documentTitle(Document document, const QString& testNumber, QDate testDate)
{
    QString title =
        document == Document::Journal ? QStringLiteral("Испытание") : QStringLiteral("График испытания");
    if (!testNumber.trimmed().isEmpty()) title += u' ' + testNumber.trimmed();
    if (testDate.isValid()) title += QStringLiteral(" от ") + testDate.toString(QStringLiteral("dd.MM.yyyy"));
    return title;
}

} // namespace output
