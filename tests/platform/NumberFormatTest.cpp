#include "platform/NumberFormat.h"
#include "tests/support/TestRegistry.h"

#include <QLocale>
#include <QTest>

class NumberFormatTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void general_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole seconds") << 1200.0 << true << "1200";
        QTest::newRow("quarter, full stop") << 0.25 << false << "0.25";
        QTest::newRow("quarter, comma") << 0.25 << true << "0,25";
        QTest::newRow("negative volume change") << -0.012 << true << "-0,012";
        QTest::newRow("strength 25.5") << 25.5 << true << "25,5";
        QTest::newRow("zero") << 0.0 << false << "0";
        QTest::newRow("negative zero") << -0.0 << false << "0";
        QTest::newRow("15 significant digits") << 0.1 + 0.2 << false << "0.3";
        QTest::newRow("largest stored mean") << 65.535 << false << "65.535";
        QTest::newRow("tiny uses exponent") << 1.5e-7 << true << "1,5E-7";
        QTest::newRow("huge uses exponent") << 1e20 << false << "1E20";
    }

    void general()
    {
        QFETCH(double, value);
        QFETCH(bool, decimalComma);
        QFETCH(QString, expected);
        QLocale::setDefault(decimalComma ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c());
        QCOMPARE(platform::formatGeneral(value), expected);
    }

    void fixed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("volume 1000") << 1000.0 << 4 << 2 << "1000.00";
        QTest::newRow("theta 0.25") << 0.25 << 4 << 3 << "0.250";
        QTest::newRow("temperature -5.3") << -5.3 << 4 << 2 << "-5.30";
        QTest::newRow("padded to width") << 1.2 << 5 << 2 << " 1.20";
        QTest::newRow("five decimals") << 0.125 << 4 << 5 << "0.12500";
        QTest::newRow("exact half away from zero") << 0.125 << 4 << 2 << "0.13";
        QTest::newRow("negative half away from zero") << -0.125 << 4 << 2 << "-0.13";
        QTest::newRow("rounds into a new digit") << 9.999 << 4 << 2 << "10.00";
        QTest::newRow("negative rounding to zero drops the sign") << -0.001 << 4 << 2 << "0.00";
        QTest::newRow("cylinder volume") << 269.39 << 4 << 2 << "269.39";
    }

    void fixed()
    {
        QFETCH(double, value);
        QFETCH(int, width);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));  // fixed ignores the locale
        QCOMPARE(platform::formatFixed(value, width, decimals), expected);
    }
};

FROSTDIL_REGISTER_TEST(NumberFormatTest)
#include "NumberFormatTest.moc"
