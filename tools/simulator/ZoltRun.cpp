#include "tools/simulator/ZoltRun.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "processing/GradeNames.h"
#include "platform/NumberFormat.h"
#include "tools/simulator/ArchiveNumbering.h"

#include <QDir>
#include <QFileInfo>

namespace simulator {

namespace {

const std::array<QString, 4> MaterialNames{QStringLiteral("бетон тяжелый"), QStringLiteral("бетон легкий"),
                                           QStringLiteral("бетон дорожный"),
                                           QStringLiteral("смеси строительные")};

} // namespace

QString describeTest(const SimulatedTest& test, const SimulationOptions& o, const QString& path)
{
    QStringList chambers;
    for (std::size_t k = 0; k < test.chambers.size(); ++k) {
        if (test.chambers[k].present) chambers << QString::number(k + 1);
    }
    const QString used =
        chambers.isEmpty() ? QStringLiteral("образцов нет")
                           : QStringLiteral("образцы в камерах %1").arg(chambers.join(QStringLiteral(", ")));
    return QStringLiteral(
               "Испытание № %1 записано в файл \"%2\": серия %3, %4 %5, %6, %7, %8; %9 точек через %10 с; "
               "Θ̄ = %11·10⁻³, марка %12.")
        .arg(QString::number(o.testNumber), path, QString::number(o.series),
             o.date.toString(QStringLiteral("dd.MM.yyyy")), o.time.toString(QStringLiteral("HH:mm:ss")),
             MaterialNames[static_cast<std::size_t>(o.concreteType)],
             o.cylinder ? QStringLiteral("цилиндры") : QStringLiteral("кубы"), used,
             QString::number(o.points))
        .arg(QString::number(o.stepSeconds), platform::formatFixed(test.meanRelativeVolumeChange, 1, 3),
             processing::gradeName(static_cast<std::uint16_t>(test.gradeIndex)));
}

QString recordTest(ZoltRequest request, const QDateTime& now)
{
    SimulationOptions& o = request.options;
    QString path = request.outputPath;
    if (!request.numberGiven) {
        const int number = nextTestNumber(request.archiveFolder);
        if (number == 0)
            throw platform::Error(QStringLiteral("В папке \"%1\" заняты все номера испытаний от 1 до 999.")
                                      .arg(request.archiveFolder));
        o.testNumber = static_cast<std::uint16_t>(number);
    }
    if (!request.seedGiven) o.seed = o.testNumber;
    if (!request.dateGiven) o.date = now.date();
    if (!request.timeGiven) o.time = QTime(now.time().hour(), now.time().minute(), now.time().second());
    // A test goes into the archive under a name of its own; only a file named by --out may be replaced.
    const bool intoArchive = path.isEmpty();
    if (intoArchive) path = QDir(request.archiveFolder).filePath(archiveFileName(o.testNumber));

    const QString problem = checkOptions(o);
    if (!problem.isEmpty()) throw platform::Error(problem);
    const SimulatedTest test = simulateTest(o);
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        throw platform::Error(
            platform::messages::cannotCreateFile(path, QStringLiteral("Cannot create the folder")));
    if (intoArchive)
        test.file().writeNewFile(path);
    else
        test.file().writeTo(path);
    return describeTest(test, o, path);
}

} // namespace simulator
