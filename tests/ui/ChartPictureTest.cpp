#include "tests/support/TestRegistry.h"
#include "tests/ui/OutputFixture.h"
#include "tests/ui/PrintedPages.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImageReader>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using outputtests::Laboratory;
using outputtests::showCurveAndCursor;

namespace {

QImage onScreen(ui::ChartWidget& chart)
{
    return chart.chart().render(chart.size()).convertToFormat(QImage::Format_RGB32);
}

// Runs `inDialog` on the save dialog once it is open, then closes it with `accept`.
void answerDialog(std::function<void(QFileDialog&)> inDialog, bool accept)
{
    QTimer::singleShot(0, [inDialog, accept] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        inDialog(*dialog);
        QDialog* box = dialog; // accept() is public on the base and still runs the file dialog's own
        accept ? box->accept() : box->reject();
    });
}

} // namespace

class ChartPictureCommandTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savesTheChosenFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("bitmap") << QStringLiteral("chart.bmp");
        QTest::newRow("JPEG name, BMP content") << QStringLiteral("chart.jpg");
    }

    void savesTheChosenFile()
    {
        QFETCH(QString, name);
        Laboratory lab;
        showCurveAndCursor(lab.form1->Chart1->chart());
        const QImage before = onScreen(*lab.form1->Chart1);
        const QString path = lab.path(name);
        ui::setPictureFileChooser([path](QWidget*) { return path; });

        lab.form1->N5->trigger(); // the menu item clicks the tool button

        QVERIFY2(lab.errors.isEmpty(), qPrintable(lab.errors.join(u'\n')));
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage saved = reader.read();
        QCOMPARE(saved.size(), QSize(777, 377));
        QVERIFY(saved.convertToFormat(QImage::Format_RGB32) != before); // no cursor, no frame
        QCOMPARE(onScreen(*lab.form1->Chart1), before);                 // both back on screen
    }

    void cancelWritesNothing()
    {
        Laboratory lab;
        showCurveAndCursor(lab.form1->Chart1->chart());
        const QImage before = onScreen(*lab.form1->Chart1);
        ui::setPictureFileChooser([](QWidget*) { return QString(); });
        lab.form1->SpeedButton8->click();
        QVERIFY(lab.errors.isEmpty());
        QCOMPARE(QDir(lab.path(QStringLiteral("Temp"))).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(lab.path(QString())).entryList(QDir::Files), QStringList());
        QCOMPARE(onScreen(*lab.form1->Chart1), before);
    }

    void unwritableNameShowsTheMessage()
    {
        Laboratory lab;
        showCurveAndCursor(lab.form1->Chart1->chart());
        const QImage before = onScreen(*lab.form1->Chart1);
        const QString path = lab.path(QStringLiteral("missing/chart.bmp"));
        ui::setPictureFileChooser([path](QWidget*) { return path; });
        lab.form1->SpeedButton8->click();
        QCOMPARE(lab.errors.size(), 1);
        QVERIFY(lab.errors[0].startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)));
        QCOMPARE(onScreen(*lab.form1->Chart1), before);
    }

    void dialogOffersTheTypes()
    {
        ui::SavePictureDialog chooser;
        QFileDialog dialog;
        auto* preview = new QLabel(&dialog);
        chooser.configure(dialog, preview);
        QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog.defaultSuffix(), QStringLiteral("bmp"));

        const QStringList expected = {
            QStringLiteral("All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)"),
            QStringLiteral("JPEG Image File (*.jpg)"),
            QStringLiteral("JPEG Image File (*.jpeg)"),
            QStringLiteral("Bitmaps (*.bmp)"),
            QStringLiteral("Icons (*.ico)"),
            QStringLiteral("Enhanced Metafiles (*.emf)"),
            QStringLiteral("Metafiles (*.wmf)"),
        };
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        QStringList shown;
        for (int i = 0; i < types->count(); ++i)
            shown << types->itemText(i);
        QCOMPARE(shown, expected);
        QCOMPARE(types->currentIndex(), 3); // Bitmaps at the first use

        // "All" lists the files of all six types.
        dialog.selectNameFilter(expected.at(0));
        auto* files = dialog.findChild<QFileSystemModel*>();
        QVERIFY(files);
        for (const char* pattern : {"*.jpg", "*.jpeg", "*.bmp", "*.ico", "*.emf", "*.wmf"})
            QVERIFY2(files->nameFilters().contains(QLatin1String(pattern)), pattern);

        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("PicturePreview")));
        if (auto* sidebar = dialog.findChild<QWidget*>(QStringLiteral("sidebar")))
            QVERIFY(sidebar->isHidden());
    }

    void previewShowsPictures_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<bool>("shown");
        QTest::newRow("BMP") << QByteArray("BMP") << true;
        QTest::newRow("JPEG") << QByteArray("JPEG") << true;
        QTest::newRow("not a picture") << QByteArray() << false;
    }

    void previewShowsPictures()
    {
        QFETCH(QByteArray, format);
        QFETCH(bool, shown);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("picture"));
        if (format.isEmpty()) {
            QVERIFY(testsupport::writeFileBytes(path, "Начальник подразделения"));
        } else {
            QImage picture(777, 377, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QVERIFY(picture.save(path, format.constData()));
        }
        const QPixmap preview = ui::picturePreview(path, QSize(160, 160));
        QCOMPARE(!preview.isNull(), shown);
        if (shown) { // 777 × 377 fitted into the pane, aspect kept: 160 × 77.6
            QCOMPARE(preview.width(), 160);
            QVERIFY(qAbs(preview.height() - 78) <= 1);
        }
    }

    void dialogRemembersTheLastChoice()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.jpg"));
        ui::SavePictureDialog chooser;
        answerDialog(
            [first](QFileDialog& dialog) {
                dialog.selectNameFilter(ui::pictureFileFilters().at(1));
                dialog.selectFile(first);
            },
            true);
        QCOMPARE(chooser.exec(nullptr), first);

        QString filterShown;
        QStringList filesShown;
        answerDialog(
            [&](QFileDialog& dialog) {
                filterShown = dialog.selectedNameFilter();
                filesShown = dialog.selectedFiles();
            },
            false);
        QCOMPARE(chooser.exec(nullptr), QString()); // cancelled
        QCOMPARE(filterShown, QStringLiteral("JPEG Image File (*.jpg)"));
        QCOMPARE(filesShown, QStringList{first});
    }

    void pdfDialogOffersTheNameInTheLastFolder()
    {
        QTemporaryDir dir;
        const QString typed = dir.filePath(QStringLiteral("journal")); // the extension left out
        QStringList offered;
        answerDialog(
            [&](QFileDialog& dialog) {
                offered = dialog.selectedFiles();
                dialog.selectFile(typed);
            },
            true);
        QCOMPARE(ui::choosePdfFile(nullptr, QStringLiteral("Испытание_17_2008-03-05.pdf")), typed + ".pdf");
        QCOMPARE(offered,
                 QStringList{QDir::current().filePath(QStringLiteral("Испытание_17_2008-03-05.pdf"))});

        answerDialog([&](QFileDialog& dialog) { offered = dialog.selectedFiles(); }, false);
        QCOMPARE(ui::choosePdfFile(nullptr, QStringLiteral("График_17_2008-03-05.pdf")),
                 QString()); // cancelled
        QCOMPARE(offered, QStringList{dir.filePath(QStringLiteral("График_17_2008-03-05.pdf"))});
    }

    void printsTheChartOnOneLandscapePage()
    {
        Laboratory lab;
        showCurveAndCursor(lab.form1->Chart1->chart());
        lab.printToPdf(QStringLiteral("chart.pdf"), true);
        lab.form1->SpeedButton9->click(); // the tool button triggers the menu item
        QVERIFY2(lab.errors.isEmpty(), qPrintable(lab.errors.join(u'\n')));
        QCOMPARE(lab.setupShown, 1);
        QCOMPARE(lab.setupOrientation, QPageLayout::Landscape); // the dialog shows landscape already
        const QString pdf = lab.path(QStringLiteral("chart.pdf"));
        QCOMPARE(testsupport::pdfInfo(pdf).value(QStringLiteral("Pages")), QStringLiteral("1"));
        const QStringList faults = printedpages::chartPageFaults(
            testsupport::renderPdfPage(pdf, printedpages::PageDpi), onScreen(*lab.form1->Chart1));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void savesTheChartAsPdfWithoutAPrinter()
    {
        Laboratory lab;
        outputtests::showCubeTest(*lab.form1);
        showCurveAndCursor(lab.form1->Chart1->chart());
        lab.noPrinter();
        lab.savePdfAs(QStringLiteral("chart.pdf"));

        lab.form1->N20->trigger();

        QVERIFY2(lab.errors.isEmpty(), qPrintable(lab.errors.join(u'\n')));
        QCOMPARE(lab.offeredPdfName, QStringLiteral("График_17_2008-03-05.pdf"));
        const QString pdf = lab.path(QStringLiteral("chart.pdf"));
        const QMap<QString, QString> info = testsupport::pdfInfo(pdf);
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("График испытания 17 от 05.03.2008"));
        QCOMPARE(info.value(QStringLiteral("Creator")), QStringLiteral("frostdil"));
        QCOMPARE(testsupport::pdfShownPageSize(pdf).toSize(), QSize(842, 595));  // A4 landscape
        QVERIFY(testsupport::pdfText(pdf).contains(QStringLiteral("Время, с"))); // the axis caption as text
        const QStringList faults = printedpages::chartPageFaults(
            testsupport::renderPdfPage(pdf, printedpages::PageDpi), onScreen(*lab.form1->Chart1));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void pdfIsThePrintedPage()
    {
        Laboratory lab;
        showCurveAndCursor(lab.form1->Chart1->chart());
        lab.printToPdf(QStringLiteral("printed.pdf"), true);
        lab.printer->setPageSize(QPageSize(QPageSize::A5)); // whatever the printer is set to
        lab.form1->N6->trigger();
        lab.savePdfAs(QStringLiteral("saved.pdf"));
        lab.form1->N20->trigger();
        QVERIFY2(lab.errors.isEmpty(), qPrintable(lab.errors.join(u'\n')));
        QCOMPARE(testsupport::pdfShownPageSize(lab.path(QStringLiteral("saved.pdf"))).toSize(),
                 QSize(595, 420)); // A5
        const QImage printed =
            testsupport::renderPdfPage(lab.path(QStringLiteral("printed.pdf")), printedpages::PageDpi);
        QCOMPARE(testsupport::renderPdfPage(lab.path(QStringLiteral("saved.pdf")), printedpages::PageDpi),
                 printed);
    }

    void cancellingThePdfDialogWritesNothing()
    {
        Laboratory lab;
        ui::setPdfFileChooser([](QWidget*, const QString&) { return QString(); });
        lab.form1->N20->trigger();
        QVERIFY(lab.errors.isEmpty());
        QCOMPARE(QDir(lab.path(QString())).entryList(QDir::Files), QStringList());
    }

    void cancelledSetupPrintsNothingButStaysLandscape()
    {
        Laboratory lab;
        lab.printToPdf(QStringLiteral("chart.pdf"), false);
        lab.form1->N6->trigger();
        QVERIFY(lab.errors.isEmpty());
        QCOMPARE(lab.setupShown, 1);
        QVERIFY(!QFile::exists(lab.path(QStringLiteral("chart.pdf"))));
        QCOMPARE(lab.printer->pageLayout().orientation(), QPageLayout::Landscape);
    }

    void noPrinter()
    {
        Laboratory lab;
        lab.noPrinter();
        lab.form1->N6->trigger();
        QCOMPARE(lab.errors, QStringList{QStringLiteral("There is no default printer currently selected")});
        QCOMPARE(lab.setupShown, 0);
    }
};

FROSTDIL_REGISTER_TEST(ChartPictureCommandTest)
#include "ChartPictureTest.moc"
