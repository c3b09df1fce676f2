// The streamed export must give the very bytes the export gave when it built a QJsonDocument: numbers,
// texts, whole tests and whole runs are written both ways and compared.
#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"
#include "tests/tools/cellexport/ReferenceJson.h"
#include "tools/cellexport/ExportJson.h"
#include "tools/cellexport/JsonNumber.h"

#include <QBuffer>
#include <QJsonArray>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using cellexport::CellEvaluation;

Q_DECLARE_METATYPE(CellEvaluation)

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

QByteArray qtText(const QJsonArray& array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QByteArray streamedNumbers(const std::vector<double>& values)
{
    QByteArray text("[");
    char number[cellexport::JsonNumberRoom];
    for (const double value : values) {
        if (text.size() > 1) text += ',';
        text.append(number, cellexport::writeJsonNumber(number, value) - number);
    }
    return text + ']';
}

/// What a writer writes.
template <typename Write> QByteArray streamed(Write write)
{
    cellexport::JsonWriter json;
    write(json);
    return QByteArray(json.text().data(), static_cast<qsizetype>(json.text().size()));
}

/// Decimal-looking values over many magnitudes, random bit patterns, random significands at the
/// magnitudes written in plain form, and whole numbers beyond 2^53.
std::vector<double> sweptValues()
{
    std::mt19937_64 random(20240315);
    std::vector<double> values;
    for (int i = 0; i < 60000; ++i) {
        const auto bits = random();
        double pattern = 0;
        std::memcpy(&pattern, &bits, sizeof pattern);
        values.push_back(pattern);
        values.push_back(static_cast<double>(random() % 1000000) *
                         std::pow(10.0, static_cast<int>(random() % 60) - 30));
        values.push_back(
            std::ldexp(static_cast<double>(random() % (1u << 20)), 33 + static_cast<int>(random() % 40)));
        const double significand = 1.0 + std::ldexp(static_cast<double>(random() >> 12), -52);
        values.push_back(std::ldexp(bits % 2 != 0 ? -significand : significand,
                                    static_cast<int>(random() % 75) - 17));
    }
    return values;
}

CellEvaluation simulatedEvaluation()
{
    return cellexport::evaluateSlot(QStringLiteral("Archive/test_0012.cell"),
                                    fixtures::cubeTest().file().toSlot());
}

/// Files written into a folder and listed in this order; a null content leaves the name unwritten.
struct FileSet {
    QStringList names;
    QList<QByteArray> contents;

    FileSet& add(const QString& name, const QByteArray& content)
    {
        names << name;
        contents << content;
        return *this;
    }
    FileSet& add(const QString& name, const simulator::CellFile& file) { return add(name, file.bytes()); }
};

} // namespace

Q_DECLARE_METATYPE(FileSet)

class StreamedJsonTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }

    void numbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("zero") << 0.0;
        QTest::newRow("negative zero") << -0.0;
        QTest::newRow("whole") << 1000.0;
        QTest::newRow("whole with a short exponent form") << 100000.0;
        QTest::newRow("negative whole") << -300000.0;
        QTest::newRow("2^53") << 9007199254740992.0;
        QTest::newRow("past 2^53") << 9007199254740994.0;
        QTest::newRow("1e16") << 1e16;
        QTest::newRow("plain form padded with zeros") << 12345678901234567000.0;
        QTest::newRow("negative padded plain form") << -5088143117563431000.0;
        QTest::newRow("exponent of three digits") << 1.234e300;
        QTest::newRow("largest") << std::numeric_limits<double>::max();
        QTest::newRow("thousandth") << -0.001;
        QTest::newRow("tenths") << -12.3;
        QTest::newRow("thousandths below a tenth") << 0.025;
        QTest::newRow("most thousandths written by integers") << 2147483.647;
        QTest::newRow("one thousandth more") << 2147483.648;
        QTest::newRow("ten-thousandth") << 0.0001;
        QTest::newRow("as long plain as with exponent") << 0.00012;
        QTest::newRow("tiny") << 1e-7;
        QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min();
        QTest::newRow("all seventeen digits") << 0.1 + 0.2;
        QTest::newRow("seventeen digits around the point") << -19.661834494367934;
        QTest::newRow("sixteen digits before the point") << 1869233072188197.8;
        QTest::newRow("fifteen digits before the point") << -186923307218819.78;
        QTest::newRow("sixteen digits after two zeros") << -0.001234567890123456;
        QTest::newRow("seventeen digits in exponent form") << 1.2345678901234567e-5;
        QTest::newRow("seventeen digits, as long plain as with exponent") << 0.00012345678901234567;
        QTest::newRow("half above 2^52") << 4503599627370495.5;
        QTest::newRow("not a number") << std::nan("");
        QTest::newRow("infinity") << Infinity;
        QTest::newRow("minus infinity") << -Infinity;
    }

    void numbers()
    {
        QFETCH(double, value);
        QCOMPARE(streamedNumbers({value}), qtText(QJsonArray{value}));
    }

    void numberSweep()
    {
        const std::vector<double> values = sweptValues();
        QJsonArray array;
        for (const double value : values)
            array.append(value);
        const QList<QByteArray> expected = qtText(array).chopped(1).mid(1).split(',');
        const QList<QByteArray> written = streamedNumbers(values).chopped(1).mid(1).split(',');
        QCOMPARE(written.size(), expected.size());
        for (qsizetype i = 0; i < written.size(); ++i) {
            if (written[i] != expected[i])
                QFAIL(
                    qPrintable(QStringLiteral("%1 written as %2, Qt writes %3")
                                   .arg(values[static_cast<std::size_t>(i)], 0, 'g', 17)
                                   .arg(QString::fromLatin1(written[i]), QString::fromLatin1(expected[i]))));
        }
    }

    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QString ascii;
        for (char16_t c = 0; c < 0x80; ++c)
            ascii += QChar(c);
        QTest::newRow("every ASCII character") << ascii;
        QTest::newRow("Cyrillic and the degree sign")
            << QStringLiteral("Камера 1: ни один минимум не лежит ниже 0 °C");
        QTest::newRow("three-byte characters") << QStringLiteral("Θ×10⁻³ − €");
        QTest::newRow("surrogate pair") << QString::fromUcs4(U"😀 test");
        QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) + u'x';
        QTest::newRow("lone low surrogate at the end") << QStringLiteral("x") + QChar(0xDE00);
        QTest::newRow("noncharacters") << QString(QChar(0xFFFE)) + QChar(0xFFFF) + QChar(0xFDD0);
        QTest::newRow("empty") << QString();
        // Longer than the writer's buffer, with two-byte characters across the boundary.
        QTest::newRow("longer than the buffer") << QStringLiteral("Ж\"ж\\").repeated(20000);
    }

    void texts()
    {
        QFETCH(QString, text);
        QCOMPARE(streamed([&](cellexport::JsonWriter& json) {
                     json.beginArray();
                     json.value(text);
                     json.endArray();
                 }),
                 qtText(QJsonArray{text}));
    }

    void evaluations_data()
    {
        QTest::addColumn<CellEvaluation>("evaluation");
        const CellEvaluation simulated = simulatedEvaluation();
        QTest::newRow("simulated test") << simulated;

        CellEvaluation nonFinite = simulated;
        nonFinite.record.ChamberTemperature[1][3] = std::nan("");
        nonFinite.record.ChamberTemperature[2][0] = Infinity;
        nonFinite.record.ChamberTime[3][7] = -Infinity;
        nonFinite.record.ChamberVolumeChange[4][0] = std::nan("");
        nonFinite.record.FridgeTemperature[1] = Infinity;
        nonFinite.record.SampleVolumeChange[1][nonFinite.curves[0]->first] = std::nan("");
        nonFinite.record.SampleVolume[2] = Infinity;
        nonFinite.record.RelativeVolumeChange[3] = std::nan("");
        QTest::newRow("values that are not finite") << nonFinite;

        CellEvaluation extreme = simulated;
        extreme.record.ChamberTemperature[1][0] = -0.0;
        extreme.record.ChamberTemperature[1][1] = 1e16;
        extreme.record.ChamberTemperature[1][2] = 12345678901234567000.0;
        extreme.record.ChamberVolumeChange[2][5] = std::numeric_limits<double>::denorm_min();
        extreme.record.SampleVolume[1] = 1e300;
        extreme.record.RelativeVolumeChange[2] = -9007199254740994.0;
        QTest::newRow("negative zero, huge and tiny values") << extreme;

        CellEvaluation texts = simulated;
        texts.file = QStringLiteral("C:\\Архив\\\"new\"\ttest.cell");
        texts.warnings = QStringList{QStringLiteral("Камера 1: line\nbreak"), QString(QChar(0xD800)),
                                     QStringLiteral("\x01\x1f\x7f")};
        texts.grid.meanText = QStringLiteral("1.5\\");
        texts.grid.cells[0][4] = QStringLiteral("typed \"by hand\"");
        QTest::newRow("texts that need escapes") << texts;

        CellEvaluation failed;
        failed.file = QStringLiteral("папка/\"bad\".cell");
        failed.error = QStringLiteral("Cannot open file \"папка/\"bad\".cell\". No such file or directory");
        QTest::newRow("failed file") << failed;
    }

    void evaluations()
    {
        QFETCH(CellEvaluation, evaluation);
        QCOMPARE(
            streamed([&](cellexport::JsonWriter& json) { cellexport::writeEvaluation(json, evaluation); }),
            QJsonDocument(reference::evaluationJson(evaluation)).toJson(QJsonDocument::Compact));
    }

    void files_data()
    {
        QTest::addColumn<FileSet>("files");
        const auto cube = [](std::uint16_t number) { return fixtures::cubeTest(number).file(); };

        simulator::SimulatedTest cylinder = fixtures::cubeTest(2);
        cylinder.description.header.shape = 1;
        cylinder.description.header.presentBytes[2] = 0;
        cylinder.description.header.pointCountBytes[4] = 100;
        // Three whole tests are more text than the writer's buffer holds.
        QTest::newRow("whole tests")
            << FileSet().add("a.cell", cube(1)).add("b.cell", cylinder.file()).add("c.cell", cube(3));

        simulator::CellFile shortFile = cube(4);
        shortFile.resize(1536 + 512 + 2 * 50);
        simulator::CellFile noMinimum = cube(5);
        fixtures::flattenVolumeChange(noMinimum, 1, 200);
        fixtures::flattenVolumeChange(noMinimum, 2, 200, 5);
        simulator::CellFile warmMinimum = cube(6);
        fixtures::flattenVolumeChange(warmMinimum, 3, 200, 20);
        simulator::CellFile verticalChord = cube(7);
        for (int i = 0; i < 200; ++i) {
            verticalChord.setTime(1, i, 600);
            verticalChord.setTemperature(1, i, -5.0);
        }
        fixtures::flattenVolumeChange(verticalChord, 1, 200, 30);
        QTest::newRow("tests with warnings") << FileSet()
                                                    .add("short.cell", shortFile)
                                                    .add("no minimum.cell", noMinimum)
                                                    .add("warm minimum.cell", warmMinimum)
                                                    .add("vertical chord.cell", verticalChord);

        simulator::CellFile tooLong = cube(8);
        tooLong.resize(10002);
        simulator::CellFile numberZero = cube(9);
        numberZero.setU16(0, 0);
        simulator::CellFile badDate = cube(10);
        badDate.setByte(7, 13);
        simulator::CellFile noVolume = cube(11);
        noVolume.setByte(15, 0);
        QTest::newRow("files that fail") << FileSet()
                                                .add("missing.cell", QByteArray())
                                                .add("long.cell", tooLong)
                                                .add("one byte.cell", QByteArray(1, '\x01'))
                                                .add("number 0.cell", numberZero)
                                                .add("month 13.cell", badDate)
                                                .add("no volume.cell", noVolume)
                                                .add("good.cell", cube(12));

        QTest::newRow("names that need escapes")
            << FileSet()
                   .add(QStringLiteral("испытание \"№1\".cell"), cube(13))
                   .add(QStringLiteral("back\\slash\tand tab.cell"), cube(14))
                   .add(QString::fromUcs4(U"😀 missing.cell"), QByteArray());
        QTest::newRow("no files") << FileSet();

        // More files than are evaluated at a time on all cores, so the same memory takes several in turn.
        FileSet many;
        for (std::uint16_t number = 20; number < 40; ++number)
            many.add(QStringLiteral("test_%1.cell").arg(number), cube(number));
        QTest::newRow("many files") << many;
    }

    void files()
    {
        QFETCH(FileSet, files);
        QTemporaryDir folder;
        QStringList paths;
        std::vector<CellEvaluation> evaluations;
        for (qsizetype i = 0; i < files.names.size(); ++i) {
            paths << QDir(folder.path()).filePath(files.names[i]);
            if (!files.contents[i].isNull()) {
                QFile file(paths.last());
                QVERIFY(file.open(QIODevice::WriteOnly) &&
                        file.write(files.contents[i]) == files.contents[i].size());
            }
            evaluations.push_back(cellexport::evaluateCellFile(paths.last()));
        }
        QBuffer text;
        text.open(QIODevice::WriteOnly);
        cellexport::RunOutput output(text);
        const cellexport::ExportOutcome outcome = cellexport::exportTests(paths, output);
        QCOMPARE(text.data(), reference::exportDocument(evaluations).toJson(QJsonDocument::Compact) + '\n');
        QVERIFY(outcome.written);
        QCOMPARE(outcome.anyFileFailed, std::any_of(evaluations.begin(), evaluations.end(),
                                                    [](const auto& e) { return e.failed(); }));
    }
};

FROSTDIL_REGISTER_TEST(StreamedJsonTest)
#include "StreamedJsonTest.moc"
