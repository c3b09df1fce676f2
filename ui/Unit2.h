#pragma once

#include "output/PdfDocument.h"
#include "output/ReportCells.h"
#include "ui/WindowActivation.h"

#include <QDate>
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
/// command writes into its grid; it prints its client area on one landscape page, or saves that page as
/// a PDF file.
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
    QPushButton* Button3 = nullptr; // "Сохранить PDF"

    /// Writes the report's cells in the given order; cells not named keep their text.
    void writeCells(const std::vector<output::ReportCell>& cells);

    /// The test the report is of, for the PDF's name and the print job's title.
    void identifyTest(const QString& testNumber, QDate testDate);

    /// Shows the window without making it modal, or brings it to the front when it is shown.
    void showReport();

    /// Loads the chart picture, then the signature lines. A picture that cannot be loaded leaves the
    /// old one and the lines as they were; missing lines leave the memo empty. Both throw.
    void FormActivate();
    /// Prints the client area on one landscape page, without the buttons.
    void Button1Click();
    /// Hides the window; its content stays.
    void Button2Click();
    /// Saves the page that printing would make as a PDF file that the user names.
    void Button3Click();

protected:
    bool event(QEvent* event) override;

private:
    void buildTable();
    /// The report's page: the client area on the window's white background without the buttons, at
    /// the top left of the printable area, at its size on screen.
    output::PagePainter page();
    QString documentTitle() const;

    ProgramState& m_state;
    ui::ActivationWatch m_activation;
    QString m_testNumber;
    QDate m_testDate;
};
