#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Print jobs handed to the system's print service (CUPS), and what it tells of them afterwards.
namespace platform {

/// A print option by its name in the print system ("media", "copies", "sides", ...) and its value.
using PrintOption = QPair<QString, QString>;

/// A job the print system has taken.
struct PrintJob {
    QString queue; ///< as the printer is named: "queue" or "queue/instance"
    QString title;
    int id = 0;
};

/// Hands one PDF document to `queue` as a job named `title`. The options saved for the queue
/// (lpoptions) apply where `options` says nothing. Throws Error("Cannot print on ...") with the print
/// system's reason when it does not take the whole document.
PrintJob submitPdfJob(const QString& queue, const QString& title, const QByteArray& pdf,
                      const QList<PrintOption>& options);

/// How a job stands, as far as the print system tells.
enum class JobProgress {
    Waiting, ///< queued, held or being printed
    Printed,
    Failed,  ///< cancelled, aborted or stopped, or queued on a printer that has stopped
    Unknown, ///< the print system no longer knows the job or cannot be asked
};

struct JobState {
    JobProgress progress = JobProgress::Unknown;
    QString reason; ///< why it failed, in the print system's words
};

/// Asks the print system how `job` stands.
JobState printJobState(const PrintJob& job);

/// How a job that will not print ended up so.
enum class JobEnd { Cancelled, Aborted, Stopped, PrinterStopped };

/// The reason shown for a job that will not print: what its state reasons (IPP keywords) tell, or else
/// what its end does, then the printer's own message, if any.
QString failureReason(JobEnd end, const QStringList& stateReasons, const QString& printerMessage);

} // namespace platform
