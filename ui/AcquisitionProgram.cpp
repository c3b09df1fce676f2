#include "ui/AcquisitionProgram.h"

#include "platform/Process.h"
#include "ui/Seam.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace ui {

namespace {

Seam<bool(const QString&)>& currentRunner()
{
    static Seam<bool(const QString&)> runner(platform::runProgramByName);
    return runner;
}

} // namespace

ProgramRunner setProgramRunner(ProgramRunner runner)
{
    return currentRunner().replace(std::move(runner));
}

bool runAcquisitionProgram()
{
    const QPointer<QWidget> active = QApplication::activeWindow();
    std::vector<QPointer<QWidget>> minimised;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->isMinimized()) continue;
        minimised.emplace_back(window);
        window->showMinimized();
    }
    // The wait blocks this thread: hand the requests to the window system before it starts. User input
    // stays queued, so no other handler runs in between.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const bool ran = currentRunner()(QString::fromLatin1(AcquisitionProgramName));

    for (const QPointer<QWidget>& window : minimised) {
        if (!window) continue;
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
    }
    if (active) active->activateWindow();
    return ran;
}

} // namespace ui
