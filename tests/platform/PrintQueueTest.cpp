#include "platform/PrintQueue.h"

#include "platform/Error.h"
#include "tests/support/PrintSystem.h"
#include "tests/support/TestRegistry.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

Q_DECLARE_METATYPE(platform::JobProgress)
Q_DECLARE_METATYPE(platform::JobEnd)

namespace {

QByteArray onePagePdf()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        painter.drawText(QPointF(200, 200), QStringLiteral("Журнал"));
    }
    return buffer.data();
}

platform::JobState settledState(const platform::PrintJob& job)
{
    const QDeadlineTimer deadline(60000);
    platform::JobState state = platform::printJobState(job);
    while (state.progress == platform::JobProgress::Waiting && !deadline.hasExpired()) {
        QTest::qWait(100);
        state = platform::printJobState(job);
    }
    return state;
}

} // namespace

class PrintQueueTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failureReason_data()
    {
        QTest::addColumn<platform::JobEnd>("end");
        QTest::addColumn<QStringList>("reasons");
        QTest::addColumn<QString>("printerMessage");
        QTest::addColumn<QString>("expected");
        using platform::JobEnd;
        QTest::newRow("cancelled, no reason given")
            << JobEnd::Cancelled << QStringList{"processing-to-stop-point"} << QString()
            << "The job was cancelled.";
        QTest::newRow("cancelled by the printer")
            << JobEnd::Cancelled << QStringList{"job-canceled-at-device"} << QString()
            << "The printer cancelled the job.";
        QTest::newRow("aborted, with the printer's message")
            << JobEnd::Aborted << QStringList{"none"} << "Filter failed"
            << "The print system aborted the job. Filter failed";
        QTest::newRow("unreadable document") << JobEnd::Aborted << QStringList{"document-format-error"}
                                             << QString() << "The printer could not read the document.";
        QTest::newRow("stopped") << JobEnd::Stopped << QStringList() << QString() << "The job was stopped.";
        QTest::newRow("waiting for a stopped printer")
            << JobEnd::PrinterStopped << QStringList() << "Out of paper"
            << "The printer is stopped; the job waits in its queue until the printer is started again. Out "
               "of "
               "paper";
    }

    void failureReason()
    {
        QFETCH(platform::JobEnd, end);
        QFETCH(QStringList, reasons);
        QFETCH(QString, printerMessage);
        QFETCH(QString, expected);
        QCOMPARE(platform::failureReason(end, reasons, printerMessage), expected);
    }

    void jobsAsThePrintSystemTellsOfThem_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<platform::JobProgress>("outcome");
        QTest::addColumn<QString>("reason");
        QTest::newRow("printed") << testsupport::PdfQueue << QString() << platform::JobProgress::Printed
                                 << QString();
        QTest::newRow("refused") << testsupport::RefusingQueue << "Cannot print on \"frostdil-refusing\". "
                                 << platform::JobProgress::Unknown << QString();
        QTest::newRow("cancelled by the backend")
            << testsupport::FailingQueue << QString() << platform::JobProgress::Failed
            << "The job was cancelled.";
        QTest::newRow("stopped printer")
            << testsupport::StoppedQueue << QString() << platform::JobProgress::Failed
            << "The printer is stopped; the job waits in its queue until the printer "
               "is started again. Out of paper";
    }

    void jobsAsThePrintSystemTellsOfThem()
    {
        FROSTDIL_REQUIRE_PRINT_SYSTEM();
        QFETCH(QString, queue);
        QFETCH(QString, refusal);
        QFETCH(platform::JobProgress, outcome);
        QFETCH(QString, reason);

        platform::PrintJob job;
        try {
            job = platform::submitPdfJob(queue, QStringLiteral("Журнал"), onePagePdf(), {});
        } catch (const platform::Error& error) {
            // The print system's reason, in the user's language, names the queue.
            QVERIFY2(!refusal.isEmpty() && error.message().startsWith(refusal) &&
                         error.message().mid(refusal.size()).contains(queue),
                     qPrintable(error.message()));
            return;
        }
        QVERIFY2(refusal.isEmpty(), "the queue took the job");
        QCOMPARE(job.queue, queue);
        QVERIFY(job.id > 0);

        const platform::JobState state = settledState(job);
        QCOMPARE(state.progress, outcome);
        QVERIFY2(state.reason.startsWith(reason), qPrintable(state.reason));
        if (outcome == platform::JobProgress::Printed) {
            const QStringList printed = testsupport::printedPdfs();
            QVERIFY(!printed.isEmpty());
            QCOMPARE(testsupport::printedJobNumber(QFileInfo(printed.last()).fileName()), job.id);
        }
    }
};

FROSTDIL_REGISTER_TEST(PrintQueueTest)
#include "PrintQueueTest.moc"
