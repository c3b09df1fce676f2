#include "tools/cellexport/ExportRun.h"

#include "tools/cellexport/CellEvaluation.h"
#include "tools/cellexport/ExportCsv.h"
#include "tools/cellexport/ExportJson.h"
#include "tools/cellexport/ExportOptions.h"
#include "tools/cellexport/ExportTable.h"

#include <QCoreApplication>
#include <QTextStream>

namespace cellexport {

namespace {

constexpr int Success = 0;
constexpr int SomeFileFailed = 1;
constexpr int BadUsage = 2;

// The document is written as bytes: no text stream, whose first one sets up the system locale.
int writeJson(const QStringList& files, RunOutput& out, RunOutput& err)
{
    const ExportOutcome outcome = exportTests(files, out);
    if (!outcome.written) {
        const QString message = QStringLiteral("Не удалось записать результат: %1").arg(out.errorString());
        QTextStream(&err.device()) << message << u'\n';
    }
    return outcome.anyFileFailed || !outcome.written ? SomeFileFailed : Success;
}

int writeSeries(const QString& file, const CsvDialect& dialect, QTextStream& out, QTextStream& err)
{
    const CellEvaluation evaluation = evaluateCellFile(file);
    if (evaluation.failed()) {
        err << *evaluation.error << u'\n';
        return SomeFileFailed;
    }
    out << evaluationCsv(evaluation, dialect);
    for (const QString& warning : evaluation.warnings)
        err << warning << u'\n';
    return Success;
}

// Each file is evaluated and its row written before the next is read.
int writeTable(const QStringList& files, const CsvDialect& dialect, QTextStream& out, QTextStream& err)
{
    bool anyFailed = false;
    out << resultsTableStart(dialect);
    for (const QString& file : files) {
        const CellEvaluation evaluation = evaluateCellFile(file);
        out << resultsTableRow(evaluation, dialect);
        if (evaluation.failed()) err << *evaluation.error << u'\n';
        for (const QString& warning : evaluation.warnings)
            err << evaluation.file << ": " << warning << u'\n';
        anyFailed = anyFailed || evaluation.failed();
    }
    return anyFailed ? SomeFileFailed : Success;
}

} // namespace

QString usageText()
{
    return QStringLiteral(
        "Использование:\n"
        "  cellexport ФАЙЛ...                           результаты испытаний в формате JSON "
        "{\"tests\":[...]}\n"
        "  cellexport --csv [--decimal-comma] ФАЙЛ      ряды точек одного испытания в формате CSV\n"
        "  cellexport --table [--decimal-comma] ФАЙЛ... таблица результатов серии испытаний в формате CSV,\n"
        "                                               по строке на испытание\n"
        "  cellexport --help                            эта справка\n"
        "  cellexport --version                         версия программы\n"
        "С --decimal-comma поля разделены точкой с запятой, в числах десятичная запятая, текст в UTF-8\n"
        "с меткой порядка байтов: так русские электронные таблицы читают каждое значение как число.\n"
        "Код завершения 1, если хотя бы один файл не удалось обработать, 2 при ошибке в параметрах.\n");
}

int runCellExport(const QStringList& arguments, RunOutput& out, RunOutput& err)
{
    const ExportOptions options = parseExportOptions(arguments);
    if (!options.problem.isEmpty()) {
        QTextStream(&err.device()) << options.problem << u'\n' << usageText();
        return BadUsage;
    }
    const CsvDialect dialect = csvDialect(options.decimalComma);
    switch (options.mode) {
    case ExportMode::Help:
        QTextStream(&out.device()) << usageText();
        return Success;
    case ExportMode::Version:
        QTextStream(&out.device()) << QStringLiteral("cellexport ") << QCoreApplication::applicationVersion()
                                   << u'\n';
        return Success;
    case ExportMode::Csv: {
        QTextStream outText(&out.device());
        QTextStream errText(&err.device());
        return writeSeries(options.files.constFirst(), dialect, outText, errText);
    }
    case ExportMode::Table: {
        QTextStream outText(&out.device());
        QTextStream errText(&err.device());
        return writeTable(options.files, dialect, outText, errText);
    }
    case ExportMode::Json:
        break;
    }
    return writeJson(options.files, out, err);
}

} // namespace cellexport
