#include "tools/cellexport/ExportRun.h"

#include "tests/support/SessionLocale.h"
#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome run(const QStringList& arguments)
{
    Outcome outcome;
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    cellexport::RunOutput outOutput(out);
    cellexport::RunOutput errOutput(err);
    outcome.exitCode = cellexport::runCellExport(arguments, outOutput, errOutput);
    outcome.out = QString::fromUtf8(out.data());
    outcome.err = QString::fromUtf8(err.data());
    return outcome;
}

} // namespace

class ExportRunTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("usageOnOut");
        QTest::newRow("help") << QStringList{"--help"} << 0 << true;
        QTest::newRow("no files") << QStringList{} << 2 << false;
        QTest::newRow("unknown option") << QStringList{"a.cell", "--xml"} << 2 << false;
        QTest::newRow("csv without a file") << QStringList{"--csv"} << 2 << false;
        QTest::newRow("csv with two files") << QStringList{"--csv", "a.cell", "b.cell"} << 2 << false;
        QTest::newRow("decimal comma without csv or table")
            << QStringList{"--decimal-comma", "a.cell"} << 2 << false;
    }

    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(bool, usageOnOut);
        const Outcome outcome = run(arguments);
        QCOMPARE(outcome.exitCode, exitCode);
        QCOMPARE(outcome.out.contains(cellexport::usageText()), usageOnOut);
        QCOMPARE(outcome.err.contains(cellexport::usageText()), !usageOnOut);
    }

    void version()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("2.3"));
        const Outcome outcome = run({QStringLiteral("--version")});
        QCoreApplication::setApplicationVersion(QString());
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out, QStringLiteral("cellexport 2.3\n"));
    }

    // The grid texts are what the window shows, but always with a full stop, also where the user's
    // separator and the C library's are commas.
    void fullStopWhateverTheLocale()
    {
        QTemporaryDir folder;
        simulator::SimulatedTest test = fixtures::cubeTest();
        test.description.header.MeanRelativeVolumeChange = 1500;
        test.description.header.volumeChangeThousandths[1] = 250;
        const QString path = fixtures::writeFile(QDir(folder.path()), QStringLiteral("t.cell"), test.file());
        const testsupport::CLibraryLocale russian("ru_RU.UTF-8");
        QVERIFY(russian.isSet());

        const Outcome outcome = run({path});

        QCOMPARE(outcome.exitCode, 0);
        const QJsonObject object =
            QJsonDocument::fromJson(outcome.out.toUtf8()).object()["tests"].toArray()[0].toObject();
        QCOMPARE(object["mean_text"].toString(), QStringLiteral("1.5"));
        QCOMPARE(object["grid"].toArray()[0].toArray()[7].toString(), QStringLiteral("0.25"));
    }

    void csvOfOneTest()
    {
        QTemporaryDir folder;
        const QString good =
            fixtures::writeFile(QDir(folder.path()), QStringLiteral("t.cell"), fixtures::cubeTest().file());
        const Outcome outcome = run({QStringLiteral("--csv"), good});
        QCOMPARE(outcome.exitCode, 0);
        QVERIFY(outcome.out.startsWith(QStringLiteral("slot,chamber1_time,")));
        QCOMPARE(outcome.out.count(u'\n'), 201);

        const QString missing = QDir(folder.path()).filePath(QStringLiteral("none.cell"));
        const Outcome failed = run({QStringLiteral("--csv"), missing});
        QCOMPARE(failed.exitCode, 1);
        QVERIFY(failed.out.isEmpty());
        QVERIFY(failed.err.startsWith(QStringLiteral("Cannot open file \"%1\".").arg(missing)));
    }

    // The tests that could be evaluated get their rows; the others are named on the error stream.
    void tableOfASeries()
    {
        QTemporaryDir folder;
        const QDir dir(folder.path());
        const QString first =
            fixtures::writeFile(dir, QStringLiteral("a.cell"), fixtures::cubeTest(1).file());
        const QString missing = dir.filePath(QStringLiteral("none.cell"));
        const QString second =
            fixtures::writeFile(dir, QStringLiteral("b.cell"), fixtures::cubeTest(2).file());

        const Outcome outcome = run({QStringLiteral("--table"), first, missing, second});

        QCOMPARE(outcome.exitCode, 1);
        const QStringList lines = outcome.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("file,test_number,")));
        QVERIFY(lines[1].startsWith(first + u','));
        QVERIFY(lines[2].startsWith(second + u','));
        QVERIFY(outcome.err.startsWith(QStringLiteral("Cannot open file \"%1\".").arg(missing)));
    }
};

FROSTDIL_REGISTER_TEST(ExportRunTest)
#include "ExportRunTest.moc"
