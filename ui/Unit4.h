#pragma once

#include "ui/WindowActivation.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

struct ProgramState;

/// The settings window "Настройки": edits the signature lines of the report, kept in "/Temp/N.ns".
class TForm4 final : public QDialog {
    Q_OBJECT

public:
    explicit TForm4(ProgramState& state, QWidget* parent = nullptr);

    QPlainTextEdit* Memo2 = nullptr;
    QPushButton* Button1 = nullptr; // "ОК"
    QPushButton* Button2 = nullptr; // "Отмена"

    /// Empties the memo and loads the signature lines file into it; throws when the file cannot be read.
    void FormActivate();
    /// Writes the memo's text to the file and closes; when the file cannot be written, throws and the
    /// window stays open with its text.
    void Button1Click();
    /// Closes without writing.
    void Button2Click();

protected:
    bool event(QEvent* event) override;

private:
    ProgramState& m_state;
    ui::ActivationWatch m_activation;
};
