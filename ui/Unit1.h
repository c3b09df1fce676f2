#pragma once

#include <QMainWindow>
#include <QtGlobal>
#include <future>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class QTableWidget;
class QTimeEdit;
class QToolButton;

struct ProgramState;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

namespace ui {
class ChartWidget;
class RadioGroup;
class ShapeHeading;
} // namespace ui
namespace ui::headings {
struct StartPictures;
} // namespace ui::headings

/// The main window. Its controls are public members named as their objects, so the handlers of every
/// subsystem (each in its own Unit1*.cpp) and the tests reach them directly. Every signal runs its handler
/// through the error guard.
class TForm1 final : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(ProgramState& state, QWidget* parent = nullptr);
    ~TForm1() override;

    /// The other windows, created after this one; the commands show them.
    void attachWindows(TForm2* report, TForm3* about, TForm4* settings, TForm5* help);

    ProgramState& state() { return m_state; }
    const ProgramState& state() const { return m_state; }

    // Menu.
    QMenu* N1 = nullptr;  // "Файл"
    QAction* N2 = nullptr;
    QAction* N3 = nullptr;
    QAction* N5 = nullptr;
    QAction* N20 = nullptr;  // "Сохранить график в PDF"
    QAction* N6 = nullptr;
    QAction* N12 = nullptr;
    QAction* N13 = nullptr;  // separator
    QAction* N14 = nullptr;
    QMenu* N7 = nullptr;  // "Настройки"
    QAction* N19 = nullptr;
    QMenu* N9 = nullptr;  // "Справка"
    QAction* N17 = nullptr;
    QAction* N18 = nullptr;

    // Tool bar.
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QToolButton* SpeedButton14 = nullptr;
    QToolButton* SpeedButton15 = nullptr;
    QToolButton* SpeedButton16 = nullptr;
    QLabel* Image5 = nullptr;  // the maker's logo

    // Header panel.
    QFrame* Panel1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QTimeEdit* DateTimePicker2 = nullptr;
    QDateEdit* DateTimePicker1 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QFrame* Bevel1 = nullptr;  // the rule between the fields and the results table
    ui::ShapeHeading* Image7 = nullptr;  // cube or cylinder headings
    QLabel* Image6 = nullptr;  // headings of the right part of the table
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Label11 = nullptr;  // mean relative volume change
    QFrame* Panel3 = nullptr;
    QLabel* Label13 = nullptr;  // frost-resistance grade

    // Left column.
    ui::RadioGroup* RadioGroup1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label17 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLabel* Label18 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QGroupBox* GroupBox2 = nullptr;

    // Chart area.
    ui::ChartWidget* Chart1 = nullptr;
    QSlider* TrackBar1 = nullptr;

    // Commands: in each pair one handler works and the other only clicks it (Unit1.cpp).
    void N2Click();
    void SpeedButton6Click();
    void N5Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton16Click();
    void N17Click();
    void SpeedButton15Click();

    // Test data (Unit1Data.cpp).
    void N3Click();
    void ComboBox1Change();
    void ComboBox1EditingFinished(); // Enter, or the focus moving to another control
    void DecodeTestRecord(quint16 testNumber);

    // Chart kinds, chamber toggles and cursor (Unit1Chart.cpp).
    void ApplyChartKind();
    void RadioGroup1Click();
    void CheckBox1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void UpdateChamberSelection();
    void TrackBar1Change();

    // Chart picture, printing, the chart as PDF, report and settings (Unit1Output.cpp).
    void SpeedButton8Click();
    void N6Click();
    void N20Click();
    void N12Click();
    void N19Click();

    // Acquisition program, exit, help and about (Unit1Commands.cpp).
    void SpeedButton5Click();
    void N14Click();
    void SpeedButton14Click();
    void N18Click();

private:
    void FormCreate();

    // Construction (Unit1Layout.cpp, Unit1HeaderPanel.cpp, Unit1LeftColumn.cpp).
    void buildMenu();
    void buildToolBar(QWidget* client);
    void buildHeaderPanel(QWidget* client, std::future<ui::headings::StartPictures> pictures);
    void buildLeftColumn(QWidget* client);
    void buildChartArea(QWidget* client);
    void wireHandlers();

    ProgramState& m_state;
    TForm2* m_report = nullptr;
    TForm3* m_about = nullptr;
    TForm4* m_settings = nullptr;
    TForm5* m_help = nullptr;
};
