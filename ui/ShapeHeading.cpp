#include "ui/ShapeHeading.h"

#include "ui/HeadingPictures.h"

namespace ui {

ShapeHeading::ShapeHeading(QWidget* parent, const QImage& cubePicture)
    : QLabel(parent), m_background(parent->palette().color(QPalette::Window))
{
    if (!cubePicture.isNull()) m_cubePicture = QPixmap::fromImage(cubePicture);
    // A fixed size spares the parent a layout request at every switch.
    setFixedSize(headings::LeftHeadingWidth, headings::HeadingHeight);
    setPixmap(picture(true));
}

void ShapeHeading::showShape(bool cube)
{
    if (cube == m_cube) return;
    m_cube = cube;
    setPixmap(picture(cube));
}

const QPixmap& ShapeHeading::picture(bool cube)
{
    QPixmap& picture = cube ? m_cubePicture : m_cylinderPicture;
    if (picture.isNull()) {
        const QSize size(headings::LeftHeadingWidth, headings::HeadingHeight);
        picture = QPixmap::fromImage(headings::drawHeading(
            cube ? headings::cubeCells() : headings::cylinderCells(), size, m_background));
    }
    return picture;
}

} // namespace ui
