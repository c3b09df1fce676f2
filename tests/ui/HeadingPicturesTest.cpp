#include "tests/support/TestRegistry.h"
#include "ui/HeadingPictures.h"
#include "ui/ProgramState.h"
#include "ui/ShapeHeading.h"
#include "ui/Unit1.h"

#include <QLabel>
#include <QTest>

#include <algorithm>

using namespace ui::headings;

namespace {

const QColor Background(0xF0, 0xF0, 0xF0);

int darkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++count;
    return count;
}

} // namespace

class HeadingPicturesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pictures_data()
    {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("rules");        // x of every full-height vertical rule
        QTest::addColumn<QList<int>>("splitRules");   // x of the rules in the lower half only
        QTest::addColumn<int>("emptyCells");
        const int p = GridPitch;
        const int c = ChamberCellWidth;
        QTest::newRow("cube") << 0 << LeftHeadingWidth << QList<int>{0, c, c + 3 * p}
                              << QList<int>{c + p, c + 2 * p} << 0;
        QTest::newRow("cylinder") << 1 << LeftHeadingWidth << QList<int>{0, c, c + 3 * p}
                                  << QList<int>{c + p, c + 2 * p} << 1;
        QTest::newRow("results") << 2 << RightHeadingWidth
                                 << QList<int>{0, p, 3 * p, 4 * p, 5 * p, 6 * p, 7 * p, RightHeadingWidth - 1}
                                 << QList<int>{2 * p} << 0;
    }

    void pictures()
    {
        QFETCH(int, picture);
        QFETCH(int, width);
        QFETCH(QList<int>, rules);
        QFETCH(QList<int>, splitRules);
        QFETCH(int, emptyCells);
        const std::vector<HeadingCell> cells = picture == 0 ? cubeCells() : picture == 1 ? cylinderCells() : resultsCells();
        const QImage image = drawHeading(cells, QSize(width, HeadingHeight), Background);
        QCOMPARE(image.size(), QSize(width, HeadingHeight));

        const int upper = SplitRow / 2;
        const int lower = SplitRow + (HeadingHeight - SplitRow) / 2;
        for (const int x : rules) {
            QCOMPARE(image.pixelColor(x, upper), QColor(Qt::black));
            QCOMPARE(image.pixelColor(x, lower), QColor(Qt::black));
        }
        for (const int x : splitRules) {
            QCOMPARE(image.pixelColor(x, lower), QColor(Qt::black));
            QVERIFY2(image.pixelColor(x, upper) != QColor(Qt::black), "a spanning heading has no rule through it");
        }
        QCOMPARE(image.pixelColor(rules.at(1) + 1, 0), QColor(Qt::black));               // top rule
        QCOMPARE(image.pixelColor(rules.at(1) + 1, HeadingHeight - 1), QColor(Qt::black));  // bottom rule

        // Every cell with a text shows ink inside its rules; an empty one shows none.
        int empty = 0;
        for (const HeadingCell& cell : cells) {
            const int ink = darkPixels(image, cell.rect.adjusted(2, 2, -2, -2));
            if (cell.html.isEmpty()) {
                QCOMPARE(ink, 0);
                ++empty;
            } else {
                QVERIFY2(ink > 10, qPrintable(cell.html));
            }
        }
        QCOMPARE(empty, emptyCells);
    }

    // The texts are wrapped within their cells: every pixel a text adds lies strictly inside some cell.
    void textsStayInTheirCells()
    {
        for (const auto& cells : {cubeCells(), cylinderCells(), resultsCells()}) {
            const int width = cells.back().rect.right() + 1;
            std::vector<HeadingCell> bare = cells;
            for (HeadingCell& cell : bare)
                cell.html.clear();
            const QImage ruled = drawHeading(cells, QSize(width, HeadingHeight), Background);
            const QImage rulesOnly = drawHeading(bare, QSize(width, HeadingHeight), Background);
            for (int y = 0; y < HeadingHeight; ++y)
                for (int x = 0; x < width; ++x) {
                    if (ruled.pixel(x, y) == rulesOnly.pixel(x, y)) continue;
                    const bool inside = std::any_of(cells.begin(), cells.end(), [x, y](const HeadingCell& cell) {
                        return cell.rect.adjusted(1, 1, -1, -1).contains(x, y);
                    });
                    QVERIFY2(inside, qPrintable(QStringLiteral("stray ink at %1, %2").arg(x).arg(y)));
                }
        }
    }

    // Image7 shows the picture of the shape asked for, drawn on its window's colour.
    void shapeHeadingShowsTheChosenPicture()
    {
        QWidget panel;
        ui::ShapeHeading heading(&panel);
        const QColor background = panel.palette().color(QPalette::Window);
        const QSize size(LeftHeadingWidth, HeadingHeight);
        QCOMPARE(heading.size(), size);
        for (const bool cube : {true, false, false, true}) {
            heading.showShape(cube);
            QCOMPARE(heading.showsCube(), cube);
            QCOMPARE(heading.pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                     drawHeading(cube ? cubeCells() : cylinderCells(), size, background));
        }
    }

    // The main window's headings are drawn on another thread while it is built: the very pixels this
    // thread draws, on the header panel's colour, and the cylinder's still drawn when first asked for.
    void mainWindowShowsTheHeadingsDrawnAhead()
    {
        ProgramState state;
        TForm1 form(state);
        const QColor background = form.Panel1->palette().color(QPalette::Window);
        QCOMPARE(form.Image6->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 drawHeading(resultsCells(), QSize(RightHeadingWidth, HeadingHeight), background));
        const QSize shapeSize(LeftHeadingWidth, HeadingHeight);
        for (const bool cube : {true, false, true}) {
            form.Image7->showShape(cube);
            QCOMPARE(form.Image7->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                     drawHeading(cube ? cubeCells() : cylinderCells(), shapeSize, background));
        }
    }
};

FROSTDIL_REGISTER_TEST(HeadingPicturesTest)
#include "HeadingPicturesTest.moc"
