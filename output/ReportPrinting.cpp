#include "output/ReportPrinting.h"

namespace output {

QTransform reportPagePlacement(int dpiX, int dpiY)
{
    return QTransform::fromScale(dpiX / ScreenDpi, dpiY / ScreenDpi);
}

} // namespace output
