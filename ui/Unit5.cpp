#include "ui/Unit5.h"

#include "platform/RtfFile.h"
#include "ui/ErrorGuard.h"
#include "ui/Fonts.h"
#include "ui/Placement.h"

#include <QPushButton>
#include <QTextEdit>

TForm5::TForm5(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Справка"));
    setFont(ui::uiFont(ui::DefaultPixelSize));
    setFixedSize(1011, 460);
    move(3, 110);

    RichEdit1 = ui::place(new QTextEdit(this), QStringLiteral("RichEdit1"), 8, 8, 993, 417);
    RichEdit1->setAcceptRichText(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    RichEdit1->setPalette(palette);

    Button1 =
        ui::place(new QPushButton(QStringLiteral("ОК"), this), QStringLiteral("Button1"), 464, 432, 73, 25);
    // Enter in the text makes a new line rather than closing the window.
    Button1->setAutoDefault(false);
    ui::connectGuarded(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
}

bool TForm5::event(QEvent* event)
{
    if (m_activation.isActivation(event)) ui::runGuarded([this] { FormActivate(); });
    return QDialog::event(event);
}

void TForm5::FormActivate()
{
    RichEdit1->clear();
    platform::loadRtfFile(*RichEdit1->document(), HelpFolder + QStringLiteral("/help_zolt.rtf"));
}

void TForm5::Button1Click()
{
    close();
}
