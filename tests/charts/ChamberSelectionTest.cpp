#include "charts/ChamberSelection.h"

#include "tests/charts/ChartFixtures.h"
#include "tests/support/TestRegistry.h"

#include <QTest>

using namespace chartfixtures;

class ChamberSelectionTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void selection_data()
    {
        QTest::addColumn<QString>("shownChambers"); // digits of the toggles that are down
        QTest::addColumn<int>("chartKind");
        QTest::addColumn<PointCounts>("pointCounts");
        QTest::addColumn<int>("curveFirstSlot");  // −1: no result curves
        QTest::addColumn<int>("expectedChamber"); // 0: none
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<int>("expectedMinimum"); // −1: range left as it is
        QTest::addColumn<int>("expectedMaximum");
        QTest::addColumn<QString>("expectedFirstCaption"); // null: left as it is
        QTest::addColumn<QString>("expectedSecondCaption");

        const PointCounts counts = {40, 36, 30, 25};
        const PointCounts hundredTwenty = {120, 120, 120, 120};
        const QString none = QStringLiteral("Камера не выбрана");
        const QString dV = QStringLiteral("dV  =");
        const QString t = QStringLiteral("t  =");
        QTest::newRow("all hidden") << "" << 1 << counts << -1 << 0 << none << -1 << -1 << dV << t;
        QTest::newRow("all hidden, result kind")
            << "" << 4 << counts << 11 << 0 << none << -1 << -1 << dV << t;
        QTest::newRow("1 and 3 shown selects 1")
            << "13" << 1 << counts << -1 << 1 << QStringLiteral("Камера №1") << 0 << 39 << dV << t;
        QTest::newRow("only 3 shown selects 3")
            << "3" << 1 << counts << -1 << 3 << QStringLiteral("Камера №3") << 0 << 29 << dV << t;
        QTest::newRow("only 4 shown selects 4")
            << "4" << 2 << counts << -1 << 4 << QStringLiteral("Камера №4") << 0 << 24
            << QStringLiteral(" T  =") << t;
        QTest::newRow("120 points, dV = f(t)")
            << "1234" << 1 << hundredTwenty << -1 << 1 << QStringLiteral("Камера №1") << 0 << 119 << dV << t;
        QTest::newRow("120 points, T = f(t)")
            << "1234" << 2 << hundredTwenty << -1 << 1 << QStringLiteral("Камера №1") << 0 << 119
            << QStringLiteral(" T  =") << t;
        QTest::newRow("120 points, dV = f(T)")
            << "234" << 3 << hundredTwenty << -1 << 2 << QStringLiteral("Камера №2") << 0 << 119 << dV
            << QStringLiteral("T  =");
        QTest::newRow("result kind, characteristic point at slot 40")
            << "2" << 4 << hundredTwenty << 32 << 2 << QStringLiteral("Камера №2") << 32 << 119 << dV << t;
        QTest::newRow("result kind, chamber without a result curve")
            << "2" << 4 << hundredTwenty << -1 << 2 << QStringLiteral("Камера №2") << 0 << 119 << dV << t;
        QTest::newRow("result kind, chamber 4") << "4" << 4 << PointCounts{120, 120, 120, 97} << 32 << 4
                                                << QStringLiteral("Камера №4") << 0 << 96 << dV << t;
        QTest::newRow("no kind applied yet leaves the captions")
            << "1" << 0 << counts << -1 << 1 << QStringLiteral("Камера №1") << 0 << 39 << QString()
            << QString();
        // A chamber without points cannot give a range: the previous maximum (here 199) stays.
        QTest::newRow("chamber without points") << "1" << 1 << PointCounts{0, 36, 30, 25} << -1 << 1
                                                << QStringLiteral("Камера №1") << 0 << 199 << dV << t;
        QTest::newRow("chamber 4 with a stored count of 0")
            << "4" << 1 << PointCounts{40, 36, 30, -3} << -1 << 4 << QStringLiteral("Камера №4") << 0 << 199
            << dV << t;
        QTest::newRow("one point") << "3" << 1 << PointCounts{40, 36, 1, 25} << -1 << 3
                                   << QStringLiteral("Камера №3") << 0 << 0 << dV << t;
    }

    void selection()
    {
        QFETCH(QString, shownChambers);
        QFETCH(int, chartKind);
        QFETCH(PointCounts, pointCounts);
        QFETCH(int, curveFirstSlot);
        QFETCH(int, expectedChamber);
        QFETCH(QString, expectedText);
        QFETCH(int, expectedMinimum);
        QFETCH(int, expectedMaximum);
        QFETCH(QString, expectedFirstCaption);
        QFETCH(QString, expectedSecondCaption);

        const records::TestRecord record = coolingRecord(pointCounts);
        charts::ChamberFlags shown;
        for (QChar digit : shownChambers)
            shown[digit.digitValue()] = true;
        charts::ResultCurves curves;
        if (curveFirstSlot >= 0) {
            for (int k = 1; k <= 3; ++k)
                curves[k] = processing::ResultRange{curveFirstSlot, pointCounts[at(k - 1)] - 1};
        }
        const charts::ChamberSelection selection =
            charts::SelectChamber(shown, record, chartKind, curves, 199);

        QCOMPARE(selection.chamber.value_or(0), expectedChamber);
        QCOMPARE(selection.chamberText, expectedText);
        QCOMPARE(selection.slotRange.has_value(), expectedMinimum >= 0);
        if (selection.slotRange) {
            QCOMPARE(selection.slotRange->minimum, expectedMinimum);
            QCOMPARE(selection.slotRange->maximum, expectedMaximum);
        }
        QCOMPARE(selection.firstCaption.has_value(), !expectedFirstCaption.isNull());
        QCOMPARE(selection.firstCaption.value_or(QString()), expectedFirstCaption);
        QCOMPARE(selection.secondCaption.value_or(QString()), expectedSecondCaption);
    }

    void absentChamberIsSelectedAllTheSame()
    {
        const records::TestRecord record = coolingRecord({40, 36, 30, 25}, {0, 0, 1});
        charts::ChamberFlags shown;
        shown[2] = shown[3] = true;
        const charts::ChamberSelection selection = charts::SelectChamber(shown, record, 1, {}, 256);
        QCOMPARE(selection.chamber.value_or(0), 2);
        QCOMPARE(selection.slotRange, (charts::SlotRange{0, 35}));
    }
};

FROSTDIL_REGISTER_TEST(ChamberSelectionTest)
#include "ChamberSelectionTest.moc"
