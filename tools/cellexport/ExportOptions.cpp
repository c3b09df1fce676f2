#include "tools/cellexport/ExportOptions.h"

namespace cellexport {

ExportOptions parseExportOptions(const QStringList& arguments)
{
    ExportOptions options;
    if (arguments.contains(QStringLiteral("--help"))) {
        options.mode = ExportMode::Help;
        return options;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        options.mode = ExportMode::Version;
        return options;
    }

    const auto fail = [&options](const QString& problem) {
        options.problem = problem;
        return options;
    };
    for (const QString& argument : arguments) {
        const bool csv = argument == QStringLiteral("--csv");
        if (csv || argument == QStringLiteral("--table")) {
            if (options.mode != ExportMode::Json)
                return fail(QStringLiteral("Нужен только один из параметров --csv и --table."));
            options.mode = csv ? ExportMode::Csv : ExportMode::Table;
        } else if (argument == QStringLiteral("--decimal-comma")) {
            options.decimalComma = true;
        } else if (argument.startsWith(QStringLiteral("--"))) {
            return fail(QStringLiteral("Неизвестный параметр: %1").arg(argument));
        } else {
            options.files << argument;
        }
    }

    if (options.decimalComma && options.mode == ExportMode::Json)
        return fail(QStringLiteral("Параметр --decimal-comma действует только вместе с --csv или --table."));
    if (options.mode == ExportMode::Csv && options.files.size() != 1)
        return fail(QStringLiteral("После --csv нужен ровно один файл."));
    if (options.files.isEmpty()) return fail(QStringLiteral("Не указан ни один файл."));
    return options;
}

} // namespace cellexport
