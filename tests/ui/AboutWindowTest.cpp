#include "tests/support/TestRegistry.h"
#include "tests/ui/ShellFixture.h"
#include "ui/about/AboutPicture.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

using shelltests::Laboratory;

class AboutWindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layout()
    {
        TForm3 about;
        QCOMPARE(about.size(), QSize(438, 331));
        QVERIFY(about.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(about.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(about.frameGeometry().center(), QGuiApplication::primaryScreen()->geometry().center());
        QCOMPARE(about.Image1->geometry(), QRect(0, 0, 441, 337));
        QCOMPARE(about.Button1->geometry(), QRect(192, 296, 65, 25));
        QCOMPARE(about.Button1->text(), QStringLiteral("ОК"));
    }

    // Outside the rounded card nothing is painted; the card itself is opaque light blue.
    void pictureIsTheCardAlone_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("card");
        QTest::newRow("top left corner") << QPoint(1, 1) << false;
        QTest::newRow("top right corner") << QPoint(432, 1) << false;
        QTest::newRow("bottom left corner") << QPoint(1, 330) << false;
        QTest::newRow("bottom right corner") << QPoint(432, 330) << false;
        QTest::newRow("left edge, middle") << QPoint(20, 166) << true;
        QTest::newRow("right edge, middle") << QPoint(414, 166) << true;
        QTest::newRow("below the texts") << QPoint(60, 290) << true;
    }

    void pictureIsTheCardAlone()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, card);
        const QImage picture = ui::aboutPicture().toImage();
        QCOMPARE(picture.size(), QSize(434, 332));
        const QColor colour = picture.pixelColor(point);
        if (!card) {
            QCOMPARE(colour.alpha(), 0);
            return;
        }
        QCOMPARE(colour.alpha(), 255);
        QVERIFY2(colour.blue() > colour.red() && colour.lightness() > 160, qPrintable(colour.name()));
    }

    void windowShowsTheDesktopAroundTheCard()
    {
        TForm3 about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QImage shot = about.grab().toImage();
        QCOMPARE(shot.pixelColor(1, 1).alpha(), 0);
        QCOMPARE(shot.pixelColor(436, 329).alpha(), 0);
        QCOMPARE(shot.pixelColor(20, 166).alpha(), 255);
        // The button is drawn on the card.
        QCOMPARE(shot.pixelColor(about.Button1->geometry().center()).alpha(), 255);
        about.close();
    }

    void commandsShowItModallyAndOkCloses_data()
    {
        QTest::addColumn<bool>("fromToolButton");
        QTest::newRow("menu item") << false;
        QTest::newRow("tool button") << true;
    }

    void commandsShowItModallyAndOkCloses()
    {
        QFETCH(bool, fromToolButton);
        Laboratory lab;
        ui::ProgramWindows& windows = *lab.windows;
        QWidget* shown = nullptr;
        shelltests::whileModal(
            [&](QWidget* modal) {
                shown = modal;
                windows.Form3.Button1->click();
            },
            [&] {
                if (fromToolButton) {
                    windows.Form1.SpeedButton15->click();
                } else {
                    windows.Form1.N18->trigger();
                }
            });
        QCOMPARE(shown, &windows.Form3);
        QVERIFY(windows.Form3.isHidden());
        QVERIFY(lab.errors.isEmpty());
    }
};

FROSTDIL_REGISTER_TEST(AboutWindowTest)
#include "AboutWindowTest.moc"
