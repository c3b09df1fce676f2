#include "ui/Icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <cstring>
#include <map>
#include <utility>

// The pictures live in this static library; its resource initialiser must be called by name or the
// linker drops it.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace ui {

namespace {

/// Takes an SVG picture at a size (svgPicture) the first time that size is asked for and keeps it: the
/// menus' pictures are then drawn when a menu first opens, not while the program starts. Reporting no fixed
/// sizes lets a window system ask for the sizes it wants of the program's icon.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QString resource) : m_resource(std::move(resource)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap& drawn = m_drawn[{size.width(), size.height()}];
        if (drawn.isNull()) drawn = svgPicture(m_resource, size);
        if (mode == QIcon::Normal || mode == QIcon::Active) return drawn;
        // Disabled and selected looks come from the style, as for any other icon.
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new SvgIconEngine(*this); }
    QString key() const override { return QStringLiteral("frostdil-svg"); }
    QString iconName() override { return m_resource; }

private:
    QString m_resource;
    std::map<std::pair<int, int>, QPixmap> m_drawn;
};

} // namespace

QPixmap svgPicture(const QString& resource, QSize size)
{
    const QResource drawn(drawnPicturePath(resource, size));
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    if (!drawn.isValid() || drawn.size() != picture.sizeInBytes()) return renderSvg(resource, size);
    std::memcpy(picture.bits(), drawn.uncompressedData().constData(),
                static_cast<std::size_t>(picture.sizeInBytes()));
    return QPixmap::fromImage(std::move(picture));
}

QString drawnPicturePath(const QString& resource, QSize size)
{
    QString path = resource;
    path.replace(0, 2, QStringLiteral(":/drawn/"));
    path.chop(4); // ".svg"
    return path + QStringLiteral("-%1x%2.argb32").arg(size.width()).arg(size.height());
}

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

// Drawn here rather than left to an icon engine plugin, so a missing plugin cannot blank the pictures.
QIcon commandIcon(const QString& name)
{
    return QIcon(new SvgIconEngine(QStringLiteral(":/icons/") + name + QStringLiteral(".svg")));
}

QIcon programIcon()
{
    return commandIcon(QStringLiteral("frostdil"));
}

} // namespace ui
