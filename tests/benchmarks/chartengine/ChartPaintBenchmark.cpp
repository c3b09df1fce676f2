// Times painting a chart like the program's (four curves of 255 points, 777 × 377) and prints the
// medians. With a file name as argument it also saves the chart it times as a PNG, to look at.
#include "chartengine/Chart.h"
#include "tests/benchmarks/Timing.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace {

constexpr int Points = 255;
constexpr int Repeats = 200;
constexpr double Duration = 12000; // s

void addCurves(chartengine::Chart& chart)
{
    const QColor colours[] = {QColor(0xFF, 0, 0), QColor(0, 0, 0xFF), QColor(0xFF, 0, 0xFF),
                              QColor(0x80, 0x80, 0x80)};
    const QColor own[] = {QColor(0xFF, 0, 0), QColor(0, 0x80, 0), QColor(0xFF, 0xFF, 0), QColor(0, 0, 0xFF)};
    for (int s = 0; s < 4; ++s)
        chart.addSeries(own[s], 2, {chartengine::MarkerShape::Circle, 2, 2, true});
    for (int s = 0; s < 4; ++s) {
        for (int i = 0; i < Points; ++i) {
            const double t = Duration * i / (Points - 1);
            // +20 falling to -20 degrees, each chamber a little behind the one before.
            const double lag = 1 + 0.08 * s;
            const double temperature =
                20 - 40 * (1 - std::exp(-3 * t / Duration / lag)) / (1 - std::exp(-3 / lag));
            chart.addPoint(s + 1, t, temperature, QString(), colours[s]);
        }
    }
}

benchmarks::Figure timePaints(const chartengine::Chart& chart, QImage& image)
{
    return benchmarks::measure(Repeats, 1, [&] {
        QPainter painter(&image);
        chart.paint(painter, image.rect());
    });
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    chartengine::Chart chart;
    chart.setInnerBevel(chartengine::Bevel::Lowered);
    chart.setOuterBevel(chartengine::Bevel::Lowered);
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(13);
    chart.setTitleFont(title);
    chart.setTitleColor(QColor(0, 0, 0x80));
    chart.addTitleLine(QStringLiteral("График зависимости изменения температуры внутри камеры от времени"));
    chart.setBottomAxisCaption(QStringLiteral("Время, с"));
    chart.setLeftAxisCaption(QStringLiteral("Температура, С"));
    addCurves(chart);

    QImage image(777, 377, QImage::Format_RGB32);
    benchmarks::report("chart.paint", timePaints(chart, image));
    if (argc > 1) image.save(QString::fromLocal8Bit(argv[1]));
    return 0;
}
