#include "output/DocumentNames.h"

#include "tests/support/TestRegistry.h"

#include <QTest>

Q_DECLARE_METATYPE(output::Document)

class DocumentNamesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void names_data()
    {
        QTest::addColumn<output::Document>("document");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("title");
        using output::Document;
        QTest::newRow("journal entry")
            << Document::Journal << "12" << QDate(2024, 2, 12) << "Испытание_12_2024-02-12.pdf"
            << "Испытание 12 от 12.02.2024";
        QTest::newRow("chart") << Document::Chart << "7" << QDate(2008, 3, 5) << "График_7_2008-03-05.pdf"
                               << "График испытания 7 от 05.03.2008";
        QTest::newRow("no test loaded")
            << Document::Journal << "" << QDate(2024, 2, 12) << "Испытание_2024-02-12.pdf"
            << "Испытание от 12.02.2024";
        QTest::newRow("blanks around the number")
            << Document::Journal << " 12 " << QDate(2024, 2, 12) << "Испытание_12_2024-02-12.pdf"
            << "Испытание 12 от 12.02.2024";
        QTest::newRow("typed number with separators")
            << Document::Chart << "3/4:5" << QDate(2024, 2, 12) << "График_3_4_5_2024-02-12.pdf"
            << "График испытания 3/4:5 от 12.02.2024";
        QTest::newRow("no date") << Document::Journal << "12" << QDate() << "Испытание_12.pdf"
                                 << "Испытание 12";
    }

    void names()
    {
        QFETCH(output::Document, document);
        QFETCH(QString, number);
        QFETCH(QDate, date);
        QFETCH(QString, fileName);
        QFETCH(QString, title);
        QCOMPARE(output::pdfFileName(document, number, date), fileName);
        QCOMPARE(output::documentTitle(document, number, date), title);
    }
};

FROSTDIL_REGISTER_TEST(DocumentNamesTest)
#include "DocumentNamesTest.moc"
