#include "ui/ShapeHeading.h"

#include "ui/HeadingPictures.h"

namespace ui {

namespace {

QPixmap headingPicture(const std::vector<headings::HeadingCell>& cells, const QColor& background)
{
    return QPixmap::fromImage(
        headings::drawHeading(cells, QSize(headings::LeftHeadingWidth, headings::HeadingHeight), background));
}

} // namespace

ShapeHeading::ShapeHeading(QWidget* parent) : QLabel(parent)
{
    const QColor background = parent->palette().color(QPalette::Window);
    m_cubePicture = headingPicture(headings::cubeCells(), background);
    m_cylinderPicture = headingPicture(headings::cylinderCells(), background);
    // A fixed size spares the parent a layout request at every switch.
    setFixedSize(headings::LeftHeadingWidth, headings::HeadingHeight);
    setPixmap(m_cubePicture);
}

void ShapeHeading::showShape(bool cube)
{
    if (cube == m_cube) return;
    m_cube = cube;
    setPixmap(cube ? m_cubePicture : m_cylinderPicture);
}

} // namespace ui
