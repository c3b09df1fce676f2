#include "tools/simulator/ArchiveNumbering.h"

#include "records/RecordStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <bitset>

namespace simulator {

QString archiveFileName(int testNumber)
{
    return QStringLiteral("test_%1.cell").arg(testNumber, 4, 10, QLatin1Char('0'));
}

int nextTestNumber(const QString& archiveFolder)
{
    using records::FirstTestNumber;
    using records::LastTestNumber;
    std::bitset<LastTestNumber + 1> taken;
    const auto take = [&taken](long long number) {
        if (number >= FirstTestNumber && number <= LastTestNumber)
            taken.set(static_cast<std::size_t>(number));
    };

    static const QRegularExpression namePattern(QStringLiteral("^test_(\\d{1,9})\\.cell$"),
                                                QRegularExpression::CaseInsensitiveOption);
    // A folder or a link to nowhere under a test's name takes its number too: the name is not free.
    const QFileInfoList entries = QDir(archiveFolder).entryInfoList({QStringLiteral("*.cell")},
                                                                    QDir::Files | QDir::Dirs | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (const auto match = namePattern.match(entry.fileName()); match.hasMatch())
            take(match.captured(1).toLongLong());
        if (!entry.isFile()) continue;  // nothing to read, and a pipe would never answer
        QFile file(entry.filePath());
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray start = file.read(2);
            if (start.size() == 2)
                take(static_cast<unsigned char>(start[0]) | static_cast<unsigned char>(start[1]) << 8);
        }
    }

    int highest = 0;
    for (int number = LastTestNumber; number >= FirstTestNumber && highest == 0; --number) {
        if (taken.test(static_cast<std::size_t>(number))) highest = number;
    }
    if (highest < LastTestNumber) return highest + 1;
    for (int number = FirstTestNumber; number <= LastTestNumber; ++number) {
        if (!taken.test(static_cast<std::size_t>(number))) return number;
    }
    return 0;
}

} // namespace simulator
