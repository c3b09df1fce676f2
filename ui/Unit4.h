#pragma once

#include <QDialog>

struct ProgramState;

/// The settings window "Настройки": the signature lines of the report.
class TForm4 final : public QDialog {
    Q_OBJECT

public:
    explicit TForm4(ProgramState& state, QWidget* parent = nullptr);

private:
    ProgramState& m_state;
};
