#include "platform/NumberFormat.h"

#include "tests/support/SessionLocale.h"
#include "tests/support/TestRegistry.h"

#include <QTest>
#include <limits>

namespace {

// Each case once under every C library locale: the texts must not change with it.
template <typename AddCase> void underEveryCLibraryLocale(AddCase addCase)
{
    for (const char* locale : testsupport::CLibraryLocales)
        addCase(QByteArray(locale));
}

// A row whose first column is the C library locale it runs under.
QTestData& localeRow(const char* name, const QByteArray& locale)
{
    return QTest::newRow(QByteArray(name) + ", C library in " + locale) << locale;
}

} // namespace

class NumberFormatTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void general_data()
    {
        QTest::addColumn<QByteArray>("cLocale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("withFullStop");
        underEveryCLibraryLocale([](const QByteArray& locale) {
            const auto row = [&locale](const char* name) -> QTestData& { return localeRow(name, locale); };
            row("whole seconds") << 1200.0 << "1200";
            row("quarter") << 0.25 << "0.25";
            row("negative volume change") << -0.012 << "-0.012";
            row("strength 25.5") << 25.5 << "25.5";
            row("thousands keep no group separator") << 1234.5 << "1234.5";
            row("zero") << 0.0 << "0";
            row("negative zero") << -0.0 << "0";
            row("15 significant digits") << 0.1 + 0.2 << "0.3";
            row("rounded at the 15th digit") << 2.0 / 3.0 << "0.666666666666667";
            row("largest stored mean") << 65.535 << "65.535";
            row("tiny uses exponent") << 1.5e-7 << "1.5E-7";
            row("huge uses exponent") << 1e20 << "1E20";
            row("not a number") << std::numeric_limits<double>::quiet_NaN() << "NAN";
        });
    }

    // The separator is the caller's (the user's by default), never the C library's.
    void general()
    {
        QFETCH(QByteArray, cLocale);
        QFETCH(double, value);
        QFETCH(QString, withFullStop);
        const testsupport::CLibraryLocale locale(cLocale.constData());
        QVERIFY2(locale.isSet(), "locale not generated on this system: run scripts/setup.sh");
        QCOMPARE(platform::formatGeneral(value, QStringLiteral(".")), withFullStop);
        QCOMPARE(platform::formatGeneral(value, QStringLiteral(",")),
                 QString(withFullStop).replace(u'.', u','));
        QCOMPARE(platform::formatGeneral(value), testsupport::inSessionDecimals(withFullStop));
    }

    void userDecimalPointIsTheSessions()
    {
        QCOMPARE(platform::userDecimalPoint(), testsupport::sessionDecimalPoint());
    }

    void fixed_data()
    {
        QTest::addColumn<QByteArray>("cLocale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        underEveryCLibraryLocale([](const QByteArray& locale) {
            const auto row = [&locale](const char* name) -> QTestData& { return localeRow(name, locale); };
            row("volume 1000") << 1000.0 << 4 << 2 << "1000.00";
            row("volume of 101 x 99 x 100 mm") << 999900.0 / 1000.0 << 4 << 2 << "999.90";
            row("theta 0.25") << 0.25 << 4 << 3 << "0.250";
            row("temperature -5.3") << -5.3 << 4 << 2 << "-5.30";
            row("padded to width") << 1.2 << 5 << 2 << " 1.20";
            row("five decimals") << 0.125 << 4 << 5 << "0.12500";
            row("exact half away from zero") << 0.125 << 4 << 2 << "0.13";
            row("negative half away from zero") << -0.125 << 4 << 2 << "-0.13";
            row("half to a whole number") << 2.5 << 1 << 0 << "3";
            row("just below a half stays down") << 2.675 << 4 << 2 << "2.67"; // 2.67499999999999982236...
            row("rounds into a new digit") << 9.999 << 4 << 2 << "10.00";
            row("negative rounding to zero drops the sign") << -0.001 << 4 << 2 << "0.00";
            row("zero") << 0.0 << 4 << 3 << "0.000";
            row("cylinder volume") << 269.39 << 4 << 2 << "269.39";
            row("beyond 15 digits") << 1e20 << 4 << 2 << "100000000000000000000.00";
            row("not a number") << std::numeric_limits<double>::quiet_NaN() << 4 << 2 << " NAN";
            row("minus infinity") << -std::numeric_limits<double>::infinity() << 4 << 2 << "-INF";
        });
    }

    void fixed()
    {
        QFETCH(QByteArray, cLocale);
        QFETCH(double, value);
        QFETCH(int, width);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        const testsupport::CLibraryLocale locale(cLocale.constData());
        QVERIFY2(locale.isSet(), "locale not generated on this system: run scripts/setup.sh");
        QCOMPARE(platform::formatFixed(value, width, decimals), expected);
    }
};

FROSTDIL_REGISTER_TEST(NumberFormatTest)
#include "NumberFormatTest.moc"
