#pragma once

#include <QDialog>

/// The about window "О программе": no title bar, centred on the screen.
class TForm3 final : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
};
