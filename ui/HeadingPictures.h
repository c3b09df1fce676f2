#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <future>
#include <vector>

// The ruled column headings above the main window's results grid. Their vertical rules stand on the
// grid's column lines: a grid column is 79 pixels of cell and one of line.
namespace ui::headings {

inline constexpr int GridPitch = 80;            ///< pixels from one grid column line to the next
inline constexpr int LeftHeadingWidth = 313;    ///< Image7 and Image8
inline constexpr int RightHeadingWidth = 649;   ///< Image6
inline constexpr int HeadingHeight = 44;
inline constexpr int ChamberCellWidth = 72;     ///< "№ камеры" over the toggles and colour keys
inline constexpr int SplitRow = 22;             ///< where a spanning heading meets its sub-headings

/// One ruled cell: its rectangle (right and bottom edges are the rules) and its text as rich text.
struct HeadingCell {
    QRect rect;
    QString html;
};

std::vector<HeadingCell> cubeCells();      ///< Image7: chamber number, length, width, height
std::vector<HeadingCell> cylinderCells();  ///< Image8: chamber number, diameter, height, an empty cell
std::vector<HeadingCell> resultsCells();   ///< Image6: volume … grade

/// Draws `cells` into an image of `size` on `background`, black rules, texts centred in their cells.
QImage drawHeading(const std::vector<HeadingCell>& cells, QSize size, const QColor& background);

/// The headings the main window shows from its start: Image6's and Image7's cube headings.
struct StartPictures {
    QImage results;
    QImage cube;
};

/// Draws the start pictures on `background` on a thread of its own, so that the main window is built on
/// this one meanwhile (a picture with text comes out the same on any thread).
std::future<StartPictures> drawStartPicturesAhead(const QColor& background);

} // namespace ui::headings
