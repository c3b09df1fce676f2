#pragma once

#include <QWidget>

namespace ui {

/// Holds back the repaints of a window and all its controls while it lives; the window is repainted
/// whole once it ends, also when an exception passes. Work that changes many controls many times (a
/// load of hundreds of files) then neither marks regions for repainting at every change nor shows
/// anything half done.
class UpdatesHeld final {
public:
    explicit UpdatesHeld(QWidget& window) : m_window(window), m_held(window.updatesEnabled())
    {
        m_window.setUpdatesEnabled(false);
    }
    ~UpdatesHeld()
    {
        if (m_held) m_window.setUpdatesEnabled(true);
    }
    UpdatesHeld(const UpdatesHeld&) = delete;
    UpdatesHeld& operator=(const UpdatesHeld&) = delete;

private:
    QWidget& m_window;
    bool m_held; // false when updates were already held by someone else, who lets them go
};

} // namespace ui
