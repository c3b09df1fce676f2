#include "records/LoadMessages.h"

#include "records/RecordStore.h"

namespace records::messages {

// The path goes in through the one-pass arg() so that a "%1" inside a file name stays as it is.

QString byteCount(std::int64_t count)
{
    const std::int64_t lastTwo = count % 100;
    const std::int64_t last = count % 10;
    const bool few = last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14);
    return QString::number(count) + (few ? QStringLiteral(" байта") : QStringLiteral(" байт"));
}

QString fileTooShort(const QString& path, std::int64_t size)
{
    return QStringLiteral(
               "Файл \"%1\" не загружен: длина файла %2, а номер испытания записан в первых двух байтах.")
        .arg(path, byteCount(size));
}

QString fileTooLong(const QString& path, std::int64_t size)
{
    if (size < 0) {
        return QStringLiteral("Файл \"%1\" не загружен: файл испытания занимает не более %2 байта, "
                              "а в этом файле их больше.")
            .arg(path, QString::number(SlotSize));
    }
    return QStringLiteral("Файл \"%1\" не загружен: длина файла %2, "
                          "а файл испытания занимает не более %3 байта.")
        .arg(path, byteCount(size), QString::number(SlotSize));
}

QString fileTestNumberOutOfRange(const QString& path, int testNumber)
{
    return QStringLiteral(
               "Файл \"%1\" не загружен: номер испытания %2 вне допустимого диапазона от %3 до %4.")
        .arg(path, QString::number(testNumber), QString::number(FirstTestNumber),
             QString::number(LastTestNumber));
}

QString selectorNumberOutOfRange(std::int64_t number)
{
    return QStringLiteral("Испытание № %1 не может быть выбрано: номер испытания должен быть от %2 до %3.")
        .arg(QString::number(number), QString::number(FirstTestNumber), QString::number(LastTestNumber));
}

QString selectorTestNotLoaded(std::int64_t number)
{
    return QStringLiteral("Испытание %1 не загружено").arg(number);
}

QString filesNotLoaded(const std::vector<FileNotLoaded>& files)
{
    QString text =
        files.size() == 1 ? QStringLiteral("Файл не загружен:") : QStringLiteral("Файлы не загружены:");
    for (const FileNotLoaded& file : files)
        text += u'\n' + file.path + QStringLiteral(": ") + file.reason;
    return text;
}

} // namespace records::messages
