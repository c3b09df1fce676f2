#include "platform/TextFile.h"

#include "platform/Error.h"
#include "platform/WholeFile.h"
#include "platform/Windows1251.h"
#include "tests/support/FileBytes.h"
#include "tests/support/OrdinaryUser.h"
#include "tests/support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

ino_t inode(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

} // namespace

class TextFileTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void codePageRoundTrip()
    {
        const QString text = QStringLiteral("Начальник подразделения ЁёхХ №");
        const QByteArray bytes = platform::encodeWindows1251(text);
        QCOMPARE(bytes.size(), text.size());
        QCOMPARE(static_cast<unsigned char>(platform::encodeWindows1251(QStringLiteral("х")).at(0)), 245u);
        QCOMPARE(platform::decodeWindows1251(bytes), text);
        QCOMPARE(platform::encodeWindows1251(QStringLiteral("日")), QByteArray("?"));
    }

    void everyByteComesBack()
    {
        // 0x98 has no character in the code page, yet a file holding it must not change when rewritten.
        const QString text = platform::decodeWindows1251(testsupport::everyByte());
        QCOMPARE(text.size(), 256);
        QVERIFY(!text.contains(QChar(QChar::ReplacementCharacter)));
        QCOMPARE(platform::encodeWindows1251(text), testsupport::everyByte());
    }

    void readKeepsTheTextWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("N.ns"));
        const QByteArray bytes = testsupport::everyByte() + "\r\n\r\n";
        QVERIFY(testsupport::writeFileBytes(path, bytes));
        const QString text = platform::readTextFile(path);
        QCOMPARE(text, platform::decodeWindows1251(bytes));
        platform::writeTextFile(path, text);
        QCOMPARE(testsupport::fileBytes(path), bytes);
    }

    void missingFileNamesPath()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing.ns"));
        try {
            platform::readTextFile(path);
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QVERIFY(error.message().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)));
        }
    }

    void writeReplacesWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("N.ns"));
        platform::writeTextFile(path, QStringLiteral("старое содержание, длинное"));
        platform::writeTextFile(path, QStringLiteral("Лаб\r\nИванов"));
        QCOMPARE(testsupport::fileBytes(path), platform::encodeWindows1251(QStringLiteral("Лаб\r\nИванов")));
    }

    void unwritablePathNamesPath()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Temp/N.ns")); // no Temp folder
        try {
            platform::writeTextFile(path, QStringLiteral("new"));
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QVERIFY(error.message().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)));
        }
        QVERIFY(!QFile::exists(path));
    }

    void writeWhereTheFolderAllows_data()
    {
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<bool>("replacedByRename");
        QTest::addColumn<bool>("written");
        QTest::newRow("open folder: a new file renamed over the old") << true << true << true << true;
        QTest::newRow("read-only folder, writable file: in place") << false << true << false << true;
        QTest::newRow("read-only folder and file: refused") << false << false << false << false;
    }

    void writeWhereTheFolderAllows()
    {
        QFETCH(bool, folderWritable);
        QFETCH(bool, fileWritable);
        QFETCH(bool, replacedByRename);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Temp"));
        const QString path = folder + QStringLiteral("/N.ns");
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(testsupport::writeFileBytes(path, "old lines"));
        using P = QFileDevice::Permission;
        const auto everyone = [](bool write) {
            return QFileDevice::Permissions(P::ReadOwner | P::ReadGroup | P::ReadOther | P::ExeOwner |
                                            P::ExeGroup | P::ExeOther) |
                   (write ? P::WriteOwner | P::WriteGroup | P::WriteOther : QFileDevice::Permissions());
        };
        QVERIFY(QFile::setPermissions(dir.path(), everyone(false)));
        QVERIFY(QFile::setPermissions(folder, everyone(folderWritable)));
        QVERIFY(
            QFile::setPermissions(path, everyone(fileWritable) & ~(P::ExeOwner | P::ExeGroup | P::ExeOther)));
        const ino_t before = inode(path);

        QString error;
        {
            const testsupport::OrdinaryUser user;
            QVERIFY(user.checksPermissions());
            try {
                platform::writeWholeFile(path, "new lines");
            } catch (const platform::Error& failure) {
                error = failure.message();
            }
        }
        QFile::setPermissions(folder, everyone(true));
        QFile::setPermissions(dir.path(), everyone(true));

        QCOMPARE(error.isEmpty(), written);
        QCOMPARE(testsupport::fileBytes(path), written ? QByteArray("new lines") : QByteArray("old lines"));
        QCOMPARE(inode(path) != before, replacedByRename);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("N.ns")}); // no leftovers
        if (!written)
            QVERIFY2(error.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
                     qPrintable(error));
    }
};

FROSTDIL_REGISTER_TEST(TextFileTest)
#include "TextFileTest.moc"
