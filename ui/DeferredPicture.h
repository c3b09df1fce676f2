#pragma once

#include <QLabel>
#include <QPixmap>
#include <functional>

namespace ui {

/// A label whose picture is drawn only when the label is first painted: on screen, into an image or on
/// a page. A window that may stay hidden all session (the report, the about card) does not draw its
/// pictures while the program starts.
class DeferredPicture final : public QLabel {
    Q_OBJECT

public:
    DeferredPicture(std::function<QPixmap()> draw, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QPixmap()> m_draw; // empty once drawn
};

} // namespace ui
