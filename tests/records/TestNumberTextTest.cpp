#include "platform/Error.h"
#include "records/TestNumberText.h"
#include "tests/support/TestRegistry.h"

#include <QTest>


namespace {

// The number, or the message the conversion failed with.
template <typename Convert>
QString outcome(Convert convert, const QString& text)
{
    try {
        return QString::number(convert(text));
    } catch (const platform::Error& error) {
        return error.message();
    }
}

} // namespace

class TestNumberTextTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textToInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto invalid = [](const char* text) {
            return QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(text));
        };
        QTest::newRow("plain") << "7" << "7";
        QTest::newRow("leading blank") << " 7" << "7";
        QTest::newRow("many leading blanks") << "    42" << "42";
        QTest::newRow("plus sign") << "+7" << "7";
        QTest::newRow("minus sign") << "-1" << "-1";
        QTest::newRow("leading zeros") << "007" << "7";
        QTest::newRow("largest") << "2147483647" << "2147483647";
        QTest::newRow("smallest") << "-2147483648" << "-2147483648";
        QTest::newRow("letters") << "abc" << invalid("abc");
        QTest::newRow("empty") << "" << invalid("");
        QTest::newRow("blanks only") << "   " << invalid("   ");
        QTest::newRow("sign only") << "-" << invalid("-");
        QTest::newRow("trailing blank") << "7 " << invalid("7 ");
        QTest::newRow("blank after sign") << "- 7" << invalid("- 7");
        QTest::newRow("two signs") << "+-7" << invalid("+-7");
        QTest::newRow("decimal point") << "7.0" << invalid("7.0");
        QTest::newRow("tab is no blank") << "\t7" << invalid("\t7");
        QTest::newRow("just above the range") << "2147483648" << invalid("2147483648");
        QTest::newRow("just below the range") << "-2147483649" << invalid("-2147483649");
        QTest::newRow("far out of range") << "99999999999" << invalid("99999999999");
        QTest::newRow("very long digits")
            << "123456789012345678901234567890" << invalid("123456789012345678901234567890");
        QTest::newRow("arabic-indic digit")
            << QStringLiteral("\u0667") << QStringLiteral("'\u0667' is not a valid integer value");
    }

    void textToInteger()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(outcome(records::textToInteger, text), expected);
    }

    void selectorTestNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("test 7") << "7" << "7";
        QTest::newRow("first slot") << "1" << "1";
        QTest::newRow("last slot") << "999" << "999";
        QTest::newRow("zero decodes nothing") << "0" << "0";
        QTest::newRow("65536 wraps to zero") << "65536" << "0";
        QTest::newRow("65543 keeps its low 16 bits") << "65543" << "7";
        QTest::newRow("1000 has no slot")
            << "1000"
            << "Испытание № 1000 не может быть выбрано: номер испытания должен быть от 1 до 999.";
        QTest::newRow("-1 is 65535, no slot")
            << "-1"
            << "Испытание № -1 не может быть выбрано: номер испытания должен быть от 1 до 999.";
        QTest::newRow("-65529 wraps to 7") << "-65529" << "7";
        QTest::newRow("not a number") << "abc" << "'abc' is not a valid integer value";
    }

    void selectorTestNumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(outcome(records::selectorTestNumber, text), expected);
    }
};

FROSTDIL_REGISTER_TEST(TestNumberTextTest)
#include "TestNumberTextTest.moc"
