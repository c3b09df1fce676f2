#include "platform/RtfFile.h"

#include "platform/Error.h"
#include "platform/Windows1251.h"
#include "tests/support/TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString path = dir.filePath(QStringLiteral("help_zolt.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) return {};
    return path;
}

// The error message of loading `path`, or an empty text when it loads.
QString loadError(QTextDocument& document, const QString& path)
{
    try {
        platform::loadRtfFile(document, path);
    } catch (const platform::Error& error) {
        return error.message();
    }
    return {};
}

} // namespace

class RtfFileTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loads_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("text");
        QTest::newRow("RTF") << QByteArray(
                                    "{\\rtf1\\ansi\\ansicpg1251 {\\b \\'d1\\'ef\\'f0\\'e0\\'e2\\'ea\\'e0}}")
                             << "Справка";
        QTest::newRow("plain Windows-1251 text, CR LF")
            << platform::encodeWindows1251(QStringLiteral("Справка\r\nвторая строка"))
            << "Справка\nвторая строка";
        QTest::newRow("plain text, lone CR and LF") << QByteArray("a\rb\nc") << "a\nb\nc";
        QTest::newRow("RTF-like text that is not RTF") << QByteArray("{\\b x}") << "{\\b x}";
        QTest::newRow("empty file") << QByteArray() << "";
    }

    void loads()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString path = writeFile(dir, content);
        QVERIFY(!path.isEmpty());
        QTextDocument document;
        QCOMPARE(loadError(document, path), QString());
        QCOMPARE(document.toPlainText(), text);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("messageStart");
        QTest::newRow("missing file") << QByteArray() << true << "Cannot open file \"%1\". ";
        QTest::newRow("binary data") << QByteArray("MZ\x90\0\x03\0\0\0", 8) << false
                                     << "Failed to Load Stream";
        QTest::newRow("text with a NUL byte")
            << QByteArray("abc\0def", 7) << false << "Failed to Load Stream";
    }

    void failures()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, missing);
        QFETCH(QString, messageStart);
        QTemporaryDir dir;
        const QString path =
            missing ? dir.filePath(QStringLiteral("help_zolt.rtf")) : writeFile(dir, content);
        QTextDocument document;
        document.setPlainText(QStringLiteral("earlier help"));
        const QString message = loadError(document, path);
        QVERIFY2(message.startsWith(messageStart.arg(path)), qPrintable(message));
        QVERIFY(document.isEmpty());
    }

    void folderInsteadOfFile()
    {
        QTemporaryDir dir;
        QTextDocument document;
        QVERIFY(loadError(document, dir.path())
                    .startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(dir.path())));
    }

    void oversizedFileIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("help_zolt.rtf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(platform::maxRtfFileSize + 1)); // sparse, so quick
        file.close();
        QTextDocument document;
        QCOMPARE(loadError(document, path), QStringLiteral("Failed to Load Stream"));
    }

    void backslashPathIsAccepted()
    {
        QTemporaryDir dir;
        QVERIFY(!writeFile(dir, "{\\rtf1 x}").isEmpty());
        QTextDocument document;
        const QString path = dir.path() + QStringLiteral("\\help_zolt.rtf");
        QCOMPARE(loadError(document, path), QString());
        QCOMPARE(document.toPlainText(), QStringLiteral("x"));
    }
};

FROSTDIL_REGISTER_TEST(RtfFileTest)
#include "RtfFileTest.moc"
