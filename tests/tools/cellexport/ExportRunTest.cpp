#include "tools/cellexport/ExportRun.h"

#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
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
    QBuffer outBytes; // the JSON goes to the stream's device, as it goes to stdout's
    outBytes.open(QIODevice::WriteOnly);
    QTextStream out(&outBytes);
    QTextStream err(&outcome.err);
    outcome.exitCode = cellexport::runCellExport(arguments, out, err);
    out.flush();
    err.flush();
    outcome.out = QString::fromUtf8(outBytes.data());
    return outcome;
}

} // namespace

class ExportRunTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

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
    }

    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(bool, usageOnOut);
        const Outcome outcome = run(arguments);
        QCOMPARE(outcome.exitCode, exitCode);
        QCOMPARE(outcome.out.contains(QStringLiteral("cellexport --csv FILE")), usageOnOut);
        QCOMPARE(outcome.err.contains(QStringLiteral("cellexport --csv FILE")), !usageOnOut);
    }

    // The grid texts are what the window shows, but always with a full stop.
    void fullStopWhateverTheLocale()
    {
        QTemporaryDir folder;
        simulator::SimulatedTest test = fixtures::cubeTest();
        test.description.header.MeanRelativeVolumeChange = 1500;
        test.description.header.volumeChangeThousandths[1] = 250;
        const QString path = fixtures::writeFile(QDir(folder.path()), QStringLiteral("t.cell"), test.file());
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

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
};

FROSTDIL_REGISTER_TEST(ExportRunTest)
#include "ExportRunTest.moc"
