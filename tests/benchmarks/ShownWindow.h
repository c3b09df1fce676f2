#pragma once

#include <QCursor>
#include <QDeadlineTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// The window benchmarks run in two ways. Offscreen (the default) the window is never shown: the work
// alone. With --shown it is shown on the display (the X server scripts/bench.sh starts), the pointer
// rests over it as a user's does, and a measured piece of work lasts until its repaint has reached the
// server.
namespace benchmarks {

/// Whether --shown was given; without it the offscreen platform is chosen unless another is set.
inline bool shownMode(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--shown") == 0) return true;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return false;
}

/// Processes events until `done()` holds; gives up (and the benchmark fails) after ten seconds.
template <typename Condition> void processEventsUntil(Condition done)
{
    const QDeadlineTimer deadline(10000);
    QTimer wakeUp; // sleeping for events must not outlast the deadline
    wakeUp.start(100);
    while (!done()) {
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "the window did not answer in time\n");
            std::exit(4);
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

/// Shows the window, waits until it is on the screen, and puts the pointer in its middle.
inline void present(QWidget& window)
{
    window.show();
    processEventsUntil([&window] { return window.windowHandle() && window.windowHandle()->isExposed(); });
    QCursor::setPos(window.frameGeometry().center());
    QGuiApplication::sync();
    QCoreApplication::processEvents();
}

/// Notes when a widget is painted.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(QWidget& widget) : m_widget(widget) { widget.installEventFilter(this); }
    ~PaintWatch() override { m_widget.removeEventFilter(this); }

    /// Waits until the widget has been painted since the last call, and the server has the picture.
    void waitForRepaint()
    {
        processEventsUntil([this] { return m_painted; });
        QGuiApplication::sync();
        m_painted = false;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) m_painted = true;
        return false;
    }

private:
    QWidget& m_widget;
    bool m_painted = false;
};

} // namespace benchmarks
