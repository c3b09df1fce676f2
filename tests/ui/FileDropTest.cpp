#include "ui/FileDrop.h"

#include "tests/support/TestRegistry.h"
#include "tests/ui/LoadingFixture.h"

#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <memory>

using loadingtests::Laboratory;
using loadingtests::simulatedFile;

namespace {

QStringList selectorItems(const TForm1& form)
{
    QStringList items;
    for (int i = 0; i < form.ComboBox1->count(); ++i)
        items << form.ComboBox1->itemText(i);
    return items;
}

QList<QUrl> localUrls(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    return urls;
}

/// What a file manager offers for dragged files: their addresses and, as some do, their paths as text.
std::unique_ptr<QMimeData> draggedFiles(const QStringList& paths, bool pathsAsText)
{
    auto mime = std::make_unique<QMimeData>();
    mime->setUrls(localUrls(paths));
    if (pathsAsText) mime->setText(paths.join(u'\n'));
    return mime;
}

struct DragResult {
    bool enterAccepted = false;
    bool dropAccepted = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

/// Drags `mime` over the centre of `control` and drops it, as the window system delivers a drag: to the
/// innermost widget there that accepts drops. The file manager proposes a move, as it does within one
/// disk, and allows a copy.
DragResult dragAndDrop(QWidget& control, const QMimeData& mime)
{
    QWidget& window = *control.window();
    const QPoint point = control.mapTo(&window, control.rect().center());
    QWidget* target = window.childAt(point);
    while (target && !target->acceptDrops())
        target = target->parentWidget();
    if (!target) return {};
    const QPointF at = target->mapFrom(&window, point);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;

    QDragEnterEvent enter(at.toPoint(), offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at.toPoint(), offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(target, &drop);
    return {enter.isAccepted(), drop.isAccepted(), drop.dropAction()};
}

} // namespace

class FileDropTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sorting_data()
    {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QStringList>("testFiles");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("test files in the order dropped")
            << QStringList{"file:///lab/b.cell", "file:///lab/a.cell"}
            << QStringList{"/lab/b.cell", "/lab/a.cell"} << QStringList{};
        QTest::newRow("any letter case of the extension")
            << QStringList{"file:///lab/OLD_0001.CELL"} << QStringList{"/lab/OLD_0001.CELL"} << QStringList{};
        QTest::newRow("other files") << QStringList{"file:///lab/notes.txt", "file:///lab/a.cell.bak",
                                                    "file:///lab/cell"}
                                     << QStringList{}
                                     << QStringList{"/lab/notes.txt", "/lab/a.cell.bak", "/lab/cell"};
        QTest::newRow("an address that is no local file")
            << QStringList{"https://example.org/test_0001.cell"} << QStringList{}
            << QStringList{"https://example.org/test_0001.cell"};
    }

    void sorting()
    {
        QFETCH(QStringList, dropped);
        QFETCH(QStringList, testFiles);
        QFETCH(QStringList, refused);
        QList<QUrl> urls;
        for (const QString& url : dropped)
            urls << QUrl(url);
        const ui::DroppedFiles files = ui::sortDroppedFiles(urls);
        QCOMPARE(files.testFiles, testFiles);
        QCOMPARE(files.refused, refused);
    }

    // Two test files and a text file dropped on the shown window: the two load exactly as the open dialog
    // would load them, and the text file is named. A field under the cursor must not take the paths as
    // text, and the file manager must not be told to move the files away.
    void dropOnTheShownWindow_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("pathsAsText");
        QTest::newRow("onto the chart") << QStringLiteral("Chart1") << false;
        QTest::newRow("onto the address field, paths also as text") << QStringLiteral("Edit7") << true;
        QTest::newRow("onto the test selector, paths also as text") << QStringLiteral("ComboBox1") << true;
    }

    void dropOnTheShownWindow()
    {
        QFETCH(QString, control);
        QFETCH(bool, pathsAsText);
        Laboratory lab;
        QVERIFY(lab.isValid());
        const QString notes = lab.archivePath(QStringLiteral("notes.txt"));
        QFile text(notes);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a test\n");
        text.close();
        const QStringList dropped = {lab.write(simulatedFile(7, 2), QStringLiteral("test_0007.cell")), notes,
                                     lab.write(simulatedFile(3, 1), QStringLiteral("test_0003.cell"))};
        lab.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(lab.form.get()));
        auto* target = lab.form->findChild<QWidget*>(control);
        QVERIFY(target);

        const auto mime = draggedFiles(dropped, pathsAsText);
        const DragResult result = dragAndDrop(*target, *mime);
        QVERIFY(result.enterAccepted);
        QVERIFY(result.dropAccepted);
        QCOMPARE(result.action, Qt::CopyAction);
        QTRY_COMPARE(lab.errors.size(), 1);

        Laboratory chosen;
        chosen.load({dropped[0], dropped[2]});
        QCOMPARE(chosen.errors, QStringList{});
        QCOMPARE(selectorItems(*lab.form), selectorItems(*chosen.form));
        QCOMPARE(selectorItems(*lab.form).size(), 2);
        QCOMPARE(lab.form->ComboBox1->currentText(), chosen.form->ComboBox1->currentText());
        QCOMPARE(lab.state->CurrentTestNumber, chosen.state->CurrentTestNumber);
        QCOMPARE(lab.form->Edit7->text(), chosen.form->Edit7->text());
        QCOMPARE(lab.form->Edit2->text(), chosen.form->Edit2->text());
        QVERIFY(lab.state->RecordStore.slot(3) == chosen.state->RecordStore.slot(3));
        QVERIFY(lab.state->RecordStore.slot(7) == chosen.state->RecordStore.slot(7));
        QVERIFY(lab.state->TestRecord == chosen.state->TestRecord);

        QVERIFY2(lab.errors.first().contains(notes), qPrintable(lab.errors.first()));
        QVERIFY(!lab.errors.first().contains(QStringLiteral("test_000")));
        QVERIFY(QFile::exists(dropped[0]) && QFile::exists(notes));
    }

    // Text dragged between fields is no file: the field takes it as before.
    void textIsLeftToTheFields()
    {
        Laboratory lab;
        lab.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(lab.form.get()));
        lab.form->Edit3->clear();
        QMimeData mime;
        mime.setText(QStringLiteral("12.01.2024"));
        const DragResult result = dragAndDrop(*lab.form->Edit3, mime);
        QVERIFY(result.dropAccepted);
        QCOMPARE(lab.form->Edit3->text(), QStringLiteral("12.01.2024"));
        QCoreApplication::processEvents();
        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.form->ComboBox1->count(), 0);
    }
};

FROSTDIL_REGISTER_TEST(FileDropTest)
#include "FileDropTest.moc"
