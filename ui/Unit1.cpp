#include "ui/Unit1.h"

#include "platform/Paths.h"
#include "ui/ChartWidget.h"
#include "ui/ErrorGuard.h"
#include "ui/FieldExit.h"
#include "ui/FileDrop.h"
#include "ui/Fonts.h"
#include "ui/HeadingPictures.h"
#include "ui/ProgramState.h"
#include "ui/RadioGroup.h"
#include "ui/ShapeHeading.h"
#include "ui/TestLoader.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>
#include <QToolButton>

namespace {
constexpr int ClientWidth = 993;
constexpr int ClientHeight = 631;
} // namespace

TForm1::TForm1(ProgramState& state, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_state(state)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Дилатометрический метод ускоренного определения морозостойкости стройматериалов"));
    setFont(ui::uiFont(ui::DefaultPixelSize));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);

    // The headings with text take a while to draw: another core draws them while the menu, the tool bar
    // and the header panel's fields are made.
    auto headingPictures = ui::headings::drawStartPicturesAhead(palette().color(QPalette::Window));
    buildMenu();
    buildToolBar(client);
    buildHeaderPanel(client, std::move(headingPictures));
    buildLeftColumn(client);
    buildChartArea(client);

    // The client area is fixed; the window takes the menu bar's height on top of it and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    move(15, 2);

    FormCreate();
    wireHandlers();
    // Test files dropped from a file manager load as if chosen in the open dialog.
    new ui::FileDrop(*this, [this](const QStringList& files) { TestLoader(*this).load(files); });
}

TForm1::~TForm1() = default;

void TForm1::attachWindows(TForm2* report, TForm3* about, TForm4* settings, TForm5* help)
{
    m_report = report;
    m_about = about;
    m_settings = settings;
    m_help = help;
}

void TForm1::FormCreate()
{
    Edit2->clear();
    Edit6->clear();
    Edit3->clear();
    Edit4->clear();
    Edit5->clear();
    Edit5->resize(Edit5->width(), 17);

    Image7->showShape(true);

    ComboBox1->setEditText(QString());
    m_state.SelectorLastIndex = ComboBox1->currentIndex();

    // A grid column is its 79 pixels of cell plus the one-pixel grid line that Qt counts in the section.
    StringGrid1->horizontalHeader()->setDefaultSectionSize(79 + 1);

    Chart1->chart().clearTitle();
    Chart1->chart().addTitleLine(QStringLiteral("График зависимости изменения объема камеры от времени"));
    Chart1->chart().setBottomAxisCaption(QStringLiteral("Время, с"));
    Chart1->chart().setLeftAxisCaption(QStringLiteral("Изменение объема, см куб"));

    m_state.ProgramFolder = platform::currentDirectory();
    Edit7->setText(m_state.ProgramFolder);

    Image4->hide();

    m_state.ChamberShown[1] = true;
    m_state.ChamberShown[2] = true;
    m_state.ChamberShown[3] = true;
    m_state.ChamberShown[4] = false;

    m_state.RecordLoaded = false;
}

void TForm1::wireHandlers()
{
    using ui::connectGuarded;

    connectGuarded(N2, &QAction::triggered, this, &TForm1::N2Click);
    connectGuarded(N3, &QAction::triggered, this, &TForm1::N3Click);
    connectGuarded(N5, &QAction::triggered, this, &TForm1::N5Click);
    connectGuarded(N6, &QAction::triggered, this, &TForm1::N6Click);
    connectGuarded(N20, &QAction::triggered, this, &TForm1::N20Click);
    connectGuarded(N12, &QAction::triggered, this, &TForm1::N12Click);
    connectGuarded(N14, &QAction::triggered, this, &TForm1::N14Click);
    connectGuarded(N19, &QAction::triggered, this, &TForm1::N19Click);
    connectGuarded(N17, &QAction::triggered, this, &TForm1::N17Click);
    connectGuarded(N18, &QAction::triggered, this, &TForm1::N18Click);

    connectGuarded(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connectGuarded(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connectGuarded(SpeedButton8, &QToolButton::clicked, this, &TForm1::SpeedButton8Click);
    connectGuarded(SpeedButton9, &QToolButton::clicked, this, &TForm1::SpeedButton9Click);
    connectGuarded(SpeedButton10, &QToolButton::clicked, this, &TForm1::SpeedButton10Click);
    connectGuarded(SpeedButton14, &QToolButton::clicked, this, &TForm1::SpeedButton14Click);
    connectGuarded(SpeedButton15, &QToolButton::clicked, this, &TForm1::SpeedButton15Click);
    connectGuarded(SpeedButton16, &QToolButton::clicked, this, &TForm1::SpeedButton16Click);

    // A toggle has already changed its state when `clicked` arrives; the handler reads the new one.
    connectGuarded(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connectGuarded(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connectGuarded(SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connectGuarded(SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);

    // Fires for the user's typing and choosing and also for programmatic changes of the text: code that
    // fills the list (the loader's appends and selections) holds a QSignalBlocker on ComboBox1 meanwhile.
    connectGuarded(ComboBox1, &QComboBox::currentTextChanged, this, &TForm1::ComboBox1Change);
    connectGuarded(ComboBox1->lineEdit(), &QLineEdit::returnPressed, this, &TForm1::ComboBox1EditingFinished);
    connectGuarded(new ui::FieldExit(ComboBox1), &ui::FieldExit::left, this,
                   &TForm1::ComboBox1EditingFinished);
    connectGuarded(RadioGroup1, &ui::RadioGroup::clicked, this, &TForm1::RadioGroup1Click);
    connectGuarded(CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
    // QSlider emits valueChanged for every real change of the position, by the user or by setValue and
    // setRange, and never when the position stays: the cursor relies on exactly that.
    connectGuarded(TrackBar1, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
}

// The clicking halves of the command pairs.

void TForm1::N2Click() { SpeedButton5->click(); }
void TForm1::SpeedButton6Click() { N3->trigger(); }
void TForm1::N5Click() { SpeedButton8->click(); }
void TForm1::SpeedButton9Click() { N6->trigger(); }
void TForm1::SpeedButton10Click() { N12->trigger(); }
void TForm1::SpeedButton16Click() { N14->trigger(); }
void TForm1::N17Click() { SpeedButton14->click(); }
void TForm1::SpeedButton15Click() { N18->trigger(); }
