#pragma once

#include <QWidget>

struct ProgramState;

/// The test report window "Отчет": modeless, white, fixed size.
class TForm2 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(ProgramState& state, QWidget* parent = nullptr);

private:
    ProgramState& m_state;
};
