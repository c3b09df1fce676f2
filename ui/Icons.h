#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

/// The picture of a command (":/icons/<name>.svg") for menus and tool bar, drawn at each size when it
/// is first painted at that size.
QIcon commandIcon(const QString& name);

/// The program's icon, the one its desktop entry shows, drawn at the sizes title bars, task bars and
/// window switchers ask for.
QIcon programIcon();

/// An SVG resource drawn into a transparent pixmap of `size` (device-independent pixels).
QPixmap renderSvg(const QString& resource, QSize size);

} // namespace ui
