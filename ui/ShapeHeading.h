#pragma once

#include <QLabel>
#include <QPixmap>

namespace ui {

/// The headings over grid columns 0..2 (Image7): length, width and height for cube samples, diameter,
/// height and an empty cell for cylinders. One label switches between the two pictures; showing one of
/// two labels and hiding the other made Qt ask the X server where the pointer was, and wait for the
/// answer, at every change of shape while tests were loaded and chosen.
class ShapeHeading final : public QLabel {
    Q_OBJECT

public:
    /// Shows the cube headings; each picture is drawn on the parent's window colour when first shown,
    /// unless the cube's comes already drawn.
    explicit ShapeHeading(QWidget* parent, const QImage& cubePicture = {});

    void showShape(bool cube);
    bool showsCube() const { return m_cube; }

private:
    const QPixmap& picture(bool cube);

    QColor m_background;
    QPixmap m_cubePicture;
    QPixmap m_cylinderPicture;
    bool m_cube = true;
};

} // namespace ui
