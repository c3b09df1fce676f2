#pragma once

#include "tests/support/PageImages.h"
#include "tests/support/PdfPages.h"
#include "ui/Unit2.h"

#include <QDebug>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

// Checks a printed or saved page as the user sees it: rendered from the PDF at 96 pixels per inch (the
// windows' own resolution), so that a window prints pixel for pixel at its size on screen.
namespace printedpages {

inline constexpr int PageDpi = 96;

inline QString describe(const QRect& rect)
{
    return QDebug::toString(rect);
}

/// What is wrong with a page that should hold `chart` (the chart as the screen shows it): empty when
/// nothing. The chart stands upright on a landscape page, keeps its proportions and fills the page
/// within margins of 15 % of its width or height, centred.
inline QStringList chartPageFaults(const QImage& page, const QImage& chart)
{
    QStringList faults;
    if (page.isNull()) return {QStringLiteral("the page could not be rendered")};
    if (page.width() <= page.height()) faults << QStringLiteral("the page is not landscape");
    const QRect ink = testsupport::inkBounds(page);
    const double shownAspect = double(chart.width()) / chart.height();
    const double printedAspect = double(ink.width()) / ink.height();
    if (qAbs(printedAspect / shownAspect - 1) > 0.02)
        faults << QStringLiteral("aspect ratio %1 instead of %2 (%3)")
                      .arg(printedAspect)
                      .arg(shownAspect)
                      .arg(describe(ink));
    const bool fillsWidth = qAbs(ink.width() - 0.7 * page.width()) <= 0.02 * page.width();
    const bool fillsHeight = qAbs(ink.height() - 0.7 * page.height()) <= 0.02 * page.height();
    if (!fillsWidth && !fillsHeight)
        faults << QStringLiteral("not fitted within the margins: %1").arg(describe(ink));
    if ((ink.center() - page.rect().center()).manhattanLength() > 0.02 * page.width())
        faults << QStringLiteral("not centred: %1 on %2").arg(describe(ink), describe(page.rect()));
    const double likeness = testsupport::likeness(page.copy(ink), chart);
    if (likeness < 0.85)
        faults << QStringLiteral("does not look like the chart on screen (likeness %1)").arg(likeness);
    return faults;
}

/// The report window's client area as it is printed: without its buttons.
inline QImage reportOnScreen(TForm2& report)
{
    const QList<QPushButton*> buttons{report.Button1, report.Button2, report.Button3};
    for (QPushButton* button : buttons)
        button->hide();
    const QImage client = report.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QPushButton* button : buttons)
        button->show();
    return client;
}

/// What is wrong with a page that should hold the report window's `client` area at its screen size, its
/// top left at `origin` (the printable area's corner, in page pixels): empty when nothing.
inline QStringList reportPageFaults(const QImage& page, QPoint origin, const QImage& client,
                                    const TForm2& report)
{
    QStringList faults;
    if (page.isNull()) return {QStringLiteral("the page could not be rendered")};
    if (page.width() <= page.height()) faults << QStringLiteral("the page is not landscape");
    const QRect placed(origin, client.size());
    if (!page.rect().contains(placed))
        return faults << QStringLiteral("the report %1 overruns the page").arg(describe(placed));
    const QImage printed = page.copy(placed);
    const double likeness = testsupport::likeness(printed, client);
    if (likeness < 0.9)
        faults << QStringLiteral("does not look like the window at %1 (likeness %2)")
                      .arg(describe(placed))
                      .arg(likeness);
    for (const QWidget* button : {report.Button1, report.Button2, report.Button3})
        if (!testsupport::isBlank(printed, button->geometry()))
            faults << QStringLiteral("the button %1 is printed").arg(button->objectName());
    const QList<const QWidget*> contents{report.Label1, report.Image1, report.Memo1};
    for (const QWidget* content : contents)
        if (testsupport::isBlank(printed, content->geometry()))
            faults << QStringLiteral("%1 is missing").arg(content->objectName());
    return faults;
}

} // namespace printedpages
