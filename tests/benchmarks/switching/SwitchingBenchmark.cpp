// Times choosing another test in the test selector, in each chart kind: the stored test decoded, its
// temperatures smoothed, the results grid filled, the chart kind applied (for the result kind with the
// characteristic points and result curves) and the chart painted. Offscreen Chart1 is painted into an
// image; with --shown the window is on the screen and a choice lasts until its repaint has reached the
// X server.
#include "tests/benchmarks/Laboratory.h"
#include "tests/benchmarks/PreparedChoice.h"
#include "tests/benchmarks/ShownWindow.h"
#include "tests/benchmarks/Timing.h"
#include "ui/ChartWidget.h"
#include "ui/ProgramState.h"
#include "ui/RadioGroup.h"
#include "ui/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QRadioButton>
#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr int Tests = 20;
constexpr int Runs = 21;

} // namespace

int main(int argc, char** argv)
{
    const bool shown = benchmarks::shownMode(argc, argv);
    QApplication app(argc, argv);
    const benchmarks::Laboratory laboratory(Tests, [](int number) { return 200 + number % 50; });
    if (!laboratory.isValid()) return 1;
    const QStringList& errors = laboratory.errors();
    ProgramState state;
    TForm1 form(state);
    setOpenDialog(form, std::make_unique<benchmarks::PreparedChoice>(laboratory.files()));
    form.CheckBox1->setChecked(true); // the refrigerator curve as well in T = f(t)
    form.N3->trigger();
    if (!errors.isEmpty() || form.ComboBox1->count() != Tests) {
        std::fprintf(stderr, "the load failed: %s\n", qPrintable(errors.value(0)));
        return 1;
    }
    std::optional<benchmarks::PaintWatch> chartPaints;
    if (shown) {
        benchmarks::present(form);
        chartPaints.emplace(*form.Chart1);
    }

    QImage picture(form.Chart1->size(), QImage::Format_RGB32);
    const auto paint = [&] {
        if (chartPaints)
            chartPaints->waitForRepaint();
        else
            form.Chart1->render(&picture);
    };
    for (int item = 0; item < 4; ++item) {
        form.RadioGroup1->button(item)->click();
        paint();
        const benchmarks::Figure figure = benchmarks::measure(Runs, Tests, [&] {
            for (int index = 0; index < Tests; ++index) {
                form.ComboBox1->setCurrentIndex((index + 1) % Tests); // runs the selector's handler
                paint();
            }
        });
        const std::string key = "switch.kind" + std::to_string(item + 1) + (shown ? ".shown" : ".offscreen");
        benchmarks::report(key.c_str(), figure);
    }
    if (!errors.isEmpty()) {
        std::fprintf(stderr, "choosing a test failed: %s\n", qPrintable(errors.value(0)));
        return 1;
    }
    return 0;
}
