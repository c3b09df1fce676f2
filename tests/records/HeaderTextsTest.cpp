#include "records/HeaderTexts.h"

#include "platform/Error.h"
#include "tests/support/SessionLocale.h"
#include "tests/support/TestRegistry.h"

#include <QTest>

using records::CellHeader;

namespace {

CellHeader headerAt(int hours, int minutes, int seconds, int day, int month, int year)
{
    CellHeader header;
    header.hours = static_cast<std::uint8_t>(hours);
    header.minutes = static_cast<std::uint8_t>(minutes);
    header.seconds = static_cast<std::uint8_t>(seconds);
    header.day = static_cast<std::uint8_t>(day);
    header.month = static_cast<std::uint8_t>(month);
    header.yearSince2000 = static_cast<std::uint8_t>(year);
    return header;
}

QString failureOf(const CellHeader& header)
{
    try {
        records::decodeHeaderTexts(header);
    } catch (const platform::Error& error) {
        return error.message();
    }
    return {};
}

} // namespace

class HeaderTextsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void laboratoryExample()
    {
        CellHeader header = headerAt(9, 5, 0, 15, 3, 7);
        header.series = 3;
        header.concreteType = 0;
        header.shape = 1;
        header.strengthTenths = 250;
        const records::HeaderTexts texts = records::decodeHeaderTexts(header);
        QCOMPARE(texts.timeText, QStringLiteral("     09:05:00"));
        QCOMPARE(texts.time, QTime(9, 5, 0));
        QCOMPARE(texts.dateText, QStringLiteral("     15.03.2007"));
        QCOMPARE(texts.date, QDate(2007, 3, 15));
        QCOMPARE(texts.seriesText, QStringLiteral("3"));
        QCOMPARE(texts.concreteTypeIndex, 0);
        QCOMPARE(texts.shapeIndex, 1);
        QCOMPARE(texts.strengthText, QStringLiteral("25"));
    }

    void validDateAndTime_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("timeText");
        QTest::addColumn<QString>("dateText");
        QTest::addColumn<QDate>("date");
        QTest::newRow("year byte 5 is 2005") << 9 << 5 << 0 << 1 << 2 << 5 << "     09:05:00"
                                             << "     01.02.2005" << QDate(2005, 2, 1);
        QTest::newRow("year byte 10 is 2010") << 23 << 59 << 59 << 31 << 12 << 10 << "     23:59:59"
                                              << "     31.12.2010" << QDate(2010, 12, 31);
        QTest::newRow("year byte 0 is 2000") << 0 << 0 << 0 << 29 << 2 << 0 << "     00:00:00"
                                             << "     29.02.2000" << QDate(2000, 2, 29);
        QTest::newRow("year byte 9 is 2009") << 12 << 30 << 7 << 10 << 10 << 9 << "     12:30:07"
                                             << "     10.10.2009" << QDate(2009, 10, 10);
        QTest::newRow("year byte 99 is 2099") << 1 << 1 << 1 << 28 << 2 << 99 << "     01:01:01"
                                              << "     28.02.2099" << QDate(2099, 2, 28);
        QTest::newRow("leap day 2024") << 6 << 0 << 0 << 29 << 2 << 24 << "     06:00:00"
                                       << "     29.02.2024" << QDate(2024, 2, 29);
    }

    void validDateAndTime()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, timeText);
        QFETCH(QString, dateText);
        QFETCH(QDate, date);
        const records::HeaderTexts texts =
            records::decodeHeaderTexts(headerAt(hours, minutes, seconds, day, month, year));
        QCOMPARE(texts.timeText, timeText);
        QCOMPARE(texts.time, QTime(hours, minutes, seconds));
        QCOMPARE(texts.dateText, dateText);
        QCOMPARE(texts.date, date);
    }

    // The message names the text that was converted, its five leading blanks included; the time is
    // converted first, so it is the one named when both are wrong.
    void invalidDateOrTime_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::newRow("hour 24") << 24 << 0 << 15 << 3 << 7 << "'     24:00:00' is not a valid date and time";
        QTest::newRow("minute 60") << 9 << 60 << 15 << 3 << 7
                                   << "'     09:60:00' is not a valid date and time";
        QTest::newRow("hour byte 255")
            << 255 << 0 << 15 << 3 << 7 << "'     255:00:00' is not a valid date and time";
        QTest::newRow("month 0") << 9 << 5 << 15 << 0 << 7
                                 << "'     15.00.2007' is not a valid date and time";
        QTest::newRow("month 13") << 9 << 5 << 15 << 13 << 7
                                  << "'     15.13.2007' is not a valid date and time";
        QTest::newRow("day 0") << 9 << 5 << 0 << 3 << 7 << "'     00.03.2007' is not a valid date and time";
        QTest::newRow("31 April") << 9 << 5 << 31 << 4 << 7
                                  << "'     31.04.2007' is not a valid date and time";
        QTest::newRow("29 February 2007")
            << 9 << 5 << 29 << 2 << 7 << "'     29.02.2007' is not a valid date and time";
        QTest::newRow("year byte 100")
            << 9 << 5 << 15 << 3 << 100 << "'     15.03.20100' is not a valid date and time";
        QTest::newRow("year byte 255")
            << 9 << 5 << 15 << 3 << 255 << "'     15.03.20255' is not a valid date and time";
        QTest::newRow("empty slot") << 0 << 0 << 0 << 0 << 0
                                    << "'     00.00.2000' is not a valid date and time";
        QTest::newRow("time fails before date")
            << 24 << 0 << 0 << 0 << 100 << "'     24:00:00' is not a valid date and time";
    }

    void invalidDateOrTime()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QCOMPARE(failureOf(headerAt(hours, minutes, 0, day, month, year)), message);
    }

    void textConversion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isTime");
        QTest::addColumn<bool>("valid");
        QTest::newRow("time without blanks") << "9:05:00" << true << true;
        QTest::newRow("time with trailing blanks") << "  09:05:00  " << true << true;
        QTest::newRow("time with letters") << "     09:0a:00" << true << false;
        QTest::newRow("time with two fields") << "     09:05" << true << false;
        QTest::newRow("time with a sign") << "     -9:05:00" << true << false;
        QTest::newRow("empty time") << "" << true << false;
        QTest::newRow("date without blanks") << "15.03.2007" << false << true;
        QTest::newRow("date with slashes") << "     15/03/2007" << false << false;
        QTest::newRow("date with a huge field") << "     15.03.99999999999" << false << false;
        QTest::newRow("date with trailing text") << "     15.03.2007x" << false << false;
    }

    void textConversion()
    {
        QFETCH(QString, text);
        QFETCH(bool, isTime);
        QFETCH(bool, valid);
        bool converted = true;
        try {
            if (isTime)
                QVERIFY(records::toTestTime(text).isValid());
            else
                QVERIFY(records::toTestDate(text).isValid());
        } catch (const platform::Error& error) {
            converted = false;
            QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid date and time").arg(text));
        }
        QCOMPARE(converted, valid);
    }

    void strength_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("withFullStop");
        QTest::newRow("a half") << 255 << "25.5";
        QTest::newRow("whole number has no decimals") << 250 << "25";
        QTest::newRow("zero") << 0 << "0";
        QTest::newRow("largest word") << 65535 << "6553.5";
        QTest::newRow("one tenth") << 1 << "0.1";
    }

    // The strength shows the user's decimal separator: a comma on the laboratories' Russian desktops.
    void strength()
    {
        QFETCH(int, tenths);
        QFETCH(QString, withFullStop);
        CellHeader header = headerAt(9, 5, 0, 15, 3, 7);
        header.strengthTenths = static_cast<std::uint16_t>(tenths);
        QCOMPARE(records::decodeHeaderTexts(header).strengthText,
                 testsupport::inSessionDecimals(withFullStop));
    }

    // Indexes outside the lists are passed on as they are; the window shows no item for them.
    void seriesAndListIndexes()
    {
        CellHeader header = headerAt(9, 5, 0, 15, 3, 7);
        header.series = 255;
        header.concreteType = 4;
        header.shape = 200;
        const records::HeaderTexts texts = records::decodeHeaderTexts(header);
        QCOMPARE(texts.seriesText, QStringLiteral("255"));
        QCOMPARE(texts.concreteTypeIndex, 4);
        QCOMPARE(texts.shapeIndex, 200);
    }
};

FROSTDIL_REGISTER_TEST(HeaderTextsTest)
#include "HeaderTextsTest.moc"
