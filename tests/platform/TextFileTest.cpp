#include "platform/Error.h"
#include "platform/TextFile.h"
#include "platform/Windows1251.h"
#include "tests/support/TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

    void everyByteSurvivesTheRoundTrip()
    {
        QByteArray everyByte;
        for (int byte = 0; byte < 256; ++byte) everyByte.append(static_cast<char>(byte));
        QCOMPARE(platform::encodeWindows1251(platform::decodeWindows1251(everyByte)), everyByte);
    }

    void lineBreaks_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb") << QStringList{"a", "b"};
        QTest::newRow("lone LF") << QByteArray("a\nb") << QStringList{"a", "b"};
        QTest::newRow("final break adds no line") << QByteArray("a\r\n") << QStringList{"a"};
        QTest::newRow("empty line kept") << QByteArray("a\n\nb") << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }

    void lineBreaks()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("N.ns"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QCOMPARE(platform::readTextLines(path), lines);
    }

    void missingFileNamesPath()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing.ns"));
        try {
            platform::readTextLines(path);
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
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), platform::encodeWindows1251(QStringLiteral("Лаб\r\nИванов")));
    }

    void unwritablePathNamesPath()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Temp/N.ns"));  // no Temp folder
        try {
            platform::writeTextFile(path, QStringLiteral("new"));
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QVERIFY(error.message().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)));
        }
        QVERIFY(!QFile::exists(path));
    }
};

FROSTDIL_REGISTER_TEST(TextFileTest)
#include "TextFileTest.moc"
