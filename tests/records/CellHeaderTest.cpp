#include "records/CellHeader.h"
#include "tests/support/TestRegistry.h"
#include "tools/simulator/CellFile.h"

#include <QTest>

using simulator::CellFile;
using records::CellHeader;

namespace {

long long fieldValue(const CellHeader& h, const QString& field)
{
    const int chamber = field.isEmpty() ? 0 : field.back().digitValue();
    if (field == QStringLiteral("testNumber")) return h.testNumber;
    if (field == QStringLiteral("strength")) return h.strengthTenths;
    if (field == QStringLiteral("treatment")) return h.treatment;
    if (field == QStringLiteral("mean")) return h.MeanRelativeVolumeChange;
    if (field == QStringLiteral("grade")) return h.GradeIndex;
    if (field.startsWith(QStringLiteral("dim")))  // "dim<chamber>.<dimension>"
        return h.dimensions[field[3].digitValue()][static_cast<std::size_t>(field[5].digitValue())];
    if (field.startsWith(QStringLiteral("count"))) return h.pointCountBytes[chamber];
    if (field.startsWith(QStringLiteral("present"))) return h.presentBytes[chamber];
    if (field.startsWith(QStringLiteral("volume"))) return h.volumeChangeThousandths[chamber];
    return -1;
}

} // namespace

class CellHeaderTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void laboratoryExample()
    {
        CellFile file;
        const QByteArray example = QByteArray::fromHex("0700030005090F030700 01FA00");
        for (int i = 0; i < example.size(); ++i) file.setByte(i, static_cast<std::uint8_t>(example[i]));
        const CellHeader header = records::readCellHeader(file.toSlot());
        QCOMPARE(header.testNumber, 7);
        QCOMPARE(header.series, 3);
        QCOMPARE(header.seconds, 0);
        QCOMPARE(header.minutes, 5);
        QCOMPARE(header.hours, 9);
        QCOMPARE(header.day, 15);
        QCOMPARE(header.month, 3);
        QCOMPARE(header.yearSince2000, 7);
        QCOMPARE(header.concreteType, 0);
        QCOMPARE(header.shape, 1);
        QVERIFY(!header.isCube());
        QCOMPARE(header.strengthTenths, 250);
    }

    // Each field read from its own offset with its own width and sign. A one-byte field gets a
    // neighbour byte it must not pick up.
    void fieldAtOffset_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("field");
        QTest::addColumn<long long>("expected");
        QTest::newRow("test number u16") << 0 << QByteArray::fromHex("E703") << "testNumber" << 999LL;
        QTest::newRow("strength u16") << 11 << QByteArray::fromHex("1027") << "strength" << 10000LL;
        QTest::newRow("chamber 1 first dimension") << 13 << QByteArray::fromHex("655A") << "dim1.0" << 101LL;
        QTest::newRow("chamber 1 second dimension") << 15 << QByteArray::fromHex("665A") << "dim1.1" << 102LL;
        QTest::newRow("chamber 1 third dimension") << 17 << QByteArray::fromHex("675A") << "dim1.2" << 103LL;
        QTest::newRow("chamber 2 first dimension") << 19 << QByteArray::fromHex("475A") << "dim2.0" << 71LL;
        QTest::newRow("chamber 2 third dimension") << 23 << QByteArray::fromHex("485A") << "dim2.2" << 72LL;
        QTest::newRow("chamber 3 first dimension") << 25 << QByteArray::fromHex("FF5A") << "dim3.0" << 255LL;
        QTest::newRow("chamber 3 third dimension") << 29 << QByteArray::fromHex("635A") << "dim3.2" << 99LL;
        QTest::newRow("count byte chamber 1") << 37 << QByteArray::fromHex("B45A") << "count1" << 180LL;
        QTest::newRow("count byte chamber 2") << 39 << QByteArray::fromHex("B55A") << "count2" << 181LL;
        QTest::newRow("count byte chamber 3") << 41 << QByteArray::fromHex("B65A") << "count3" << 182LL;
        QTest::newRow("count byte chamber 4") << 43 << QByteArray::fromHex("B75A") << "count4" << 183LL;
        QTest::newRow("present chamber 1") << 45 << QByteArray::fromHex("01") << "present1" << 1LL;
        QTest::newRow("present chamber 2") << 46 << QByteArray::fromHex("02") << "present2" << 2LL;
        QTest::newRow("present chamber 3") << 47 << QByteArray::fromHex("FF5A") << "present3" << 255LL;
        QTest::newRow("treatment") << 48 << QByteArray::fromHex("015A") << "treatment" << 1LL;
        QTest::newRow("volume change chamber 1, negative")
            << 50 << QByteArray::fromHex("18FC") << "volume1" << -1000LL;
        QTest::newRow("volume change chamber 2") << 52 << QByteArray::fromHex("FA00") << "volume2" << 250LL;
        QTest::newRow("volume change chamber 3, lowest")
            << 54 << QByteArray::fromHex("0080") << "volume3" << -32768LL;
        QTest::newRow("mean is unsigned") << 92 << QByteArray::fromHex("FFFF") << "mean" << 65535LL;
        QTest::newRow("grade index is unsigned") << 94 << QByteArray::fromHex("0F80") << "grade" << 32783LL;
    }

    void fieldAtOffset()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, field);
        QFETCH(long long, expected);
        CellFile file;
        for (int i = 0; i < bytes.size(); ++i) file.setByte(offset + i, static_cast<std::uint8_t>(bytes[i]));
        QCOMPARE(fieldValue(records::readCellHeader(file.toSlot()), field), expected);
    }

    void storedPoints_data()
    {
        QTest::addColumn<int>("chamber");
        QTest::addColumn<int>("pair");
        QTest::addColumn<int>("offset");
        QTest::newRow("chamber 1 pair 0") << 1 << 0 << 100;
        QTest::newRow("chamber 1 pair 4") << 1 << 4 << 116;
        QTest::newRow("chamber 2 pair 0") << 2 << 0 << 120;
        QTest::newRow("chamber 2 pair 2") << 2 << 2 << 128;
        QTest::newRow("chamber 3 pair 4") << 3 << 4 << 156;
    }

    void storedPoints()
    {
        QFETCH(int, chamber);
        QFETCH(int, pair);
        QFETCH(int, offset);
        CellFile file;
        file.setI16(offset, -7);
        file.setI16(offset + 2, -1234);
        const CellHeader header = records::readCellHeader(file.toSlot());
        for (int k = 1; k <= 3; ++k) {
            for (int p = 0; p < 5; ++p) {
                const records::StoredPoint point = header.storedPoints[k][static_cast<std::size_t>(p)];
                if (k == chamber && p == pair) {
                    QCOMPARE(point.index, -7);
                    QCOMPARE(point.value, -1.234);
                } else {
                    QCOMPARE(point, records::StoredPoint{});
                }
            }
        }
    }

    // Bytes the header does not hold change nothing, whatever they contain.
    void unlistedBytesAreIgnored()
    {
        CellFile plain;
        CellFile noisy;
        for (int offset :
             {14, 16, 18, 20, 22, 24, 26, 28, 30, 36, 38, 40, 42, 44, 49, 56, 91, 96, 99, 160, 1535})
            noisy.setByte(offset, 0xA5);
        QCOMPARE(records::readCellHeader(noisy.toSlot()), records::readCellHeader(plain.toSlot()));
    }
};

FROSTDIL_REGISTER_TEST(CellHeaderTest)
#include "CellHeaderTest.moc"
