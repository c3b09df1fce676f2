#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

/// The about window "О программе": no title bar, centred on the screen; only the card of its picture
/// shows, the surround is fully transparent.
class TForm3 final : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QPushButton* Button1 = nullptr; // "ОК"

    /// Closes the window.
    void Button1Click();
};
