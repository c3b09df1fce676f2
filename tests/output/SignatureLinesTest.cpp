#include "output/SignatureLines.h"

#include "platform/Error.h"
#include "platform/Windows1251.h"
#include "tests/support/TestRegistry.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// The words and rules of the two lines with the runs of blanks between them, names left open.
const QRegularExpression FirstLine(QStringLiteral("^Начальник подразделения {119}Ответственное лицо$"));
const QRegularExpression SecondLine(QStringLiteral(
    "^ {11}\\(лаборатории\\) {18}_{23} {3}\\S{10} {42}проводившее испытание {4}_{25} {3}\\S{11}$"));

} // namespace

class SignatureLinesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void designLayout()
    {
        const QStringList lines = output::designSignatureLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].size(), 160);
        QCOMPARE(lines[1].size(), 184);
        QVERIFY(FirstLine.match(lines[0]).hasMatch());
        QVERIFY(SecondLine.match(lines[1]).hasMatch());
    }

    void fileText_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("file");
        QTest::newRow("one line") << QStringLiteral("a b") << QStringLiteral("a b");
        QTest::newRow("two lines") << QStringLiteral("a\nb") << QStringLiteral("a\r\nb");
        QTest::newRow("final break typed") << QStringLiteral("a\n") << QStringLiteral("a\r\n");
        QTest::newRow("empty line between") << QStringLiteral("a\n\nb") << QStringLiteral("a\r\n\r\nb");
        QTest::newRow("already CR LF") << QStringLiteral("a\r\nb") << QStringLiteral("a\r\nb");
        QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << QStringLiteral("a\r\nb");
        QTest::newRow("empty memo") << QString() << QString();
    }

    void fileText()
    {
        QFETCH(QString, memo);
        QFETCH(QString, file);
        QCOMPARE(output::signatureFileText(memo), file);
    }

    void designLinesWriteThreeHundredFortySixBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("N.ns"));
        const QStringList lines = output::designSignatureLines();
        output::writeSignatureLines(path, lines.join(u'\n'));
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes.size(), 346);
        QCOMPARE(bytes,
                 platform::encodeWindows1251(lines[0]) + "\r\n" + platform::encodeWindows1251(lines[1]));
        QCOMPARE(output::readSignatureLines(path), lines);
    }

    void writeFailureNamesThePath()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Temp/N.ns")); // Temp does not exist
        try {
            output::writeSignatureLines(path, QStringLiteral("x"));
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QVERIFY(error.message().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)));
        }
        QVERIFY(!QFile::exists(path));
    }

    void laboratoryFileFitsTheLayout()
    {
        // The demo laboratory's file: the design lines with the laboratory's own names.
        const QByteArray bytes = fileBytes(QStringLiteral(FROSTDIL_SOURCE_DIR "/lab/N.ns"));
        QCOMPARE(bytes.size(), 346);
        QVERIFY(!bytes.endsWith("\r\n"));
        const QStringList lines = platform::decodeWindows1251(bytes).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 2);
        QVERIFY(FirstLine.match(lines[0]).hasMatch());
        QVERIFY(SecondLine.match(lines[1]).hasMatch());
        QVERIFY(lines[1] != output::designSignatureLines()[1]);
    }
};

FROSTDIL_REGISTER_TEST(SignatureLinesTest)
#include "SignatureLinesTest.moc"
