#pragma once

#include <QDialog>
#include <QString>

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

    /// Empties the memo and loads the signature lines file into it, when the settings command opens the
    /// window; coming back to the window from another keeps what the user typed. Throws when the file
    /// cannot be read, leaving the memo empty.
    void FormShow();
    /// Writes the memo's text to the file and closes; when the file cannot be written, throws and the
    /// window stays open with its text. An unedited memo writes the file back byte for byte.
    void Button1Click();
    /// Closes without writing.
    void Button2Click();

private:
    ProgramState& m_state;
    QString m_loadedText; ///< the file's text as FormShow read it
};
