#include "tests/support/TestRegistry.h"
#include "tools/simulator/GradeTable.h"

#include <QTest>

class GradeTableTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gradeIndex_data()
    {
        QTest::addColumn<double>("mean");
        QTest::addColumn<int>("index");
        QTest::newRow("shrinking counts as no expansion") << -0.5 << 12;
        QTest::newRow("no expansion is F1000") << 0.0 << 12;
        QTest::newRow("just below the F1000 bound") << 0.199 << 12;
        QTest::newRow("on the F1000 bound is F800") << 0.20 << 11;
        QTest::newRow("F300") << 0.45 << 7;
        QTest::newRow("F100") << 0.80 << 4;
        QTest::newRow("just below the F35 bound") << 1.599 << 1;
        QTest::newRow("on the F35 bound is F25") << 1.60 << 0;
        QTest::newRow("huge expansion is F25") << 65.535 << 0;
    }

    void gradeIndex()
    {
        QFETCH(double, mean);
        QFETCH(int, index);
        QCOMPARE(simulator::gradeIndexFor(mean), index);
    }

    // A larger expansion never earns a higher grade, and every grade is reachable.
    void bandsAreOrdered()
    {
        int previous = 12;
        QList<int> seen;
        for (int step = 0; step <= 2000; ++step) {
            const int index = simulator::gradeIndexFor(step / 1000.0);
            QVERIFY(index <= previous);
            if (!seen.contains(index)) seen << index;
            previous = index;
        }
        QCOMPARE(seen.size(), 13);
        for (int index = 1; index <= 12; ++index) {
            QCOMPARE(simulator::gradeIndexFor(simulator::gradeUpperBound(index)), index - 1);
        }
    }
};

FROSTDIL_REGISTER_TEST(GradeTableTest)
#include "GradeTableTest.moc"
