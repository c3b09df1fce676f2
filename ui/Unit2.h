#pragma once

#include "output/ReportCells.h"
#include "ui/WindowActivation.h"

#include <QImage>
#include <QWidget>
#include <vector>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

struct ProgramState;

/// The test report window "Отчет": modeless, white, fixed size. It shows the chart picture and the
/// signature lines as their files hold them at each activation, and the results table that the report
/// command writes into its grid; it prints its client area on one landscape page.
class TForm2 final : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(ProgramState& state, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr; // the chart picture
    QLabel* Image3 = nullptr; // the row-number strip
    QLabel* Image2 = nullptr; // the column headings
    QTableWidget* StringGrid1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr; // "Печать"
    QPushButton* Button2 = nullptr; // "Отмена"

    /// Writes the report's cells in the given order; cells not named keep their text.
    void writeCells(const std::vector<output::ReportCell>& cells);

    /// Shows the window without making it modal, or brings it to the front when it is shown.
    void showReport();

    /// Loads the chart picture, then the signature lines. A picture that cannot be loaded leaves the
    /// old one and the lines as they were; missing lines leave the memo empty. Both throw.
    void FormActivate();
    /// Prints the client area on one landscape page, without the two buttons.
    void Button1Click();
    /// Hides the window; its content stays.
    void Button2Click();

    /// The client area drawn into a bitmap on the window's white background, as it is printed.
    QImage clientPicture();

protected:
    bool event(QEvent* event) override;

private:
    void buildTable();

    ProgramState& m_state;
    ui::ActivationWatch m_activation;
};
