#include "processing/Smoothing.h"

#include "platform/Error.h"
#include "tests/support/TestRegistry.h"

#include <QTest>
#include <array>
#include <cmath>
#include <vector>

using records::TestRecord;

namespace {

using Quartic = std::array<double, 5>; // c0..c4

std::size_t at(int index) { return static_cast<std::size_t>(index); }

double quarticAt(const Quartic& c, double t)
{
    const long double x = t;
    return static_cast<double>(c[0] + x * (c[1] + x * (c[2] + x * (c[3] + x * c[4]))));
}

/// A record whose chamber takes a point every `step` seconds for `count` points, temperatures on the
/// quartic; the slots after the measured ones hold a marker that nothing may touch.
void fillChamber(TestRecord& record, int chamber, int count, double step, const Quartic& c,
                 bool present = true)
{
    record.ChamberPointCount[chamber] = count;
    if (chamber <= records::MeasuringChambers) record.ChamberPresent[chamber] = present ? 1 : 0;
    for (int i = 0; i < records::PointSlots; ++i) {
        const bool measured = i < count;
        record.ChamberTime[chamber][at(i)] = measured ? i * step : 999.0 + i;
        record.ChamberTemperature[chamber][at(i)] = measured ? quarticAt(c, i * step) : -77.5 - i;
    }
}

/// A realistic freezing run: 200 points a minute apart, +20 °C falling to about −20 °C, plus a wobble.
TestRecord freezingRun()
{
    TestRecord record;
    for (int chamber = 1; chamber <= records::ChamberCount; ++chamber) {
        record.ChamberPointCount[chamber] = 200;
        if (chamber <= records::MeasuringChambers) record.ChamberPresent[chamber] = 1;
        for (int i = 0; i < records::PointSlots; ++i) {
            const double t = 60.0 * i;
            record.ChamberTime[chamber][at(i)] = t;
            record.ChamberTemperature[chamber][at(i)] =
                std::round(10.0 * (20.0 - 40.0 * t / 12000.0 + 1.5 * std::sin(t / 900.0 + chamber))) / 10.0;
            record.ChamberVolumeChange[chamber][at(i)] = 0.001 * i;
        }
    }
    return record;
}

/// An independent least-squares quartic: time scaled to 0..1, extended precision, partial pivoting.
std::vector<double> referenceQuarticFit(const TestRecord& record, int chamber)
{
    const int count = record.ChamberPointCount[chamber];
    const long double scale = record.ChamberTime[chamber][at(count - 1)];
    std::array<std::array<long double, 6>, 5> system{}; // augmented normal equations
    for (int i = 0; i < count; ++i) {
        const long double u = record.ChamberTime[chamber][at(i)] / scale;
        std::array<long double, 5> powers{1, u, u * u, u * u * u, u * u * u * u};
        for (std::size_t r = 0; r < 5; ++r) {
            for (std::size_t q = 0; q < 5; ++q) system[r][q] += powers[r] * powers[q];
            system[r][5] += powers[r] * record.ChamberTemperature[chamber][at(i)];
        }
    }
    for (std::size_t q = 0; q < 5; ++q) {
        std::size_t pivot = q;
        for (std::size_t r = q + 1; r < 5; ++r)
            if (std::fabs(system[r][q]) > std::fabs(system[pivot][q])) pivot = r;
        std::swap(system[q], system[pivot]);
        for (std::size_t r = 0; r < 5; ++r) {
            if (r == q) continue;
            const long double f = system[r][q] / system[q][q];
            for (std::size_t l = q; l < 6; ++l) system[r][l] -= f * system[q][l];
        }
    }
    std::vector<double> fitted;
    for (int i = 0; i < count; ++i) {
        const long double u = record.ChamberTime[chamber][at(i)] / scale;
        long double value = 0;
        for (int p = 4; p >= 0; --p) value = value * u + system[at(p)][5] / system[at(p)][at(p)];
        fitted.push_back(static_cast<double>(value));
    }
    return fitted;
}

} // namespace

class SmoothingTest final : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void polynomialSeriesIsKept_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("step");
        QTest::addColumn<Quartic>("coefficients");
        QTest::newRow("constant -5 °C") << 50 << 60.0 << Quartic{-5, 0, 0, 0, 0};
        QTest::newRow("straight cooling") << 200 << 60.0 << Quartic{20, -1.0 / 300, 0, 0, 0};
        QTest::newRow("quadratic") << 120 << 90.0 << Quartic{18, -4e-3, 1.5e-7, 0, 0};
        QTest::newRow("quartic over 3 h 20 min") << 200 << 60.0 << Quartic{20, -5e-3, 1e-7, 2e-11, -1.5e-15};
        QTest::newRow("quartic, full 255 points") << 255 << 60.0 << Quartic{21, -4e-3, -1e-7, 3e-11, -1e-15};
        QTest::newRow("exactly five points") << 5 << 600.0 << Quartic{10, -2e-3, 1e-7, 0, -1e-15};
    }

    void polynomialSeriesIsKept()
    {
        QFETCH(int, count);
        QFETCH(double, step);
        QFETCH(Quartic, coefficients);
        TestRecord record;
        fillChamber(record, 2, count, step, coefficients);
        const TestRecord before = record;

        QVERIFY(processing::SmoothTemperatures(record).empty());

        for (int i = 0; i < count; ++i) {
            const double expected = before.ChamberTemperature[2][at(i)];
            const double actual = record.ChamberTemperature[2][at(i)];
            if (std::fabs(actual - expected) > 1e-9 * std::max(1.0, std::fabs(expected)))
                QFAIL(qPrintable(QStringLiteral("slot %1: %2 instead of %3")
                                     .arg(i)
                                     .arg(actual, 0, 'g', 17)
                                     .arg(expected, 0, 'g', 17)));
        }
        for (int p = 0; p <= 4; ++p) {
            const double scale = std::pow(step * count, p); // compare each term's size over the run
            QVERIFY2(std::fabs(record.PolyCoef[at(p)] - coefficients[at(p)]) * scale < 1e-8,
                     qPrintable(QStringLiteral("c%1 = %2").arg(p).arg(record.PolyCoef[at(p)], 0, 'g', 17)));
        }
    }

    void noisyRunMatchesLeastSquares()
    {
        TestRecord record = freezingRun();
        const TestRecord raw = record;
        QVERIFY(processing::SmoothTemperatures(record).empty());
        for (int chamber = 1; chamber <= 3; ++chamber) {
            const std::vector<double> expected = referenceQuarticFit(raw, chamber);
            for (int i = 0; i < 200; ++i) {
                const double actual = record.ChamberTemperature[chamber][at(i)];
                if (std::fabs(actual - expected[at(i)]) > 1e-9)
                    QFAIL(qPrintable(QStringLiteral("chamber %1 slot %2: %3 instead of %4")
                                         .arg(chamber)
                                         .arg(i)
                                         .arg(actual, 0, 'g', 17)
                                         .arg(expected[at(i)], 0, 'g', 17)));
            }
            QVERIFY(record.ChamberTemperature[chamber] != raw.ChamberTemperature[chamber]);
        }
    }

    void onlyMeasuredSlotsOfPresentChambersChange()
    {
        TestRecord record = freezingRun();
        record.ChamberPresent[2] = 0;
        record.ChamberPresent[3] = 2; // only 1 means present
        record.ChamberPointCount[1] = 150;
        const TestRecord raw = record;

        QVERIFY(processing::SmoothTemperatures(record).empty());

        QCOMPARE(record.ChamberTemperature[2], raw.ChamberTemperature[2]);
        QCOMPARE(record.ChamberTemperature[3], raw.ChamberTemperature[3]);
        QCOMPARE(record.ChamberTemperature[4], raw.ChamberTemperature[4]);
        for (int i = 150; i < records::PointSlots; ++i)
            QCOMPARE(record.ChamberTemperature[1][at(i)], raw.ChamberTemperature[1][at(i)]);
        QVERIFY(record.ChamberTemperature[1][0] != raw.ChamberTemperature[1][0]);
        QCOMPARE(record.ChamberTime, raw.ChamberTime);
        QCOMPARE(record.ChamberVolumeChange, raw.ChamberVolumeChange);
    }

    void chamberFourIsNeverSmoothed()
    {
        TestRecord record = freezingRun();
        record.ChamberPointCount[4] = 197;
        const TestRecord raw = record;
        processing::SmoothTemperatures(record);
        QCOMPARE(record.ChamberTemperature[4], raw.ChamberTemperature[4]);
    }

    void freshDecodeGivesSameValuesEveryTime()
    {
        const TestRecord raw = freezingRun();
        TestRecord onScreen = raw;
        processing::SmoothTemperatures(onScreen);
        const auto first = onScreen.ChamberTemperature;

        // Another test in between leaves its coefficients behind in the record on screen.
        TestRecord other;
        fillChamber(other, 1, 80, 45.0, Quartic{3, 1e-3, -2e-7, 1e-11, 4e-16});
        other.PolyCoef = {1, 2, 3, 4, 5, 0, 0, 0, 0, 0};
        onScreen = other;
        processing::SmoothTemperatures(onScreen);

        // Decoding the first test again rewrites the measured series but not the coefficients.
        onScreen.ChamberTime = raw.ChamberTime;
        onScreen.ChamberTemperature = raw.ChamberTemperature;
        onScreen.ChamberPointCount = raw.ChamberPointCount;
        onScreen.ChamberPresent = raw.ChamberPresent;
        processing::SmoothTemperatures(onScreen);
        QCOMPARE(onScreen.ChamberTemperature, first);
    }

    void higherCoefficientsStayAndCount()
    {
        TestRecord record;
        fillChamber(record, 1, 40, 10.0, Quartic{1, 0.5, 0, 0, 0});
        record.PolyCoef[5] = 7.0; // a fit of degree 4 never writes c5..c9
        processing::FitPolynomial(record, 1, 4, 40, 0);
        QCOMPARE(record.PolyCoef[5], 7.0);
        QVERIFY(std::fabs(record.PolyCoef[0] - 1.0) < 1e-9);
        QVERIFY(std::fabs(record.PolyCoef[1] - 0.5) < 1e-9);
    }

    void fitOverPartOfTheSeries()
    {
        TestRecord record;
        fillChamber(record, 3, 100, 60.0, Quartic{4, -2e-3, 0, 0, 0});
        // Slots 10..39 on a line; the rest off it would pull a fit over all slots away.
        for (int i = 0; i < 100; ++i) {
            if (i < 10 || i >= 40) record.ChamberTemperature[3][at(i)] += 50.0;
        }
        processing::FitPolynomial(record, 3, 1, 30, 10);
        QVERIFY(std::fabs(record.PolyCoef[0] - 4.0) < 1e-9);
        QVERIFY(std::fabs(record.PolyCoef[1] + 2e-3) < 1e-12);
    }

    void tooFewTimesAreNotSmoothed_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<std::vector<double>>("times");
        QTest::addColumn<std::vector<int>>("skipped");
        QTest::newRow("no points") << 0 << std::vector<double>{} << std::vector<int>{2};
        QTest::newRow("negative count") << -3 << std::vector<double>{} << std::vector<int>{2};
        QTest::newRow("one point") << 1 << std::vector<double>{0} << std::vector<int>{2};
        QTest::newRow("four points") << 4 << std::vector<double>{0, 60, 120, 180} << std::vector<int>{2};
        QTest::newRow("ten points, four times")
            << 10 << std::vector<double>{0, 0, 60, 60, 60, 120, 120, 180, 180, 180} << std::vector<int>{2};
        QTest::newRow("all at one time") << 30 << std::vector<double>(30, 600.0) << std::vector<int>{2};
        QTest::newRow("fifth time comes last")
            << 8 << std::vector<double>{0, 0, 60, 60, 120, 120, 180, 240} << std::vector<int>{};
    }

    void tooFewTimesAreNotSmoothed()
    {
        QFETCH(int, count);
        QFETCH(std::vector<double>, times);
        QFETCH(std::vector<int>, skipped);
        TestRecord record = freezingRun();
        record.ChamberPointCount[2] = count;
        for (std::size_t i = 0; i < times.size(); ++i) record.ChamberTime[2][i] = times[i];
        const TestRecord raw = record;

        QCOMPARE(processing::SmoothTemperatures(record), skipped);

        if (skipped.empty())
            QVERIFY(record.ChamberTemperature[2] != raw.ChamberTemperature[2]);
        else
            QCOMPARE(record.ChamberTemperature[2], raw.ChamberTemperature[2]);
        // The chambers around it are smoothed all the same.
        QVERIFY(record.ChamberTemperature[1] != raw.ChamberTemperature[1]);
        QVERIFY(record.ChamberTemperature[3] != raw.ChamberTemperature[3]);
    }

    void singularFitReportsDivision_data()
    {
        QTest::addColumn<int>("degree");
        QTest::addColumn<std::vector<double>>("times");
        QTest::addColumn<std::vector<double>>("temperatures");
        QTest::addColumn<QString>("message");
        const QString invalid = QStringLiteral("Invalid floating point operation");
        const QString byZero = QStringLiteral("Floating point division by zero");
        QTest::newRow("no points, degree 4")
            << 4 << std::vector<double>{} << std::vector<double>{} << invalid;
        QTest::newRow("no points, degree 0")
            << 0 << std::vector<double>{} << std::vector<double>{} << invalid;
        QTest::newRow("one time, degree 1")
            << 1 << std::vector<double>{60, 60, 60} << std::vector<double>{1, 2, 4} << invalid;
        QTest::newRow("all at zero seconds, degree 2")
            << 2 << std::vector<double>{0, 0, 0, 0} << std::vector<double>{5, 4, 3, 2} << invalid;
        QTest::newRow("one time, rounding leaves a remainder")
            << 1 << std::vector<double>{5, 5, 5} << std::vector<double>{2.8, 12.1, -17.5} << byZero;
    }

    void singularFitReportsDivision()
    {
        QFETCH(int, degree);
        QFETCH(std::vector<double>, times);
        QFETCH(std::vector<double>, temperatures);
        QFETCH(QString, message);
        TestRecord record;
        for (std::size_t i = 0; i < times.size(); ++i) {
            record.ChamberTime[1][i] = times[i];
            record.ChamberTemperature[1][i] = temperatures[i];
        }
        record.PolyCoef = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
        try {
            processing::FitPolynomial(record, 1, degree, static_cast<int>(times.size()), 0);
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QCOMPARE(error.message(), message);
        }
    }

    void rangeOutsideTheSeriesIsCut()
    {
        TestRecord record;
        fillChamber(record, 1, 256, 30.0, Quartic{2, 1e-3, 0, 0, 0});
        processing::FitPolynomial(record, 1, 1, 100, 200); // slots 200..255 only
        QVERIFY(std::fabs(record.PolyCoef[1] - 1e-3) < 1e-12);
        processing::FitPolynomial(record, 1, 1, 20, -10); // slots 0..9 only
        QVERIFY(std::fabs(record.PolyCoef[0] - 2.0) < 1e-9);
    }
};

FROSTDIL_REGISTER_TEST(SmoothingTest)
#include "SmoothingTest.moc"
