#include "tests/support/PrintSystem.h"

#include "output/SignatureLines.h"
#include "platform/Windows1251.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/OutputFixture.h"
#include "tests/ui/PrintedPages.h"
#include "ui/PrintJobWatch.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using outputtests::Laboratory;

namespace {

constexpr int JobMilliseconds = 60000;

// The main window with a cube test and a chart, and its report shown, as a user prints them.
void prepare(Laboratory& lab)
{
    QVERIFY(testsupport::writeFileBytes(
        lab.path(QStringLiteral("Temp/N.ns")),
        platform::encodeWindows1251(output::designSignatureLines().join(QStringLiteral("\r\n")))));
    outputtests::showCubeTest(*lab.form1);
    outputtests::showCurveAndCursor(lab.form1->Chart1->chart());
    lab.form1->N12->trigger();
    outputtests::activate(lab.form2.get());
}

// A page the queue wrote, as its reader sees it. The queue writes what paper would show: the landscape
// page turned onto the portrait sheet.
QImage printedPage(const QString& pdf)
{
    return testsupport::landscapeReading(testsupport::renderPdfPage(pdf, printedpages::PageDpi));
}

// The PDFs the default queue wrote that are not in `before`, in the order of their jobs.
QStringList printedSince(const QStringList& before)
{
    QStringList added;
    for (const QString& path : testsupport::printedPdfs())
        if (!before.contains(path)) added << path;
    return added;
}

// Where the report stands on the system printer's page, in page pixels: the printable area's corner.
QPoint reportOrigin()
{
    const QRectF printable = ui::landscapePrinter().pageLayout().paintRectPoints();
    return (printable.topLeft() * printedpages::PageDpi / 72.0).toPoint();
}

} // namespace

// The windows printing through a real CUPS daemon and its PDF queue, as on a laboratory's desktop: the
// program keeps the system's one printer for the run, every page goes through the print system's filters
// and the queue's backend, and what comes out is looked at as a user's viewer shows it.
class PrintSystemTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { FROSTDIL_REQUIRE_PRINT_SYSTEM(); }

    // The tests share the system's printer, as the program's commands do; each leaves no job behind.
    void cleanup() { QTRY_COMPARE_WITH_TIMEOUT(ui::followedPrintJobs(), 0, JobMilliseconds); }

    void refusedJobShowsTheError()
    {
        Laboratory lab;
        prepare(lab);
        lab.printOn(testsupport::RefusingQueue);
        const QStringList before = testsupport::printedPdfs();

        lab.form1->N6->trigger();

        // The print system's reason comes in the user's language.
        QCOMPARE(lab.errors.size(), 1);
        const QString refusal = QStringLiteral("Cannot print on \"frostdil-refusing\". ");
        QVERIFY2(lab.errors[0].startsWith(refusal) &&
                     lab.errors[0].mid(refusal.size()).contains(u"frostdil-refusing"),
                 qPrintable(lab.errors[0]));
        QCOMPARE(ui::followedPrintJobs(), 0);
        QCOMPARE(printedSince(before), QStringList());
    }

    void jobCancelledByThePrinterShowsTheError()
    {
        Laboratory lab;
        prepare(lab);
        lab.printOn(testsupport::FailingQueue);

        lab.form2->Button1->click();

        QVERIFY2(lab.errors.isEmpty(), qPrintable(lab.errors.join(u'\n'))); // taken by the queue
        QTRY_COMPARE_WITH_TIMEOUT(lab.errors.size(), 1, JobMilliseconds);
        QCOMPARE(lab.errors[0],
                 QStringLiteral("The print job \"Испытание 17 от 05.03.2008\" on \"frostdil-failing\" "
                                "was not printed. The job was cancelled."));
        for (const QPushButton* button : {lab.form2->Button1, lab.form2->Button2, lab.form2->Button3})
            QVERIFY(!button->isHidden());
    }

    void chartThenTwoReportsPrintThreeWholePages()
    {
        Laboratory lab;
        prepare(lab);
        lab.printOn(testsupport::PdfQueue);
        const QStringList before = testsupport::printedPdfs();

        lab.form1->N6->trigger();
        lab.form2->Button1->click();
        lab.form2->Button1->click();

        QTRY_COMPARE_WITH_TIMEOUT(ui::followedPrintJobs(), 0, JobMilliseconds);
        QVERIFY2(lab.errors.isEmpty(), qPrintable(lab.errors.join(u'\n')));
        const QStringList pages = printedSince(before);
        QCOMPARE(pages.size(), 3);

        const QImage chart = lab.form1->Chart1->chart().render(lab.form1->Chart1->size());
        QStringList faults = printedpages::chartPageFaults(printedPage(pages[0]), chart);
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("chart: ") + faults.join(QStringLiteral("; "))));
        const QImage report = printedpages::reportOnScreen(*lab.form2);
        for (const QString& page : {pages[1], pages[2]}) {
            faults = printedpages::reportPageFaults(printedPage(page), reportOrigin(), report, *lab.form2);
            QVERIFY2(faults.isEmpty(),
                     qPrintable(page + QStringLiteral(": ") + faults.join(QStringLiteral("; "))));
        }
    }
};

FROSTDIL_REGISTER_TEST(PrintSystemTest)
#include "PrintSystemTest.moc"
