#include "output/SignatureLines.h"
#include "platform/Windows1251.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/OutputFixture.h"
#include "tests/ui/PrintedPages.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using outputtests::Laboratory;
using outputtests::setMainCell;
using outputtests::showCubeTest;

namespace {

QString reportCell(const TForm2& report, int row, int column)
{
    const QTableWidgetItem* item = report.StringGrid1->item(row, column);
    return item ? item->text() : QString();
}

QByteArray signatureBytes(const QStringList& lines)
{
    return platform::encodeWindows1251(lines.join(QStringLiteral("\r\n")));
}

bool isWhite(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) return false;
    return true;
}

// A report of the cube test on screen, with the design signature lines, ready to print.
void showReport(Laboratory& lab)
{
    QVERIFY(testsupport::writeFileBytes(lab.path(QStringLiteral("Temp/N.ns")),
                                        signatureBytes(output::designSignatureLines())));
    showCubeTest(*lab.form1);
    outputtests::showCurveAndCursor(lab.form1->Chart1->chart());
    lab.form1->N12->trigger();
    outputtests::activate(lab.form2.get());
}

// Where the report goes on a page of `setup`: the printable area's corner, in page pixels.
QPoint reportOrigin(const output::PageSetup& setup)
{
    return (QPointF(setup.layout.paintRectPoints().topLeft()) * printedpages::PageDpi / 72.0).toPoint();
}

QStringList reportFaults(Laboratory& lab, const QString& pdf, const output::PageSetup& setup)
{
    return printedpages::reportPageFaults(testsupport::renderPdfPage(pdf, printedpages::PageDpi),
                                          reportOrigin(setup), printedpages::reportOnScreen(*lab.form2),
                                          *lab.form2);
}

} // namespace

class ReportTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Label1") << "Label1" << QRect(112, 16, 808, 20);
        QTest::newRow("Label2") << "Label2" << QRect(416, 32, 142, 20);
        QTest::newRow("Image3") << "Image3" << QRect(22, 441, 18, 137);
        QTest::newRow("Image2") << "Image2" << QRect(37, 440, 962, 65);
        QTest::newRow("StringGrid1") << "StringGrid1" << QRect(40, 504, 961, 72);
        QTest::newRow("Memo1") << "Memo1" << QRect(64, 608, 874, 41);
        QTest::newRow("Button1") << "Button1" << QRect(416, 656, 65, 17);
        QTest::newRow("Button2") << "Button2" << QRect(536, 656, 65, 17);
        QTest::newRow("Button3") << "Button3" << QRect(656, 656, 89, 17);
    }

    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        ProgramState state;
        TForm2 report(state);
        const auto* widget = report.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
    }

    void tableIsRuledByColumnsOnly()
    {
        ProgramState state;
        TForm2 report(state);
        report.writeCells({{0, 1, QStringLiteral("  17")}});
        QCOMPARE(report.StringGrid1->rowCount(), 4);
        QCOMPARE(report.StringGrid1->columnCount(), 11);
        QVERIFY(report.StringGrid1->horizontalHeader()->isHidden());
        QVERIFY(report.StringGrid1->verticalHeader()->isHidden());
        QCOMPARE(report.StringGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(report.StringGrid1->rowHeight(0), 16);
        QCOMPARE(report.Memo1->toPlainText(), output::designSignatureLines().join(u'\n'));

        report.show();
        const QImage page = report.grab().toImage();
        // A rule down the right of every 86-pixel column over the table's height; none across.
        for (int column = 0; column < 11; ++column) {
            const int x = 40 + column * 87 + 86;
            for (int y = 504; y < 576; ++y)
                QVERIFY((page.pixel(x, y) & 0xFFFFFF) == 0);
        }
        QVERIFY(isWhite(page, QRect(40 + 87 + 10, 504 + 16, 60, 1)));
        QVERIFY(!isWhite(page, QRect(40, 504 + 16, 86, 16))); // "  17" in column 0, row 1
    }

    void buildsTheReport()
    {
        Laboratory lab;
        QVERIFY(lab.isValid());
        showCubeTest(*lab.form1);
        lab.form1->SpeedButton10->click(); // the tool button triggers the menu item

        QVERIFY2(lab.errors.filter(QStringLiteral("Cannot create")).isEmpty(),
                 qPrintable(lab.errors.join(u'\n')));
        QCOMPARE(QImage(lab.path(QStringLiteral("Temp/1.bmp")), "BMP").size(), QSize(777, 377));
        QVERIFY(lab.form2->isVisible());
        QVERIFY(!lab.form2->isModal());
        QCOMPARE(reportCell(*lab.form2, 1, 0), QStringLiteral("  17"));
        QCOMPARE(reportCell(*lab.form2, 1, 1), QStringLiteral("  4"));
        QCOMPARE(reportCell(*lab.form2, 2, 1), QStringLiteral("  12.02.2008"));
        QCOMPARE(reportCell(*lab.form2, 3, 2), QStringLiteral("100х100х100"));
        QCOMPARE(reportCell(*lab.form2, 0, 3), QStringLiteral("1000"));
        QCOMPARE(reportCell(*lab.form2, 0, 4), QStringLiteral("2400"));
        QCOMPARE(reportCell(*lab.form2, 0, 7), QStringLiteral("0,05"));
        QCOMPARE(reportCell(*lab.form2, 1, 6), QStringLiteral("5.3.2008"));
        QCOMPARE(reportCell(*lab.form2, 1, 9), QStringLiteral("0,052"));
        QCOMPARE(reportCell(*lab.form2, 1, 10), QStringLiteral("F300"));
    }

    void changedWeightShowsOnTheNextReport()
    {
        Laboratory lab;
        showCubeTest(*lab.form1);
        lab.form1->N12->trigger();
        QCOMPARE(reportCell(*lab.form2, 0, 4), QStringLiteral("2400"));
        setMainCell(*lab.form1, 0, 4, QStringLiteral("2415"));
        lab.form1->N12->trigger(); // the report is open: the cells are overwritten
        QCOMPARE(reportCell(*lab.form2, 0, 4), QStringLiteral("2415"));
    }

    void blankShapeKeepsTheSizeColumn()
    {
        Laboratory lab;
        showCubeTest(*lab.form1);
        lab.form1->N12->trigger();
        lab.form1->ComboBox3->setCurrentIndex(-1); // the shape box's blank
        setMainCell(*lab.form1, 3, 0, QStringLiteral("70"));
        lab.form1->N12->trigger();
        QCOMPARE(reportCell(*lab.form2, 3, 2), QStringLiteral("100х100х100"));
    }

    void missingTempShowsNoReport()
    {
        Laboratory lab(false);
        showCubeTest(*lab.form1);
        lab.form1->N12->trigger();
        QCOMPARE(lab.errors.size(), 1);
        const QString path = lab.state->ProgramFolder + QStringLiteral("/Temp/1.bmp");
        QVERIFY2(lab.errors[0].startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
                 qPrintable(lab.errors[0]));
        QVERIFY(!lab.form2->isVisible());
        QCOMPARE(reportCell(*lab.form2, 1, 0), QString());
    }

    void activationLoadsPictureAndLines()
    {
        Laboratory lab;
        const QStringList lines = {QStringLiteral("Начальник лаборатории"), QStringLiteral("  О.Н.Зимина")};
        QVERIFY(testsupport::writeFileBytes(lab.path(QStringLiteral("Temp/N.ns")), signatureBytes(lines)));
        lab.form1->N12->trigger();
        outputtests::activate(lab.form2.get());
        QVERIFY2(lab.errors.isEmpty(), qPrintable(lab.errors.join(u'\n')));
        QCOMPARE(lab.form2->Image1->pixmap().size(), QSize(777, 377));
        QCOMPARE(lab.form2->Image1->geometry(), QRect(144, 56, 777, 377));
        QCOMPARE(lab.form2->Memo1->toPlainText(), lines.join(u'\n'));

        // New lines saved meanwhile show when the user comes back to the report.
        const QStringList changed = {QStringLiteral("Заведующий"), QStringLiteral("В.В.Морозов")};
        QVERIFY(testsupport::writeFileBytes(lab.path(QStringLiteral("Temp/N.ns")), signatureBytes(changed)));
        outputtests::activate(lab.form1.get());
        outputtests::activate(lab.form2.get());
        QCOMPARE(lab.form2->Memo1->toPlainText(), changed.join(u'\n'));
    }

    void missingLinesLeaveAnEmptyMemo()
    {
        Laboratory lab;
        lab.form1->N12->trigger();
        outputtests::activate(lab.form2.get());
        const QString path = lab.state->ProgramFolder + QStringLiteral("/Temp/N.ns");
        QCOMPARE(lab.errors.size(), 1);
        QVERIFY(lab.errors[0].startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)));
        QCOMPARE(lab.form2->Memo1->toPlainText(), QString());
        QCOMPARE(lab.form2->Image1->pixmap().size(), QSize(777, 377)); // loaded before
    }

    void damagedPictureKeepsTheOldOne_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QString>("message");
        QTest::newRow("damaged") << QByteArray("BM not a picture") << false
                                 << QStringLiteral("Bitmap image is not valid");
        QTest::newRow("removed") << QByteArray() << true << QStringLiteral("Cannot open file");
    }

    void damagedPictureKeepsTheOldOne()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, removed);
        QFETCH(QString, message);
        Laboratory lab;
        const QString signatures = lab.path(QStringLiteral("Temp/N.ns"));
        QVERIFY(testsupport::writeFileBytes(signatures, signatureBytes({QStringLiteral("Начальник")})));
        lab.form1->N12->trigger();
        outputtests::activate(lab.form2.get());
        QVERIFY(lab.errors.isEmpty());
        const QImage before = lab.form2->Image1->pixmap().toImage();

        const QString picture = lab.path(QStringLiteral("Temp/1.bmp"));
        QVERIFY(removed ? QFile::remove(picture) : testsupport::writeFileBytes(picture, content));
        QVERIFY(testsupport::writeFileBytes(signatures, signatureBytes({QStringLiteral("Заведующий")})));
        outputtests::activate(lab.form1.get());
        outputtests::activate(lab.form2.get());
        QCOMPARE(lab.errors.size(), 1);
        QVERIFY2(lab.errors[0].startsWith(message), qPrintable(lab.errors[0]));
        QCOMPARE(lab.form2->Image1->pixmap().toImage(), before);
        QCOMPARE(lab.form2->Memo1->toPlainText(), QStringLiteral("Начальник")); // not reloaded
    }

    void returningFromItsOwnDialogKeepsTheEdits()
    {
        Laboratory lab;
        QVERIFY(testsupport::writeFileBytes(lab.path(QStringLiteral("Temp/N.ns")),
                                            signatureBytes({QStringLiteral("a")})));
        lab.form1->N12->trigger();
        outputtests::activate(lab.form2.get());
        lab.form2->Memo1->setPlainText(QStringLiteral("edited before printing"));

        // A modal box over the report (the printer setup, an error box) comes and goes.
        QDialog box(lab.form2.get());
        box.setModal(true);
        outputtests::activate(&box);
        box.hide();
        outputtests::activate(lab.form2.get());
        QCOMPARE(lab.form2->Memo1->toPlainText(), QStringLiteral("edited before printing"));
        QVERIFY(lab.errors.isEmpty());
    }

    void printsTheClientAreaWithoutButtons()
    {
        Laboratory lab;
        showReport(lab);
        lab.printToPdf(QStringLiteral("report.pdf"), true);
        bool buttonsHiddenDuringSetup = false;
        lab.duringSetup = [&] {
            buttonsHiddenDuringSetup = lab.form2->Button1->isHidden() && lab.form2->Button2->isHidden() &&
                                       lab.form2->Button3->isHidden();
        };

        lab.form2->Button1->click();

        QVERIFY2(lab.errors.isEmpty(), qPrintable(lab.errors.join(u'\n')));
        QVERIFY(buttonsHiddenDuringSetup);
        QCOMPARE(lab.setupOrientation, QPageLayout::Landscape);
        for (const QPushButton* button : {lab.form2->Button1, lab.form2->Button2, lab.form2->Button3})
            QVERIFY(!button->isHidden());

        const QString pdf = lab.path(QStringLiteral("report.pdf"));
        QCOMPARE(testsupport::pdfInfo(pdf).value(QStringLiteral("Pages")), QStringLiteral("1"));
        QCOMPARE(testsupport::pdfInfo(pdf).value(QStringLiteral("Title")),
                 QStringLiteral("Испытание 17 от 05.03.2008"));
        const QStringList faults = reportFaults(lab, pdf, ui::pageSetupOf(*lab.printer));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        // The window's texts are printed as text: "  17" of the table and the title.
        const QString text = testsupport::pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Результаты ускоренного определения морозостойкости")));
        QVERIFY(text.contains(QStringLiteral("F300")));
    }

    void printsNoTextCursor()
    {
        Laboratory lab;
        showReport(lab);
        lab.form2->Memo1->setPlainText(
            QStringLiteral("          Начальник лаборатории")); // the cursor at its start
        lab.form2->Memo1->setFocus();
        QVERIFY(lab.form2->Memo1->hasFocus());
        lab.printToPdf(QStringLiteral("report.pdf"), true);
        lab.form2->Button1->click();
        const QImage page =
            testsupport::renderPdfPage(lab.path(QStringLiteral("report.pdf")), printedpages::PageDpi);
        const QPoint memo = reportOrigin(ui::pageSetupOf(*lab.printer)) + lab.form2->Memo1->pos();
        QVERIFY(!testsupport::isBlank(page, QRect(memo, QSize(300, 16)))); // the line is printed
        QVERIFY(testsupport::isBlank(page, QRect(memo, QSize(20, 16))));   // behind its blanks, no cursor
        QVERIFY(!lab.form2->Memo1->isReadOnly());
    }

    void reportAfterAChartOnTheSamePrinter()
    {
        // The program keeps one printer for the run: what the chart's page did must not move the report's.
        Laboratory lab;
        showReport(lab);
        lab.printToPdf(QStringLiteral("chart.pdf"), true);
        lab.form1->N6->trigger();
        lab.printer->setOutputFileName(lab.path(QStringLiteral("report.pdf")));
        lab.form2->Button1->click();
        QVERIFY2(lab.errors.isEmpty(), qPrintable(lab.errors.join(u'\n')));
        const QStringList faults =
            reportFaults(lab, lab.path(QStringLiteral("report.pdf")), ui::pageSetupOf(*lab.printer));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void savesTheJournalPdf_data()
    {
        QTest::addColumn<bool>("withPrinter");
        QTest::newRow("no printer at all") << false;
        QTest::newRow("the page printing makes") << true;
    }

    void savesTheJournalPdf()
    {
        QFETCH(bool, withPrinter);
        Laboratory lab;
        showReport(lab);
        if (withPrinter) {
            lab.printToPdf(QStringLiteral("printed.pdf"), true);
            lab.form2->Button1->click();
        } else {
            lab.noPrinter();
        }
        lab.savePdfAs(QStringLiteral("journal.pdf"));

        lab.form2->Button3->click();

        QVERIFY2(lab.errors.isEmpty(), qPrintable(lab.errors.join(u'\n')));
        QCOMPARE(lab.offeredPdfName, QStringLiteral("Испытание_17_2008-03-05.pdf"));
        for (const QPushButton* button : {lab.form2->Button1, lab.form2->Button2, lab.form2->Button3})
            QVERIFY(!button->isHidden());
        const QString pdf = lab.path(QStringLiteral("journal.pdf"));
        const QMap<QString, QString> info = testsupport::pdfInfo(pdf);
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Испытание 17 от 05.03.2008"));
        QCOMPARE(info.value(QStringLiteral("Creator")), QStringLiteral("frostdil"));
        QVERIFY(testsupport::pdfText(pdf).contains(QStringLiteral("ГОСТ 10060.3-95")));
        // The pictures keep their one-pixel rules: none is stored with lossy (JPEG) compression.
        QVERIFY(!testsupport::fileBytes(pdf).contains("/DCTDecode"));
        if (withPrinter) {
            QCOMPARE(
                testsupport::renderPdfPage(pdf, printedpages::PageDpi),
                testsupport::renderPdfPage(lab.path(QStringLiteral("printed.pdf")), printedpages::PageDpi));
        } else {
            QCOMPARE(testsupport::pdfShownPageSize(pdf).toSize(), QSize(842, 595)); // A4 landscape
            const QStringList faults = reportFaults(lab, pdf, output::defaultPdfPage());
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        }
    }

    void printingCancelledOrImpossibleShowsTheButtons()
    {
        Laboratory lab;
        lab.form1->N12->trigger();
        lab.printToPdf(QStringLiteral("report.pdf"), false);
        lab.form2->Button1->click();
        QVERIFY(!QFile::exists(lab.path(QStringLiteral("report.pdf"))));
        QVERIFY(!lab.form2->Button1->isHidden());
        QVERIFY(!lab.form2->Button2->isHidden());

        lab.noPrinter();
        lab.errors.clear();
        lab.form2->Button1->click();
        QCOMPARE(lab.errors, QStringList{QStringLiteral("There is no default printer currently selected")});
        QCOMPARE(lab.setupShown, 0 + 1); // only the cancelled one
        QVERIFY(!lab.form2->Button1->isHidden());
        QVERIFY(!lab.form2->Button2->isHidden());
    }

    void cancelHidesTheReport()
    {
        Laboratory lab;
        showCubeTest(*lab.form1);
        lab.form1->N12->trigger();
        QVERIFY(lab.form2->isVisible());
        lab.form2->Button2->click();
        QVERIFY(!lab.form2->isVisible());
        QCOMPARE(reportCell(*lab.form2, 1, 0), QStringLiteral("  17")); // content stays
    }
};

FROSTDIL_REGISTER_TEST(ReportTest)
#include "ReportTest.moc"
