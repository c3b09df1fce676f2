#include "tools/cellexport/ExportOptions.h"

#include "tests/support/TestRegistry.h"

#include <QTest>

using cellexport::ExportMode;

class ExportOptionsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void accepted_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ExportMode>("mode");
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("json") << QStringList{"a.cell", "b.cell"} << ExportMode::Json << false
                              << QStringList{"a.cell", "b.cell"};
        QTest::newRow("csv") << QStringList{"--csv", "a.cell"} << ExportMode::Csv << false
                             << QStringList{"a.cell"};
        QTest::newRow("csv, option after the file") << QStringList{"--csv", "a.cell", "--decimal-comma"}
                                                    << ExportMode::Csv << true << QStringList{"a.cell"};
        QTest::newRow("table") << QStringList{"--decimal-comma", "--table", "a.cell", "b.cell"}
                               << ExportMode::Table << true << QStringList{"a.cell", "b.cell"};
        QTest::newRow("help wins") << QStringList{"--xml", "--help"} << ExportMode::Help << false
                                   << QStringList{};
        QTest::newRow("version wins")
            << QStringList{"a.cell", "--version"} << ExportMode::Version << false << QStringList{};
    }

    void accepted()
    {
        QFETCH(QStringList, arguments);
        QFETCH(ExportMode, mode);
        QFETCH(bool, decimalComma);
        QFETCH(QStringList, files);
        const cellexport::ExportOptions options = cellexport::parseExportOptions(arguments);
        QCOMPARE(options.problem, QString());
        QCOMPARE(options.mode, mode);
        QCOMPARE(options.decimalComma, decimalComma);
        QCOMPARE(options.files, files);
    }

    void rejected_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("no files") << QStringList{} << "файл";
        QTest::newRow("table without files") << QStringList{"--table"} << "файл";
        QTest::newRow("unknown option") << QStringList{"a.cell", "--xml"} << "--xml";
        QTest::newRow("csv with two files") << QStringList{"--csv", "a.cell", "b.cell"} << "--csv";
        QTest::newRow("csv and table") << QStringList{"--csv", "--table", "a.cell"} << "--table";
        QTest::newRow("decimal comma for json")
            << QStringList{"--decimal-comma", "a.cell"} << "--decimal-comma";
    }

    void rejected()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, mentions);
        const QString problem = cellexport::parseExportOptions(arguments).problem;
        QVERIFY2(problem.contains(mentions), qPrintable(problem));
    }
};

FROSTDIL_REGISTER_TEST(ExportOptionsTest)
#include "ExportOptionsTest.moc"
