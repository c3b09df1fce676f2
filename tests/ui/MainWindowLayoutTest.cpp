#include "tests/support/TestRegistry.h"
#include "ui/HeadingPictures.h"
#include "ui/ShapeHeading.h"
#include "ui/ProgramState.h"
#include "ui/Unit1.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <memory>

// Every control of the main window at its place, and the pictures and captions that have to fit it.
class MainWindowLayoutTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_state = std::make_unique<ProgramState>();
        m_form = std::make_unique<TForm1>(*m_state);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void cleanupTestCase()
    {
        m_form.reset();
        m_state.reset();
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");  // a width of 0 checks the position only
        const QString client = QStringLiteral("ClientArea");
        const QString panel1 = QStringLiteral("Panel1");
        const QString box1 = QStringLiteral("GroupBox1");
        auto row = [](const char* name, const QString& parent, QRect geometry) {
            QTest::newRow(name) << QString::fromLatin1(name) << parent << geometry;
        };

        row("Panel1", client, {8, 32, 969, 169});
        row("NumberLabel", panel1, {8, 5, 0, 0});
        row("ComboBox1", panel1, {32, 3, 73, 21});
        row("SeriesLabel", panel1, {120, 5, 0, 0});
        row("Edit2", panel1, {171, 3, 54, 21});
        row("TimeLabel", panel1, {241, 5, 0, 0});
        row("DateTimePicker2", panel1, {288, 3, 113, 18});
        row("DateLabel", panel1, {416, 5, 0, 0});
        row("DateTimePicker1", panel1, {456, 3, 153, 18});
        row("ManufactureLabel", panel1, {616, 6, 0, 0});
        row("Edit3", panel1, {816, 4, 145, 21});
        row("ConcreteLabel", panel1, {8, 26, 0, 0});
        row("ComboBox2", panel1, {96, 24, 137, 21});
        row("StrengthLabel", panel1, {240, 26, 0, 0});
        row("Edit6", panel1, {360, 24, 41, 21});
        row("ShapeLabel", panel1, {416, 26, 0, 0});
        row("ComboBox3", panel1, {528, 24, 81, 21});
        row("AddressLabel", panel1, {616, 24, 0, 0});
        row("Edit7", panel1, {664, 24, 297, 21});
        row("Bevel1", panel1, {8, 48, 953, 2});
        row("Image7", panel1, {8, 54, 313, 44});
        row("Image6", panel1, {320, 54, 649, 44});
        row("SpeedButton1", panel1, {8, 97, 41, 15});
        row("SpeedButton2", panel1, {8, 114, 41, 15});
        row("SpeedButton3", panel1, {8, 131, 41, 15});
        row("SpeedButton4", panel1, {8, 147, 41, 15});
        row("Image1", panel1, {56, 100, 17, 10});
        row("Image2", panel1, {56, 116, 17, 10});
        row("Image3", panel1, {56, 132, 17, 10});
        row("Image4", panel1, {56, 148, 17, 10});
        row("StringGrid1", panel1, {79, 96, 724, 67});
        row("Panel2", panel1, {800, 96, 82, 67});
        row("Label11", QStringLiteral("Panel2"), {0, 16, 0, 0});
        row("Panel3", panel1, {880, 96, 90, 67});
        row("Label13", QStringLiteral("Panel3"), {8, 16, 0, 0});
        row("RadioGroup1", client, {8, 208, 177, 113});
        row("CheckBox1", client, {8, 328, 177, 17});
        row("GroupBox1", client, {8, 352, 177, 97});
        row("Label19", box1, {8, 24, 0, 0});
        row("Label17", box1, {32, 48, 0, 0});
        row("Edit4", box1, {88, 48, 73, 17});
        row("Label18", box1, {40, 64, 0, 0});
        row("Edit5", box1, {88, 64, 73, 17});
        row("GroupBox2", client, {8, 456, 177, 113});
        row("Chart1", client, {192, 208, 777, 377});
        row("TrackBar1", client, {200, 592, 777, 25});
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        const auto* control = m_form->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QVERIFY(control->parentWidget());
        QCOMPARE(control->parentWidget()->objectName(), parent);
        if (geometry.width() == 0)
            QCOMPARE(control->pos(), geometry.topLeft());
        else
            QCOMPARE(control->geometry(), geometry);
    }

    void resultsGrid()
    {
        QTableWidget* grid = m_form->StringGrid1;
        QCOMPARE(grid->columnCount(), 9);
        QCOMPARE(grid->rowCount(), 4);
        QVERIFY(grid->horizontalHeader()->isHidden());
        QVERIFY(grid->verticalHeader()->isHidden());
        QVERIFY(grid->showGrid());
        QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(grid->editTriggers() != QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid->palette().color(QPalette::Base), QColor(Qt::white));
        // Qt counts the grid line in the section: 79 pixels of cell and one of line, 15 and one.
        for (int column = 0; column < 9; ++column)
            QCOMPARE(grid->columnWidth(column), 79 + 1);
        for (int row = 0; row < 4; ++row)
            QCOMPARE(grid->rowHeight(row), 15 + 1);
        // All nine columns fit the grid's width exactly, so no column is cut.
        QCOMPARE(grid->frameWidth() * 2 + 9 * grid->columnWidth(0), grid->width());
    }

    // The vertical rules of the heading pictures stand on the grid's column lines.
    void headingsLineUpWithTheGrid_data()
    {
        QTest::addColumn<int>("column");
        for (int column = -1; column < 9; ++column)
            QTest::addRow("line after column %d", column) << column;
    }

    void headingsLineUpWithTheGrid()
    {
        QFETCH(int, column);
        QTableWidget* grid = m_form->StringGrid1;
        const int viewportX = column < 0 ? -1 : grid->columnViewportPosition(column) + grid->columnWidth(column) - 1;
        const int panelX = grid->viewport()->mapTo(m_form->Panel1, QPoint(viewportX, 0)).x();
        for (const bool cube : {true, false}) {
            m_form->Image7->showShape(cube);
            for (QLabel* heading : {static_cast<QLabel*>(m_form->Image7), m_form->Image6}) {
                const int x = panelX - heading->x();
                if (x < 0 || x >= heading->width()) continue;
                const QImage picture = heading->pixmap().toImage();
                const QColor rule = picture.pixelColor(x, ui::headings::HeadingHeight - 3);
                QVERIFY2(rule == QColor(Qt::black),
                         qPrintable(QStringLiteral("%1 at x %2").arg(heading->objectName()).arg(x)));
            }
        }
    }

    void resultPanelsAlignWithTheHeadings()
    {
        // The mean and grade panels start on the rules of their headings: x 480 and 560 of Image6.
        QCOMPARE(m_form->Panel2->x() - m_form->Image6->x(), 6 * ui::headings::GridPitch);
        QCOMPARE(m_form->Panel3->x() - m_form->Image6->x(), 7 * ui::headings::GridPitch);
    }

    // No caption of the window is cut off by its control or by the control's parent.
    void captionsFit()
    {
        for (const QLabel* label : m_form->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(m_form.get()) || !label->pixmap().isNull() || label->text().isEmpty()) continue;
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
            QVERIFY2(label->geometry().right() < label->parentWidget()->width(), qPrintable(label->objectName()));
        }
        for (const QAbstractButton* button : m_form->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(m_form.get()) || button->text().isEmpty()) continue;
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
            QVERIFY2(button->geometry().right() < button->parentWidget()->width(), qPrintable(button->text()));
        }
        for (const QGroupBox* box : m_form->findChildren<QGroupBox*>())
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) + 16 < box->width(), qPrintable(box->title()));
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::newRow("header label") << "ShapeLabel" << 13 << false;
        QTest::newRow("chamber toggle") << "SpeedButton1" << 13 << true;
        QTest::newRow("chart kinds") << "RadioGroup1" << 13 << false;
        QTest::newRow("readout caption") << "Label19" << 13 << false;
        QTest::newRow("mean") << "Label11" << 16 << true;
        QTest::newRow("grade") << "Label13" << 16 << true;
        QTest::newRow("field") << "Edit2" << 11 << false;
        QTest::newRow("grid") << "StringGrid1" << 11 << false;
    }

    void fonts()
    {
        QFETCH(QString, name);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        const auto* control = m_form->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->font().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(control->font().pixelSize(), pixelSize);
        QCOMPARE(control->font().bold(), bold);
    }

    void colourKeys_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("chamber 1") << "Image1" << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("chamber 2") << "Image2" << QColor(0x00, 0x80, 0xFF);
        QTest::newRow("chamber 3") << "Image3" << QColor(0xFF, 0x00, 0xFF);
        QTest::newRow("chamber 4") << "Image4" << QColor(0x80, 0x80, 0x80);
    }

    void colourKeys()
    {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        const auto* key = m_form->findChild<QLabel*>(name);
        QVERIFY(key);
        const QImage block = key->pixmap().toImage();
        QCOMPARE(block.size(), QSize(17, 10));
        for (const QPoint corner : {QPoint(0, 0), QPoint(16, 0), QPoint(0, 9), QPoint(16, 9), QPoint(8, 5)})
            QCOMPARE(block.pixelColor(corner), colour);
    }

private:
    std::unique_ptr<ProgramState> m_state;
    std::unique_ptr<TForm1> m_form;
};

FROSTDIL_REGISTER_TEST(MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
