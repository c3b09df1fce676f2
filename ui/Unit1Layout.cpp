#include "ui/ChartWidget.h"
#include "ui/Icons.h"
#include "ui/Placement.h"
#include "ui/Unit1.h"

#include <QAction>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QToolButton>

using ui::place;

namespace {

constexpr int ToolBarHeight = 32; // the header panel starts here
constexpr int ToolButtonSide = 33;
constexpr int LogoWidth = 241;
constexpr int LogoHeight = 49;
constexpr int LogoRight = 8 + 969; // flush with the header panel's right edge

// Captions carry their mnemonic ("&Файл": Alt+Ф opens the menu, the underlined letter picks the item).
QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QString& icon,
                 const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(ui::commandIcon(icon), caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QToolButton* addToolButton(QWidget* client, const QString& name, int x, const QString& hint,
                           const QString& icon)
{
    auto* button = place(new QToolButton(client), name, x, 0, ToolButtonSide, ToolButtonSide);
    button->setAutoRaise(true);
    button->setIcon(ui::commandIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void addSeparator(QWidget* client, const QString& name, int x)
{
    auto* line = place(new QFrame(client), name, x, 4, 2, ToolBarHeight - 8);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
}

} // namespace

void TForm1::buildMenu()
{
    N1 = menuBar()->addMenu(QStringLiteral("&Файл"));
    N1->setObjectName(QStringLiteral("N1"));
    N2 = addItem(N1, QStringLiteral("N2"), QStringLiteral("Чтение данных с &дилатометра"),
                 QStringLiteral("dilatometer"));
    N3 = addItem(N1, QStringLiteral("N3"), QStringLiteral("&Чтение данных из файла"), QStringLiteral("open"),
                 QKeySequence(Qt::CTRL | Qt::Key_O));
    N5 = addItem(N1, QStringLiteral("N5"), QStringLiteral("&Сохранить график"), QStringLiteral("save-chart"),
                 QKeySequence(Qt::CTRL | Qt::Key_S));
    N20 = addItem(N1, QStringLiteral("N20"), QStringLiteral("Сохранить &график в PDF"),
                  QStringLiteral("save-pdf"));
    N6 = addItem(N1, QStringLiteral("N6"), QStringLiteral("&Печать графика"), QStringLiteral("print-chart"),
                 QKeySequence(Qt::CTRL | Qt::Key_P));
    N12 = addItem(N1, QStringLiteral("N12"), QStringLiteral("Печать &журнала"),
                  QStringLiteral("print-journal"));
    N13 = N1->addSeparator();
    N13->setObjectName(QStringLiteral("N13"));
    N14 = addItem(N1, QStringLiteral("N14"), QStringLiteral("&Выход"), QStringLiteral("exit"));

    N7 = menuBar()->addMenu(QStringLiteral("&Настройки"));
    N7->setObjectName(QStringLiteral("N7"));
    N19 = addItem(N7, QStringLiteral("N19"), QStringLiteral("&Настройки"), QStringLiteral("settings"));

    N9 = menuBar()->addMenu(QStringLiteral("&Справка"));
    N9->setObjectName(QStringLiteral("N9"));
    N17 = addItem(N9, QStringLiteral("N17"), QStringLiteral("&Справка"), QStringLiteral("help"),
                  QKeySequence(Qt::Key_F1));
    N18 = addItem(N9, QStringLiteral("N18"), QStringLiteral("&О программе"), QStringLiteral("about"));
}

void TForm1::buildToolBar(QWidget* client)
{
    SpeedButton5 =
        addToolButton(client, QStringLiteral("SpeedButton5"), 8,
                      QStringLiteral("Чтение данных с дилатометра"), QStringLiteral("dilatometer"));
    SpeedButton6 = addToolButton(client, QStringLiteral("SpeedButton6"), 48,
                                 QStringLiteral("Чтение данных из файла"), QStringLiteral("open"));
    SpeedButton8 = addToolButton(client, QStringLiteral("SpeedButton8"), 88,
                                 QStringLiteral("Сохранить график"), QStringLiteral("save-chart"));
    SpeedButton9 = addToolButton(client, QStringLiteral("SpeedButton9"), 128,
                                 QStringLiteral("Печать графика"), QStringLiteral("print-chart"));
    SpeedButton10 = addToolButton(client, QStringLiteral("SpeedButton10"), 168,
                                  QStringLiteral("Печать журнала"), QStringLiteral("print-journal"));
    addSeparator(client, QStringLiteral("ToolSeparator1"), 200);
    SpeedButton14 = addToolButton(client, QStringLiteral("SpeedButton14"), 216, QStringLiteral("Справка"),
                                  QStringLiteral("help"));
    SpeedButton15 = addToolButton(client, QStringLiteral("SpeedButton15"), 256, QStringLiteral("О программе"),
                                  QStringLiteral("about"));
    addSeparator(client, QStringLiteral("ToolSeparator2"), 288);
    SpeedButton16 = addToolButton(client, QStringLiteral("SpeedButton16"), 304,
                                  QStringLiteral("Выход из программы"), QStringLiteral("exit"));

    // The logo picture is 241 × 49, taller than the tool bar: it is shown scaled into the bar's height so
    // that it does not cover the first row of the header panel.
    const int shownHeight = ToolBarHeight - 2;
    const int shownWidth = LogoWidth * shownHeight / LogoHeight;
    Image5 =
        place(new QLabel(client), QStringLiteral("Image5"), LogoRight - LogoWidth, 1, LogoWidth, shownHeight);
    Image5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Image5->setPixmap(ui::svgPicture(QStringLiteral(":/icons/logo.svg"), QSize(shownWidth, shownHeight)));
}

void TForm1::buildChartArea(QWidget* client)
{
    Chart1 = place(new ui::ChartWidget(client), QStringLiteral("Chart1"), 192, 208, 777, 377);

    TrackBar1 = place(new QSlider(Qt::Horizontal, client), QStringLiteral("TrackBar1"), 200, 592, 777, 25);
    TrackBar1->setRange(0, 256);
    TrackBar1->setValue(0);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(8);
}
