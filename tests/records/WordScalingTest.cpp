// The scaled words must be, to the last bit, what extended-precision division rounded to a double gives,
// as the laboratory's earlier software computed them: for every signed and unsigned 16-bit word.
#include "records/WordScaling.h"
#include "tests/support/TestRegistry.h"

#include <QTest>

class WordScalingTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyWordAsInExtendedPrecision()
    {
        for (int word = -32768; word <= 65535; ++word) {
            const auto extended = static_cast<long double>(word);
            if (records::scaling::thousandths(word) != static_cast<double>(extended / 1000.0L))
                QFAIL(qPrintable(QStringLiteral("thousandths of %1").arg(word)));
            if (records::scaling::tenths(word) != static_cast<double>(extended / 10.0L))
                QFAIL(qPrintable(QStringLiteral("tenths of %1").arg(word)));
        }
    }
};

FROSTDIL_REGISTER_TEST(WordScalingTest)
#include "WordScalingTest.moc"
