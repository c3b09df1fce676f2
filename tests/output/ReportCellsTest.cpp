#include "output/ReportCells.h"

#include "tests/support/TestRegistry.h"

#include <QTest>

using output::ReportCell;
using output::ReportSource;
using Cells = std::vector<ReportCell>;

Q_DECLARE_METATYPE(ReportSource)
Q_DECLARE_METATYPE(Cells)

namespace {

// A test of three samples with nominal dimensions in row 3; every grid text is distinct so that a
// cell taken from the wrong place shows.
ReportSource loadedTest(const QString& shape)
{
    ReportSource source;
    source.testNumber = QStringLiteral("17");
    source.series = QStringLiteral("4");
    source.manufactureDate = QStringLiteral("12.02.2008");
    source.shape = shape;
    source.testDate = QDate(2008, 3, 5);
    const QString dimensions[4][3] = {{QStringLiteral("101"), QStringLiteral("99"), QStringLiteral("100,5")},
                                      {QStringLiteral("70"), QStringLiteral("71"), QStringLiteral("")},
                                      {QStringLiteral("98"), QStringLiteral("102"), QStringLiteral("97")},
                                      {QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100")}};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column)
            source.grid[row][column] = dimensions[row][column];
        for (int column = 3; column < 9; ++column)
            source.grid[row][column] = QStringLiteral("M%1%2").arg(column).arg(row);
    }
    source.meanText = QStringLiteral("0,052");
    source.gradeText = QStringLiteral("F300");
    return source;
}

// The writes after the dimension column, which every shape gets alike.
Cells tailCells()
{
    Cells cells;
    for (int row = 0; row < 3; ++row)
        for (int column : {4, 5, 7, 8})
            cells.push_back({column, row, QStringLiteral("M%1%2").arg(column).arg(row)});
    cells.push_back({9, 1, QStringLiteral("0,052")});
    cells.push_back({10, 1, QStringLiteral("F300")});
    cells.push_back({6, 1, QStringLiteral("5.3.2008")});
    return cells;
}

Cells expectedFor(const QStringList& dimensionTexts)
{
    Cells cells = {{0, 1, QStringLiteral("  17")},
                   {1, 1, QStringLiteral("  4")},
                   {1, 2, QStringLiteral("  12.02.2008")}};
    for (int row = 0; row < 4; ++row) {
        if (!dimensionTexts.isEmpty()) cells.push_back({2, row, dimensionTexts[row]});
        cells.push_back({3, row, QStringLiteral("M3%1").arg(row)});
    }
    const Cells tail = tailCells();
    cells.insert(cells.end(), tail.begin(), tail.end());
    return cells;
}

} // namespace

class ReportCellsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writes_data()
    {
        QTest::addColumn<ReportSource>("source");
        QTest::addColumn<Cells>("expected");

        QTest::newRow("cube") << loadedTest(QStringLiteral("Куб"))
                              << expectedFor({QStringLiteral("101х99х100,5"), QStringLiteral("70х71х"),
                                              QStringLiteral("98х102х97"), QStringLiteral("100х100х100")});
        QTest::newRow("cylinder") << loadedTest(QStringLiteral("Цилиндр"))
                                  << expectedFor({QStringLiteral("101х99"), QStringLiteral("70х71"),
                                                  QStringLiteral("98х102"), QStringLiteral("100х100")});
        QTest::newRow("shape blank") << loadedTest(QStringLiteral(" ")) << expectedFor({});
        QTest::newRow("shape in lower case") << loadedTest(QStringLiteral("куб")) << expectedFor({});
        QTest::newRow("shape with a trailing blank")
            << loadedTest(QStringLiteral("Цилиндр ")) << expectedFor({});

        // Right after start-up: empty fields, a blank shape, the labels' start-up texts, today's date.
        ReportSource empty;
        empty.shape = QStringLiteral(" ");
        empty.testDate = QDate(2024, 11, 30);
        empty.meanText = QStringLiteral("Label11");
        empty.gradeText = QStringLiteral("Label13");
        Cells blank = {
            {0, 1, QStringLiteral("  ")}, {1, 1, QStringLiteral("  ")}, {1, 2, QStringLiteral("  ")}};
        for (int row = 0; row < 4; ++row)
            blank.push_back({3, row, QString()});
        for (int row = 0; row < 3; ++row)
            for (int column : {4, 5, 7, 8})
                blank.push_back({column, row, QString()});
        blank.push_back({9, 1, QStringLiteral("Label11")});
        blank.push_back({10, 1, QStringLiteral("Label13")});
        blank.push_back({6, 1, QStringLiteral("30.11.2024")});
        QTest::newRow("no test loaded") << empty << blank;
    }

    void writes()
    {
        QFETCH(ReportSource, source);
        QFETCH(Cells, expected);
        const Cells cells = output::ReportCellWrites(source);
        QCOMPARE(cells.size(), expected.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const QByteArray where = QByteArray::number(static_cast<qulonglong>(i));
            QVERIFY2(cells[i].column == expected[i].column && cells[i].row == expected[i].row,
                     where.constData());
            QCOMPARE(cells[i].text, expected[i].text);
        }
    }

    void multiplicationSignIsCyrillic()
    {
        const Cells cells = output::ReportCellWrites(loadedTest(QStringLiteral("Цилиндр")));
        const auto size =
            std::find_if(cells.begin(), cells.end(), [](const ReportCell& c) { return c.column == 2; });
        QVERIFY(size != cells.end());
        QCOMPARE(size->text.at(3).unicode(), char16_t(0x0445));
    }

    void onlyTheMappedCellsAreWritten()
    {
        // Row 3 carries only the size and the volume; column 6 of the main grid never reaches the report.
        for (const ReportCell& cell : output::ReportCellWrites(loadedTest(QStringLiteral("Куб")))) {
            QVERIFY(cell.column >= 0 && cell.column < output::ReportColumns);
            QVERIFY(cell.row >= 0 && cell.row < output::ReportRows);
            if (cell.row == 3) QVERIFY(cell.column == 2 || cell.column == 3);
            QVERIFY(!cell.text.startsWith(QStringLiteral("M6")));
        }
    }

    void dateText_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("single digits") << QDate(2008, 3, 5) << QStringLiteral("5.3.2008");
        QTest::newRow("two digits") << QDate(1999, 12, 31) << QStringLiteral("31.12.1999");
        QTest::newRow("tenth day of the tenth month") << QDate(2010, 10, 10) << QStringLiteral("10.10.2010");
    }

    void dateText()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(output::reportDateText(date), text);
    }
};

FROSTDIL_REGISTER_TEST(ReportCellsTest)
#include "ReportCellsTest.moc"
