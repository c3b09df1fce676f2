// The shortest decimal must be the one std::to_chars finds, for every binary exponent a double has:
// each exponent reads its own power of ten from the table.
#include "tools/cellexport/ShortestDecimal.h"

#include "tests/support/TestRegistry.h"

#include <QTest>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using cellexport::Decimal;

Q_DECLARE_METATYPE(Decimal)

namespace {

/// What std::to_chars finds, read back from its exponent form "d.ddde±x".
Decimal standardDecimal(double value)
{
    char text[64];
    const char* const end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    const char* const e =
        static_cast<const char*>(std::memchr(text, 'e', static_cast<std::size_t>(end - text)));
    std::string digits;
    for (const char* p = text; p < e; ++p)
        if (*p != '.') digits += *p;
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return {std::stoull(digits), exponent - static_cast<int>(digits.size()) + 1};
}

double fromBits(std::uint64_t bits)
{
    return std::bit_cast<double>(bits);
}

QString mismatch(double value, Decimal found)
{
    const Decimal expected = standardDecimal(value);
    return QStringLiteral("%1: %2e%3, std::to_chars: %4e%5")
        .arg(value, 0, 'g', 17)
        .arg(found.significand)
        .arg(found.exponent)
        .arg(expected.significand)
        .arg(expected.exponent);
}

} // namespace

class ShortestDecimalTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void knownValues_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<Decimal>("decimal");
        QTest::newRow("one") << 1.0 << Decimal{1, 0};
        QTest::newRow("tenth") << 0.1 << Decimal{1, -1};
        QTest::newRow("seventeen digits") << 0.1 + 0.2 << Decimal{30000000000000004, -17};
        QTest::newRow("smoothed temperature") << 19.661834494367934 << Decimal{19661834494367934, -15};
        QTest::newRow("nearer of two of full length") << 5e-324 * 3 << Decimal{15, -324};
        QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << Decimal{5, -324};
        QTest::newRow("second subnormal")
            << 2 * std::numeric_limits<double>::denorm_min() << Decimal{1, -323};
        QTest::newRow("largest subnormal") << fromBits(0x000FFFFFFFFFFFFF) << Decimal{2225073858507201, -323};
        QTest::newRow("smallest normal")
            << std::numeric_limits<double>::min() << Decimal{22250738585072014, -324};
        QTest::newRow("largest") << std::numeric_limits<double>::max() << Decimal{17976931348623157, 292};
        QTest::newRow("power of two, closer neighbours below")
            << std::ldexp(1.0, 63) << Decimal{9223372036854776, 3};
        QTest::newRow("2^53") << 9007199254740992.0 << Decimal{9007199254740992, 0};
        QTest::newRow("whole with trailing zeros") << 1e22 << Decimal{1, 22};
        QTest::newRow("1e23, between two doubles") << 1e23 << Decimal{1, 23};
    }

    void knownValues()
    {
        QFETCH(double, value);
        QFETCH(Decimal, decimal);
        QCOMPARE(cellexport::shortestDecimal(value), decimal);
        QCOMPARE(standardDecimal(value), decimal);
    }

    // Every biased exponent with significands at and near the powers of two (where the neighbours
    // below lie closer) and random ones; every subnormal with a small significand.
    void everyExponent()
    {
        std::mt19937_64 random(1234);
        for (std::uint64_t exponent = 0; exponent < 0x7FF; ++exponent) {
            for (std::uint64_t fraction :
                 {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{2}, (std::uint64_t{1} << 52) - 1,
                  random() >> 12, random() >> 12, random() >> 12, random() >> 12}) {
                const double value = fromBits(exponent << 52 | fraction);
                if (value == 0) continue;
                const Decimal found = cellexport::shortestDecimal(value);
                if (!(found == standardDecimal(value))) QFAIL(qPrintable(mismatch(value, found)));
            }
        }
        for (std::uint64_t fraction = 1; fraction < 100000; ++fraction) {
            const double value = fromBits(fraction);
            const Decimal found = cellexport::shortestDecimal(value);
            if (!(found == standardDecimal(value))) QFAIL(qPrintable(mismatch(value, found)));
        }
    }

    void negativeValuesByMagnitude() { QCOMPARE(cellexport::shortestDecimal(-0.25), (Decimal{25, -2})); }
};

FROSTDIL_REGISTER_TEST(ShortestDecimalTest)
#include "ShortestDecimalTest.moc"
