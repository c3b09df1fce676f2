#include "processing/ResultsGrid.h"
#include "records/HeaderTexts.h"
#include "ui/Fonts.h"
#include "ui/HeadingPictures.h"
#include "ui/Placement.h"
#include "ui/ShapeHeading.h"
#include "ui/StringGrid.h"
#include "ui/Unit1.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QTableWidget>
#include <QTimeEdit>
#include <QToolButton>

using ui::place;
using ui::placeLabel;

namespace {

constexpr int FieldHeight = 21;
constexpr int PickerHeight = 18;
using processing::GridColumns;
using processing::GridRows;
constexpr int GridRowHeight = 15 + 1; // a row of text and its grid line

QLineEdit* addEdit(QWidget* parent, const QString& name, int x, int y, int w)
{
    return place(new QLineEdit(parent), name, x, y, w, FieldHeight);
}

QComboBox* addCombo(QWidget* parent, const QString& name, int x, int y, int w, const QStringList& items,
                    bool editable)
{
    auto* combo = place(new QComboBox(parent), name, x, y, w, FieldHeight);
    combo->setEditable(editable);
    combo->addItems(items);
    combo->setCurrentIndex(-1); // a blank text until something is chosen or decoded
    return combo;
}

// A chamber toggle; Alt and the chamber's digit switch it from the keyboard.
QToolButton* addToggle(QWidget* parent, int chamber, int y, bool down)
{
    const QString digit = QString::number(chamber);
    auto* toggle = place(new QToolButton(parent), QStringLiteral("SpeedButton") + digit, 8, y, 41, 15);
    toggle->setText(digit);
    toggle->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + chamber)));
    toggle->setToolTip(QStringLiteral("Показать или скрыть кривые камеры %1 (%2)")
                           .arg(digit, toggle->shortcut().toString(QKeySequence::PortableText)));
    toggle->setFont(ui::uiFont(ui::CaptionPixelSize, true));
    toggle->setCheckable(true);
    toggle->setChecked(down);
    toggle->setFocusPolicy(Qt::NoFocus);
    return toggle;
}

QLabel* addColourKey(QWidget* parent, const QString& name, int y, QRgb colour)
{
    auto* key = place(new QLabel(parent), name, 56, y, 17, 10);
    QPixmap block(17, 10);
    block.fill(QColor::fromRgb(colour));
    key->setPixmap(block);
    return key;
}

QLabel* addHeading(QWidget* parent, const QString& name, int x, int width, const QImage& drawn)
{
    auto* picture = place(new QLabel(parent), name, x, 54, width, ui::headings::HeadingHeight);
    picture->setPixmap(QPixmap::fromImage(drawn));
    return picture;
}

QFrame* addResultPanel(QWidget* parent, const QString& name, int x, int w, QLabel*& label,
                       const QString& labelName, int labelX)
{
    auto* panel = place(new QFrame(parent), name, x, 96, w, 67);
    panel->setFrameShape(QFrame::Box);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Base);
    // The value stands in the middle of its panel.
    label = place(new QLabel(panel), labelName, labelX, 16, w - 2 * labelX, 20);
    label->setFont(ui::uiFont(ui::ResultPixelSize, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return panel;
}

} // namespace

void TForm1::buildHeaderPanel(QWidget* client, std::future<ui::headings::StartPictures> pictures)
{
    Panel1 = place(new QFrame(client), QStringLiteral("Panel1"), 8, 32, 969, 169);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    QWidget* panel = Panel1;
    const QFont captionFont = ui::uiFont(ui::CaptionPixelSize);

    placeLabel(panel, QStringLiteral("NumberLabel"), QStringLiteral("№"), 8, 5, captionFont);
    ComboBox1 = addCombo(panel, QStringLiteral("ComboBox1"), 32, 3, 73, {}, true);
    // Only loading lists a test: a number typed and confirmed with Enter is chosen, never added.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    // Completing "12" to a listed "120" would choose a test the user did not type.
    ComboBox1->setCompleter(nullptr);

    placeLabel(panel, QStringLiteral("SeriesLabel"), QStringLiteral("Серия"), 120, 5, captionFont);
    Edit2 = addEdit(panel, QStringLiteral("Edit2"), 171, 3, 54);

    placeLabel(panel, QStringLiteral("TimeLabel"), QStringLiteral("Время"), 241, 5, captionFont);
    DateTimePicker2 =
        place(new QTimeEdit(panel), QStringLiteral("DateTimePicker2"), 288, 3, 113, PickerHeight);
    DateTimePicker2->setDisplayFormat(QStringLiteral("H:mm:ss"));
    DateTimePicker2->setTime(QTime::currentTime());

    placeLabel(panel, QStringLiteral("DateLabel"), QStringLiteral("Дата"), 416, 5, captionFont);
    DateTimePicker1 = place(new QDateEdit(QDate::currentDate(), panel), QStringLiteral("DateTimePicker1"),
                            456, 3, 153, PickerHeight);
    DateTimePicker1->setCalendarPopup(true);
    // Its calendar names months and weekdays: in Russian like the rest of the window, whatever the session.
    DateTimePicker1->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    DateTimePicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));

    placeLabel(panel, QStringLiteral("ManufactureLabel"), QStringLiteral("Дата изготовления образцов"), 616,
               6, captionFont);
    Edit3 = addEdit(panel, QStringLiteral("Edit3"), 816, 4, 145);

    placeLabel(panel, QStringLiteral("ConcreteLabel"), QStringLiteral("Тип бетона"), 8, 26, captionFont);
    ComboBox2 =
        addCombo(panel, QStringLiteral("ComboBox2"), 96, 24, 137, records::concreteTypeNames(), false);

    placeLabel(panel, QStringLiteral("StrengthLabel"), QStringLiteral("Прочность, МПа"), 240, 26,
               captionFont);
    Edit6 = addEdit(panel, QStringLiteral("Edit6"), 360, 24, 41);

    placeLabel(panel, QStringLiteral("ShapeLabel"), QStringLiteral("Форма образца"), 416, 26, captionFont);
    ComboBox3 = addCombo(panel, QStringLiteral("ComboBox3"), 528, 24, 81, records::shapeNames(), false);

    placeLabel(panel, QStringLiteral("AddressLabel"), QStringLiteral("Адрес:"), 616, 24, captionFont);
    Edit7 = addEdit(panel, QStringLiteral("Edit7"), 664, 24, 297);

    Bevel1 = place(new QFrame(panel), QStringLiteral("Bevel1"), 8, 48, 953, 2);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    using namespace ui::headings;
    const StartPictures drawn = pictures.get();
    Image7 = place(new ui::ShapeHeading(panel, drawn.cube), QStringLiteral("Image7"), 8, 54, LeftHeadingWidth,
                   HeadingHeight);
    Image6 = addHeading(panel, QStringLiteral("Image6"), 320, RightHeadingWidth, drawn.results);

    SpeedButton1 = addToggle(panel, 1, 97, true);
    SpeedButton2 = addToggle(panel, 2, 114, true);
    SpeedButton3 = addToggle(panel, 3, 131, true);
    SpeedButton4 = addToggle(panel, 4, 147, false);

    Image1 = addColourKey(panel, QStringLiteral("Image1"), 100, 0xFF0000);
    Image2 = addColourKey(panel, QStringLiteral("Image2"), 116, 0x0080FF);
    Image3 = addColourKey(panel, QStringLiteral("Image3"), 132, 0xFF00FF);
    Image4 = addColourKey(panel, QStringLiteral("Image4"), 148, 0x808080);

    StringGrid1 = place(new ui::StringGrid(GridRows, GridColumns, panel), QStringLiteral("StringGrid1"), 79,
                        96, 724, 67);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setShowGrid(true);
    StringGrid1->setFrameShape(QFrame::Panel);
    StringGrid1->setFrameShadow(QFrame::Sunken);
    StringGrid1->setLineWidth(2);
    StringGrid1->setWordWrap(false);
    StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    QPalette gridColours = StringGrid1->palette();
    gridColours.setColor(QPalette::Base, Qt::white);
    StringGrid1->setPalette(gridColours);
    // Every cell holds an item from the start, so code that writes the grid never meets a null cell.
    for (int row = 0; row < GridRows; ++row)
        for (int column = 0; column < GridColumns; ++column)
            StringGrid1->setItem(row, column, new QTableWidgetItem);

    Panel2 = addResultPanel(panel, QStringLiteral("Panel2"), 800, 82, Label11, QStringLiteral("Label11"), 0);
    Panel3 = addResultPanel(panel, QStringLiteral("Panel3"), 880, 90, Label13, QStringLiteral("Label13"), 8);

    // The headings and the grade panel reach the panel's right edge; its sunken frame is drawn once more
    // above them so that it stays whole.
    auto* frame =
        place(new QFrame(panel), QStringLiteral("Panel1Frame"), 0, 0, Panel1->width(), Panel1->height());
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->raise();
}
