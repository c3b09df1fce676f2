#include "ui/DeferredPicture.h"

#include <utility>

namespace ui {

DeferredPicture::DeferredPicture(std::function<QPixmap()> draw, QWidget* parent)
    : QLabel(parent), m_draw(std::move(draw))
{
}

void DeferredPicture::paintEvent(QPaintEvent* event)
{
    // Setting the picture asks for one more paint of the label on screen, once; a page gets it now.
    if (m_draw) setPixmap(std::exchange(m_draw, {})());
    QLabel::paintEvent(event);
}

} // namespace ui
