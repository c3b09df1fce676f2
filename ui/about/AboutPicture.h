#pragma once

#include <QPixmap>
#include <QSize>

namespace ui {

inline constexpr QSize AboutPictureSize{434, 332};

/// The about card: a light-blue card with rounded corners, the device's logo and designation, what
/// the device is and that this is its data-processing program, and the version. Outside the card the
/// picture is fully transparent.
QPixmap aboutPicture();

} // namespace ui
