#include "ui/Unit1.h"

#include "ui/Fonts.h"
#include "ui/Placement.h"
#include "ui/RadioGroup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using ui::place;
using ui::placeLabel;

namespace {

// The boxes' captions stand on their frame lines, as in the laboratory's other programs, not above them.
const QString CaptionOnFrame = QStringLiteral(
    "QGroupBox { border: 1px solid #a0a0a0; border-radius: 2px; margin-top: 7px; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }");

} // namespace

void TForm1::buildLeftColumn(QWidget* client)
{
    const QFont boxFont = ui::uiFont(ui::CaptionPixelSize);

    RadioGroup1 = place(new ui::RadioGroup(QStringLiteral("Вид графиков"),
                                           {QStringLiteral("График  dV = f ( t )"),
                                            QStringLiteral("График    T = f ( t )"),
                                            QStringLiteral("График  dV = f (T)"), QStringLiteral("График результат")},
                                           client),
                        QStringLiteral("RadioGroup1"), 8, 208, 177, 113);
    RadioGroup1->setFont(boxFont);
    RadioGroup1->setStyleSheet(CaptionOnFrame);
    RadioGroup1->setItemIndex(0);

    CheckBox1 = place(new QCheckBox(QStringLiteral("T = f ( t )  холодильника"), client), QStringLiteral("CheckBox1"),
                      8, 328, 177, 17);
    CheckBox1->setFont(boxFont);

    GroupBox1 = place(new QGroupBox(QStringLiteral("Данные"), client), QStringLiteral("GroupBox1"), 8, 352, 177, 97);
    GroupBox1->setFont(boxFont);
    GroupBox1->setStyleSheet(CaptionOnFrame);
    Label19 = placeLabel(GroupBox1, QStringLiteral("Label19"), QStringLiteral("Камера №1"), 8, 24, boxFont);
    Label17 = placeLabel(GroupBox1, QStringLiteral("Label17"), QStringLiteral("dV  ="), 32, 48, boxFont);
    Label18 = placeLabel(GroupBox1, QStringLiteral("Label18"), QStringLiteral("t  ="), 40, 64, boxFont);
    // The readout labels change their text with the chart kind; give them room for the longest one.
    Label19->resize(160, Label19->height());
    Label17->resize(48, Label17->height());
    Label18->resize(40, Label18->height());
    Edit4 = place(new QLineEdit(GroupBox1), QStringLiteral("Edit4"), 88, 48, 73, 17);
    Edit5 = place(new QLineEdit(GroupBox1), QStringLiteral("Edit5"), 88, 64, 73, 21);
    Edit4->setFont(ui::uiFont(ui::DefaultPixelSize));
    Edit5->setFont(ui::uiFont(ui::DefaultPixelSize));

    GroupBox2 = place(new QGroupBox(QStringLiteral("Обозначения"), client), QStringLiteral("GroupBox2"), 8, 456, 177,
                      113);
    GroupBox2->setFont(boxFont);
    GroupBox2->setStyleSheet(CaptionOnFrame);
    const QStringList legend = {
        QStringLiteral("dV - изменение объема"),
        QStringLiteral("камеры, см<sup>3</sup>"),
        QStringLiteral("t  -  время, с"),
        QStringLiteral("T - температура, °C"),
    };
    for (int line = 0; line < legend.size(); ++line) {
        QLabel* label = placeLabel(GroupBox2, QStringLiteral("LegendLine%1").arg(line + 1), legend.at(line), 8,
                                   22 + 21 * line, boxFont);
        label->setTextFormat(Qt::RichText);
        label->adjustSize();
    }
}
