#include "platform/Rtf.h"

#include "tests/support/TestRegistry.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QString textOf(const QByteArray& rtf)
{
    QTextDocument document;
    platform::loadRtf(document, rtf);
    return document.toRawText();
}

// The format of the first character of `fragment` in the document.
QTextCharFormat formatOf(const QTextDocument& document, const QString& fragment)
{
    const QTextCursor found = document.find(fragment);
    if (found.isNull()) return {};
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

const QString paragraph{QChar(QChar::ParagraphSeparator)};

} // namespace

class RtfTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recognisesRtf_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("rtf");
        QTest::newRow("word processor file") << QByteArray("{\\rtf1\\ansi Hello}") << true;
        QTest::newRow("bare header") << QByteArray("{\\rtf") << true;
        QTest::newRow("plain text") << QByteArray("Справка") << false;
        QTest::newRow("text that mentions rtf later") << QByteArray("see {\\rtf1}") << false;
        QTest::newRow("leading blank") << QByteArray(" {\\rtf1 x}") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void recognisesRtf()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, rtf);
        QCOMPARE(platform::isRtf(bytes), rtf);
    }

    void text_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain words") << QByteArray("{\\rtf1\\ansi Hello world}") << "Hello world";
        QTest::newRow("paragraphs") << QByteArray("{\\rtf1 One\\par Two\\par\nThree}")
                                    << "One" + paragraph + "Two" + paragraph + "Three";
        QTest::newRow("empty paragraph kept")
            << QByteArray("{\\rtf1 A\\par\\par B}") << "A" + paragraph + paragraph + "B";
        QTest::newRow("line break") << QByteArray("{\\rtf1 A\\line B}") << QStringLiteral("A\u2028B");
        QTest::newRow("tab") << QByteArray("{\\rtf1 A\\tab B}") << "A\tB";
        QTest::newRow("line ends in the source carry nothing") << QByteArray("{\\rtf1 On\r\ne}") << "One";
        QTest::newRow("backslash before a line end is a paragraph")
            << QByteArray("{\\rtf1 A\\\nB}") << "A" + paragraph + "B";
        QTest::newRow("Cyrillic in the default code page")
            << QByteArray("{\\rtf1\\ansi \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}") << "Привет";
        QTest::newRow("Cyrillic raw bytes") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \xc4\xe0}") << "Да";
        QTest::newRow("Russian font charset beats the document code page")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 \\'c4\\'e0}")
            << "Да";
        QTest::newRow("Western font charset")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 Arial;}}\\f0 caf\\'e9 \\'80}")
            << QStringLiteral("café €");
        QTest::newRow("default charset follows the document")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset1 Arial;}}\\f0 \\'e9}") << "é";
        QTest::newRow("Western code page") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 \\'e9}") << "é";
        QTest::newRow("unicode with one fallback byte")
            << QByteArray("{\\rtf1 \\u1055?\\u1088?\\u1080?}") << "При";
        QTest::newRow("unicode fallback of hex bytes")
            << QByteArray("{\\rtf1\\uc2 \\u1044\\'c4\\'c4a}") << "Дa";
        QTest::newRow("no fallback with uc0") << QByteArray("{\\rtf1\\uc0 \\u1044 x}") << "Дx";
        QTest::newRow("fallback counts a control word as one")
            << QByteArray("{\\rtf1 \\u8212\\emdash x}") << QStringLiteral("\u2014x");
        QTest::newRow("fallback stops at a group") << QByteArray("{\\rtf1\\uc3 \\u1044{x}}") << "Дx";
        QTest::newRow("uc is kept per group") << QByteArray("{\\rtf1 {\\uc2 \\u1044 ab}\\u1044 ab}") << "ДДb";
        QTest::newRow("negative unicode") << QByteArray("{\\rtf1 \\u-1280?}") << QStringLiteral("\uFB00");
        QTest::newRow("escaped braces and backslash") << QByteArray("{\\rtf1 \\{a\\\\b\\}}") << "{a\\b}";
        QTest::newRow("special spaces and hyphens")
            << QByteArray("{\\rtf1 a\\~b\\-c\\_d}") << QStringLiteral("a\u00A0b\u00ADc\u2011d");
        QTest::newRow("named characters")
            << QByteArray("{\\rtf1 \\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}")
            << QStringLiteral("\u2013\u2022\u2018\u2019\u201C\u201D");
        QTest::newRow("tables are not text")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}Body}")
            << "Body";
        QTest::newRow("skipped destinations")
            << QByteArray("{\\rtf1{\\*\\generator Msftedit 5.41;}{\\info{\\title T}{\\author A}}"
                          "{\\stylesheet{\\s0 Normal;}}{\\header H}{\\footer F}{\\*\\unknown U}Body}")
            << "Body";
        QTest::newRow("picture hex data")
            << QByteArray("{\\rtf1 A{\\pict\\wmetafile8\\picw10 0102abcdef}B}") << "AB";
        QTest::newRow("binary picture data with braces")
            << QByteArray("{\\rtf1 A{\\pict\\bin4 }{\\}}B}") << "AB";
        QTest::newRow("field shows its result")
            << QByteArray("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}") << "link";
        QTest::newRow("control bytes dropped") << QByteArray("{\\rtf1 a\0b\x01"
                                                             "c}",
                                                             13)
                                               << "abc";
    }

    void text()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(textOf(rtf), text);
    }

    // Broken files must give what text they can and never crash or hang.
    void malformed_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("lone brace") << QByteArray("{") << "";
        QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {\\b bold {\\i more") << "bold more";
        QTest::newRow("text after the document's end") << QByteArray("{\\rtf1 A}} B") << "A";
        QTest::newRow("truncated control word") << QByteArray("{\\rtf1 Text\\par\\b") << "Text" + paragraph;
        QTest::newRow("lone backslash at the end") << QByteArray("{\\rtf1 Text\\") << "Text";
        QTest::newRow("truncated hex") << QByteArray("{\\rtf1 A\\'c") << "A";
        QTest::newRow("hex without digits") << QByteArray("{\\rtf1 A\\'zzB}") << "AzzB";
        QTest::newRow("hex with one digit") << QByteArray("{\\rtf1 A\\'czB}") << "AzB";
        QTest::newRow("huge unicode") << QByteArray("{\\rtf1 \\u99999999999999999999 AB}") << "B";
        QTest::newRow("huge negative unicode") << QByteArray("{\\rtf1 \\u-99999999999999999999 AB}") << "B";
        QTest::newRow("huge fallback count") << QByteArray("{\\rtf1 \\uc99999999999 \\u1044 abc} ") << "Д";
        QTest::newRow("huge binary length") << QByteArray("{\\rtf1 A\\bin99999999999999999 xyz}") << "A";
        QTest::newRow("negative binary length") << QByteArray("{\\rtf1 A\\bin-5 xyz}") << "Axyz";
        QTest::newRow("over-long control word")
            << QByteArray("{\\rtf1 \\" + QByteArray(100000, 'b') + " B}") << "B";
        QTest::newRow("deep nesting closed")
            << QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') << "deep";
        QTest::newRow("deep nesting unclosed") << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "deep"
                                               << "deep";
        QTest::newRow("deep nesting keeps formatting scoped")
            << QByteArray("{\\rtf1 ") + QByteArray(1000, '{') + "x" + QByteArray(1000, '}') + "y}"
            << "xy";
        QTest::newRow("font table never closed") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}") << "";
        QTest::newRow("colour table with huge components")
            << QByteArray("{\\rtf1{\\colortbl;\\red99999999999\\green-7\\blue3;}\\cf1 x}") << "x";
    }

    void malformed()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(textOf(rtf), text);
    }

    void manyFormatRunsStayLinear()
    {
        // 200 000 alternating runs: a quadratic reader would not finish within the test's time limit.
        const int runs = 100000;
        const QByteArray rtf = "{\\rtf1 " + QByteArray("{\\b x}y").repeated(runs) + "}";
        QTextDocument document;
        platform::loadRtf(document, rtf);
        QCOMPARE(document.characterCount() - 1, 2 * runs);
        QVERIFY(formatOf(document, QStringLiteral("x")).fontWeight() == QFont::Bold);
        QVERIFY(formatOf(document, QStringLiteral("y")).fontWeight() == QFont::Normal);
    }

    void randomBytesGiveBoundedText()
    {
        // Every shown character consumes at least one input byte, whatever the bytes are.
        static constexpr char letters[] = "{}\\\\'*;- 0123456789abcdefuclparbinfstx\xc4\x00\r\n";
        const QByteArray alphabet(letters, sizeof letters - 1);
        QRandomGenerator random(20260110);
        for (int round = 0; round < 3000; ++round) {
            QByteArray rtf = "{\\rtf1 ";
            const int length = random.bounded(1, 200);
            for (int i = 0; i < length; ++i)
                rtf.append(alphabet.at(random.bounded(static_cast<int>(alphabet.size()))));
            QTextDocument document;
            platform::loadRtf(document, rtf);
            QVERIFY2(document.characterCount() - 1 <= rtf.size(), rtf.toPercentEncoding().constData());
        }
    }

    void characterFormat_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<double>("points");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("family");

        const QByteArray fonts = "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman\\fcharset204 Times New Roman;}"
                                 "{\\f2\\fcharset204 \\'c0\\'f0\\'e8\\'e0\\'eb;}}";
        const QByteArray colours = "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
        const QColor none;
        QTest::newRow("plain text") << QByteArray("{\\rtf1 x}") << "x" << false << false << false << 12.0
                                    << none << "";
        QTest::newRow("bold group") << QByteArray("{\\rtf1 a{\\b B}c}") << "B" << true << false << false
                                    << 12.0 << none << "";
        QTest::newRow("group end restores")
            << QByteArray("{\\rtf1 a{\\b B}c}") << "c" << false << false << false << 12.0 << none << "";
        QTest::newRow("b0 ends bold")
            << QByteArray("{\\rtf1 \\b a\\b0 c}") << "c" << false << false << false << 12.0 << none << "";
        QTest::newRow("italic") << QByteArray("{\\rtf1 \\i x}") << "x" << false << true << false << 12.0
                                << none << "";
        QTest::newRow("underline") << QByteArray("{\\rtf1 \\ul x}") << "x" << false << false << true << 12.0
                                   << none << "";
        QTest::newRow("ulnone ends underline") << QByteArray("{\\rtf1 \\ul a\\ulnone x}") << "x" << false
                                               << false << false << 12.0 << none << "";
        QTest::newRow("ul0 ends underline")
            << QByteArray("{\\rtf1 \\ul a\\ul0 x}") << "x" << false << false << false << 12.0 << none << "";
        QTest::newRow("size in half points")
            << QByteArray("{\\rtf1 \\fs32 x}") << "x" << false << false << false << 16.0 << none << "";
        QTest::newRow("huge size capped") << QByteArray("{\\rtf1 \\fs99999999999 x}") << "x" << false << false
                                          << false << 1638.0 << none << "";
        QTest::newRow("zero size is the default")
            << QByteArray("{\\rtf1 \\fs0 x}") << "x" << false << false << false << 12.0 << none << "";
        QTest::newRow("plain resets") << QByteArray("{\\rtf1 \\b\\i\\ul\\fs40\\cf1 a\\plain x}") << "x"
                                      << false << false << false << 12.0 << none << "";
        QTest::newRow("text colour") << "{\\rtf1 " + colours + "\\cf2 x}"
                                     << "x" << false << false << false << 12.0 << QColor(Qt::blue) << "";
        QTest::newRow("auto colour") << "{\\rtf1 " + colours + "\\cf0 x}"
                                     << "x" << false << false << false << 12.0 << none << "";
        QTest::newRow("colour outside the table") << "{\\rtf1 " + colours + "\\cf9 x}"
                                                  << "x" << false << false << false << 12.0 << none << "";
        QTest::newRow("font family") << "{\\rtf1 " + fonts + "\\f1 x}"
                                     << "x" << false << false << false << 12.0 << none << "Times New Roman";
        QTest::newRow("default font") << "{\\rtf1\\deff1 " + fonts + "x}"
                                      << "x" << false << false << false << 12.0 << none << "Times New Roman";
        QTest::newRow("Cyrillic font name") << "{\\rtf1 " + fonts + "\\f2 x}"
                                            << "x" << false << false << false << 12.0 << none << "Ариал";
        QTest::newRow("bold large heading") << QByteArray("{\\rtf1 {\\b\\fs32\\cf1 H}\\par body}") << "H"
                                            << true << false << false << 16.0 << none << "";
    }

    void characterFormat()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, fragment);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(double, points);
        QFETCH(QColor, colour);
        QFETCH(QString, family);

        QTextDocument document;
        platform::loadRtf(document, rtf);
        QVERIFY2(!document.find(fragment).isNull(), qPrintable(document.toRawText()));
        const QTextCharFormat format = formatOf(document, fragment);
        QCOMPARE(format.fontWeight() >= QFont::Bold, bold);
        QCOMPARE(format.fontItalic(), italic);
        QCOMPARE(format.fontUnderline(), underline);
        QCOMPARE(format.fontPointSize(), points);
        const QColor foreground =
            format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
        QCOMPARE(foreground, colour);
        if (!family.isEmpty()) QCOMPARE(format.fontFamilies().toStringList().value(0), family);
    }

    void highlight()
    {
        QTextDocument document;
        platform::loadRtf(document, "{\\rtf1{\\colortbl;\\red255\\green255\\blue0;}a{\\highlight1 x}}");
        QCOMPARE(formatOf(document, QStringLiteral("x")).background().color(), QColor(Qt::yellow));
        QVERIFY(!formatOf(document, QStringLiteral("a")).hasProperty(QTextFormat::BackgroundBrush));
    }

    void alignment_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QList<int>>("alignments");
        const int left = Qt::AlignLeft;
        const int centre = Qt::AlignHCenter;
        const int right = Qt::AlignRight;
        const int justify = Qt::AlignJustify;
        QTest::newRow("left by default") << QByteArray("{\\rtf1 a}") << QList<int>{left};
        QTest::newRow("centred title, pard resets")
            << QByteArray("{\\rtf1\\qc Title\\par\\pard Body}") << QList<int>{centre, left};
        QTest::newRow("right and justified")
            << QByteArray("{\\rtf1\\qr a\\par\\qj b}") << QList<int>{right, justify};
        QTest::newRow("the setting at the paragraph's end counts")
            << QByteArray("{\\rtf1 a\\qc\\par b}") << QList<int>{centre, centre};
        QTest::newRow("group scoped") << QByteArray("{\\rtf1{\\qr a\\par}b}") << QList<int>{right, left};
    }

    void alignment()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QList<int>, alignments);
        QTextDocument document;
        platform::loadRtf(document, rtf);
        QList<int> found;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            found.append(static_cast<int>(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask));
        QCOMPARE(found, alignments);
    }

    void indentsAndSpacing()
    {
        // 1440 twips are one inch, 96 pixels.
        QTextDocument document;
        platform::loadRtf(document, "{\\rtf1\\li720\\ri360\\fi-180\\sb240\\sa120 x}");
        const QTextBlockFormat format = document.begin().blockFormat();
        QCOMPARE(format.leftMargin(), 48.0);
        QCOMPARE(format.rightMargin(), 24.0);
        QCOMPARE(format.textIndent(), -12.0);
        QCOMPARE(format.topMargin(), 16.0);
        QCOMPARE(format.bottomMargin(), 8.0);
    }

    void tabStops_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QList<double>>("positions");
        // 360 twips are a quarter inch, 24 pixels; positions count from the first line's start.
        QTest::newRow("none by default") << QByteArray("{\\rtf1 a\\tab b}") << QList<double>{};
        QTest::newRow("explicit stops") << QByteArray("{\\rtf1\\tx720\\tx360 a}") << QList<double>{24, 48};
        QTest::newRow("hanging bullet lines up with the indent")
            << QByteArray("{\\rtf1\\li720\\fi-360 a}") << QList<double>{24};
        QTest::newRow("stops count from the page edge")
            << QByteArray("{\\rtf1\\li720\\tx360\\tx1440 a}") << QList<double>{48};
        QTest::newRow("pard clears them") << QByteArray("{\\rtf1\\tx720 a\\par\\pard b}") << QList<double>{};
    }

    void tabStops()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QList<double>, positions);
        QTextDocument document;
        platform::loadRtf(document, rtf);
        QList<double> found;
        for (const QTextOption::Tab& tab : document.lastBlock().blockFormat().tabPositions())
            found.append(tab.position);
        QCOMPARE(found, positions);
    }

    void replacesEarlierContent()
    {
        QTextDocument document;
        document.setPlainText(QStringLiteral("old text"));
        platform::loadRtf(document, "{\\rtf1 new}");
        QCOMPARE(document.toRawText(), QStringLiteral("new"));
    }
};

FROSTDIL_REGISTER_TEST(RtfTest)
#include "RtfTest.moc"
