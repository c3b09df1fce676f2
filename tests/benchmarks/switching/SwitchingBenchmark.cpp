// Times choosing another test in the test selector, in each chart kind: the stored test decoded, its
// temperatures smoothed, the results grid filled, the chart kind applied (for the result kind with the
// characteristic points and result curves) and Chart1 painted once into an image. Prints the medians.
#include "tools/simulator/TestModel.h"
#include "ui/ChartWidget.h"
#include "ui/ErrorGuard.h"
#include "ui/OpenCellFilesDialog.h"
#include "ui/ProgramState.h"
#include "ui/RadioGroup.h"
#include "ui/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int Tests = 20;
constexpr int Runs = 21;

class PreparedChoice final : public CellFileChooser {
public:
    explicit PreparedChoice(QStringList files) : m_files(std::move(files)) {}
    QStringList chooseFiles(QWidget*, const QString&) override { return m_files; }

private:
    QStringList m_files;
};

// The CPU time of this thread in milliseconds: on a busy machine the wall clock also counts the time other
// processes take.
double threadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QStringList writeArchive(const QString& folder)
{
    QDir(folder).mkdir(QStringLiteral("Archive"));
    QStringList paths;
    for (int number = 1; number <= Tests; ++number) {
        simulator::SimulationOptions options;
        options.testNumber = static_cast<std::uint16_t>(number);
        options.seed = static_cast<std::uint32_t>(number);
        options.cylinder = number % 3 == 0;
        options.points = 200 + number % 50; // long tests: the most points to draw
        const QString path = QDir(folder).filePath(
            QStringLiteral("Archive/test_%1.cell").arg(number, 4, 10, QLatin1Char('0')));
        simulator::simulateTest(options).file().writeTo(path);
        paths << path;
    }
    return paths;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir laboratory;
    if (!laboratory.isValid()) return 1;
    QDir::setCurrent(laboratory.path());
    const QStringList files = writeArchive(laboratory.path());

    QStringList errors;
    ui::setErrorPresenter([&errors](const QString& text) { errors << text; });
    ProgramState state;
    TForm1 form(state);
    setOpenDialog(form, std::make_unique<PreparedChoice>(files));
    form.CheckBox1->setChecked(true); // the refrigerator curve as well in T = f(t)
    form.N3->trigger();
    if (!errors.isEmpty() || form.ComboBox1->count() != Tests) {
        std::fprintf(stderr, "the load failed: %s\n", qPrintable(errors.value(0)));
        return 1;
    }

    QImage picture(form.Chart1->size(), QImage::Format_RGB32);
    const char* const kindNames[] = {"dV = f(t)", "T = f(t)", "dV = f(T)", "result"};
    bool allWithinTarget = true;
    for (int item = 0; item < 4; ++item) {
        form.RadioGroup1->button(item)->click();
        std::vector<double> times;
        std::vector<double> cpuTimes;
        std::vector<double> paintTimes;
        for (int run = 0; run < Runs; ++run) {
            QElapsedTimer timer;
            qint64 painting = 0;
            const double cpuStart = threadCpuMilliseconds();
            timer.start();
            for (int index = 0; index < Tests; ++index) {
                form.ComboBox1->setCurrentIndex((index + 1) % Tests); // runs the selector's handler
                const qint64 painted = timer.nsecsElapsed();
                form.Chart1->render(&picture);
                painting += timer.nsecsElapsed() - painted;
            }
            times.push_back(timer.nsecsElapsed() / 1e6 / Tests);
            cpuTimes.push_back((threadCpuMilliseconds() - cpuStart) / Tests);
            paintTimes.push_back(painting / 1e6 / Tests);
        }
        const double cpuMilliseconds = median(cpuTimes);
        allWithinTarget = allWithinTarget && cpuMilliseconds < 2.0;
        std::printf("choose another test, %-9s: median %.3f ms wall (the paint %.3f ms), %.3f ms CPU (target "
                    "< 2 ms)\n",
                    kindNames[item], median(times), median(paintTimes), cpuMilliseconds);
    }
    if (!errors.isEmpty()) {
        std::fprintf(stderr, "choosing a test failed: %s\n", qPrintable(errors.value(0)));
        return 1;
    }
    return allWithinTarget ? 0 : 3;
}
