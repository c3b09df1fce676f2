#include "platform/Process.h"

#include "tests/support/TestRegistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool writeScript(const QString& path, const QByteArray& body, bool executable = true)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(body);
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable) permissions |= QFile::ExeOwner;
    return file.setPermissions(permissions);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("<missing>");
}

} // namespace

class ProcessTest final : public QObject {
    Q_OBJECT

    QString m_startFolder;

private Q_SLOTS:
    void init() { m_startFolder = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_startFolder); }

    void searchOrder_data()
    {
        QTest::addColumn<QByteArray>("searchPath");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("own folder, current folder, then the search path")
            << QByteArray("/usr/bin:/bin") << QStringList{"/opt/lab", "/home/lab", "/usr/bin", "/bin"};
        QTest::newRow("empty entries left out")
            << QByteArray(":/usr/bin::/bin:") << QStringList{"/opt/lab", "/home/lab", "/usr/bin", "/bin"};
        QTest::newRow("no search path") << QByteArray() << QStringList{"/opt/lab", "/home/lab"};
    }

    void searchOrder()
    {
        QFETCH(QByteArray, searchPath);
        QFETCH(QStringList, folders);
        QCOMPARE(platform::programSearchFolders(QStringLiteral("/opt/lab"), QStringLiteral("/home/lab"),
                                                searchPath),
                 folders);
    }

    // Folders 0..2 stand for the program's own folder, the current folder and a search-path folder.
    void lookup_data()
    {
        QTest::addColumn<QList<int>>("foldersWithFile");
        QTest::addColumn<QList<int>>("foldersWithFolder");
        QTest::addColumn<int>("found");
        QTest::newRow("own folder before the current folder") << QList<int>{0, 1, 2} << QList<int>{} << 0;
        QTest::newRow("current folder before the search path") << QList<int>{1, 2} << QList<int>{} << 1;
        QTest::newRow("search path last") << QList<int>{2} << QList<int>{} << 2;
        QTest::newRow("a folder of that name is passed over") << QList<int>{2} << QList<int>{0, 1} << 2;
        QTest::newRow("not found") << QList<int>{} << QList<int>{1} << -1;
    }

    void lookup()
    {
        QFETCH(QList<int>, foldersWithFile);
        QFETCH(QList<int>, foldersWithFolder);
        QFETCH(int, found);
        QTemporaryDir root;
        QStringList folders;
        for (int i = 0; i < 3; ++i) {
            const QString folder = root.filePath(QString::number(i));
            QVERIFY(QDir().mkpath(folder));
            folders.append(folder);
        }
        for (int i : foldersWithFile)
            QVERIFY(writeScript(folders[i] + QStringLiteral("/zolt.exe"), "#!/bin/sh\n"));
        for (int i : foldersWithFolder)
            QVERIFY(QDir().mkpath(folders[i] + QStringLiteral("/zolt.exe")));
        const QString expected = found < 0 ? QString() : folders[found] + QStringLiteral("/zolt.exe");
        QCOMPARE(platform::findProgram(QStringLiteral("zolt.exe"), folders), expected);
    }

    void firstFileWinsEvenIfNotExecutable()
    {
        QTemporaryDir root;
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("own"))));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("current"))));
        const QString blocked = root.filePath(QStringLiteral("own/zolt.exe"));
        QVERIFY(writeScript(blocked, "#!/bin/sh\n", false));
        QVERIFY(writeScript(root.filePath(QStringLiteral("current/zolt.exe")), "#!/bin/sh\n"));
        const QString found =
            platform::findProgram(QStringLiteral("zolt.exe"), {root.filePath(QStringLiteral("own")),
                                                               root.filePath(QStringLiteral("current"))});
        QCOMPARE(found, blocked);
        QVERIFY(!platform::runProgramAndWait(found));
    }

    void waitsForTheEndInTheCurrentFolder()
    {
        QTemporaryDir programs;
        QTemporaryDir work;
        const QString program = programs.filePath(QStringLiteral("zolt.exe"));
        // Arguments, if any were passed, would show up in the marker.
        QVERIFY(writeScript(program, "#!/bin/sh\nsleep 1\necho \"done $#\" > marker\n"));
        QVERIFY(QDir::setCurrent(work.path()));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(platform::runProgramAndWait(program));
        QVERIFY(timer.elapsed() >= 900);
        QCOMPARE(readAll(work.filePath(QStringLiteral("marker"))), QByteArray("done 0"));
    }

    void childGetsNoOpenFilesButOurEnvironment()
    {
        QTemporaryDir work;
        QVERIFY(QDir::setCurrent(work.path()));
        // A descriptor opened without close-on-exec, as a careless library might leave one.
        const int leaked = ::open(work.filePath(QStringLiteral("open.dat")).toLocal8Bit().constData(),
                                  O_CREAT | O_WRONLY, 0600);
        QVERIFY(leaked > 2);
        qputenv("FROSTDIL_PROBE", "lab-42");
        const QString program = work.filePath(QStringLiteral("zolt.exe"));
        QVERIFY(writeScript(program, "#!/bin/sh\n"
                                     "if [ -e /proc/$$/fd/" +
                                         QByteArray::number(leaked) +
                                         " ]; then echo inherited; else echo closed; fi > fd\n"
                                         "readlink /proc/$$/fd/0 > stdin\n"
                                         "printf '%s' \"$FROSTDIL_PROBE\" > env\n"));
        const bool ran = platform::runProgramAndWait(program);
        ::close(leaked);
        qunsetenv("FROSTDIL_PROBE");
        QVERIFY(ran);
        QCOMPARE(readAll(work.filePath(QStringLiteral("fd"))), QByteArray("closed"));
        QCOMPARE(readAll(work.filePath(QStringLiteral("stdin"))), QByteArray("/dev/null"));
        QCOMPARE(readAll(work.filePath(QStringLiteral("env"))), QByteArray("lab-42"));
    }

    void startFailures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("executable");
        QTest::newRow("not executable") << QByteArray("#!/bin/sh\ntouch ran\n") << false;
        QTest::newRow("not a program") << QByteArray("\x7f"
                                                     "ELF garbage")
                                       << true;
    }

    void startFailures()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, executable);
        QTemporaryDir work;
        QVERIFY(QDir::setCurrent(work.path()));
        const QString program = work.filePath(QStringLiteral("zolt.exe"));
        QVERIFY(writeScript(program, content, executable));
        QVERIFY(!platform::runProgramAndWait(program));
        QVERIFY(!QFile::exists(work.filePath(QStringLiteral("ran"))));
    }

    void emptyPathStartsNothing() { QVERIFY(!platform::runProgramAndWait(QString())); }

    void byNameFromTheCurrentFolder()
    {
        QTemporaryDir work;
        QVERIFY(QDir::setCurrent(work.path()));
        const QString name = QStringLiteral("frostdil-probe-%1.exe").arg(QCoreApplication::applicationPid());
        QVERIFY(!platform::runProgramByName(name));
        QVERIFY(writeScript(work.filePath(name), "#!/bin/sh\ntouch ran\n"));
        QVERIFY(platform::runProgramByName(name));
        QVERIFY(QFile::exists(work.filePath(QStringLiteral("ran"))));
    }
};

FROSTDIL_REGISTER_TEST(ProcessTest)
#include "ProcessTest.moc"
