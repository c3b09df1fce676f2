#include "ui/HeadingPictures.h"

#include "ui/Fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace ui::headings {

namespace {

constexpr int Bottom = HeadingHeight - 1;
constexpr int LeftColumns = ChamberCellWidth;  // x of the rule before grid column 0

// A cell from x0 to x1 and y0 to y1, rules included.
QRect cell(int x0, int y0, int x1, int y1) { return QRect(QPoint(x0, y0), QPoint(x1, y1)); }

QString superscriptCube() { return QStringLiteral("см<sup>3</sup>"); }

std::vector<HeadingCell> leftCells(const QString& first, const QString& second, const QString& third)
{
    const int c0 = LeftColumns;
    return {
        {cell(0, 0, c0, Bottom), QStringLiteral("№<br>камеры")},
        {cell(c0, 0, c0 + 3 * GridPitch, SplitRow), QStringLiteral("Габариты образца, мм")},
        {cell(c0, SplitRow, c0 + GridPitch, Bottom), first},
        {cell(c0 + GridPitch, SplitRow, c0 + 2 * GridPitch, Bottom), second},
        {cell(c0 + 2 * GridPitch, SplitRow, c0 + 3 * GridPitch, Bottom), third},
    };
}

} // namespace

std::vector<HeadingCell> cubeCells()
{
    return leftCells(QStringLiteral("Длина"), QStringLiteral("Ширина"), QStringLiteral("Высота"));
}

std::vector<HeadingCell> cylinderCells()
{
    return leftCells(QStringLiteral("Диаметр"), QStringLiteral("Высота"), QString());
}

std::vector<HeadingCell> resultsCells()
{
    const int p = GridPitch;
    const QString theta = QStringLiteral("Θ×10<sup>−3</sup>");
    const QString meanTheta = QStringLiteral("<span style=\"text-decoration: overline\">Θ</span>×10<sup>−3</sup>");
    return {
        {cell(0, 0, p, Bottom), QStringLiteral("Объем V<br>образца, ") + superscriptCube()},
        {cell(p, 0, 3 * p, SplitRow), QStringLiteral("Вес образца, г")},
        {cell(p, SplitRow, 2 * p, Bottom), QStringLiteral("Сухой")},
        {cell(2 * p, SplitRow, 3 * p, Bottom), QStringLiteral("Влажный")},
        {cell(3 * p, 0, 4 * p, Bottom), QStringLiteral("Обработка<br>1 - да, 0 - нет")},
        {cell(4 * p, 0, 5 * p, Bottom), QStringLiteral("ΔV, ") + superscriptCube()},
        {cell(5 * p, 0, 6 * p, Bottom), theta},
        {cell(6 * p, 0, 7 * p, Bottom), meanTheta},
        {cell(7 * p, 0, RightHeadingWidth - 1, Bottom), QStringLiteral("Марка<br>по морозо-<br>стойкости")},
    };
}

QImage drawHeading(const std::vector<HeadingCell>& cells, QSize size, const QColor& background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    const QFont font = uiFont(DefaultPixelSize);

    for (const HeadingCell& heading : cells) {
        const QRect& r = heading.rect;
        painter.setPen(Qt::black);
        // A stroked QRect covers one pixel more than its size: this puts the rules on the edges.
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        if (heading.html.isEmpty()) continue;

        QTextDocument text;
        text.setDefaultFont(font);
        text.setDocumentMargin(0);
        text.setDefaultStyleSheet(QStringLiteral("p { margin: 0; }"));
        text.setHtml(QStringLiteral("<p align=\"center\">") + heading.html + QStringLiteral("</p>"));
        text.setTextWidth(r.width() - 2);
        const QSizeF textSize = text.documentLayout()->documentSize();
        painter.save();
        painter.translate(r.left() + 1, r.top() + (r.height() - textSize.height()) / 2.0 + 0.5);
        text.drawContents(&painter);
        painter.restore();
    }
    return image;
}

std::future<StartPictures> drawStartPicturesAhead(const QColor& background)
{
    return std::async(std::launch::async, [background] {
        return StartPictures{
            drawHeading(resultsCells(), QSize(RightHeadingWidth, HeadingHeight), background),
            drawHeading(cubeCells(), QSize(LeftHeadingWidth, HeadingHeight), background),
        };
    });
}

} // namespace ui::headings
