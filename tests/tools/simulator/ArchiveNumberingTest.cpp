#include "tests/support/TestRegistry.h"
#include "tools/simulator/ArchiveNumbering.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray numbered(int testNumber)
{
    QByteArray bytes(9728, '\0');
    bytes[0] = static_cast<char>(testNumber & 0xFF);
    bytes[1] = static_cast<char>(testNumber >> 8);
    return bytes;
}

} // namespace

class ArchiveNumberingTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileNames_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("7") << 7 << "test_0007.cell";
        QTest::newRow("999") << 999 << "test_0999.cell";
        QTest::newRow("a number the program rejects") << 65535 << "test_65535.cell";
    }

    void fileNames()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QCOMPARE(simulator::archiveFileName(number), name);
    }

    // Each row: files to create ("name=number" writes a file carrying that number, "name" an empty
    // file, "name/" a folder, "name@" a link to nowhere, "name|" a pipe), and the number the next test
    // gets.
    void nextNumber_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("next");
        QTest::newRow("missing folder") << QStringList{QStringLiteral("-")} << 1;
        QTest::newRow("empty folder") << QStringList{} << 1;
        QTest::newRow("one above the highest name")
            << QStringList{QStringLiteral("test_0007.cell=7"), QStringLiteral("test_0003.cell=3")} << 8;
        QTest::newRow("a number inside another name counts")
            << QStringList{QStringLiteral("test_0002.cell=2"), QStringLiteral("imported.cell=12")} << 13;
        QTest::newRow("a name without a readable number counts")
            << QStringList{QStringLiteral("test_0020.cell")} << 21;
        QTest::newRow("other files do not count") << QStringList{QStringLiteral("notes.txt=50")} << 1;
        QTest::newRow("numbers the program rejects do not count")
            << QStringList{QStringLiteral("big.cell=1000"), QStringLiteral("zero.cell=0")} << 1;
        QTest::newRow("a folder under a test's name counts")
            << QStringList{QStringLiteral("test_0004.cell/")} << 5;
        QTest::newRow("a link to nowhere under a test's name counts")
            << QStringList{QStringLiteral("test_0006.cell@")} << 7;
        QTest::newRow("a pipe under a test's name counts and is not read")
            << QStringList{QStringLiteral("test_0002.cell|")} << 3;
        QTest::newRow("after 999 the lowest free number")
            << QStringList{QStringLiteral("test_0999.cell=999"), QStringLiteral("test_0001.cell=1")} << 2;
    }

    void nextNumber()
    {
        QFETCH(QStringList, files);
        QFETCH(int, next);
        QTemporaryDir root;
        QString folder = root.filePath(QStringLiteral("Archive"));
        if (files != QStringList{QStringLiteral("-")}) {
            QVERIFY(QDir().mkpath(folder));
            for (const QString& entry : files) {
                const QString name = entry.chopped(1);
                const QString path = QDir(folder).filePath(name);
                if (entry.endsWith(u'/')) {
                    QVERIFY(QDir(folder).mkdir(name));
                } else if (entry.endsWith(u'@')) {
                    QVERIFY(QFile::link(root.filePath(QStringLiteral("nowhere")), path));
                } else if (entry.endsWith(u'|')) {
                    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                } else {
                    const QStringList parts = entry.split(u'=');
                    writeFile(QDir(folder).filePath(parts[0]),
                              parts.size() > 1 ? numbered(parts[1].toInt()) : QByteArray());
                }
            }
        }
        QCOMPARE(simulator::nextTestNumber(folder), next);
    }

    void fullArchive()
    {
        QTemporaryDir root;
        for (int number = 1; number <= 999; ++number)
            writeFile(root.filePath(simulator::archiveFileName(number)), numbered(number));
        QCOMPARE(simulator::nextTestNumber(root.path()), 0);
        QVERIFY(QFile::remove(root.filePath(simulator::archiveFileName(500))));
        QCOMPARE(simulator::nextTestNumber(root.path()), 500);
    }
};

FROSTDIL_REGISTER_TEST(ArchiveNumberingTest)
#include "ArchiveNumberingTest.moc"
