#pragma once

#include <QDir>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>

// The private print system that scripts/with-cups.sh starts around the test run: a CUPS daemon whose
// default queue writes every job as a PDF file, beside a queue that refuses jobs, one whose backend
// cancels them and a stopped one ("Out of paper").
namespace testsupport {

inline const QString PdfQueue = QStringLiteral("frostdil-pdf");
inline const QString RefusingQueue = QStringLiteral("frostdil-refusing");
inline const QString FailingQueue = QStringLiteral("frostdil-failing");
inline const QString StoppedQueue = QStringLiteral("frostdil-stopped");

/// Where the default queue writes its jobs ("job_<id>-<title>.pdf"); empty outside with-cups.sh.
inline QString printedPdfFolder()
{
    return qEnvironmentVariable("FROSTDIL_CUPS_PDF_FOLDER");
}

/// The job number in the name of a PDF the queue wrote.
inline int printedJobNumber(const QString& name)
{
    static const QRegularExpression JobName(QStringLiteral("^job_(\\d+)-"));
    return JobName.match(name).captured(1).toInt();
}

/// The PDFs the queue wrote; their paths in the order of the jobs.
inline QStringList printedPdfs()
{
    const QDir folder(printedPdfFolder());
    QStringList names = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return printedJobNumber(a) < printedJobNumber(b); });
    QStringList paths;
    for (const QString& name : names)
        paths << folder.filePath(name);
    return paths;
}

} // namespace testsupport

/// Skips the test where no private print system runs (tests started without scripts/with-cups.sh, or
/// not as root, whom the cups-pdf backend needs).
#define FROSTDIL_REQUIRE_PRINT_SYSTEM()                                                                      \
    do {                                                                                                     \
        if (testsupport::printedPdfFolder().isEmpty())                                                       \
            QSKIP("No private print system: run the tests through scripts/with-cups.sh as root "             \
                  "(scripts/test.sh does)");                                                                 \
    } while (false)
