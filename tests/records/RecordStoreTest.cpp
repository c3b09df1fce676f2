#include "records/CellFileReader.h"
#include "records/Measurements.h"
#include "records/RecordStore.h"
#include "tests/support/ResidentMemory.h"
#include "tests/support/TestRegistry.h"
#include "tools/simulator/TestModel.h"

#include <QTest>

#include <algorithm>
#include <memory>

using records::RecordStore;
using records::TestRecord;

namespace {

// Loading without the disk: the file's bytes through the read buffer into the slot of its number.
void load(RecordStore& store, const simulator::CellFile& file)
{
    auto buffer = std::make_unique<records::ReadBuffer>();
    std::copy_n(file.bytes().cbegin(), file.size(), buffer->begin());
    const int number = file.byteAt(0) | file.byteAt(1) << 8;
    records::overlayFile(store.slot(number), *buffer, file.size());
}

std::unique_ptr<TestRecord> decoded(const records::Slot& slot)
{
    auto record = std::make_unique<TestRecord>();
    records::decodeMeasurements(slot, *record);
    return record;
}

simulator::CellFile simulated(int number, std::uint32_t seed, bool secondChamber)
{
    simulator::SimulationOptions options;
    options.testNumber = static_cast<std::uint16_t>(number);
    options.seed = seed;
    options.present = {true, secondChamber, true};
    return simulator::simulateTest(options).file();
}

} // namespace

class RecordStoreTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void freshStoreIsZero()
    {
        const RecordStore store;
        for (int number = records::FirstTestNumber; number <= records::LastTestNumber; ++number) {
            const records::Slot& slot = store.slot(number);
            if (std::any_of(slot.begin(), slot.end(), [](std::uint8_t b) { return b != 0; }))
                QFAIL(qPrintable(QStringLiteral("slot %1 is not empty").arg(number)));
        }
        // An empty slot decodes to zero series, no chamber present and the fourth channel's count −3.
        TestRecord expected;
        expected.ChamberPointCount[4] = -3;
        QVERIFY(*decoded(store.slot(1)) == expected);
    }

    // The store's ten megabytes come from the system as zero pages, taken only where a slot is written:
    // filling them with zeros at start made the program start slowly and sit large.
    void memoryIsTakenAsSlotsFill()
    {
        constexpr long long MiB = 1024 * 1024;
        const long long before = testsupport::residentBytes();
        RecordStore store;
        const long long fresh = testsupport::residentBytes();
        std::fill(store.slot(500).begin(), store.slot(500).end(), 0x55);
        const long long oneSlot = testsupport::residentBytes();
        QVERIFY2(fresh - before < MiB, qPrintable(QString::number(fresh - before)));
        QVERIFY2(oneSlot - fresh < MiB / 16, qPrintable(QString::number(oneSlot - fresh)));
        QVERIFY(oneSlot - fresh >= records::SlotSize);
        QCOMPARE(store.slot(499)[records::SlotSize - 1], 0);
        QCOMPARE(store.slot(501)[0], 0);
    }

    void holdsTestNumbers_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("held");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("999") << 999 << true;
        QTest::newRow("1000") << 1000 << false;
        QTest::newRow("negative") << -1 << false;
    }

    void holdsTestNumbers()
    {
        QFETCH(int, number);
        QFETCH(bool, held);
        QCOMPARE(RecordStore::holdsTestNumber(number), held);
    }

    // Loading 5, then 6, then choosing 5 again shows what loading 5 showed.
    void anotherTestLeavesASlotAlone()
    {
        RecordStore store;
        load(store, simulated(5, 1, true));
        const auto afterFive = decoded(store.slot(5));
        load(store, simulated(6, 2, false));
        QVERIFY(*decoded(store.slot(6)) != *afterFive);
        QVERIFY(*decoded(store.slot(5)) == *afterFive);
    }

    void lastSlot()
    {
        RecordStore store;
        simulator::CellFile file = simulated(999, 3, true);
        file.resize(10001);
        file.setByte(10000, 0x7E);
        load(store, file);
        QCOMPARE(store.slot(999)[10000], 0x7E);
        QCOMPARE(store.slot(998)[10000], 0);
        QCOMPARE(decoded(store.slot(999))->ChamberPointCount[1], 180);
    }

    // A shorter file under a number loaded before replaces only its own length.
    void shorterReloadKeepsTheTail()
    {
        RecordStore store;
        const simulator::CellFile first = simulated(7, 4, true);
        load(store, first);
        simulator::CellFile shorter = simulated(7, 5, true);
        shorter.resize(0x1E00);  // up to the fourth channel's block
        load(store, shorter);
        const QByteArray slot(reinterpret_cast<const char*>(store.slot(7).data()), first.size());
        QCOMPARE(slot.left(0x1E00), shorter.bytes());
        QCOMPARE(slot.mid(0x1E00), first.bytes().mid(0x1E00));
    }
};

FROSTDIL_REGISTER_TEST(RecordStoreTest)
#include "RecordStoreTest.moc"
