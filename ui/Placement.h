#pragma once

#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>

// Small helpers for the fixed pixel layouts of the windows.
namespace ui {

/// Names `widget` and puts it at (x, y) with the size w × h in its parent.
template <typename Widget>
Widget* place(Widget* widget, const QString& name, int x, int y, int w, int h)
{
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

/// A label sized to its text with its top-left corner at (x, y).
inline QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                          const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace ui
