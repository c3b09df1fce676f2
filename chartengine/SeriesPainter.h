#pragma once

#include "chartengine/Transform.h"

#include <QFont>

class QPainter;

namespace chartengine {

class LineSeries;

/// Draws one series: its line as runs of same-coloured segments (a segment takes the colour of the
/// point it ends at), then its markers, then its value marks when shown. Points with a value that
/// cannot be drawn break the line. Coordinates are screen pixels of the painter.
void paintSeries(QPainter& painter, const LineSeries& series, const Transform& x, const Transform& y,
                 const QFont& markFont);

} // namespace chartengine
