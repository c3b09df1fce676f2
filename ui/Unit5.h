#pragma once

#include <QDialog>

/// The help window "Справка".
class TForm5 final : public QDialog {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);
};
