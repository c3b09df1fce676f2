#pragma once

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

// Reads PDF files back as a user's viewer shows them, through the poppler tools (poppler-utils): the
// page rendered to a picture, the text, the document's information.
namespace testsupport {

/// Runs a poppler tool; its standard output, or nothing when it cannot run or fails.
inline std::optional<QByteArray> popplerOutput(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

/// The fields pdfinfo prints ("Title", "Creator", "Pages", "Page size", "Page rot", ...); empty when the
/// file is no PDF.
inline QMap<QString, QString> pdfInfo(const QString& path)
{
    QMap<QString, QString> fields;
    for (const QByteArray& line :
         popplerOutput(QStringLiteral("pdfinfo"), {path}).value_or(QByteArray()).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            fields.insert(QString::fromUtf8(line.left(colon)),
                          QString::fromUtf8(line.mid(colon + 1)).trimmed());
    }
    return fields;
}

/// The page size in points as a viewer shows the first page, its rotation applied.
inline QSizeF pdfShownPageSize(const QString& path)
{
    const QMap<QString, QString> info = pdfInfo(path);
    const QStringList words = info.value(QStringLiteral("Page size")).split(u' ');
    if (words.size() < 3) return {};
    const QSizeF size(words[0].toDouble(), words[2].toDouble());
    return info.value(QStringLiteral("Page rot")).toInt() % 180 == 0 ? size : size.transposed();
}

/// The text of the document, as far as it is text rather than pictures.
inline QString pdfText(const QString& path)
{
    return QString::fromUtf8(
        popplerOutput(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).value_or(QByteArray()));
}

/// The first page rendered at `dpi` as a viewer shows it (its rotation applied); null when it cannot be.
inline QImage renderPdfPage(const QString& path, int dpi)
{
    const QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    if (!popplerOutput(QStringLiteral("pdftoppm"),
                       {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QStringLiteral("1"),
                        QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                        QStringLiteral("-png"), path, base}))
        return {};
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

} // namespace testsupport
