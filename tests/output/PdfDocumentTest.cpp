#include "output/PdfDocument.h"

#include "platform/Error.h"
#include "tests/support/PageImages.h"
#include "tests/support/PdfPages.h"
#include "tests/support/TestRegistry.h"

#include <QFile>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString saved(const QTemporaryDir& dir, const QString& name, const QByteArray& pdf)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() ? path : QString();
}

} // namespace

class PdfDocumentTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onePageWithTitleCreatorAndText()
    {
        const QByteArray pdf =
            output::pdfDocument(output::defaultPdfPage(), QStringLiteral("Испытание 12 от 12.02.2024"),
                                [](QPagedPaintDevice& page) {
                                    QPainter painter(&page);
                                    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 14));
                                    painter.drawText(QPointF(600, 1200), QStringLiteral("Журнал"));
                                });
        QTemporaryDir dir;
        const QString path = saved(dir, QStringLiteral("page.pdf"), pdf);
        const QMap<QString, QString> info = testsupport::pdfInfo(path);
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Испытание 12 от 12.02.2024"));
        QCOMPARE(info.value(QStringLiteral("Creator")), QStringLiteral("frostdil"));
        QCOMPARE(testsupport::pdfShownPageSize(path).toSize(), QSize(842, 595)); // A4 landscape, in points
        QVERIFY(testsupport::pdfText(path).contains(QStringLiteral("Журнал")));  // text, not a picture of it
    }

    void aPageStartsAfresh()
    {
        // The first page leaves its painter moved and scaled on another sheet; the second draws a square
        // of one inch at its origin, which must be the printable area's corner (margins of 10 points).
        QTemporaryDir dir;
        output::PageSetup portraitA5{
            QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(40, 40, 40, 40)), 600};
        output::pdfDocument(portraitA5, QStringLiteral("first"), [](QPagedPaintDevice& page) {
            QPainter painter(&page);
            painter.translate(900, 700);
            painter.scale(3, 3);
            painter.fillRect(QRect(0, 0, 100, 100), Qt::black);
        });
        const QByteArray second = output::pdfDocument(
            output::defaultPdfPage(), QStringLiteral("second"), [](QPagedPaintDevice& page) {
                QPainter painter(&page);
                painter.fillRect(QRect(0, 0, page.logicalDpiX(), page.logicalDpiY()), Qt::black);
            });
        const QImage page = testsupport::renderPdfPage(saved(dir, QStringLiteral("second.pdf"), second), 72);
        QCOMPARE(page.size(), QSize(842, 595));
        const QRect ink = testsupport::inkBounds(page);
        QVERIFY2(qAbs(ink.left() - 10) <= 1 && qAbs(ink.top() - 10) <= 1, qPrintable(QDebug::toString(ink)));
        QVERIFY2(qAbs(ink.width() - 72) <= 1 && qAbs(ink.height() - 72) <= 1,
                 qPrintable(QDebug::toString(ink)));
    }

    void noPageIsAnError()
    {
        try {
            output::pdfDocument(output::defaultPdfPage(), QStringLiteral("empty"), [](QPagedPaintDevice&) {});
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QCOMPARE(error.message(), QStringLiteral("Printing failed"));
        }
    }
};

FROSTDIL_REGISTER_TEST(PdfDocumentTest)
#include "PdfDocumentTest.moc"
