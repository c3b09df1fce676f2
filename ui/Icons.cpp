#include "ui/Icons.h"

#include <QPainter>
#include <QSvgRenderer>

#include <initializer_list>

// The pictures live in this static library; its resource initialiser must be called by name or the
// linker drops it.
static void initIconResources() { Q_INIT_RESOURCE(icons); }

namespace ui {

QPixmap renderSvg(const QString& resource, QSize size)
{
    static const bool resourcesReady = (initIconResources(), true);
    Q_UNUSED(resourcesReady);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

namespace {

// Drawn here rather than left to an icon engine plugin, so a missing plugin cannot blank the pictures.
QIcon svgIcon(const QString& name, std::initializer_list<int> sides)
{
    const QString resource = QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
    QIcon icon;
    for (const int side : sides)
        icon.addPixmap(renderSvg(resource, QSize(side, side)));
    return icon;
}

} // namespace

QIcon commandIcon(const QString& name)
{
    return svgIcon(name, {16, 24});
}

QIcon programIcon()
{
    return svgIcon(QStringLiteral("frostdil"), {16, 24, 32, 48, 64, 128});
}

} // namespace ui
