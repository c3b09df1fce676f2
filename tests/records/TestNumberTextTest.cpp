#include "records/TestNumberText.h"
#include "tests/support/TestRegistry.h"

#include <QTest>

class TestNumberTextTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void integerOfText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // the number, or "none"
        QTest::newRow("plain") << "7" << "7";
        QTest::newRow("leading blank") << " 7" << "7";
        QTest::newRow("many leading blanks") << "    42" << "42";
        QTest::newRow("plus sign") << "+7" << "7";
        QTest::newRow("minus sign") << "-1" << "-1";
        QTest::newRow("leading zeros") << "007" << "7";
        QTest::newRow("largest") << "2147483647" << "2147483647";
        QTest::newRow("smallest") << "-2147483648" << "-2147483648";
        QTest::newRow("letters") << "abc"
                                 << "none";
        QTest::newRow("empty") << ""
                               << "none";
        QTest::newRow("blanks only") << "   "
                                     << "none";
        QTest::newRow("sign only") << "-"
                                   << "none";
        QTest::newRow("trailing blank") << "7 "
                                        << "none";
        QTest::newRow("blank after sign") << "- 7"
                                          << "none";
        QTest::newRow("two signs") << "+-7"
                                   << "none";
        QTest::newRow("decimal point") << "7.0"
                                       << "none";
        QTest::newRow("tab is no blank") << "\t7"
                                         << "none";
        QTest::newRow("just above the range") << "2147483648"
                                              << "none";
        QTest::newRow("just below the range") << "-2147483649"
                                              << "none";
        QTest::newRow("far out of range") << "99999999999"
                                          << "none";
        QTest::newRow("very long digits") << "123456789012345678901234567890"
                                          << "none";
        QTest::newRow("arabic-indic digit") << QStringLiteral("\u0667") << "none";
    }

    void integerOfText()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const std::optional<std::int32_t> number = records::integerOfText(text);
        QCOMPARE(number ? QString::number(*number) : QStringLiteral("none"), expected);
    }

    void selectorTestNumber_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("testNumber");
        QTest::newRow("test 7") << 7 << 7;
        QTest::newRow("last slot") << 999 << 999;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("1000 is no slot, but kept") << 1000 << 1000;
        QTest::newRow("65536 wraps to zero") << 65536 << 0;
        QTest::newRow("65543 keeps its low 16 bits") << 65543 << 7;
        QTest::newRow("-1 is 65535") << -1 << 65535;
        QTest::newRow("-65529 wraps to 7") << -65529 << 7;
    }

    void selectorTestNumber()
    {
        QFETCH(int, number);
        QFETCH(int, testNumber);
        QCOMPARE(int(records::selectorTestNumber(number)), testNumber);
    }
};

FROSTDIL_REGISTER_TEST(TestNumberTextTest)
#include "TestNumberTextTest.moc"
