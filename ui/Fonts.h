#pragma once

#include <QFont>
#include <thread>

namespace ui {

/// The windows' face. Sizes are in pixels so that the fixed layouts do not depend on the screen's DPI.
inline constexpr const char* FaceFamily = "Liberation Sans";
inline constexpr int DefaultPixelSize = 11;  ///< body text of every window
inline constexpr int CaptionPixelSize = 13;  ///< header labels, chamber toggles, left-column boxes
inline constexpr int ResultPixelSize = 16;   ///< the mean and the grade beside the results grid

/// The face at `pixelSize`, regular or bold.
QFont uiFont(int pixelSize, bool bold = false);

/// Starts fontconfig reading the system's font configuration, the larger part of what the first text
/// costs, on a thread of its own. Meant to run while the application connects to the display; join it
/// before loadFonts() or any text.
std::jthread readFontConfigurationAhead();

/// Makes the face available to the application: registers the installed font files when the font
/// database does not list the family (a bare system without fontconfig configuration).
void loadFonts();

} // namespace ui
