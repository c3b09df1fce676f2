#pragma once

#include "chartengine/Bevel.h"
#include "chartengine/ChartLayout.h"

#include <QColor>

#include <vector>

class QPainter;

namespace chartengine {

class LineSeries;

/// The look of a chart that the layout does not fix.
struct ChartLook {
    ChartTexts texts;
    QColor titleColor;
    Bevel innerBevel = Bevel::None;
    Bevel outerBevel = Bevel::None;
};

/// Colours of the frame, the back wall and the axes.
namespace palette {
inline const QColor Background = Qt::white;
inline const QColor BevelShadow{0x80, 0x80, 0x80};
inline const QColor BevelHighlight = Qt::white;
inline const QColor BevelDarkShadow{0x40, 0x40, 0x40};
inline const QColor BevelLight{0xD4, 0xD0, 0xC8};
inline const QColor Grid{0xE3, 0xE3, 0xE3};
inline const QColor AxisLine{0x80, 0x80, 0x80};
inline const QColor Text = Qt::black;
} // namespace palette

/// Draws the whole chart laid out by `layout` at the painter's origin, in screen pixels: background,
/// frame, title, grid, back wall, series (clipped to the back wall), ticks, labels and captions.
void paintChart(QPainter& painter, const ChartLayout& layout, const ChartLook& look,
                const std::vector<const LineSeries*>& series);

} // namespace chartengine
