#include "chartengine/TickStep.h"
#include "tests/support/TestRegistry.h"

#include <QLocale>
#include <QTest>

using chartengine::TickStep;

Q_DECLARE_METATYPE(TickStep)

class TickStepTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void niceStep_data()
    {
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("pixels");
        QTest::addColumn<double>("minSpacing");
        QTest::addColumn<double>("expected");
        // raw step = length × minSpacing / pixels; the expected step is the first nice one not below it.
        QTest::newRow("raw 1 is nice") << 10.0 << 300.0 << 30.0 << 1.0;
        QTest::newRow("raw 1.1 -> 2") << 11.0 << 300.0 << 30.0 << 2.0;
        QTest::newRow("raw 2.1 -> 2.5") << 21.0 << 300.0 << 30.0 << 2.5;
        QTest::newRow("raw 3.47 -> 5") << 41.0 << 295.0 << 25.0 << 5.0;
        QTest::newRow("raw 5.5 -> 10") << 55.0 << 300.0 << 30.0 << 10.0;
        QTest::newRow("12000 s over 680 px -> 1000") << 12000.0 << 680.0 << 50.0 << 1000.0;
        QTest::newRow("tiny volume change -> 0.005") << 0.0384 << 290.0 << 25.0 << 0.005;
        QTest::newRow("raw 0.25 stays") << 2.5 << 100.0 << 10.0 << 0.25;
        QTest::newRow("zero length taken as 1") << 0.0 << 100.0 << 10.0 << 0.1;
        QTest::newRow("no pixels taken as 1") << 1.0 << 0.0 << 10.0 << 10.0;
        QTest::newRow("infinite length taken as 1") << qInf() << 100.0 << 10.0 << 0.1;
    }

    void niceStep()
    {
        QFETCH(double, length);
        QFETCH(double, pixels);
        QFETCH(double, minSpacing);
        QFETCH(double, expected);
        QCOMPARE(chartengine::niceTickStep(length, pixels, minSpacing).value(), expected);
    }

    void multiplesAreExact_data()
    {
        QTest::addColumn<TickStep>("step");
        QTest::addColumn<double>("k");
        QTest::addColumn<double>("expected");
        QTest::newRow("3 × 0.1 is the double 0.3") << TickStep{10, -1} << 3.0 << 0.3;
        QTest::newRow("7 × 0.25") << TickStep{25, -1} << 7.0 << 1.75;
        QTest::newRow("-41 × 0.5") << TickStep{50, -1} << -41.0 << -20.5;
        QTest::newRow("13 × 1000") << TickStep{10, 3} << 13.0 << 13000.0;
        QTest::newRow("3 × 0.002") << TickStep{20, -3} << 3.0 << 0.006;
    }

    void multiplesAreExact()
    {
        QFETCH(TickStep, step);
        QFETCH(double, k);
        QFETCH(double, expected);
        QCOMPARE(step.multiple(k), expected);  // exact: the same value as the literal
    }

    void ticks_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<TickStep>("step");
        QTest::addColumn<QList<double>>("expected");
        QTest::newRow("limits on ticks")
            << -10.0 << 10.0 << TickStep{50, 0} << QList<double>{-10, -5, 0, 5, 10};
        QTest::newRow("limits between ticks")
            << -20.5 << 20.5 << TickStep{10, 1} << QList<double>{-20, -10, 0, 10, 20};
        QTest::newRow("tenths arrive exact")
            << 0.0 << 0.5 << TickStep{10, -1} << QList<double>{0, 0.1, 0.2, 0.3, 0.4, 0.5};
        QTest::newRow("max a hair below a tick by rounding")
            << 0.0 << 0.30000000000000004 - 1e-17 << TickStep{10, -1} << QList<double>{0, 0.1, 0.2, 0.3};
        QTest::newRow("no tick inside") << 0.1 << 0.9 << TickStep{10, 0} << QList<double>{};
        QTest::newRow("reversed range") << 1.0 << 0.0 << TickStep{10, -1} << QList<double>{};
        QTest::newRow("too many ticks") << 0.0 << 1e6 << TickStep{10, -1} << QList<double>{};
    }

    void ticks()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(TickStep, step);
        QFETCH(QList<double>, expected);
        const std::vector<double> ticks = chartengine::tickValues({min, max}, step);
        QCOMPARE(QList<double>(ticks.begin(), ticks.end()), expected);
    }

    void labels_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<TickStep>("step");
        QTest::addColumn<bool>("russian");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole seconds, no group separator") << 12000.0 << TickStep{10, 3} << true << "12000";
        QTest::newRow("half degree, comma") << -20.5 << TickStep{50, -1} << true << "-20,5";
        QTest::newRow("half degree, full stop") << -20.5 << TickStep{50, -1} << false << "-20.5";
        QTest::newRow("quarter step keeps two decimals") << 0.5 << TickStep{25, -2} << false << "0.500";
        QTest::newRow("step 2.5 needs one decimal") << 5.0 << TickStep{25, 0} << false << "5.0";
        QTest::newRow("step 25 needs none") << 75.0 << TickStep{25, 1} << false << "75";
        QTest::newRow("zero of a negative range is not -0") << -0.0 << TickStep{10, -1} << false << "0.0";
        QTest::newRow("huge value in exponent form") << 3e12 << TickStep{10, 12} << false << "3e+12";
    }

    void labels()
    {
        QFETCH(double, value);
        QFETCH(TickStep, step);
        QFETCH(bool, russian);
        QFETCH(QString, expected);
        const QLocale locale = russian ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
        QCOMPARE(chartengine::formatTick(value, step, locale), expected);
    }
};

FROSTDIL_REGISTER_TEST(TickStepTest)
#include "TickStepTest.moc"
