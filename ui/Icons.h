#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

/// The picture of a command (":/icons/<name>.svg") for menus and tool bar, drawn at each size when it
/// is first painted at that size.
QIcon commandIcon(const QString& name);

/// An SVG resource drawn into a transparent pixmap of `size` (device-independent pixels).
QPixmap renderSvg(const QString& resource, QSize size);

} // namespace ui
