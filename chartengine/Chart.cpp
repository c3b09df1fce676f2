#include "chartengine/Chart.h"

#include "chartengine/BmpWriter.h"
#include "chartengine/ChartFonts.h"
#include "chartengine/ChartLayout.h"
#include "chartengine/ChartPainter.h"
#include "chartengine/PageFit.h"
#include "chartengine/PainterGuard.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

namespace chartengine {

namespace {

constexpr double PrintMargin = 0.15;

} // namespace

struct Chart::Impl {
    QStringList title;
    QFont titleFont = chartFont(DefaultTitlePixelSize);
    QColor titleColor = Qt::black;
    AxisTitle bottom;
    AxisTitle left;
    std::vector<std::unique_ptr<LineSeries>> series;
    Bevel inner = Bevel::None;
    Bevel outer = Bevel::None;
    std::function<void()> listener;
    // The listener was told of a change that no paint has drawn yet: the changes after it join the same
    // repaint, so a fill of a thousand points asks a widget for one repaint, not a thousand.
    mutable bool repaintAsked = false;
    mutable QSizeF layoutSize{777, 377};
    // Laying out shapes every tick label, so the last layout is kept until something changes: the
    // cursor asks for the value axis' range on every track-bar step.
    mutable std::optional<ChartLayout> lastLayout;
    mutable QString lastLayoutLocale;

    void notify() const
    {
        lastLayout.reset();
        if (repaintAsked || !listener) return;
        repaintAsked = true;
        listener();
    }

    std::vector<const LineSeries*> seriesList() const
    {
        std::vector<const LineSeries*> list;
        list.reserve(series.size());
        for (const auto& s : series)
            list.push_back(s.get());
        return list;
    }

    ChartLook look() const
    {
        return {ChartTexts{title, titleFont, bottom.caption, left.caption, bottom.inverted}, titleColor,
                inner, outer};
    }

    const ChartLayout& layoutAt(QSizeF size, const ChartLook& look) const
    {
        const QLocale locale;
        if (!lastLayout || lastLayout->size != size || lastLayoutLocale != locale.name()) {
            lastLayout = layoutChart(size, look.texts, activeExtents(seriesList()), locale);
            lastLayoutLocale = locale.name();
        }
        return *lastLayout;
    }

    // Draws at the painter's origin in screen pixels; every paint path ends here.
    void paintAt(QPainter& painter, QSizeF size) const
    {
        repaintAsked = false;
        layoutSize = size;
        const ChartLook chartLook = look();
        paintChart(painter, layoutAt(size, chartLook), chartLook, seriesList());
    }

    LineSeries& at(int number) const
    {
        if (number < 1 || number > static_cast<int>(series.size()))
            throw std::out_of_range("The chart has no series " + std::to_string(number));
        return *series[static_cast<size_t>(number - 1)];
    }
};

Chart::Chart() : d(std::make_unique<Impl>()) {}

Chart::~Chart() = default;

void Chart::clearTitle()
{
    d->title.clear();
    d->notify();
}

void Chart::addTitleLine(const QString& line)
{
    d->title.append(line);
    d->notify();
}

QStringList Chart::titleLines() const
{
    return d->title;
}

void Chart::setTitleFont(const QFont& font)
{
    d->titleFont = normalizedFont(font);
    d->notify();
}

void Chart::setTitleColor(QColor color)
{
    d->titleColor = color;
    d->notify();
}

void Chart::setBottomAxisCaption(const QString& caption)
{
    d->bottom.caption = caption;
    d->notify();
}

void Chart::setLeftAxisCaption(const QString& caption)
{
    d->left.caption = caption;
    d->notify();
}

void Chart::setBottomAxisInverted(bool inverted)
{
    d->bottom.inverted = inverted;
    d->notify();
}

const AxisTitle& Chart::bottomAxis() const
{
    return d->bottom;
}

const AxisTitle& Chart::leftAxis() const
{
    return d->left;
}

LineSeries& Chart::addSeries(QColor color, int lineWidth, MarkerStyle marker)
{
    d->series.push_back(std::make_unique<LineSeries>(color, lineWidth, marker));
    LineSeries& added = *d->series.back();
    added.m_onChange = [impl = d.get()] { impl->notify(); };
    d->notify();
    return added;
}

LineSeries& Chart::series(int number)
{
    return d->at(number);
}

const LineSeries& Chart::series(int number) const
{
    return d->at(number);
}

int Chart::seriesCount() const
{
    return static_cast<int>(d->series.size());
}

void Chart::clearSeries(int number)
{
    d->at(number).clear();
}

void Chart::addPoint(int number, double x, double y, const QString& label, QColor color)
{
    d->at(number).addPoint(x, y, label, color);
}

void Chart::setSeriesActive(int number, bool active)
{
    d->at(number).setActive(active);
}

void Chart::setInnerBevel(Bevel bevel)
{
    d->inner = bevel;
    d->notify();
}

void Chart::setOuterBevel(Bevel bevel)
{
    d->outer = bevel;
    d->notify();
}

Bevel Chart::innerBevel() const
{
    return d->inner;
}

Bevel Chart::outerBevel() const
{
    return d->outer;
}

QSize Chart::layoutSize() const
{
    return d->layoutSize.toSize();
}

void Chart::setLayoutSize(QSize size)
{
    d->layoutSize = size;
    d->notify();
}

Range Chart::bottomAxisRange() const
{
    return d->layoutAt(d->layoutSize, d->look()).bottom.scale.range;
}

Range Chart::leftAxisRange() const
{
    return d->layoutAt(d->layoutSize, d->look()).left.scale.range;
}

ChartLayout Chart::layout(QSizeF size) const
{
    return d->layoutAt(size, d->look());
}

void Chart::paint(QPainter& painter, const QRect& bounds, const RenderContext& context) const
{
    if (bounds.isEmpty()) return;
    const double scale =
        std::isfinite(context.deviceScale) && context.deviceScale > 0 ? context.deviceScale : 1.0;
    PainterGuard guard(painter);
    painter.translate(bounds.topLeft());
    painter.scale(scale, scale);
    d->paintAt(painter, QSizeF(bounds.width() / scale, bounds.height() / scale));
}

QImage Chart::render(QSize size) const
{
    if (size.isEmpty()) return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRect(QPoint(0, 0), size));
    return image;
}

bool Chart::writeBmp(const QString& path, QSize size, QString* errorText) const
{
    return writeBmpFile(render(size), path, errorText);
}

bool Chart::print(QPagedPaintDevice& device, QSize size) const
{
    if (size.isEmpty()) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The margins are a share of the whole sheet; the painter starts at the printable area's corner.
    const int dpi = device.logicalDpiX();
    const QPageLayout page = device.pageLayout();
    const QRect sheet = page.fullRectPixels(dpi);
    const QRect printable = page.paintRectPixels(dpi);
    const QRectF target =
        fitOnPage(sheet.size(), size, PrintMargin).translated(sheet.topLeft() - printable.topLeft());
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    d->paintAt(painter, QSizeF(size));
    return painter.end();
}

void Chart::setChangeListener(std::function<void()> listener)
{
    d->listener = std::move(listener);
    d->repaintAsked = false;
}

} // namespace chartengine
