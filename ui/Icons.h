#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

/// The picture of a command (":/icons/<name>.svg") for menus and tool bar, taken at each size when it
/// is first painted at that size (svgPicture). Its name() is the resource.
QIcon commandIcon(const QString& name);

/// The program's icon, the one its desktop entry shows, drawn at the sizes title bars, task bars and
/// window switchers ask for.
QIcon programIcon();

/// The picture of an SVG resource at `size` (device-independent pixels): the one the build drew if it
/// drew it at that size (the pictures of the main window's start), else one drawn now.
QPixmap svgPicture(const QString& resource, QSize size);

/// Where the build puts the picture of an SVG resource drawn at `size`, as premultiplied ARGB32 pixels:
/// ":/icons/open.svg" at 24 × 24 is ":/drawn/icons/open-24x24.argb32".
QString drawnPicturePath(const QString& resource, QSize size);

/// An SVG resource drawn now into a transparent pixmap of `size`.
QPixmap renderSvg(const QString& resource, QSize size);

} // namespace ui
