// The SVG pictures the build draws for the program's start must be the very pixels the program would
// draw itself, and must be all the start shows.
#include "tests/support/TestRegistry.h"
#include "ui/Icons.h"
#include "ui/ProgramState.h"
#include "ui/Unit1.h"

#include <QDirIterator>
#include <QLabel>
#include <QRegularExpression>
#include <QResource>
#include <QTest>
#include <QToolButton>

class DrawnPicturesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawnAsTheProgramDrawsThem_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        const QRegularExpression drawnName(QStringLiteral("^:/drawn/(.+)-(\\d+)x(\\d+)\\.argb32$"));
        QDirIterator pictures(QStringLiteral(":/drawn"), QDir::Files, QDirIterator::Subdirectories);
        while (pictures.hasNext()) {
            const QString path = pictures.next();
            const QRegularExpressionMatch match = drawnName.match(path);
            QVERIFY2(match.hasMatch(), qPrintable(path));
            QTest::newRow(qPrintable(path)) << QStringLiteral(":/%1.svg").arg(match.captured(1))
                                            << QSize(match.captured(2).toInt(), match.captured(3).toInt());
        }
    }

    void drawnAsTheProgramDrawsThem()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QVERIFY(QResource(ui::drawnPicturePath(resource, size)).isValid());
        QCOMPARE(ui::svgPicture(resource, size).toImage(), ui::renderSvg(resource, size).toImage());
    }

    void otherSizesAreDrawnWhenAskedFor()
    {
        const QString resource = QStringLiteral(":/icons/open.svg");
        const QSize menuSize(16, 16);
        QVERIFY(!QResource(ui::drawnPicturePath(resource, menuSize)).isValid());
        const QImage picture = ui::svgPicture(resource, menuSize).toImage();
        QCOMPARE(picture.size(), menuSize);
        QCOMPARE(picture, ui::renderSvg(resource, menuSize).toImage());
    }

    // The tool bar's commands, the logo, and the program's icon at the sizes Qt gives the X window system.
    void theStartShowsDrawnPicturesOnly()
    {
        ProgramState state;
        TForm1 form(state);
        int commands = 0;
        for (const QToolButton* button :
             form.findChildren<QToolButton*>(QRegularExpression(QStringLiteral("^SpeedButton")))) {
            if (button->icon().isNull()) continue; // the chamber toggles
            ++commands;
            QVERIFY2(QResource(ui::drawnPicturePath(button->icon().name(), button->iconSize())).isValid(),
                     qPrintable(button->objectName()));
        }
        QCOMPARE(commands, 8);
        QVERIFY(
            QResource(ui::drawnPicturePath(QStringLiteral(":/icons/logo.svg"), form.Image5->pixmap().size()))
                .isValid());
        for (const int side : {16, 32, 64, 128})
            QVERIFY(QResource(ui::drawnPicturePath(ui::programIcon().name(), QSize(side, side))).isValid());
    }
};

FROSTDIL_REGISTER_TEST(DrawnPicturesTest)
#include "DrawnPicturesTest.moc"
