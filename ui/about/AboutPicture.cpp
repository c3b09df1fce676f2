#include "ui/about/AboutPicture.h"

#include "ui/Icons.h"

// The picture lives in this static library; its resource initialiser must be called by name or the
// linker drops it.
static void initAboutResources()
{
    Q_INIT_RESOURCE(about);
}

namespace ui {

QPixmap aboutPicture()
{
    static const bool resourcesReady = (initAboutResources(), true);
    Q_UNUSED(resourcesReady);
    return renderSvg(QStringLiteral(":/about/about.svg"), AboutPictureSize);
}

} // namespace ui
