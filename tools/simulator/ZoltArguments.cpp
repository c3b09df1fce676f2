#include "tools/simulator/ZoltArguments.h"

#include <QCommandLineParser>

namespace simulator {

namespace {

// A whole number within low..high, or nothing.
std::optional<long long> wholeNumber(const QString& text, long long low, long long high)
{
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<std::vector<long long>> numberList(const QString& text, long long low, long long high)
{
    std::vector<long long> values;
    for (const QString& part : text.split(u',')) {
        const auto value = wholeNumber(part, low, high);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

QString invalid(const QString& option, const QString& value, const QString& expected)
{
    return QStringLiteral("Неверное значение --%1 \"%2\": нужно %3.").arg(option, value, expected);
}

} // namespace

ZoltArguments parseZoltArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Дилатометр ЗОЛТ-9 (имитатор): \"измеряет\" испытание на морозостойкость\n"
                       "и записывает его файл .cell. Без параметров записывает одно новое испытание\n"
                       "со следующим свободным номером в папку Archive текущей папки (создаёт её\n"
                       "при необходимости), с текущими датой и временем."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Показать эту справку."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Показать версию программы."));
    const QCommandLineOption number(
        QStringLiteral("number"),
        QStringLiteral("Номер испытания (0..65535; программа обработки принимает 1..999)."),
        QStringLiteral("N"));
    const QCommandLineOption series(QStringLiteral("series"),
                                    QStringLiteral("Номер серии, 0..255 (по умолчанию 1)."),
                                    QStringLiteral("N"));
    const QCommandLineOption type(
        QStringLiteral("type"),
        QStringLiteral("Тип бетона: 0 тяжелый, 1 легкий, 2 дорожный, 3 смеси строительные."),
        QStringLiteral("0..3"));
    const QCommandLineOption shape(QStringLiteral("shape"),
                                   QStringLiteral("Форма образцов (по умолчанию cube)."),
                                   QStringLiteral("cube|cylinder"));
    const QCommandLineOption dims(QStringLiteral("dims"),
                                  QStringLiteral("Размеры образцов, мм: a,b,c для всех камер или девять "
                                                 "чисел по камерам (цилиндр: диаметр, высота, 0)."),
                                  QStringLiteral("a,b,c"));
    const QCommandLineOption present(
        QStringLiteral("present"), QStringLiteral("Камеры с образцами, например 1,1,0 (по умолчанию 1,1,1)."),
        QStringLiteral("p1,p2,p3"));
    const QCommandLineOption points(
        QStringLiteral("points"),
        QStringLiteral("Число точек, %1..%2 (по умолчанию 180).").arg(FewestPoints).arg(MostPoints),
        QStringLiteral("N"));
    const QCommandLineOption step(QStringLiteral("step"),
                                  QStringLiteral("Шаг измерений, с, 30..240 (по умолчанию 60)."),
                                  QStringLiteral("S"));
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QStringLiteral("Начальное число случайного шума (по умолчанию номер испытания)."),
        QStringLiteral("S"));
    const QCommandLineOption strength(
        QStringLiteral("strength"), QStringLiteral("Прочность, МПа (по умолчанию типичная для типа бетона)."),
        QStringLiteral("МПа"));
    const QCommandLineOption treatment(QStringLiteral("treatment"),
                                       QStringLiteral("Обработка: 1 да, 0 нет (по умолчанию 0)."),
                                       QStringLiteral("0|1"));
    const QCommandLineOption date(QStringLiteral("date"),
                                  QStringLiteral("Дата испытания (по умолчанию сегодня)."),
                                  QStringLiteral("ДД.ММ.ГГГГ"));
    const QCommandLineOption time(QStringLiteral("time"),
                                  QStringLiteral("Время испытания (по умолчанию сейчас)."),
                                  QStringLiteral("ЧЧ:ММ:СС"));
    const QCommandLineOption out(QStringLiteral("out"),
                                 QStringLiteral("Записать в этот файл вместо Archive/test_NNNN.cell."),
                                 QStringLiteral("ФАЙЛ"));
    const QCommandLineOption archive(QStringLiteral("archive"),
                                     QStringLiteral("Папка архива (по умолчанию Archive)."),
                                     QStringLiteral("ПАПКА"));
    parser.addOptions({help, version, number, series, type, shape, dims, present, points, step, seed,
                       strength, treatment, date, time, out, archive});

    ZoltArguments result;
    if (!parser.parse(arguments)) {
        result.text = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.helpWanted = true;
        result.text = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.versionWanted = true;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.text = QStringLiteral("Лишние аргументы: %1").arg(parser.positionalArguments().join(u' '));
        return result;
    }

    ZoltRequest request;
    SimulationOptions& o = request.options;
    // Each option is read in turn; the first bad one ends the parse with its message.
    const auto fail = [&result](const QString& message) {
        result.text = message;
        return result;
    };
    if (parser.isSet(number)) {
        const auto value = wholeNumber(parser.value(number), 0, 65535);
        if (!value)
            return fail(
                invalid(QStringLiteral("number"), parser.value(number), QStringLiteral("целое 0..65535")));
        o.testNumber = static_cast<std::uint16_t>(*value);
        request.numberGiven = true;
    }
    if (parser.isSet(series)) {
        const auto value = wholeNumber(parser.value(series), 0, 255);
        if (!value)
            return fail(
                invalid(QStringLiteral("series"), parser.value(series), QStringLiteral("целое 0..255")));
        o.series = static_cast<std::uint8_t>(*value);
    }
    if (parser.isSet(type)) {
        const auto value = wholeNumber(parser.value(type), 0, 3);
        if (!value)
            return fail(invalid(QStringLiteral("type"), parser.value(type), QStringLiteral("0, 1, 2 или 3")));
        o.concreteType = static_cast<int>(*value);
    }
    if (parser.isSet(shape)) {
        const QString value = parser.value(shape).toLower();
        if (value != QStringLiteral("cube") && value != QStringLiteral("cylinder"))
            return fail(
                invalid(QStringLiteral("shape"), parser.value(shape), QStringLiteral("cube или cylinder")));
        o.cylinder = value == QStringLiteral("cylinder");
    }
    if (parser.isSet(dims)) {
        const auto values = numberList(parser.value(dims), 0, 255);
        if (!values || (values->size() != 3 && values->size() != 9))
            return fail(invalid(QStringLiteral("dims"), parser.value(dims),
                                QStringLiteral("3 или 9 целых 0..255 через запятую")));
        std::array<Dimensions, 3> chosen{};
        for (std::size_t k = 0; k < 3; ++k) {
            for (std::size_t d = 0; d < 3; ++d)
                chosen[k][d] = static_cast<std::uint8_t>((*values)[values->size() == 3 ? d : 3 * k + d]);
        }
        o.dimensions = chosen;
    }
    if (parser.isSet(present)) {
        const auto values = numberList(parser.value(present), 0, 1);
        if (!values || values->size() != 3)
            return fail(invalid(QStringLiteral("present"), parser.value(present),
                                QStringLiteral("три числа 0 или 1 через запятую")));
        for (std::size_t k = 0; k < 3; ++k) o.present[k] = (*values)[k] == 1;
    }
    if (parser.isSet(points)) {
        const auto value = wholeNumber(parser.value(points), FewestPoints, MostPoints);
        if (!value)
            return fail(invalid(QStringLiteral("points"), parser.value(points),
                                QStringLiteral("целое %1..%2").arg(FewestPoints).arg(MostPoints)));
        o.points = static_cast<int>(*value);
    }
    if (parser.isSet(step)) {
        const auto value = wholeNumber(parser.value(step), 30, 240);
        if (!value)
            return fail(invalid(QStringLiteral("step"), parser.value(step), QStringLiteral("целое 30..240")));
        o.stepSeconds = static_cast<int>(*value);
    }
    if (parser.isSet(seed)) {
        const auto value = wholeNumber(parser.value(seed), 0, 4294967295LL);
        if (!value)
            return fail(
                invalid(QStringLiteral("seed"), parser.value(seed), QStringLiteral("целое 0..4294967295")));
        o.seed = static_cast<std::uint32_t>(*value);
        request.seedGiven = true;
    }
    if (parser.isSet(strength)) {
        bool ok = false;
        const double value = QString(parser.value(strength)).replace(u',', u'.').toDouble(&ok);
        if (!ok || value < 0 || value > 6553.5)
            return fail(invalid(QStringLiteral("strength"), parser.value(strength),
                                QStringLiteral("число 0..6553,5")));
        o.strengthMpa = value;
    }
    if (parser.isSet(treatment)) {
        const auto value = wholeNumber(parser.value(treatment), 0, 255);
        if (!value)
            return fail(
                invalid(QStringLiteral("treatment"), parser.value(treatment), QStringLiteral("0 или 1")));
        o.treatment = static_cast<std::uint8_t>(*value);
    }
    if (parser.isSet(date)) {
        o.date = QDate::fromString(parser.value(date), QStringLiteral("dd.MM.yyyy"));
        if (!o.date.isValid() || o.date.year() < 2000 || o.date.year() > 2099)
            return fail(invalid(QStringLiteral("date"), parser.value(date),
                                QStringLiteral("дата ДД.ММ.ГГГГ в 2000–2099 годах")));
        request.dateGiven = true;
    }
    if (parser.isSet(time)) {
        o.time = QTime::fromString(parser.value(time), QStringLiteral("HH:mm:ss"));
        if (!o.time.isValid())
            return fail(
                invalid(QStringLiteral("time"), parser.value(time), QStringLiteral("время ЧЧ:ММ:СС")));
        request.timeGiven = true;
    }
    if (parser.isSet(out)) request.outputPath = parser.value(out);
    if (parser.isSet(archive)) request.archiveFolder = parser.value(archive);
    if (const QString problem = checkOptions(o); !problem.isEmpty()) return fail(problem);

    result.request = request;
    return result;
}

} // namespace simulator
