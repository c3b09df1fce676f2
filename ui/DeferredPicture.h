#pragma once

#include <QImage>
#include <QLabel>
#include <functional>

namespace ui {

/// A label whose picture is drawn only when the label is first painted: on screen, into an image or on
/// a page. A window that may stay hidden all session (the report) does not draw its pictures while the
/// program starts.
class DeferredPicture final : public QLabel {
    Q_OBJECT

public:
    DeferredPicture(std::function<QImage()> draw, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QImage()> m_draw; // empty once drawn
};

} // namespace ui
