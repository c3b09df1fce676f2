#pragma once

#include <QDate>
#include <QString>

namespace output {

/// What a printed page or PDF holds: the chart alone, or the journal entry (the test report).
enum class Document { Chart, Journal };

/// The name offered when `document` of the test numbered `testNumber` (the test selector's text) and
/// dated `testDate` is saved as PDF: "Испытание_12_2024-02-12.pdf" for the journal entry,
/// "График_12_2024-02-12.pdf" for the chart. A blank number or an invalid date is left out; characters
/// that a file name cannot hold become "_".
QString pdfFileName(Document document, const QString& testNumber, QDate testDate);

/// The document's title in the PDF's information and in the print queue: "Испытание 12 от
/// 12.02.2024" for the journal entry, "График испытания 12 от 12.02.2024" for the chart.
QString documentTitle(Document document, const QString& testNumber, QDate testDate);

} // namespace output
