#pragma once

class QEvent;

namespace ui {

/// Tells when a window becomes the active window of the program, as its FormActivate expects: when the
/// user comes to it from another window, but not when a modal box or dialog that it opened itself (an
/// error box, the printer setup) closes. Without that, an error box raised while activating would
/// reactivate the window and raise itself again for ever, and coming back from the printer setup would
/// reload the lines the user edited before printing.
class ActivationWatch final {
public:
    /// Feed every event of the window; true for an activation that should run FormActivate.
    bool isActivation(const QEvent* event);

private:
    bool m_leftForModal = false;
};

} // namespace ui
