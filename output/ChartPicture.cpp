#include "output/ChartPicture.h"

#include "chartengine/Chart.h"
#include "platform/Error.h"
#include "platform/Messages.h"

namespace output {
namespace {

// Takes the frame and the cursor line off the chart for as long as the picture is made. The frame is
// set back to lowered rather than to what it was: lowered is the chart's only look on screen.
class PictureLook final {
public:
    explicit PictureLook(chartengine::Chart& chart) : m_chart(chart)
    {
        if (hasCursor()) m_chart.setSeriesActive(CursorSeries, false);
        m_chart.setInnerBevel(chartengine::Bevel::None);
        m_chart.setOuterBevel(chartengine::Bevel::None);
    }
    ~PictureLook()
    {
        m_chart.setInnerBevel(chartengine::Bevel::Lowered);
        m_chart.setOuterBevel(chartengine::Bevel::Lowered);
        if (hasCursor()) m_chart.setSeriesActive(CursorSeries, true);
    }
    PictureLook(const PictureLook&) = delete;
    PictureLook& operator=(const PictureLook&) = delete;

private:
    bool hasCursor() const { return m_chart.seriesCount() >= CursorSeries; }

    chartengine::Chart& m_chart;
};

} // namespace

void SaveChartPicture(chartengine::Chart& chart, QSize clientSize, const QString& path)
{
    const PictureLook look(chart);
    QString reason;
    if (!chart.writeBmp(path, clientSize, &reason))
        throw platform::Error(platform::messages::cannotCreateFile(path, reason));
}

QString reportPicturePath(const QString& programFolder)
{
    return programFolder + QStringLiteral("/Temp/1.bmp");
}

} // namespace output
