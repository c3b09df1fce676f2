#include "output/ReportHeadings.h"

#include "tests/support/TestRegistry.h"

#include <QImage>
#include <QTest>

using output::columnHeadingRuleAfter;

namespace {

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}
bool isBlack(QRgb pixel)
{
    return (pixel & 0xFFFFFF) == 0;
}

int inkIn(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isInk(image.pixel(x, y));
    return count;
}

// The rows of `area` that carry ink, as a span (empty when there is none).
QPair<int, int> inkRows(const QImage& image, const QRect& area)
{
    int first = -1;
    int last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (inkIn(image, QRect(area.left(), y, area.width(), 1)) == 0) continue;
        if (first < 0) first = y;
        last = y;
    }
    return {first, last};
}

QFont headingFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    return font;
}

constexpr int Top = 0;
constexpr int Bottom = output::ColumnHeadingsBoxHeight - 1;
constexpr int GroupRule = output::ColumnHeadingsGroupHeight;

} // namespace

class ReportHeadingsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void columnsAreLevelWithTheTable()
    {
        // The picture stands at x = 37, the table at x = 40 with 86-pixel columns and a rule after each.
        for (int column = 0; column < 11; ++column) {
            const int tableRule = 40 + column * 87 + 86;
            QCOMPARE(37 + columnHeadingRuleAfter(column), tableRule);
        }
        QCOMPARE(37 + columnHeadingRuleAfter(-1), 39);
    }

    void columnRules_data()
    {
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("upperPart");
        QTest::newRow("left frame") << -1 << true;
        for (int column : {0, 1, 2, 3, 5, 6, 9, 10})
            QTest::newRow(qPrintable(QStringLiteral("after column %1").arg(column))) << column << true;
        for (int column : {4, 7, 8})
            QTest::newRow(qPrintable(QStringLiteral("inside a group, after column %1").arg(column)))
                << column << false;
    }

    void columnRules()
    {
        QFETCH(int, after);
        QFETCH(bool, upperPart);
        const QImage image = output::reportColumnHeadings(headingFont());
        QCOMPARE(image.size(), output::ColumnHeadingsSize);
        const int x = columnHeadingRuleAfter(after);
        for (int y = GroupRule; y <= Bottom; ++y)
            QVERIFY2(isBlack(image.pixel(x, y)), qPrintable(QString::number(y)));
        // Above a group's dividing line the rules between its columns are absent.
        QCOMPARE(isBlack(image.pixel(x, Top + 2)), upperPart);
    }

    void frameAndGroupRules()
    {
        const QImage image = output::reportColumnHeadings(headingFont());
        const int left = columnHeadingRuleAfter(-1);
        const int right = columnHeadingRuleAfter(10);
        for (int x = left; x <= right; ++x) {
            QVERIFY(isBlack(image.pixel(x, Top)));
            QVERIFY(isBlack(image.pixel(x, Bottom)));
        }
        for (int x = columnHeadingRuleAfter(3); x <= columnHeadingRuleAfter(5); ++x)
            QVERIFY(isBlack(image.pixel(x, GroupRule)));
        for (int x = columnHeadingRuleAfter(6); x <= columnHeadingRuleAfter(9); ++x)
            QVERIFY(isBlack(image.pixel(x, GroupRule)));
        // Outside the box the picture is white: nothing spills under the table or past the frame.
        QCOMPARE(inkIn(image, QRect(0, 0, left, image.height())), 0);
        QCOMPARE(inkIn(image, QRect(right + 1, 0, image.width() - right - 1, image.height())), 0);
        QCOMPARE(inkIn(image, QRect(0, Bottom + 1, image.width(), image.height() - Bottom - 1)), 0);
    }

    void everyHeadingBoxHasItsText_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        const auto row = [](const char* name, int first, int last, int top, int bottom) {
            QTest::newRow(name) << first << last << top << bottom;
        };
        row("test number", 0, 0, Top, Bottom);
        row("series and date of manufacture", 1, 1, Top, Bottom);
        row("sample size", 2, 2, Top, Bottom);
        row("sample volume", 3, 3, Top, Bottom);
        row("weight group", 4, 5, Top, GroupRule);
        row("weight before", 4, 4, GroupRule, Bottom);
        row("weight after", 5, 5, GroupRule, Bottom);
        row("test date", 6, 6, Top, Bottom);
        row("frost-resistance group", 7, 9, Top, GroupRule);
        row("volume change", 7, 7, GroupRule, Bottom);
        row("relative volume change", 8, 8, GroupRule, Bottom);
        row("mean relative volume change", 9, 9, GroupRule, Bottom);
        row("grade", 10, 10, Top, Bottom);
    }

    void everyHeadingBoxHasItsText()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, top);
        QFETCH(int, bottom);
        const QImage image = output::reportColumnHeadings(headingFont());
        const QRect inside(QPoint(columnHeadingRuleAfter(first - 1) + 1, top + 1),
                           QPoint(columnHeadingRuleAfter(last) - 1, bottom - 1));
        QVERIFY(inkIn(image, inside) > 30);
        // The text keeps clear of the rules around it.
        const QRect border = inside.adjusted(0, 0, 0, 0);
        QCOMPARE(inkIn(image, QRect(border.left(), border.top(), border.width(), 1)), 0);
        QCOMPARE(inkIn(image, QRect(border.left(), border.bottom(), border.width(), 1)), 0);
    }

    void rowNumberStrip()
    {
        const QImage image = output::reportRowNumbers(headingFont());
        QCOMPARE(image.size(), output::RowNumbersSize);
        const int first = output::RowNumbersFirstRowTop;
        const int right = image.width() - 1;
        for (int y : {0, first - 1})
            QVERIFY(isBlack(image.pixel(8, y)));
        for (int y = 0; y < first + 4 * output::ReportRowHeight; ++y) {
            QVERIFY(isBlack(image.pixel(0, y)));
            QVERIFY(isBlack(image.pixel(right, y)));
        }
        QVERIFY(inkIn(image, QRect(2, 1, right - 3, first - 3)) > 5); // "№"

        // Each number lies wholly inside its row, so that it stands level with the table row.
        for (int row = 0; row < 4; ++row) {
            const QRect band(1, first + row * output::ReportRowHeight, right - 1, output::ReportRowHeight);
            QVERIFY(inkIn(image, band) > 3);
            const auto [inkTop, inkBottom] = inkRows(image, band);
            QVERIFY2(inkTop > band.top() && inkBottom < band.bottom(), qPrintable(QString::number(row + 1)));
        }
    }
};

FROSTDIL_REGISTER_TEST(ReportHeadingsTest)
#include "ReportHeadingsTest.moc"
