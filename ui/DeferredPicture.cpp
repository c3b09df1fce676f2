#include "ui/DeferredPicture.h"

#include <QPixmap>
#include <utility>

namespace ui {

DeferredPicture::DeferredPicture(std::function<QImage()> draw, QWidget* parent)
    : QLabel(parent), m_draw(std::move(draw))
{
}

void DeferredPicture::paintEvent(QPaintEvent* event)
{
    // Setting the picture asks for one more paint of the label on screen, once; a page gets it now.
    if (m_draw) setPixmap(QPixmap::fromImage(std::exchange(m_draw, {})()));
    QLabel::paintEvent(event);
}

} // namespace ui
