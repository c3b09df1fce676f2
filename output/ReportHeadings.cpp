#include "output/ReportHeadings.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPainter>
#include <QTextDocument>
#include <QTextOption>

namespace output {
namespace {

// Draws a heading (HTML, so that units get real superscripts and the mean its bar) centred in `box`.
void drawHeading(QPainter& painter, const QRect& box, const QString& html, const QFont& font)
{
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(option);
    document.setHtml(html);
    document.setTextWidth(box.width());

    const double top = box.top() + (box.height() - document.size().height()) / 2.0;
    painter.save();
    painter.translate(box.left(), top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

// The interior of the heading box over columns first..last, between the rules; y from top to bottom.
QRect columnsBox(int first, int last, int top, int bottom)
{
    const int left = columnHeadingRuleAfter(first - 1) + 1;
    const int right = columnHeadingRuleAfter(last) - 1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

struct Heading {
    int first;
    int last;
    bool lower; ///< below a group heading's rule rather than over the whole height
    const char16_t* html;
};

// Each heading broken into lines that fit an 86-pixel column.
constexpr Heading Headings[] = {
    {0, 0, false, u"Номер<br>измерения"},
    {1, 1, false, u"Серия<br>и дата<br>изготовления"},
    {2, 2, false, u"Размер<br>образца, мм"},
    {3, 3, false, u"Объем<br>образца<br>V, см<sup>3</sup>"},
    {4, 5, false, u"Вес, г"},
    {4, 4, true, u"в исходном<br>состоянии"},
    {5, 5, true, u"после<br>насыщения"},
    {6, 6, false, u"Дата<br>испытаний"},
    {7, 9, false, u"Показатели морозостойкости"},
    {7, 7, true, u"ΔV, см<sup>3</sup>"},
    {8, 8, true, u"Θ × 10<sup>−3</sup>"},
    {9, 9, true, u"<span style=\"text-decoration: overline\">Θ</span> × 10<sup>−3</sup>"},
    {10, 10, false, u"Марка<br>по морозо-<br>стойкости"},
};

bool isGroup(const Heading& heading)
{
    return heading.first != heading.last;
}

} // namespace

QImage reportColumnHeadings(const QFont& font)
{
    QImage image(ColumnHeadingsSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 0));

    const int top = 0;
    const int bottom = ColumnHeadingsBoxHeight - 1;
    const int groupRule = ColumnHeadingsGroupHeight;
    painter.drawLine(columnHeadingRuleAfter(-1), top, columnHeadingRuleAfter(10), top);
    painter.drawLine(columnHeadingRuleAfter(-1), bottom, columnHeadingRuleAfter(10), bottom);
    painter.drawLine(columnHeadingRuleAfter(-1), top, columnHeadingRuleAfter(-1), bottom);

    for (const Heading& heading : Headings) {
        const int rightRule = columnHeadingRuleAfter(heading.last);
        if (isGroup(heading)) {
            painter.drawLine(columnHeadingRuleAfter(heading.first - 1), groupRule, rightRule, groupRule);
            painter.drawLine(rightRule, top, rightRule, bottom);
            drawHeading(painter, columnsBox(heading.first, heading.last, top + 1, groupRule - 1),
                        QString::fromUtf16(heading.html), font);
        } else if (heading.lower) {
            painter.drawLine(rightRule, groupRule, rightRule, bottom);
            drawHeading(painter, columnsBox(heading.first, heading.last, groupRule + 1, bottom - 1),
                        QString::fromUtf16(heading.html), font);
        } else {
            painter.drawLine(rightRule, top, rightRule, bottom);
            drawHeading(painter, columnsBox(heading.first, heading.last, top + 1, bottom - 1),
                        QString::fromUtf16(heading.html), font);
        }
    }
    return image;
}

QImage reportRowNumbers(const QFont& font)
{
    QImage image(RowNumbersSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 0));
    painter.setFont(font);

    const int right = RowNumbersSize.width() - 1;
    const int divider = RowNumbersFirstRowTop - 1;
    const int bottom = RowNumbersFirstRowTop + 4 * ReportRowHeight + 8;
    for (const int y : {0, divider, bottom})
        painter.drawLine(0, y, right, y);
    painter.drawLine(0, 0, 0, bottom);
    painter.drawLine(right, 0, right, bottom);

    painter.drawText(QRect(QPoint(1, 1), QPoint(right - 1, divider - 1)), Qt::AlignCenter,
                     QStringLiteral("№"));
    for (int row = 0; row < 4; ++row) {
        const QRect band(1, RowNumbersFirstRowTop + row * ReportRowHeight, right - 1, ReportRowHeight);
        painter.drawText(band, Qt::AlignCenter, QString::number(row + 1));
    }
    return image;
}

} // namespace output
