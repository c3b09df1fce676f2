#include "records/CellFileReader.h"
#include "records/CellHeader.h"
#include "records/Measurements.h"
#include "tests/support/SessionLocale.h"
#include "tests/support/TestRegistry.h"
#include "tools/simulator/CellFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs zolt.exe in `folder`, in a session of `locale` when one is named.
Run runZolt(const QString& folder, const QStringList& arguments = {}, const QString& locale = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    if (!locale.isEmpty()) process.setProcessEnvironment(testsupport::sessionEnvironment(locale));
    process.start(QStringLiteral(ZOLT_EXECUTABLE), arguments);
    if (!process.waitForFinished(30000)) return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class ZoltProgramTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void executableName()
    {
        QCOMPARE(QFileInfo(QStringLiteral(ZOLT_EXECUTABLE)).fileName(), QStringLiteral("zolt.exe"));
    }

    // Run bare in a folder, as the main program runs it: each run adds the next test to Archive/.
    void measuresNextTest()
    {
        QTemporaryDir folder;
        const Run first = runZolt(folder.path());
        QCOMPARE(first.exitCode, 0);
        QVERIFY2(first.out.contains(QStringLiteral("Archive/test_0001.cell")), qPrintable(first.out));
        const Run second = runZolt(folder.path());
        QCOMPARE(second.exitCode, 0);
        QVERIFY2(second.out.contains(QStringLiteral("Archive/test_0002.cell")), qPrintable(second.out));

        auto buffer = std::make_unique<records::ReadBuffer>();
        const records::LoadedFile loaded = records::readCellFile(
            QDir(folder.path()).filePath(QStringLiteral("Archive/test_0002.cell")), *buffer);
        QCOMPARE(loaded.testNumber, 2);
        QCOMPARE(loaded.size, 9728);
        const records::CellHeader header = records::readCellHeader(*buffer);
        const QDate today = QDate::currentDate();
        QVERIFY(QDate(2000 + header.yearSince2000, header.month, header.day).daysTo(today) <= 1);
    }

    void continuesAfterExistingTests()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Archive")));
        simulator::CellFile existing;
        existing.setU16(0, 41);
        existing.writeTo(QDir(folder.path()).filePath(QStringLiteral("Archive/old.cell")));
        const Run run = runZolt(folder.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("Archive/test_0042.cell"))));
    }

    void chosenTest()
    {
        QTemporaryDir folder;
        const Run run = runZolt(
            folder.path(), {QStringLiteral("--number"), QStringLiteral("5"), QStringLiteral("--present"),
                            QStringLiteral("1,0,1"), QStringLiteral("--shape"), QStringLiteral("cylinder"),
                            QStringLiteral("--points"), QStringLiteral("130"), QStringLiteral("--out"),
                            QStringLiteral("fixtures/five.cell")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!QDir(folder.path()).exists(QStringLiteral("Archive")));
        auto buffer = std::make_unique<records::ReadBuffer>();
        records::readCellFile(QDir(folder.path()).filePath(QStringLiteral("fixtures/five.cell")), *buffer);
        records::TestRecord record;
        records::decodeMeasurements(*buffer, record);
        QCOMPARE(record.ChamberPresent.items, (std::array<std::int32_t, 3>{1, 0, 1}));
        QCOMPARE(record.ChamberPointCount.items, (std::array<std::int32_t, 4>{130, 130, 130, 130}));
        QVERIFY(!records::readCellHeader(*buffer).isCube());
    }

    // A test of the archive is never replaced, also when its number is asked for.
    void chosenNumberNeverReplacesATest()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Archive")));
        const QString existing = QDir(folder.path()).filePath(QStringLiteral("Archive/test_0005.cell"));
        simulator::CellFile measured;
        measured.setU16(0, 5);
        measured.writeTo(existing);
        const Run run = runZolt(folder.path(), {QStringLiteral("--number"), QStringLiteral("5")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("test_0005.cell")), qPrintable(run.err));
        QFile kept(existing);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), measured.bytes());
        QCOMPARE(QDir(folder.path() + QStringLiteral("/Archive"))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("test_0005.cell")});
    }

    void badArgumentsWriteNothing()
    {
        QTemporaryDir folder;
        const Run run = runZolt(folder.path(), {QStringLiteral("--points"), QStringLiteral("5")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QStringLiteral("--points")));
        QVERIFY(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void unwritableArchive()
    {
        QTemporaryDir folder;
        // A file where the archive folder belongs.
        QFile blocker(QDir(folder.path()).filePath(QStringLiteral("Archive")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const Run run = runZolt(folder.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("Cannot create file")), qPrintable(run.err));
    }

    // The help is Russian throughout, also the parts Qt writes, whatever the session's language.
    void help_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << "C.UTF-8";
        QTest::newRow("Russian") << "ru_RU.UTF-8";
    }

    void help()
    {
        QFETCH(QString, locale);
        QTemporaryDir folder;
        const Run run = runZolt(folder.path(), {QStringLiteral("--help")}, locale);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("--number")));
        for (const char* english : {"Usage", "Options", "Displays"})
            QVERIFY2(!run.out.contains(QLatin1String(english)), qPrintable(run.out));
        QVERIFY(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void version()
    {
        QTemporaryDir folder;
        const Run run = runZolt(folder.path(), {QStringLiteral("--version")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("zolt.exe " FROSTDIL_VERSION "\n"));
    }

    // The summary line and the file are the same in the users' Russian session as in the C locale.
    void sameTestInEveryLocale()
    {
        const QStringList arguments{QStringLiteral("--number"),   QStringLiteral("8"),
                                    QStringLiteral("--strength"), QStringLiteral("32,5"),
                                    QStringLiteral("--out"),      QStringLiteral("t.cell")};
        // The program stamps the test with the clock's second: both runs must fall in the same one, so a
        // pair that straddles a second's change is run again in fresh folders.
        std::unique_ptr<QTemporaryDir> plainFolder;
        std::unique_ptr<QTemporaryDir> russianFolder;
        Run plain;
        Run russian;
        for (int attempt = 0; attempt < 5; ++attempt) {
            const qint64 second = QDateTime::currentSecsSinceEpoch();
            plainFolder = std::make_unique<QTemporaryDir>();
            russianFolder = std::make_unique<QTemporaryDir>();
            plain = runZolt(plainFolder->path(), arguments, QStringLiteral("C.UTF-8"));
            russian = runZolt(russianFolder->path(), arguments, QStringLiteral("ru_RU.UTF-8"));
            if (QDateTime::currentSecsSinceEpoch() == second) break;
        }
        QCOMPARE(plain.exitCode, 0);
        QCOMPARE(russian.exitCode, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("Θ̄ = \\d+\\.\\d{3}·10⁻³")).match(plain.out).hasMatch(),
                 qPrintable(plain.out));
        QCOMPARE(russian.out, plain.out);
        const auto bytes = [](const QString& folder) {
            QFile file(QDir(folder).filePath(QStringLiteral("t.cell")));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QVERIFY(!bytes(plainFolder->path()).isEmpty());
        QCOMPARE(bytes(russianFolder->path()), bytes(plainFolder->path()));
    }
};

FROSTDIL_REGISTER_TEST(ZoltProgramTest)
#include "ZoltProgramTest.moc"
