// Times choosing another test in the test selector, in each chart kind: the stored test decoded, its
// temperatures smoothed, the results grid filled, the chart kind applied (for the result kind with the
// characteristic points and result curves) and Chart1 painted once into an image. Prints the medians.
#include "tests/benchmarks/SimulatedArchive.h"
#include "tests/benchmarks/Timing.h"
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

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir laboratory;
    if (!laboratory.isValid()) return 1;
    QDir::setCurrent(laboratory.path());
    const QStringList files = benchmarks::writeSimulatedArchive(laboratory.path(), Tests,
                                                                [](int number) { return 200 + number % 50; });

    QStringList errors;
    ui::setErrorPresenter([&errors](const QString& text) { errors << text; });
    ProgramState state;
    TForm1 form(state);
    setOpenDialog(form, std::make_unique<benchmarks::PreparedChoice>(files));
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
            const double cpuStart = benchmarks::threadCpuMicroseconds() / 1e3;
            timer.start();
            for (int index = 0; index < Tests; ++index) {
                form.ComboBox1->setCurrentIndex((index + 1) % Tests); // runs the selector's handler
                const qint64 painted = timer.nsecsElapsed();
                form.Chart1->render(&picture);
                painting += timer.nsecsElapsed() - painted;
            }
            times.push_back(timer.nsecsElapsed() / 1e6 / Tests);
            cpuTimes.push_back((benchmarks::threadCpuMicroseconds() / 1e3 - cpuStart) / Tests);
            paintTimes.push_back(painting / 1e6 / Tests);
        }
        const double cpuMilliseconds = benchmarks::median(cpuTimes);
        allWithinTarget = allWithinTarget && cpuMilliseconds < 2.0;
        std::printf("choose another test, %-9s: median %.3f ms wall (the paint %.3f ms), %.3f ms CPU (target "
                    "< 2 ms)\n",
                    kindNames[item], benchmarks::median(times), benchmarks::median(paintTimes),
                    cpuMilliseconds);
    }
    if (!errors.isEmpty()) {
        std::fprintf(stderr, "choosing a test failed: %s\n", qPrintable(errors.value(0)));
        return 1;
    }
    return allWithinTarget ? 0 : 3;
}
