#include "ui/Icons.h"

#include <QPainter>
#include <QSvgRenderer>

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

// Drawn here rather than left to an icon engine plugin, so a missing plugin cannot blank the buttons.
QIcon commandIcon(const QString& name)
{
    const QString resource = QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
    QIcon icon;
    for (const int side : {16, 24})
        icon.addPixmap(renderSvg(resource, QSize(side, side)));
    return icon;
}

} // namespace ui
