#include "tools/cellexport/ExportRun.h"

#include "tools/cellexport/CellEvaluation.h"
#include "tools/cellexport/ExportCsv.h"
#include "tools/cellexport/ExportJson.h"

#include <QIODevice>
#include <QLocale>

namespace cellexport {

namespace {

constexpr int Success = 0;
constexpr int SomeFileFailed = 1;
constexpr int BadUsage = 2;

int usageError(QTextStream& err, const QString& problem)
{
    err << problem << u'\n' << usageText();
    return BadUsage;
}

} // namespace

QString usageText()
{
    return QStringLiteral("Использование:\n"
                          "  cellexport FILE...     результаты испытаний в формате JSON {\"tests\":[...]}\n"
                          "  cellexport --csv FILE  ряды точек одного испытания в формате CSV\n"
                          "  cellexport --help      эта справка\n"
                          "Код завершения 1, если хотя бы один файл не удалось обработать.\n");
}

int runCellExport(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QLocale::setDefault(QLocale::c());
    if (arguments == QStringList{QStringLiteral("--help")}) {
        out << usageText();
        return Success;
    }
    if (arguments.isEmpty()) return usageError(err, QStringLiteral("Не указан ни один файл."));

    if (arguments.first() == QStringLiteral("--csv")) {
        if (arguments.size() != 2)
            return usageError(err, QStringLiteral("После --csv нужен ровно один файл."));
        const CellEvaluation evaluation = evaluateCellFile(arguments[1]);
        if (evaluation.failed()) {
            err << *evaluation.error << u'\n';
            return SomeFileFailed;
        }
        out << evaluationCsv(evaluation);
        for (const QString& warning : evaluation.warnings) err << warning << u'\n';
        return Success;
    }

    for (const QString& argument : arguments) {
        if (argument.startsWith(QStringLiteral("--")))
            return usageError(err, QStringLiteral("Неизвестный параметр: %1").arg(argument));
    }
    out.flush();
    QIODevice& device = *out.device();
    const ExportOutcome outcome = exportTests(arguments, device);
    if (!outcome.written)
        err << QStringLiteral("Не удалось записать результат: %1").arg(device.errorString()) << u'\n';
    return outcome.anyFileFailed || !outcome.written ? SomeFileFailed : Success;
}

} // namespace cellexport
