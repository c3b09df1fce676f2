#include "ui/WindowActivation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ui {

bool ActivationWatch::isActivation(const QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate) {
        // The window that takes over is already the application's active window here.
        const QWidget* next = QApplication::activeWindow();
        m_leftForModal = next && next->isModal();
        return false;
    }
    if (event->type() != QEvent::WindowActivate) return false;
    const bool returning = m_leftForModal;
    m_leftForModal = false;
    return !returning;
}

} // namespace ui
