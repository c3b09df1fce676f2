// What a load does to a shown window beyond its contents: which controls it shows and hides, and that it
// lets the window repaint again when it ends.
#include "records/CellLayout.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/LoadingFixture.h"
#include "ui/ChartWidget.h"
#include "ui/ShapeHeading.h"

#include <QApplication>
#include <QTest>

using loadingtests::Laboratory;
using loadingtests::simulatedFile;

namespace {

/// Counts the events of one kind that reach `watched` or any control inside it.
class EventCounter final : public QObject {
public:
    EventCounter(QWidget& watched, std::initializer_list<QEvent::Type> types)
        : m_watched(watched), m_types(types)
    {
        qApp->installEventFilter(this);
    }
    ~EventCounter() override { qApp->removeEventFilter(this); }

    int count = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && m_types.contains(event->type()) &&
            (widget == &m_watched || m_watched.isAncestorOf(widget)))
            ++count;
        return false;
    }

private:
    QWidget& m_watched;
    QList<QEvent::Type> m_types;
};

QStringList shownLaboratoryFiles(Laboratory& lab)
{
    simulator::CellFile cylinder = simulatedFile(2);
    cylinder.setByte(records::layout::Shape, 1);
    return {lab.write(simulatedFile(1), QStringLiteral("cube.cell")),
            lab.write(cylinder, QStringLiteral("cylinder.cell")),
            lab.write(simulatedFile(3), QStringLiteral("another cube.cell"))};
}

} // namespace

class ScreenUpdatesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // On X11 every control shown or hidden under the pointer makes Qt ask the server where the pointer is
    // and wait for the answer; a change between cube and cylinder tests switches a picture instead.
    void shapeChangesShowAndHideNothing()
    {
        Laboratory lab;
        lab.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(lab.form.get()));
        const QStringList files = shownLaboratoryFiles(lab);
        lab.load({files[0]});
        const EventCounter visibilityChanges(*lab.form, {QEvent::Show, QEvent::Hide});

        lab.load({files[1]});
        QVERIFY(!lab.form->Image7->showsCube());
        lab.load({files[2]});
        QVERIFY(lab.form->Image7->showsCube());

        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(visibilityChanges.count, 0);
    }

    // A load holds back the window's repaints while it runs and lets them go at its end, also when a file
    // stops it; the chart is then drawn.
    void windowRepaintsAfterALoad_data()
    {
        QTest::addColumn<bool>("withFailingFile");
        QTest::newRow("all files load") << false;
        QTest::newRow("a file cannot be read") << true;
    }

    void windowRepaintsAfterALoad()
    {
        QFETCH(bool, withFailingFile);
        Laboratory lab;
        lab.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(lab.form.get()));
        QStringList files = shownLaboratoryFiles(lab);
        if (withFailingFile) files.insert(1, lab.archivePath(QStringLiteral("missing.cell")));
        const EventCounter chartPaints(*lab.form->Chart1, {QEvent::Paint});

        lab.load(files);

        QCOMPARE(lab.errors.isEmpty(), !withFailingFile);
        QVERIFY(lab.form->updatesEnabled());
        QVERIFY(lab.form->Chart1->updatesEnabled());
        QTRY_VERIFY(chartPaints.count > 0);
    }
};

FROSTDIL_REGISTER_TEST(ScreenUpdatesTest)
#include "ScreenUpdatesTest.moc"
