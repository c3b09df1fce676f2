// Items made on several threads must reach their user in order, each once, never more than the window
// ahead, and a failure must come out at its item's turn without leaving threads behind.
#include "tools/cellexport/MadeInOrder.h"

#include "tests/support/TestRegistry.h"

#include <QTest>
#include <atomic>
#include <stdexcept>
#include <vector>

namespace {

struct Made {
    int index = -1;
};

} // namespace

class MadeInOrderTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void itemsArriveInOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("helpers");
        QTest::addColumn<int>("window");
        QTest::newRow("no items") << 0 << 1 << 2;
        QTest::newRow("one item, the caller alone") << 1 << 0 << 1;
        QTest::newRow("the caller alone, window of one") << 20 << 0 << 1;
        QTest::newRow("one helper, many turns of the window") << 200 << 1 << 4;
        QTest::newRow("three helpers, window of one") << 60 << 3 << 1;
        QTest::newRow("three helpers, more objects than items") << 5 << 3 << 8;
    }

    void itemsArriveInOrder()
    {
        QFETCH(int, count);
        QFETCH(int, helpers);
        QFETCH(int, window);
        std::atomic<int> used{0};
        std::atomic<int> aheadOfWindow{0};
        std::atomic<int> makings{0};
        std::vector<int> order;
        cellexport::makeInOrder<Made>(
            count, helpers, window,
            [&](int index, Made& item) {
                if (index >= used.load() + window) ++aheadOfWindow;
                item.index = index;
                ++makings;
            },
            [&](int index, const Made& item) {
                QCOMPARE(item.index, index);
                order.push_back(index);
                ++used;
            });
        QCOMPARE(static_cast<int>(order.size()), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(order[static_cast<std::size_t>(i)], i);
        QCOMPARE(makings.load(), count);
        QCOMPARE(aheadOfWindow.load(), 0);
    }

    void failuresComeOutAtTheirTurn_data()
    {
        QTest::addColumn<bool>("inMake");
        QTest::addColumn<int>("helpers");
        QTest::newRow("making fails, caller alone") << true << 0;
        QTest::newRow("making fails, with helpers") << true << 2;
        QTest::newRow("using fails, with helpers") << false << 2;
    }

    void failuresComeOutAtTheirTurn()
    {
        QFETCH(bool, inMake);
        QFETCH(int, helpers);
        constexpr int Failing = 7;
        std::vector<int> used;
        try {
            cellexport::makeInOrder<Made>(
                100, helpers, 4,
                [&](int index, Made& item) {
                    if (inMake && index == Failing) throw std::runtime_error("cannot make");
                    item.index = index;
                },
                [&](int index, const Made&) {
                    if (!inMake && index == Failing) throw std::runtime_error("cannot use");
                    used.push_back(index);
                });
            QFAIL("no exception");
        } catch (const std::runtime_error& error) {
            QCOMPARE(QByteArray(error.what()), inMake ? QByteArray("cannot make") : QByteArray("cannot use"));
        }
        QCOMPARE(static_cast<int>(used.size()), Failing);
    }
};

FROSTDIL_REGISTER_TEST(MadeInOrderTest)
#include "MadeInOrderTest.moc"
