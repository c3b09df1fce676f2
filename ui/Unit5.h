#pragma once

#include "ui/WindowActivation.h"

#include <QDialog>
#include <QString>

class QPushButton;
class QTextEdit;

/// The help window "Справка": shows the help text of the folder it was last given.
class TForm5 final : public QDialog {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);

    /// The folder of "help_zolt.rtf"; empty until the help command first sets it.
    QString HelpFolder;

    QTextEdit* RichEdit1 = nullptr;
    QPushButton* Button1 = nullptr; // "ОК"

    /// Empties the text and loads HelpFolder + "/help_zolt.rtf" into it, as RTF or else as plain
    /// text; throws when the file cannot be read or shown, leaving the text empty.
    void FormActivate();
    /// Closes the window. Changes to the text are never saved.
    void Button1Click();

protected:
    bool event(QEvent* event) override;

private:
    ui::ActivationWatch m_activation;
};
