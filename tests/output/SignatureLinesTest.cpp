#include "output/SignatureLines.h"

#include "platform/Windows1251.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TestRegistry.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

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

    void memoText_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("memo");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringLiteral("a\nb");
        QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("a\nb");
        QTest::newRow("lone LF") << QStringLiteral("a\nb") << QStringLiteral("a\nb");
        QTest::newRow("final break keeps its empty line") << QStringLiteral("a\r\n") << QStringLiteral("a\n");
        QTest::newRow("trailing empty lines kept") << QStringLiteral("a\r\n\r\n") << QStringLiteral("a\n\n");
        QTest::newRow("CR CR LF: two breaks") << QStringLiteral("a\r\r\nb") << QStringLiteral("a\n\nb");
        QTest::newRow("empty line kept") << QStringLiteral("a\n\nb") << QStringLiteral("a\n\nb");
        QTest::newRow("document separators")
            << QStringLiteral("a\u2029b\u2028c") << QStringLiteral("a\nb\nc");
        QTest::newRow("empty file") << QString() << QString();
    }

    void memoText()
    {
        QFETCH(QString, file);
        QFETCH(QString, memo);
        QCOMPARE(output::signatureMemoText(file), memo);
    }

    void fileText_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("file");
        QTest::newRow("one line") << QStringLiteral("a b") << QString() << QStringLiteral("a b");
        QTest::newRow("two lines") << QStringLiteral("a\nb") << QString() << QStringLiteral("a\r\nb");
        QTest::newRow("final break typed") << QStringLiteral("a\n") << QString() << QStringLiteral("a\r\n");
        QTest::newRow("two final breaks typed")
            << QStringLiteral("a\n\n") << QString() << QStringLiteral("a\r\n\r\n");
        QTest::newRow("empty line between")
            << QStringLiteral("a\n\nb") << QString() << QStringLiteral("a\r\n\r\nb");
        QTest::newRow("already CR LF") << QStringLiteral("a\r\nb") << QString() << QStringLiteral("a\r\nb");
        QTest::newRow("paragraph separator")
            << QStringLiteral("a\u2029b") << QString() << QStringLiteral("a\r\nb");
        QTest::newRow("empty memo") << QString() << QString() << QString();
        // A file the user did not edit goes back as it came, its own line breaks and all.
        QTest::newRow("unedited, trailing empty lines")
            << QStringLiteral("a\u2029\u2029") << QStringLiteral("a\r\n\r\n") << QStringLiteral("a\r\n\r\n");
        QTest::newRow("unedited, lone LF and CR")
            << QStringLiteral("a\u2029b\u2029c") << QStringLiteral("a\nb\rc") << QStringLiteral("a\nb\rc");
        QTest::newRow("edited: CR LF throughout")
            << QStringLiteral("a\u2029B\u2029c") << QStringLiteral("a\nb\rc")
            << QStringLiteral("a\r\nB\r\nc");
        QTest::newRow("emptied") << QString() << QStringLiteral("a\r\n") << QString();
    }

    void fileText()
    {
        QFETCH(QString, memo);
        QFETCH(QString, loaded);
        QFETCH(QString, file);
        QCOMPARE(output::signatureFileText(memo, loaded), file);
    }

    void designLinesMakeThreeHundredFortySixBytes()
    {
        const QStringList lines = output::designSignatureLines();
        const QByteArray bytes =
            platform::encodeWindows1251(output::signatureFileText(lines.join(u'\n'), QString()));
        QCOMPARE(bytes.size(), 346);
        QCOMPARE(bytes,
                 platform::encodeWindows1251(lines[0]) + "\r\n" + platform::encodeWindows1251(lines[1]));
        QCOMPARE(output::signatureMemoText(platform::decodeWindows1251(bytes)), lines.join(u'\n'));
    }

    void laboratoryFileFitsTheLayout()
    {
        // The demo laboratory's file: the design lines with the laboratory's own names.
        const QByteArray bytes = testsupport::fileBytes(QStringLiteral(FROSTDIL_SOURCE_DIR "/lab/N.ns"));
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
