#include "ui/Unit2.h"

#include "output/BmpPicture.h"
#include "output/ChartPicture.h"
#include "output/DocumentNames.h"
#include "output/ReportHeadings.h"
#include "output/ReportPrinting.h"
#include "output/SignatureLines.h"
#include "platform/Error.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "ui/DeferredPicture.h"
#include "ui/ErrorGuard.h"
#include "ui/Fonts.h"
#include "ui/PagePrinting.h"
#include "ui/PdfSaveDialog.h"
#include "ui/Placement.h"
#include "ui/PrintSetup.h"
#include "ui/ProgramState.h"
#include "ui/ReportGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <initializer_list>

namespace {

QLabel* titleLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h)
{
    auto* label = ui::place(new QLabel(text, parent), name, x, y, w, h);
    label->setFont(ui::uiFont(ui::ResultPixelSize, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

// Keeps the buttons off the printed page and puts back those that were shown, however printing ends.
class ButtonsHidden final {
public:
    ButtonsHidden(std::initializer_list<QWidget*> buttons)
    {
        for (QWidget* button : buttons)
            if (!button->isHidden()) m_hidden.push_back(button);
        for (QWidget* button : m_hidden)
            button->hide();
    }
    ~ButtonsHidden()
    {
        for (QWidget* button : m_hidden)
            button->show();
    }
    ButtonsHidden(const ButtonsHidden&) = delete;
    ButtonsHidden& operator=(const ButtonsHidden&) = delete;

private:
    std::vector<QWidget*> m_hidden;
};

// The memo's text cursor belongs to the screen, not to the page. A memo that cannot be edited draws
// none (a cursor of no width would still print as a hairline).
class CaretHidden final {
public:
    explicit CaretHidden(QPlainTextEdit* memo) : m_memo(memo), m_wasReadOnly(memo->isReadOnly())
    {
        m_memo->setReadOnly(true);
    }
    ~CaretHidden() { m_memo->setReadOnly(m_wasReadOnly); }
    CaretHidden(const CaretHidden&) = delete;
    CaretHidden& operator=(const CaretHidden&) = delete;

private:
    QPlainTextEdit* m_memo;
    bool m_wasReadOnly;
};

} // namespace

TForm2::TForm2(ProgramState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_state(state)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Отчет"));
    const QFont font = ui::uiFont(ui::DefaultPixelSize);
    setFont(font);
    setFixedSize(1005, 686);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    move(3, 3);

    Label1 = titleLabel(
        this, QStringLiteral("Label1"),
        QStringLiteral("Результаты ускоренного определения морозостойкости бетона дилатометрическим методом"),
        112, 16, 808, 20);
    Label2 = titleLabel(this, QStringLiteral("Label2"), QStringLiteral("ГОСТ 10060.3-95"), 416, 32, 142, 20);

    Image1 = ui::place(new QLabel(this), QStringLiteral("Image1"), 144, 56, 0, 0);
    Image3 = ui::place(
        new ui::DeferredPicture([font] { return QPixmap::fromImage(output::reportRowNumbers(font)); }, this),
        QStringLiteral("Image3"), 22, 441, 18, 137);
    Image2 = ui::place(new ui::DeferredPicture(
                           [font] { return QPixmap::fromImage(output::reportColumnHeadings(font)); }, this),
                       QStringLiteral("Image2"), 37, 440, 962, 65);

    buildTable();

    Bevel1 = ui::place(new QFrame(this), QStringLiteral("Bevel1"), 24, 576, 973, 2);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    Memo1 = ui::place(new QPlainTextEdit(this), QStringLiteral("Memo1"), 64, 608, 874, 41);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->document()->setDocumentMargin(1);
    Memo1->setPlainText(output::designSignatureLines().join(u'\n'));

    Button1 = ui::place(new QPushButton(QStringLiteral("Печать"), this), QStringLiteral("Button1"), 416, 656,
                        65, 17);
    Button2 = ui::place(new QPushButton(QStringLiteral("Отмена"), this), QStringLiteral("Button2"), 536, 656,
                        65, 17);
    // The third of the buttons that stay off the page, at the same pitch to the right.
    Button3 = ui::place(new QPushButton(QStringLiteral("Сохранить PDF"), this), QStringLiteral("Button3"),
                        656, 656, 89, 17);
    ui::connectGuarded(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    ui::connectGuarded(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    ui::connectGuarded(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
}

void TForm2::buildTable()
{
    StringGrid1 = ui::place(new ui::ReportGrid(output::ReportRows, output::ReportColumns, this),
                            QStringLiteral("StringGrid1"), 40, 504, 961, 72);
    // A section is the column's 86 pixels plus the rule the grid draws on its right.
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(output::ReportColumnPitch);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setDefaultSectionSize(output::ReportRowHeight);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setFrameShape(QFrame::NoFrame);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    StringGrid1->setWordWrap(false);
}

void TForm2::writeCells(const std::vector<output::ReportCell>& cells)
{
    for (const output::ReportCell& cell : cells) {
        QTableWidgetItem* item = StringGrid1->item(cell.row, cell.column);
        if (!item) {
            item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            StringGrid1->setItem(cell.row, cell.column, item);
        }
        item->setText(cell.text);
    }
}

void TForm2::showReport()
{
    show();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

bool TForm2::event(QEvent* event)
{
    if (m_activation.isActivation(event)) ui::runGuarded([this] { FormActivate(); });
    return QWidget::event(event);
}

void TForm2::identifyTest(const QString& testNumber, QDate testDate)
{
    m_testNumber = testNumber;
    m_testDate = testDate;
}

void TForm2::FormActivate()
{
    const QImage picture = output::loadBmpPicture(output::reportPicturePath(m_state.ProgramFolder));
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->resize(picture.size());

    Memo1->clear();
    Memo1->setPlainText(
        output::signatureMemoText(platform::readTextFile(output::signatureFilePath(m_state.ProgramFolder))));
}

void TForm2::Button1Click()
{
    const ButtonsHidden hidden{Button1, Button2, Button3};
    QPrinter& printer = ui::landscapePrinter();
    if (!ui::runPrintSetup(printer, this)) return;
    ui::printPage(printer, documentTitle(), page());
}

void TForm2::Button2Click()
{
    hide();
}

void TForm2::Button3Click()
{
    const QString path =
        ui::choosePdfFile(this, output::pdfFileName(output::Document::Journal, m_testNumber, m_testDate));
    if (path.isEmpty()) return;
    ui::savePagePdf(path, documentTitle(), page());
}

output::PagePainter TForm2::page()
{
    return [this](QPagedPaintDevice& device) {
        const ButtonsHidden hidden{Button1, Button2, Button3};
        const CaretHidden caret(Memo1);
        QPainter painter;
        if (!painter.begin(&device)) throw platform::Error(platform::messages::printingFailed());
        // The page's placement is set whole, never added to what a painter had before.
        painter.setWorldTransform(output::reportPagePlacement(device.logicalDpiX(), device.logicalDpiY()));
        // The pictures (chart, headings) keep their one-pixel rules: no smoothing, no lossy compression.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setRenderHint(QPainter::LosslessImageRendering, true);
        render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        if (!painter.end()) throw platform::Error(platform::messages::printingFailed());
    };
}

QString TForm2::documentTitle() const
{
    return output::documentTitle(output::Document::Journal, m_testNumber, m_testDate);
}
